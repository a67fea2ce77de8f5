#include "ui/dialoghi/TDefProg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <cmath>

#include "core/i18n/Lingua.h"
#include "core/state/GrigliaNorma.h"
#include "engine/sweep/ScegliClasse.h"
#include "ui/comune/CampoDecimale.h"
#include "ui/comune/Campi.h"
#include "ui/comune/FattoreManutenzione.h"
#include "ui/comune/FrecceSuGiu.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/SceltaEdizione.h"
#include "ui/comune/RequisitiClasse.h"
#include "ui/comune/Testi.h"
#include "ui/dialoghi/Dialoghi.h"
#include "ui/principale/Aiuto.h"

namespace nottaro::ui {

namespace {

// Information lines of each road category, for Label13 .. Label19 and Label5:
// a message number, Vuota (emptied, left visible) or Nascosta (emptied and
// hidden).
constexpr int Vuota = 0, Nascosta = -1;
constexpr std::array<std::array<int, 8>, 9> InformazioniCategorie = {{
    {209, 210, 211, 212, 213, 214, 215, Nascosta},
    {209, 210, 216, 217, 213, 214, 215, Nascosta},
    {219, 220, 221, Vuota, Vuota, Vuota, Nascosta, Nascosta},
    {222, 223, 224, Nascosta, Nascosta, Nascosta, Nascosta, Nascosta},
    {225, 226, 227, 228, 229, 230, 231, 232},
    {233, 226, 227, 228, 229, 230, 218, 232},
    {219, 234, 235, 230, 236, 237, Vuota, Nascosta},
    {222, 238, 239, 240, 2319, Nascosta, Nascosta, Nascosta},
    {222, 241, Nascosta, Nascosta, Nascosta, Nascosta, Nascosta, Nascosta},
}};

const char* const Pavimentazioni[] = {"C1", "C2", "R1", "R2", "R3", "R4"};

}  // namespace

TDefProg::TDefProg(StatoProgetto& stato, Interazione& ui, QWidget* genitore)
    : QDialog(genitore), stato_(stato), ui_(ui) {
    setObjectName(QStringLiteral("TDefProg"));
    setWindowTitle(Qm(149));
    auto* colonna = new QVBoxLayout(this);

    // Requirements: the mode, the class list of the mode and the four values.
    auto* gruppoRequisiti = new QGroupBox(Qm(203), this);
    gruppoRequisiti->setObjectName(QStringLiteral("GroupBox1"));
    auto* posaRequisiti = new QGridLayout(gruppoRequisiti);
    ComboBox2_ = new QComboBox(gruppoRequisiti);
    ComboBox2_->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2_->addItems({Qm(250), Qm(251), Qm(252)});
    if (stato_.Lingua != LinguaTedesco) ComboBox2_->addItem(Qm(253));
    ComboBox2_->setCurrentIndex(-1);
    posaRequisiti->addWidget(ComboBox2_, 0, 0, 1, 3);
    Label7_ = new QLabel(gruppoRequisiti);
    Label7_->setObjectName(QStringLiteral("Label7"));
    ComboBox3_ = new QComboBox(gruppoRequisiti);
    ComboBox3_->setObjectName(QStringLiteral("ComboBox3"));
    for (const auto& v : IndiciUni10439()) ComboBox3_->addItem(QLatin1String(v.nome));
    ComboBox5_ = new QComboBox(gruppoRequisiti);
    ComboBox5_->setObjectName(QStringLiteral("ComboBox5"));
    for (const auto& v : ClassiEn13201()) ComboBox5_->addItem(NomeClasse(v.nome));
    ComboBox4_ = new QComboBox(gruppoRequisiti);
    ComboBox4_->setObjectName(QStringLiteral("ComboBox4"));
    for (const auto& c : CategorieStrada()) ComboBox4_->addItem(Qm(c.messaggio));
    auto* rigaClasse = new QHBoxLayout;
    rigaClasse->addWidget(Label7_);
    for (QComboBox* c : {ComboBox3_, ComboBox5_, ComboBox4_}) {
        c->setCurrentIndex(-1);
        c->setVisible(false);
        rigaClasse->addWidget(c, 1);
    }
    Label7_->setVisible(false);
    posaRequisiti->addLayout(rigaClasse, 1, 0, 1, 3);

    static const char* const nomiInfo[] = {"Label13", "Label14", "Label15", "Label16",
                                           "Label17", "Label18", "Label19", "Label5"};
    auto* colonnaInfo = new QVBoxLayout;
    colonnaInfo->setSpacing(0);
    for (int i = 0; i < 8; ++i) {
        informazioni_[i] = new QLabel(gruppoRequisiti);
        informazioni_[i]->setObjectName(QLatin1String(nomiInfo[i]));
        informazioni_[i]->setVisible(false);
        colonnaInfo->addWidget(informazioni_[i]);
    }
    posaRequisiti->addLayout(colonnaInfo, 2, 0, 1, 3);

    requisiti_ = new QWidget(gruppoRequisiti);
    requisiti_->setObjectName(QStringLiteral("Requisiti"));
    auto* posaValori = new QGridLayout(requisiti_);
    posaValori->setContentsMargins(0, 0, 0, 0);
    static const int testi[] = {166, 206, 207, 208};
    static const char* const unita[] = {"cd/m2", "%", "%", "%"};
    static const char* const nomiUnita[] = {"Label24", "Label23", "Label22", "Label21"};
    static const char* const iniziali[] = {"0.50", "35", "40", "15"};
    for (int i = 0; i < 4; ++i) {
        didascalie_[i] = new QLabel(Qm(testi[i]), requisiti_);
        didascalie_[i]->setObjectName(QStringLiteral("Label%1").arg(9 + i));
        edit_[i] = i == 0 ? new CampoDecimale(false, 4, requisiti_) : CampoDecimale::Intero(2, requisiti_);
        edit_[i]->setObjectName(QStringLiteral("MaskEdit%1").arg(i + 1));
        edit_[i]->setText(QLatin1String(iniziali[i]));
        edit_[i]->setFixedWidth(56);
        auto* u = new QLabel(QLatin1String(unita[i]), requisiti_);
        u->setObjectName(QLatin1String(nomiUnita[i]));
        posaValori->addWidget(didascalie_[i], i, 0);
        posaValori->addWidget(new QLabel(i == 3 ? QStringLiteral("MAX") : QStringLiteral("MIN"), requisiti_), i, 1);
        posaValori->addWidget(edit_[i], i, 2);
        posaValori->addWidget(u, i, 3);
    }
    posaValori->setColumnStretch(0, 1);
    posaRequisiti->addWidget(requisiti_, 3, 0, 1, 3);
    edizione_ = AggiungiSceltaEdizione(posaRequisiti, 4, stato_.EdizioneEN, gruppoRequisiti);
    // Footways or verges lit beside the carriageway: their width bounds the
    // edge ratio's strips and they count in the power density.
    etichettaLaterale_ = new QLabel(Qm(2414), gruppoRequisiti);
    etichettaLaterale_->setObjectName(QStringLiteral("LabelLargLaterale"));
    LargLaterale_ = new CampoDecimale(false, 5, gruppoRequisiti);
    LargLaterale_->setObjectName(QStringLiteral("LargLaterale"));
    LargLaterale_->setText(Generale(stato_.LargLaterale));
    LargLaterale_->setFixedWidth(56);
    etichettaLaterale_->setBuddy(LargLaterale_);
    posaRequisiti->addWidget(etichettaLaterale_, 5, 0);
    posaRequisiti->addWidget(LargLaterale_, 5, 1);
    posaRequisiti->addWidget(new QLabel(QStringLiteral("m"), gruppoRequisiti), 5, 2);
    // Requirements already set are shown and can be kept.
    if (stato_.LmMin != 0 && stato_.UoMin != 0 && stato_.UlMin != 0 && stato_.TiMax != 0)
        MostraRequisiti(stato_.LmMin, stato_.UoMin, stato_.UlMin, stato_.TiMax);
    else requisiti_->setVisible(false);
    colonna->addWidget(gruppoRequisiti);

    // Surface and maintenance factor.
    auto* riga = new QHBoxLayout;
    auto* gruppoPav = new QGroupBox(Qm(199), this);
    gruppoPav->setObjectName(QStringLiteral("GroupBox2"));
    auto* posaPav = new QGridLayout(gruppoPav);
    posaPav->addWidget(new QLabel(Qm(200), gruppoPav), 0, 0);
    posaPav->addWidget(new QLabel(Qm(201), gruppoPav), 1, 0);
    ComboBox1_ = new QComboBox(gruppoPav);
    ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    for (const char* p : Pavimentazioni) ComboBox1_->addItem(QLatin1String(p));
    ComboBox1_->setCurrentIndex(stato_.ClassePav >= 0 && stato_.ClassePav < 6 ? stato_.ClassePav : 1);
    posaPav->addWidget(ComboBox1_, 0, 1, 2, 1);
    riga->addWidget(gruppoPav);
    fattore_ = new FattoreManutenzione(stato_.Deprezz, QStringLiteral("Deprezz"), this);
    fattore_->setObjectName(QStringLiteral("GroupBox3"));
    riga->addWidget(fattore_);
    colonna->addLayout(riga);

    // Grid and observers.
    auto* rigaGriglia = new QHBoxLayout;
    auto* RadioGroup1 = new QGroupBox(Qm(382), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto* posaGriglia = new QVBoxLayout(RadioGroup1);
    auto* RadioGroup2 = new QGroupBox(Qm(451), this);
    RadioGroup2->setObjectName(QStringLiteral("RadioGroup2"));
    auto* posaOss = new QVBoxLayout(RadioGroup2);
    // Each group's items created together, so Tab moves group by group.
    for (int i = 0; i < 2; ++i) {
        griglia_[i] = new QRadioButton(Qm(383 + i), RadioGroup1);
        griglia_[i]->setObjectName(QStringLiteral("RadioGroup1Voce%1").arg(i));
        posaGriglia->addWidget(griglia_[i]);
    }
    for (int i = 0; i < 2; ++i) {
        osservatori_[i] = new QRadioButton(Qm(452 + i), RadioGroup2);
        osservatori_[i]->setObjectName(QStringLiteral("RadioGroup2Voce%1").arg(i));
        posaOss->addWidget(osservatori_[i]);
    }
    griglia_[stato_.GrigliaEN != 0 ? 1 : 0]->setChecked(true);
    osservatori_[stato_.OssUNI != 0 ? 1 : 0]->setChecked(true);
    rigaGriglia->addWidget(RadioGroup1);
    rigaGriglia->addWidget(RadioGroup2);
    colonna->addLayout(rigaGriglia);

    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    pulsanti->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BitBtn1"));
    connect(pulsanti, &QDialogButtonBox::accepted, this, &TDefProg::Ok);
    colonna->addWidget(pulsanti);

    connect(ComboBox2_, &QComboBox::activated, this, &TDefProg::CambiaModo);
    auto classe = [this](std::span<const VoceClasseStrada> voci) {
        return [this, voci](int i) {
            if (i < 0 || i >= static_cast<int>(voci.size())) return;
            const ClasseStrada& c = voci[static_cast<std::size_t>(i)].classe;
            ScriviRequisiti(c.LmMin, c.UoMin, c.UlMin, c.TiMax, c.CodClasse);
        };
    };
    connect(ComboBox3_, &QComboBox::activated, this, classe(IndiciUni10439()));
    connect(ComboBox5_, &QComboBox::activated, this, classe(ClassiEn13201()));
    connect(ComboBox4_, &QComboBox::activated, this, [this](int i) {
        const auto categorie = CategorieStrada();
        if (i < 0 || i >= static_cast<int>(categorie.size())) return;
        const ClasseStrada& c = categorie[static_cast<std::size_t>(i)].classe;
        ScriviRequisiti(c.LmMin, c.UoMin, c.UlMin, c.TiMax, c.CodClasse);
        MostraInformazioni(i);
    });
    MostraClasseScelta();
    AcceleratoriDelDialogo(this);
    ImpostaAiuto(this, QStringLiteral("TDefProg"));
}

// The list and the item the requirements came from are shown chosen, so a
// reopened dialog says which class the design follows. Values typed by hand
// afterwards match no item and leave the lists unchosen; nothing is written.
void TDefProg::MostraClasseScelta() {
    if (stato_.LmMin == 0 || stato_.CodClasse.empty()) return;
    auto uguale = [this](const ClasseStrada& c) { return RequisitiDellaClasse(stato_, c); };
    auto scegli = [this](int modo, QComboBox* lista, int voce) {
        ComboBox2_->setCurrentIndex(modo);
        for (QComboBox* c : {ComboBox3_, ComboBox5_, ComboBox4_}) c->setVisible(c == lista);
        lista->setCurrentIndex(voce);
        Label7_->setText(Qm(modo == 3 ? 204 : 205));
        Label7_->setVisible(true);
    };
    int i = 0;
    for (const auto& v : ClassiEn13201()) {
        if (uguale(v.classe)) return scegli(1, ComboBox5_, i);
        ++i;
    }
    i = 0;
    for (const auto& v : IndiciUni10439()) {
        if (uguale(v.classe)) return scegli(0, ComboBox3_, i);
        ++i;
    }
    if (ComboBox2_->count() < 4) return;
    i = 0;
    for (const auto& c : CategorieStrada()) {
        if (uguale(c.classe)) {
            scegli(3, ComboBox4_, i);
            MostraInformazioni(i);
            return;
        }
        ++i;
    }
}

void TDefProg::CambiaModo(int i) {
    requisiti_->setVisible(false);
    for (QLabel* l : informazioni_) l->setVisible(false);
    for (QComboBox* c : {ComboBox3_, ComboBox5_, ComboBox4_}) c->setVisible(false);
    Label7_->setVisible(true);
    if (i == 0 || i == 1) {
        (i == 0 ? ComboBox3_ : ComboBox5_)->setVisible(true);
        Label7_->setText(Qm(205));
    } else if (i == 3) {
        ComboBox4_->setVisible(true);
        Label7_->setText(Qm(204));
    } else {
        Label7_->setVisible(false);
        stato_.LmMin = 1.0;
        stato_.UoMin = 40;
        stato_.UlMin = 50;
        stato_.TiMax = 10;
        MostraRequisiti(1.0, 40, 50, 10);
    }
    adjustSize();
}

void TDefProg::MostraRequisiti(double lm, double uo, double ul, double ti) {
    const double v[] = {lm, uo, ul, ti};
    for (int i = 0; i < 4; ++i) edit_[i]->setText(Generale(v[i]));
    requisiti_->setVisible(true);
}

void TDefProg::ScriviRequisiti(double lm, double uo, double ul, double ti, const char* codice) {
    stato_.LmMin = lm;
    stato_.UoMin = uo;
    stato_.UlMin = ul;
    stato_.TiMax = ti;
    stato_.CodClasse = codice;
    MostraRequisiti(lm, uo, ul, ti);
}

void TDefProg::MostraInformazioni(int categoria) {
    const auto& righe = InformazioniCategorie[static_cast<std::size_t>(categoria)];
    for (int i = 0; i < 8; ++i) {
        const int r = righe[static_cast<std::size_t>(i)];
        informazioni_[i]->setVisible(r != Nascosta);
        informazioni_[i]->setText(r > 0 ? Qm(r) : QString());
    }
    adjustSize();
}

void TDefProg::Ok() {
    double v[4];
    for (int i = 0; i < 4; ++i) {
        const auto n = NumeroDelCampo(edit_[i], didascalie_[i]->text(), ui_);
        if (!n) {
            requisiti_->setVisible(true);
            return;
        }
        v[i] = *n;
    }
    const auto laterale = LargLaterale_->text().isEmpty() ? std::optional<double>(0)
                                                          : NumeroDelCampo(LargLaterale_, etichettaLaterale_->text(), ui_);
    if (!laterale) return;
    stato_.Deprezz = fattore_->Fattore();
    stato_.ClassePav = ComboBox1_->currentIndex();
    stato_.LargLaterale = *laterale;
    stato_.LmMin = v[0];
    stato_.UoMin = v[1];
    stato_.UlMin = v[2];
    stato_.TiMax = v[3];
    ImpostaGriglia(stato_, griglia_[1]->isChecked() ? GrigliaEN13201 : GrigliaUNI10439);
    stato_.OssUNI = osservatori_[1]->isChecked() ? 1 : 0;
    stato_.EdizioneEN = edizione_->currentIndex();
    accept();
}

bool EseguiTDefProg(QWidget* genitore, StatoProgetto& stato, Interazione& ui) {
    TDefProg d(stato, ui, genitore);
    return d.exec() == QDialog::Accepted;
}

}  // namespace nottaro::ui
