#include "ui/dialoghi/TDefCalc.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <cstring>

#include "ui/comune/CampoDecimale.h"
#include "ui/comune/Campi.h"
#include "ui/comune/FrecceSuGiu.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/Testi.h"
#include "ui/dialoghi/Dialoghi.h"
#include "ui/principale/Aiuto.h"

namespace nottaro::ui {

TDefCalc::TDefCalc(StatoProgetto& stato, Interazione& ui, QWidget* genitore)
    : QDialog(genitore), stato_(stato), ui_(ui) {
    setObjectName(QStringLiteral("TDefCalc"));
    setWindowTitle(SenzaAcceleratore(Qm(64)));
    auto* colonna = new QVBoxLayout(this);
    PageControl1_ = new QTabWidget(this);
    PageControl1_->setObjectName(QStringLiteral("PageControl1"));
    PageControl1_->addTab(PaginaCalcolo(), Qm(159));
    PageControl1_->addTab(PaginaEconomica(), Qm(155));
    colonna->addWidget(PageControl1_);
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    pulsanti->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BitBtn1"));
    connect(pulsanti, &QDialogButtonBox::accepted, this, [this] {
        if (Ok()) accept();
    });
    colonna->addWidget(pulsanti);
    AcceleratoriDelDialogo(this);
    ImpostaAiuto(this, QStringLiteral("TDefCalc"));
}

QWidget* TDefCalc::PaginaCalcolo() {
    auto* pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("TabSheet1"));
    auto* colonna = new QVBoxLayout(pagina);
    auto* gruppo = new QGroupBox(Qm(165), pagina);
    gruppo->setObjectName(QStringLiteral("GroupBox1"));
    auto* griglia = new QGridLayout(gruppo);
    struct Riga {
        const char* nome;
        double StatoProgetto::* valore;
        int didascalia;
        const char* unita;
        double passo;
        int minimo, massimo, inizio;  // inizio < 0: the whole part of the value shown
    };
    const Riga righe[] = {
        {"StepAlt1", &StatoProgetto::StepAlt, 160, "m", 0.1, 0, 100, 4},
        {"StepSbr1", &StatoProgetto::StepSbr, 161, "m", 0.1, 0, 100, 4},
        {"StepAng1", &StatoProgetto::StepAng, 162, "°", 1, 1, 20, 1},
        {"StepInt1", &StatoProgetto::StepInt, 163, "m", 0.1, 0, 200, 4},
        {"ErrLm1", &StatoProgetto::ErrLm, 167, "%", 1, 1, 100, -1},
        // The catalogue's own caption of this row names Lm; the row is about Em.
        {"ErrEm1", &StatoProgetto::ErrEm, 1212, "%", 1, 1, 100, -1},
    };
    int r = 0;
    for (const Riga& riga : righe) {
        auto* didascalia = new QLabel(Qm(riga.didascalia), gruppo);
        if (riga.didascalia == 167 || riga.didascalia == 1212) didascalia->setToolTip(Qm(riga.didascalia == 167 ? 166 : 475));
        didascalia->setObjectName(QStringLiteral("Label") + QLatin1String(riga.nome));
        auto* edit = new QLineEdit(Generale(stato_.*riga.valore), gruppo);
        edit->setObjectName(QLatin1String(riga.nome));
        edit->setFixedWidth(56);
        const int inizio = riga.inizio >= 0 ? riga.inizio : static_cast<int>(stato_.*riga.valore);
        auto* frecce = new FrecceSuGiu(riga.minimo, riga.massimo, inizio, gruppo);
        frecce->setObjectName(QStringLiteral("UpDown%1").arg(r + 1));
        passi_.push_back({edit, riga.valore, stato_.*riga.valore, SenzaAcceleratore(Qm(riga.didascalia)),
                          std::string(riga.nome, std::strlen(riga.nome) - 1)});
        const std::size_t i = passi_.size() - 1;
        // Tenth steps are counted in tenths, so no rounding error builds up.
        auto muovi = [this, i, passo = riga.passo](int verso) {
            ValorePasso& p = passi_[i];
            p.corrente = passo < 1 ? std::round(p.corrente * 10 + verso) / 10 : p.corrente + verso;
            p.edit->setText(Generale(p.corrente));
        };
        // A typed value is taken when the field is left; one out of range is
        // refused with the field named, and the last good value comes back.
        connect(edit, &QLineEdit::editingFinished, this, [this, i] { LeggiPasso(passi_[i]); });
        connect(frecce, &FrecceSuGiu::su, this, [muovi] { muovi(1); });
        connect(frecce, &FrecceSuGiu::giu, this, [muovi] { muovi(-1); });
        griglia->addWidget(didascalia, r, 0);
        griglia->addWidget(edit, r, 1);
        griglia->addWidget(frecce, r, 2);
        griglia->addWidget(new QLabel(QString::fromUtf8(riga.unita), gruppo), r, 3);
        ++r;
    }
    griglia->setColumnStretch(0, 1);
    colonna->addWidget(gruppo);

