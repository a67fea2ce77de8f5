#pragma once
// Shared by the optimisation window tests: running a window to its end,
// reading a table's rows, and the command line's view of the same table.
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "ProgettiProva.h"
#include "store/TabellaDbf.h"
#include "ui/calcolo/FinestraOttimizza.h"

namespace nottaro::test {

using Righe = std::vector<std::vector<std::string>>;

// Every shown row of an open table, every field as text.
inline Righe RigheDi(const TabellaDbf& t) {
    Righe r;
    for (std::size_t i = 0; i < t.NumeroRighe(); ++i) {
        std::vector<std::string> v;
        for (const auto& c : t.Campi()) v.push_back(t.TestoRiga(i, c.nome).value_or("?"));
        r.push_back(std::move(v));
    }
    return r;
}

// The rows of a table file as a fresh reader sees them.
inline Righe RigheDelFile(const std::string& percorso) {
    TabellaDbf t;
    t.CollegaFile(percorso);
    if (!t.Apri(true)) return {{"cannot open " + percorso}};
    return RigheDi(t);
}

// nottaro-cli with `argomenti`; its standard output.
inline QString Cli(const QStringList& argomenti) {
    QProcess p;
    p.start(QStringLiteral(NOTTARO_CLI), argomenti);
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Shows the window and waits until its run has ended.
inline bool EseguiFinestra(ui::FinestraOttimizza& f, int ms = 120000) {
    f.show();
    // Finished, or already the browser (a path run continuing a loaded project).
    return QTest::qWaitFor([&] { return f.FaseCorrente() == ui::FinestraOttimizza::Fase::Finita || f.FaseCorrente() == ui::FinestraOttimizza::Fase::Browser; }, ms);
}

template <class W>
W* Figlio(QObject& o, const char* nome) {
    return o.findChild<W*>(QString::fromLatin1(nome));
}

// The road browser of strada.nt0 with the heights swept too (so the height
// choice has entries), its run ended and "OK" pressed; null when the project
// cannot be loaded or the run does not end.
inline std::unique_ptr<ui::FinestraOttimizza> BrowserStrada(StatoProgetto& s, Interazione& ui, const QTemporaryDir& dir) {
    if (!CaricaProgettoProva(s, "strada.nt0", dir)) return nullptr;
    s.HPalo = 0;
    auto f = std::make_unique<ui::FinestraOttimizza>(s, ui, false);
    if (!EseguiFinestra(*f)) return nullptr;
    Figlio<QPushButton>(*f, "BitBtn2")->click();
    return f;
}

}  // namespace nottaro::test
