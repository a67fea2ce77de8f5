#include "ui/isolum/TIsolum.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "core/intensity/Intensita.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/Testi.h"
#include "ui/isolum/EsportaCsv.h"
#include "ui/isolum/MappaCampo.h"
#include "ui/principale/Aiuto.h"

namespace nottaro::ui {
namespace {

constexpr int MaxOsservatori = 6;

QLabel* Etichetta(QWidget* genitore, const QString& nome) {
    auto* l = new QLabel(genitore);
    l->setObjectName(nome);
    return l;
}

// A table ("Tabella" + nome) with its map ("Mappa" + nome) beside it.
QHBoxLayout* TabellaEMappa(QWidget* pagina, const QString& nome, QTableWidget*& tabella, MappaCampo*& mappa) {
    auto* l = new QHBoxLayout;
    tabella = new QTableWidget(pagina);
    tabella->setObjectName(QStringLiteral("Tabella") + nome);
    mappa = new MappaCampo(pagina);
    mappa->setObjectName(QStringLiteral("Mappa") + nome);
    l->addWidget(tabella, 3);
    l->addWidget(mappa, 2);
    return l;
}

DatiMappa DatiDi(const CampoVista& c, const VistaSoluzione& v, const QString& unita, double minimo, double massimo) {
    DatiMappa d;
    d.x = c.x;
    d.y = c.y;
    d.valori = c.valori;
    d.minimo = minimo;
    d.massimo = massimo;
    d.unita = unita;
    d.larghezza = v.larghezza;
    d.centriX = v.centriX;
    d.centriY = v.centriY;
    return d;
}

std::pair<double, double> Estremi(const std::vector<double>& v, std::pair<double, double> e) {
    for (double x : v) e = {std::min(e.first, x), std::max(e.second, x)};
    return e;
}

}  // namespace

QString Cifra(double x, int n) { return Generale(Arrotonda(x, n)); }

QString CifraIlluminamento(double e) { return Cifra(e, e < 10 ? 2 : e <= 20 ? 1 : 0); }

TIsolum::TIsolum(VistaSoluzione vista, Interazione& ui, QWidget* genitore)
    : QDialog(genitore), vista_(std::move(vista)), ui_(ui) {
    setObjectName(QStringLiteral("TIsolum"));
    setWindowTitle(Qm(vista_.percorso ? 2303 : 26));
    auto* radice = new QHBoxLayout(this);

    // Panel: geometry, quality figures, utilisation, upward flux.
    auto* pannello = new QVBoxLayout;
    auto* geo = new QGridLayout;
    const double geometria[] = {vista_.HPalo, vista_.Sbraccio, vista_.Interdist, vista_.Inclina};
    for (int k = 0; k < 4; ++k) {
        geo->addWidget(new QLabel(Qm(28 + k), this), k, 0);
        auto* v = Etichetta(this, QStringLiteral("Geometria%1").arg(k + 1));
        v->setText(Generale(geometria[k]));
        geo->addWidget(v, k, 1);
    }
    pannello->addLayout(geo);
    auto* qualita = new QGroupBox(Qm(32), this);
    qualita->setObjectName(QStringLiteral("ParametriIlluminotecnici"));
    auto* gq = new QGridLayout(qualita);
    const QString figure[] = {Cifra(vista_.SolLm, 2), Cifra(vista_.SolUo, 2), Cifra(vista_.SolUl, 2), Cifra(vista_.TICalc, 0)};
    for (int k = 0; k < 4; ++k) {
        gq->addWidget(new QLabel(Qm(33 + k), qualita), k, 0);
        auto* v = Etichetta(qualita, QStringLiteral("Figura%1").arg(k + 1));
        v->setText(vista_.percorso ? QString() : figure[k]);
        gq->addWidget(v, k, 1);
    }
    qualita->setVisible(!vista_.percorso);
    pannello->addWidget(qualita);
    auto riga = [&](int msg, const QString& nome, const QString& valore) {
        auto* l = new QLabel(Qm(msg), this);
        l->setWordWrap(true);
        pannello->addWidget(l);
        auto* v = Etichetta(this, nome);
        v->setText(valore);
        pannello->addWidget(v);
    };
    riga(392, QStringLiteral("FattUtil"), vista_.FattUtil ? Cifra(*vista_.FattUtil, 2) : QStringLiteral("-"));
    riga(393, QStringLiteral("Utilanza"),
         vista_.FattUtil && vista_.LORL > 0 ? Cifra(*vista_.FattUtil * 100 / vista_.LORL, 2) : QStringLiteral("-"));
    riga(455, QStringLiteral("FlussoAlto"), vista_.DFF > 0 ? Generale(100 - vista_.DFF) : QStringLiteral("-"));
    auto* nota = new QLabel(QStringLiteral("(") + Qm(456) + QStringLiteral(")"), this);
    nota->setWordWrap(true);
    pannello->addWidget(nota);
    pannello->addStretch();
    auto* esporta = new QPushButton(Qm(1620), this);
    esporta->setObjectName(QStringLiteral("BitBtn3"));
    auto* identifica = new QPushButton(Qm(27), this);
    identifica->setObjectName(QStringLiteral("BitBtn1"));
    identifica->hide();  // shown once CollegaIdentifica gives it something to do
    identifica_ = identifica;
    auto* esci = new QPushButton(Qm(6), this);
    esci->setObjectName(QStringLiteral("BitBtn2"));
    pannello->addWidget(esporta);
    pannello->addWidget(identifica);
    pannello->addWidget(esci);
    auto* contPannello = new QWidget(this);
    contPannello->setLayout(pannello);
    contPannello->setFixedWidth(250);
    radice->addWidget(contPannello);

    // Tabs: luminances per observer, illuminances.
    schede_ = new QTabWidget(this);
    schede_->setObjectName(QStringLiteral("PageControl1"));
    auto* pagLum = new QWidget;
    auto* lLum = new QVBoxLayout(pagLum);
    auto* bottoni = new QHBoxLayout;
    for (int k = 0; k < MaxOsservatori; ++k) {
        bottoni_[k] = new QPushButton(Qm(423) + QStringLiteral(" %1").arg(k + 1), pagLum);
        bottoni_[k]->setObjectName(QStringLiteral("Osservatore%1").arg(k + 1));
        bottoni_[k]->setVisible(k < static_cast<int>(vista_.osservatori.size()));
        connect(bottoni_[k], &QPushButton::clicked, this, [this, k] { MostraOsservatore(k); });
        bottoni->addWidget(bottoni_[k]);
    }
    bottoni->addStretch();
    lLum->addLayout(bottoni);
    osservatore_ = Etichetta(pagLum, QStringLiteral("TestoOsservatore"));
    figureOss_ = Etichetta(pagLum, QStringLiteral("FigureOsservatore"));
    auto* testiOss = new QHBoxLayout;
    testiOss->addWidget(osservatore_);
    testiOss->addSpacing(20);
    testiOss->addWidget(figureOss_);
    testiOss->addStretch();
    lLum->addLayout(testiOss);
    lLum->addLayout(TabellaEMappa(pagLum, QStringLiteral("Luminanze"), tabLum_, mappaLum_));
    schede_->addTab(pagLum, Qm(426));

    auto* pagIll = new QWidget;
    auto* lIll = new QVBoxLayout(pagIll);
    auto* figIll = new QGridLayout;
    const double e[] = {vista_.EmCalc, vista_.EminCalc, vista_.EmaxCalc};
    const QString nomiE[] = {Qm(2320), QStringLiteral("Emin="), QStringLiteral("Emax=")};
    for (int k = 0; k < 3; ++k) {
        figIll->addWidget(new QLabel(nomiE[k], pagIll), 0, 2 * k);
        auto* v = Etichetta(pagIll, QStringLiteral("E%1").arg(k + 1));
        v->setText(CifraIlluminamento(e[k]));
        figIll->addWidget(v, 0, 2 * k + 1);
    }
    // Ratios with a divisor of 0 have no value.
    auto rapporto = [](double a, double b) { return b > 0 ? Cifra(a / b, 2) : QStringLiteral("-"); };
    const QString rapporti[] = {rapporto(vista_.EmCalc, vista_.EmaxCalc), rapporto(vista_.EminCalc, vista_.EmCalc),
                                rapporto(vista_.EminCalc, vista_.EmaxCalc)};
    const int nomiR[] = {1959, 1961, 1960};
    for (int k = 0; k < 3; ++k) {
        figIll->addWidget(new QLabel(Qm(nomiR[k]).trimmed(), pagIll), 1, 2 * k);
        auto* v = Etichetta(pagIll, QStringLiteral("Rapporto%1").arg(k + 1));
        v->setText(rapporti[k]);
        figIll->addWidget(v, 1, 2 * k + 1);
    }
    figIll->setColumnStretch(6, 1);
    lIll->addLayout(figIll);
    lIll->addLayout(TabellaEMappa(pagIll, QStringLiteral("Illuminamenti"), tabIll_, mappaIll_));
    schede_->addTab(pagIll, Qm(427));
    radice->addWidget(schede_, 1);

    connect(esci, &QPushButton::clicked, this, &QDialog::accept);
    connect(esporta, &QPushButton::clicked, this, [this] { EsportaTabellaCorrente(); });
    Riempi();
    resize(1180, 600);
    AcceleratoriDelDialogo(this);
    ImpostaAiuto(this, objectName());
}

void TIsolum::CollegaIdentifica(std::function<void()> identifica) {
    identifica_->disconnect(this);
    connect(identifica_, &QPushButton::clicked, this, [f = std::move(identifica)] { f(); });
    identifica_->show();
}

void TIsolum::RiempiTabella(QTableWidget* t, const CampoVista& c, int decimali) {
    const int nl = static_cast<int>(c.x.size()), nt = static_cast<int>(c.y.size());
    t->clear();
    t->setColumnCount(nl + 1);
    t->setRowCount(nt + 1);
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto cella = [&](int r, int col, const QString& s, bool intestazione) {
        auto* it = new QTableWidgetItem(s);
        it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (intestazione) {
            QFont f = it->font();
            f.setBold(true);
            it->setFont(f);
            it->setBackground(palette().button());
        }
        t->setItem(r, col, it);
    };
    cella(0, 0, QStringLiteral("Y/X"), true);
    for (int col = 1; col <= nl; ++col) cella(0, col, Cifra(c.x[static_cast<std::size_t>(col - 1)], 3), true);
    for (int r = 1; r <= nt; ++r) {
        const auto j = static_cast<std::size_t>(nt - r);  // the left-hand edge on top
        cella(r, 0, Cifra(c.y[j], 3), true);
        for (int col = 1; col <= nl; ++col)
            cella(r, col, Cifra(c.Valore(static_cast<std::size_t>(col - 1), j), decimali), false);
    }
    t->resizeColumnsToContents();
    t->resizeRowsToContents();
}

void TIsolum::Riempi() {
    if (vista_.percorso) {
        tabLum_->clear();
        tabLum_->setRowCount(0);
        tabLum_->setColumnCount(0);
        tabLum_->hide();
        mappaLum_->hide();
        figureOss_->clear();
        osservatore_->setText(Qm(1613));
        schede_->setTabText(0, Qm(1613));
        schede_->setTabEnabled(0, false);
        schede_->setCurrentIndex(1);
    } else {
        MostraOsservatore(0);
    }
    RiempiTabella(tabIll_, vista_.illuminamenti, 1);
    const auto [mn, mx] = Estremi(vista_.illuminamenti.valori, {1e300, -1e300});
    mappaIll_->Imposta(DatiDi(vista_.illuminamenti, vista_, QStringLiteral("lx"), mn, mx));
}

void TIsolum::MostraOsservatore(int k) {
    if (vista_.percorso || k < 0 || k >= static_cast<int>(vista_.osservatori.size())) return;
    osservatoreCorrente_ = k;
    const OsservatoreVista& o = vista_.osservatori[static_cast<std::size_t>(k)];
    RiempiTabella(tabLum_, o.luminanze, 2);
    osservatore_->setText(QStringLiteral("O1 = (-60,") + Cifra(o.y, 2) + QStringLiteral(",1.5)"));
    figureOss_->setText(QStringLiteral("Lm=%1   Uo=%2   Ul=%3").arg(Cifra(o.Lm, 2), Cifra(o.Uo, 2), Cifra(o.Ul, 2)));
    schede_->setTabText(0, Qm(426) + QStringLiteral(" %1").arg(k + 1));
    // One scale for every observer of the solution.
    std::pair<double, double> e{1e300, -1e300};
    for (const auto& oo : vista_.osservatori) e = Estremi(oo.luminanze.valori, e);
    DatiMappa d = DatiDi(o.luminanze, vista_, QStringLiteral("cd/m²"), e.first, e.second);
    d.conOsservatore = true;
    d.osservatoreY = o.y;
    d.testoOsservatore = QStringLiteral("(-60, ") + Cifra(o.y, 2) + QStringLiteral(", 1.5)");
    mappaLum_->Imposta(std::move(d));
}

void TIsolum::EsportaTabellaCorrente() {
    const bool lum = schede_->currentIndex() == 0 && !vista_.percorso;
    const CampoVista& c = lum ? vista_.osservatori[static_cast<std::size_t>(osservatoreCorrente_)].luminanze
                              : vista_.illuminamenti;
    QString file;
    if (sceltaFileCsv) {
        file = sceltaFileCsv();
    } else {
        file = QFileDialog::getSaveFileName(this, Qm(1621), QString(), Qm(1622), nullptr,
                                            QFileDialog::DontConfirmOverwrite);
        if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".csv");
    }
    if (file.isEmpty()) return;
    if (QFileInfo::exists(file) && !ui_.Conferma(Ss(Qm(1207).arg(file)))) return;
    const std::string errore = EsportaCsv(c, SoluzioneDelCampo(vista_, lum ? osservatoreCorrente_ : -1), Ss(file));
    if (!errore.empty()) ui_.Avviso(Ss(Qm(1513).arg(file)) + " " + errore);
}

}  // namespace nottaro::ui