    auto* CheckBox1 = new QCheckBox(Qm(168), pagina);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(stato_.TutteLampade);
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool si) { stato_.TutteLampade = si; });
    auto* CheckBox2 = new QCheckBox(Qm(172), pagina);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    connect(CheckBox2, &QCheckBox::toggled, this, [this](bool si) { stato_.ChiediLampada = si; });
    colonna->addWidget(CheckBox1);
    colonna->addWidget(CheckBox2);

    auto* range = new QGroupBox(Qm(164), pagina);
    range->setObjectName(QStringLiteral("GroupBox2"));
    auto* posaRange = new QFormLayout(range);
    posaRange->addRow(Qm(171), new QLabel(QStringLiteral("20 m"), range));
    auto* meta = new QLabel(QStringLiteral("+/- ") + Generale(stato_.LargStrada / 2) + QStringLiteral(" m"), range);
    meta->setObjectName(QStringLiteral("Label13"));
    posaRange->addRow(Qm(170), meta);
    posaRange->addRow(Qm(169), new QLabel(QStringLiteral("[ - 20° ; + 20° ]"), range));
    colonna->addWidget(range);
    colonna->addStretch();
    return pagina;
}

QLineEdit* TDefCalc::NuovoCampo(const char* nome, double StatoProgetto::* valore, const QString& didascalia,
                                double scala) {
    auto* e = new CampoDecimale(false, 9);
    e->setObjectName(QLatin1String(nome));
    e->setText(Generale(stato_.*valore * scala));
    e->setFixedWidth(72);
    campi_.push_back({e, valore, scala, SenzaAcceleratore(didascalia)});
    return e;
}

