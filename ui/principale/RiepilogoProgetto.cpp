#include "ui/principale/RiepilogoProgetto.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/sweep/ScegliClasse.h"
#include "ui/comune/RequisitiClasse.h"
#include "ui/comune/Testi.h"

namespace nottaro::ui {

namespace {

// "me3b" as designers write it: "ME3b".
QString CodiceLeggibile(const std::string& codice) {
    QString t = Qs(codice);
    for (QChar& c : t) {
        if (c.isDigit()) break;
        c = c.toUpper();
    }
    return t;
}

}  // namespace

QString TestoNormaClasse(const StatoProgetto& s) {
    return s.EdizioneEN != 0 ? QStringLiteral("EN 13201-2:2015") : QStringLiteral("EN 13201-2");
}

QString TestoClasseStrada(const StatoProgetto& s) {
    if (s.LmMin == 0) return {};
    for (const auto& v : ClassiEn13201())
        if (RequisitiDellaClasse(s, v.classe))
            return Qm(2215).arg(NomeClasse(v.nome) + QStringLiteral(" (") + TestoNormaClasse(s) + QLatin1Char(')'));
    for (const auto& v : IndiciUni10439())
        if (RequisitiDellaClasse(s, v.classe))
            return Qm(2215).arg(QLatin1String(v.nome) + QStringLiteral(" (UNI 10439)"));
    for (const auto& c : CategorieStrada())
        if (RequisitiDellaClasse(s, c.classe))
            return Qm(2215).arg(CodiceLeggibile(s.CodClasse) + QStringLiteral(" (") + TestoNormaClasse(s) +
                                QLatin1Char(')'));
    return {};
}

QString TestoTolleranza(const StatoProgetto& s, bool percorso) {
    const double t = percorso ? s.ErrEm : s.ErrLm;
    if (t == TolleranzaAbituale) return {};
    return Qm(2213).arg(percorso ? QStringLiteral("Em") : QStringLiteral("Lm"), Generale(t));
}

// The lamp set of a single photometry; a list brings one set per file.
QString TestoLampade(const StatoProgetto& s) {
    if (!s.FotoCaricata || !s.FileLista.empty() || s.Foto.NumLampade <= 0) return {};
    auto insieme = [&s](int k) {
        const auto i = static_cast<std::size_t>(k);
        QString t;
        if (const int n = std::abs(s.Foto.LampadePerSet[i]); n > 1) t = QString::number(n) + QStringLiteral(" × ");
        t += Qs(s.Foto.TipoLamp[i]).trimmed();
        if (s.Foto.FlussoLamp[i] > 0) t += QLatin1Char(' ') + Generale(s.Foto.FlussoLamp[i]) + QStringLiteral(" lm");
        return t.trimmed();
    };
    QStringList insiemi;
    if (s.TutteLampade)
        for (int k = 0; k < s.Foto.NumLampade && k < MaxLampade; ++k) insiemi << insieme(k);
    else if (s.Foto.LampSel >= 0 && s.Foto.LampSel < MaxLampade) insiemi << insieme(s.Foto.LampSel);
    return Qm(2214).arg(insiemi.join(QStringLiteral("; ")));
}

QString TestoInterdistanzaFissata(const StatoProgetto& s) {
    return s.DaProgetto ? Qm(2207).arg(Generale(s.Interdist)) : QString();
}

RiepilogoProgetto::RiepilogoProgetto(StatoProgetto& stato, bool percorso, QWidget* genitore)
    : QWidget(genitore), stato_(stato), percorso_(percorso) {
    const QString a = percorso ? QStringLiteral("A") : QString();
    setObjectName(QStringLiteral("Riepilogo") + a);
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    auto etichetta = [this, colonna, &a](const char* nome) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(nome) + a);
        l->setWordWrap(true);
        colonna->addWidget(l);
        return l;
    };
    classe_ = etichetta("EtichettaClasse");
    tolleranza_ = etichetta("EtichettaTolleranza");
    lampade_ = etichetta("EtichettaLampade");
    interdistanza_ = etichetta("EtichettaInterdistanza");
    interdistanza_->setStyleSheet(QStringLiteral("font-weight: bold"));
    libera_ = new QPushButton(this);
    libera_->setObjectName(QStringLiteral("LiberaInterdistanza") + a);
    libera_->setAutoDefault(false);
    colonna->addWidget(libera_, 0, Qt::AlignLeft);
    connect(libera_, &QPushButton::clicked, this, [this] {
        stato_.DaProgetto = false;
        Aggiorna();
        emit InterdistanzaLiberata();
    });
    Aggiorna();
}

void RiepilogoProgetto::Aggiorna() {
    auto mostra = [](QLabel* l, const QString& t) {
        l->setText(t);
        l->setVisible(!t.isEmpty());
    };
    // The path's class line already carries the class; its standard is added there.
    mostra(classe_, percorso_ ? QString() : TestoClasseStrada(stato_));
    mostra(tolleranza_, TestoTolleranza(stato_, percorso_));
    mostra(lampade_, TestoLampade(stato_));
    mostra(interdistanza_, TestoInterdistanzaFissata(stato_));
    libera_->setText(Qm(2208));
    libera_->setVisible(stato_.DaProgetto);
}

}  // namespace nottaro::ui
