#pragma once
// Helpers for driving windows in tests: answering the next modal dialog,
// finding controls by object name, a temporary program folder.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

#include "InterazioneScritta.h"
#include "core/i18n/Messaggi.h"
#include "core/state/StatoProgetto.h"
#include "ui/calcolo/FinestraOttimizza.h"
#include "ui/principale/TVelaro.h"

namespace nottaro::test {

inline std::string Fixture(const std::string& nome) { return std::string(NOTTARO_FIXTURES) + "/" + nome; }

// Runs `f` on the next modal dialog that opens (polled for up to 5 s).
inline void AlProssimoDialogo(std::function<void(QDialog*)> f) {
    auto* timer = new QTimer;
    auto tentativi = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, f, tentativi] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d && ++*tentativi < 500) return;
        timer->stop();
        timer->deleteLater();
        if (d) f(d);
    });
    timer->start(10);
}

// The main window over its own state and program folder, with a scripted
// interaction and file chooser.
struct Banco {
    QTemporaryDir cartella;
    std::unique_ptr<StatoProgetto> stato = std::make_unique<StatoProgetto>();
    InterazioneScritta ui;
    QStringList fileScelti;                 // answers of the file chooser, in order
    std::vector<ui::RichiestaFile> richieste;
    std::unique_ptr<ui::TVelaro> finestra;

    explicit Banco(int lingua = 0) {
        stato->DirProg = cartella.path().toStdString();
        stato->Lingua = lingua;
        ImpostaLinguaCatalogo(lingua);
        finestra = std::make_unique<ui::TVelaro>(*stato, &ui);
        finestra->ImpostaThread(2);
        finestra->ImpostaSceltaFile([this](QWidget*, const ui::RichiestaFile& r) {
            richieste.push_back(r);
            return fileScelti.isEmpty() ? QString() : fileScelti.takeFirst();
        });
        // A run window ("&Ottimizza", a project load) runs to its end and closes.
        finestra->ImpostaMostraCalcolo([](ui::FinestraOttimizza& f) {
            f.show();
            const QDeadlineTimer limite(120000);
            using Fase = ui::FinestraOttimizza::Fase;
            while ((f.FaseCorrente() == Fase::Pronta || f.FaseCorrente() == Fase::InCorso) && !limite.hasExpired())
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
            f.close();
        });
        finestra->show();
    }
    template <class T>
    T* Trova(const char* nome) const {
        return finestra->findChild<T*>(QLatin1String(nome));
    }
};

}  // namespace nottaro::test