QWidget* TDefCalc::PaginaEconomica() {
    auto* pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("TabSheet2"));
    auto* griglia = new QGridLayout(pagina);
    auto riga = [](QGridLayout* g, int r, const QString& testo, QWidget* edit, const QString& unita,
                   QWidget* extra = nullptr) {
        g->addWidget(new QLabel(testo), r, 0);
        g->addWidget(edit, r, 1);
        if (!unita.isEmpty()) g->addWidget(new QLabel(unita), r, 2);
        if (extra) g->addWidget(extra, r, 3);
    };

    auto* generale = new QGroupBox(Qm(179), pagina);
    generale->setObjectName(QStringLiteral("GroupBox3"));
    auto* g1 = new QGridLayout(generale);
    riga(g1, 0, Qm(173), NuovoCampo("OreAcc", &StatoProgetto::OreAcc, Qm(173)), Qm(4));
    riga(g1, 1, Qm(174), NuovoCampo("CostoE", &StatoProgetto::CostoE, Qm(174)), QStringLiteral("€/kWh"));
    riga(g1, 2, Qm(175), NuovoCampo("VitaImp", &StatoProgetto::VitaImp, Qm(175)), Qm(176));
    riga(g1, 3, Qm(177), NuovoCampo("coeffmorte", &StatoProgetto::CoeffMorte, Qm(177), 100), QStringLiteral("%"));
    riga(g1, 4, Qm(178), NuovoCampo("MaskEdit7", &StatoProgetto::PerditaPot, Qm(178)), QStringLiteral("%"));
    auto* RadioGroup1 = new QGroupBox(Qm(181) + QLatin1Char(' ') + Qm(182), generale);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto* posaRapporto = new QHBoxLayout(RadioGroup1);
    rapporto_[0] = new QRadioButton(Qm(254), RadioGroup1);
    rapporto_[1] = new QRadioButton(Qm(246), RadioGroup1);
    for (int i = 0; i < 2; ++i) {
        rapporto_[i]->setObjectName(QStringLiteral("RadioGroup1Voce%1").arg(i));
        posaRapporto->addWidget(rapporto_[i]);
    }
    rapporto_[stato_.IntAltRapp ? 0 : 1]->setChecked(true);
    posaRapporto->addWidget(NuovoCampo("IntAlt", &StatoProgetto::IntAlt, Qm(181)));
    g1->addWidget(RadioGroup1, 5, 0, 1, 4);
    g1->setColumnStretch(0, 1);
    griglia->addWidget(generale, 0, 0);

    // New installation and the installation to adapt.
    auto* confronto = new QGroupBox(Qm(180) + QStringLiteral(" / ") + Qm(184), pagina);
    confronto->setObjectName(QStringLiteral("GroupBox4"));
    auto* g2 = new QGridLayout(confronto);
    auto* SpeedButton2 = new QToolButton(confronto);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("…"));
    SpeedButton2->setToolTip(Qm(0));
    auto* SpeedButton1 = new QToolButton(confronto);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("…"));
    SpeedButton1->setToolTip(Qm(0));
    g2->addWidget(new QLabel(QStringLiteral("<b>") + Qm(180) + QStringLiteral("</b> ") + Qm(183)), 0, 0, 1, 4);
    NLampW_ = NuovoCampo("NLampW", &StatoProgetto::NLampW, Qm(180) + QStringLiteral(" W"));
    riga(g2, 1, Qm(1) + QStringLiteral(" [W]"), NLampW_, QString());
    NLampT_ = NuovoCampo("NLampT", &StatoProgetto::NLampT, Qm(180) + QLatin1Char(' ') + Qm(2));
    riga(g2, 2, Qm(2), NLampT_, Qm(4), SpeedButton2);
    MaskEdit12_ = NuovoCampo("MaskEdit12", &StatoProgetto::NLampCosto, Qm(180) + QLatin1Char(' ') + Qm(3));
    riga(g2, 3, Qm(3), MaskEdit12_, QStringLiteral("€"));
    g2->addWidget(new QLabel(QStringLiteral("<b>") + Qm(184) + QStringLiteral("</b> ") + Qm(185)), 4, 0, 1, 4);
    riga(g2, 5, Qm(1) + QStringLiteral(" [W]"), NuovoCampo("LampW", &StatoProgetto::LampW, Qm(185) + QStringLiteral(" W")),
         QString());
    riga(g2, 6, QStringLiteral("lm"), NuovoCampo("LampLM", &StatoProgetto::LampLM, Qm(185) + QStringLiteral(" lm")),
         QString());
    LampT_ = NuovoCampo("LampT", &StatoProgetto::LampT, Qm(185) + QLatin1Char(' ') + Qm(2));
    riga(g2, 7, Qm(2), LampT_, Qm(4), SpeedButton1);
    MaskEdit13_ = NuovoCampo("MaskEdit13", &StatoProgetto::LampCosto, Qm(185) + QLatin1Char(' ') + Qm(3));
    riga(g2, 8, Qm(3), MaskEdit13_, QStringLiteral("€"));
    g2->setColumnStretch(0, 1);
    griglia->addWidget(confronto, 1, 0);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { Sorgente(true); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { Sorgente(false); });

    // Design lamps: life and price per family.
    auto* lampade = new QGroupBox(Qm(186), pagina);
    lampade->setObjectName(QStringLiteral("GroupBox5"));
    auto* g3 = new QGridLayout(lampade);
    g3->addWidget(new QLabel(Qm(187)), 0, 1);
    g3->addWidget(new QLabel(Qm(3) + QStringLiteral(" (*)")), 0, 2);
    const char* durate[] = {"SAP", "SBP", "HID", "HG"};
    double StatoProgetto::* valoriDurata[] = {&StatoProgetto::DurataSAP, &StatoProgetto::DurataSBP,
                                              &StatoProgetto::DurataHID, &StatoProgetto::DurataHG};
    double StatoProgetto::* valoriCosto[] = {&StatoProgetto::CostoSAP, &StatoProgetto::CostoSBP,
                                             &StatoProgetto::CostoHID, &StatoProgetto::CostoHG};
    static const char* const costi[] = {"MaskEdit1", "MaskEdit2", "MaskEdit3", "MaskEdit4"};
    for (int i = 0; i < 4; ++i) {
        g3->addWidget(new QLabel(Qm(7 + i)), i + 1, 0);
        g3->addWidget(NuovoCampo(durate[i], valoriDurata[i], Qm(7 + i) + QLatin1Char(' ') + Qm(187)), i + 1, 1);
        g3->addWidget(NuovoCampo(costi[i], valoriCosto[i], Qm(7 + i) + QLatin1Char(' ') + Qm(3)), i + 1, 2);
    }
    auto* nota = new QLabel(Qm(188));
    nota->setWordWrap(true);
    g3->addWidget(nota, 5, 0, 1, 3);
    g3->setColumnStretch(0, 1);
    griglia->addWidget(lampade, 0, 1);

    auto* punto = new QGroupBox(Qm(189), pagina);
    punto->setObjectName(QStringLiteral("GroupBox6"));
    auto* g4 = new QGridLayout(punto);
    auto* ComboBox1 = new QComboBox(punto);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({Qm(255), Qm(256)});
    ComboBox1->setCurrentIndex(-1);
    riga(g4, 0, Qm(124), ComboBox1, QString());
    MaskEdit11_ = NuovoCampo("MaskEdit11", &StatoProgetto::CostoApp, Qm(318));
    riga(g4, 1, Qm(318), MaskEdit11_, QStringLiteral("€"));
    MaskEdit10_ = NuovoCampo("MaskEdit10", &StatoProgetto::CostoPalo, Qm(190));
    riga(g4, 2, Qm(190), MaskEdit10_, QStringLiteral("€"));
    riga(g4, 3, Qm(191), NuovoCampo("MaskEdit8", &StatoProgetto::CostoScavo, Qm(191)), QStringLiteral("€"));
    riga(g4, 4, Qm(192), NuovoCampo("MaskEdit9", &StatoProgetto::CostoPlinto, Qm(192)), QStringLiteral("€"));
    riga(g4, 5, Qm(193), NuovoCampo("MaskEdit5", &StatoProgetto::CostoAccessori, Qm(193)), QStringLiteral("€"));
    riga(g4, 6, Qm(194), NuovoCampo("MaskEdit6", &StatoProgetto::CostoCavo, Qm(194)), QStringLiteral("€"));
    g4->addWidget(new QLabel(QStringLiteral("<b>") + Qm(195) + QStringLiteral("</b>")), 7, 0, 1, 3);
    riga(g4, 8, Qm(196), NuovoCampo("PrezzoAll", &StatoProgetto::PrezzoAll, Qm(196)), QStringLiteral("€"));
    riga(g4, 9, Qm(197), NuovoCampo("PrezzoApp", &StatoProgetto::PrezzoApp, Qm(197)), QStringLiteral("€"));
    riga(g4, 10, Qm(198), NuovoCampo("CostoM", &StatoProgetto::CostoM, Qm(198)), QStringLiteral("€"));
    g4->setColumnStretch(0, 1);
    griglia->addWidget(punto, 1, 1);
    connect(ComboBox1, &QComboBox::activated, this, [this](int i) {
        MaskEdit11_->setText(i == 0 ? QStringLiteral("200") : QStringLiteral("500"));
        MaskEdit10_->setText(i == 0 ? QStringLiteral("250") : QStringLiteral("700"));
    });

    // Hours and power of the year's operation, for the energy indicator De.
    auto* profilo = new QGroupBox(Qm(2408), pagina);
    profilo->setObjectName(QStringLiteral("ProfiloEsercizio"));
    auto* g5 = new QGridLayout(profilo);
    riga(g5, 0, Qm(2409), NuovoCampo("OrePiena", &StatoProgetto::OrePiena, Qm(2409)), Qm(4));
    riga(g5, 1, Qm(2410), NuovoCampo("OreRid1", &StatoProgetto::OreRid1, Qm(2410)), Qm(4));
    riga(g5, 2, Qm(2411), NuovoCampo("FrazRid1", &StatoProgetto::FrazRid1, Qm(2411), 100), QStringLiteral("%"));
    riga(g5, 3, Qm(2412), NuovoCampo("OreRid2", &StatoProgetto::OreRid2, Qm(2412)), Qm(4));
    riga(g5, 4, Qm(2413), NuovoCampo("FrazRid2", &StatoProgetto::FrazRid2, Qm(2413), 100), QStringLiteral("%"));
    g5->setColumnStretch(0, 1);
    griglia->addWidget(profilo, 2, 0, 1, 2);
    return pagina;
}

void TDefCalc::Sorgente(bool vecchia) {
    // The family only: life and price come from the design lamp defaults.
    if (!EseguiTSourceProg(this, stato_, ui_, false)) return;
    if (stato_.SorgDurata != 0) (vecchia ? LampT_ : NLampT_)->setText(Generale(stato_.SorgDurata));
    if (stato_.SorgCosto != 0) (vecchia ? MaskEdit13_ : MaskEdit12_)->setText(Generale(stato_.SorgCosto));
}

bool TDefCalc::Ok() {
    int zeri = 0;
    for (QLineEdit* e : {NLampW_, NLampT_, MaskEdit12_}) {
        const auto v = Numero(e->text());
        zeri += v && *v == 0;
    }
    if (zeri != 0 && zeri != 3) {
        ui_.Avviso(Msg(391));
        PageControl1_->setCurrentIndex(1);
        return false;
    }
    return true;
}

bool TDefCalc::LeggiPasso(ValorePasso& p) {
    if (p.edit->text() == Generale(p.corrente)) return true;
    const auto v = NumeroNelLimite(p.edit, p.nome, p.valoreNome.c_str(), ui_);
    if (!v) {
        p.edit->setText(Generale(p.corrente));
        return false;
    }
    p.corrente = *v;
    return true;
}

bool TDefCalc::Memorizza() {
    std::vector<std::optional<double>> letti;
    for (const Campo& c : campi_) {
        if (c.edit->text().isEmpty()) {
            letti.push_back(std::nullopt);
            continue;
        }
        const auto v = NumeroDelCampo(c.edit, c.nome, ui_);
        if (!v) {
            PageControl1_->setCurrentWidget(c.edit->parentWidget()->parentWidget());
            return false;
        }
        letti.push_back(*v);
    }
    for (ValorePasso& p : passi_)
        if (!LeggiPasso(p)) {
            PageControl1_->setCurrentWidget(p.edit->parentWidget()->parentWidget());
            return false;
        }
    stato_.IntAltRapp = rapporto_[0]->isChecked();
    for (const ValorePasso& p : passi_) stato_.*p.valore = p.corrente;
    for (std::size_t i = 0; i < campi_.size(); ++i)
        if (letti[i]) stato_.*campi_[i].valore = *letti[i] / campi_[i].scala;
    return true;
}

void TDefCalc::done(int r) {
    // However the dialog closes, the values are stored first; one that is no
    // number keeps it open.
    if (!memorizzato_ && !Memorizza()) return;
    memorizzato_ = true;
    QDialog::done(r);
}

void TDefCalc::closeEvent(QCloseEvent* e) {
    if (!memorizzato_ && !Memorizza()) {
        e->ignore();
        return;
    }
    memorizzato_ = true;
    QDialog::closeEvent(e);
}

bool EseguiTDefCalc(QWidget* genitore, StatoProgetto& stato, Interazione& ui) {
    TDefCalc d(stato, ui, genitore);
    return d.exec() == QDialog::Accepted;
}

}  // namespace nottaro::ui
