#include "ui/risultati/GraficoSoluzioni.h"

#include <QChart>
#include <QChartView>
#include <QtConcurrent/QtConcurrentRun>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <utility>

#include "ui/comune/Testi.h"

namespace nottaro::ui {
namespace {

QColor ColoreClasse(int k) {
    // From deep green (A++) through yellow to red (G), as energy labels read.
    static const QColor colori[] = {QColor(0, 122, 61), QColor(40, 160, 60), QColor(120, 190, 50),
                                    QColor(190, 210, 40), QColor(250, 220, 0), QColor(250, 170, 0),
                                    QColor(240, 110, 20), QColor(225, 50, 30), QColor(160, 0, 30),
                                    QColor(120, 120, 120)};
    return colori[std::min(k, 9)];
}

}  // namespace

GraficoSoluzioni::GraficoSoluzioni(TabellaDbf& tabella, QWidget* genitore) : QWidget(genitore), tabella_(tabella) {
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    vista_ = new QChartView(new QChart, this);
    vista_->setObjectName(QStringLiteral("GraficoSoluzioni"));
    vista_->setRenderHint(QPainter::Antialiasing);
    l->addWidget(vista_);
}

GraficoSoluzioni::~GraficoSoluzioni() {
    // The worker reads its own copy of the table file; it only has to end.
    lavoro_.waitForFinished();
}

std::size_t GraficoSoluzioni::Punti() const {
    std::size_t n = 0;
    for (const auto& s : serie_) n += s.second.size();
    return n;
}

void GraficoSoluzioni::Aggiorna() {
    // Without a file behind the table (or while a writer holds it) there is
    // nothing a worker could read on its own.
    if (tabella_.Percorso().empty() || !tabella_.Aperta()) {
        AggiornaSubito();
        return;
    }
    const int g = ++generazione_;
    inCorso_ = true;
    lavoro_.disconnect(this);
    connect(&lavoro_, &QFutureWatcher<PuntiGrafico>::finished, this, [this, g] {
        if (g != generazione_) return;  // superseded by a later request
        inCorso_ = false;
        Disegna(lavoro_.result());
    });
    lavoro_.setFuture(QtConcurrent::run(RaccogliPuntiDaFile, tabella_.Percorso(), tabella_.TestoFiltro(),
                                        tabella_.FiltroAttivo()));
}

void GraficoSoluzioni::AggiornaSubito() {
    ++generazione_;
    inCorso_ = false;
    Disegna(RaccogliPunti(tabella_));
}

void GraficoSoluzioni::Disegna(const PuntiGrafico& p) {
    QChart* c = vista_->chart();
    c->removeAllSeries();
    for (QAbstractAxis* a : c->axes()) {
        c->removeAxis(a);
        delete a;
    }
    serie_.clear();
    auto* ax = new QValueAxis;
    auto* ay = new QValueAxis;
    ax->setTitleText(Qm(1617));
    ay->setTitleText(Qm(1618));
    c->addAxis(ax, Qt::AlignBottom);
    c->addAxis(ay, Qt::AlignLeft);
    if (!p.Vuoto()) {
        const double mx = std::max(0.5, 0.05 * (p.xmax - p.xmin)), my = std::max(1.0, 0.05 * (p.ymax - p.ymin));
        ax->setRange(std::max(0.0, p.xmin - mx), p.xmax + mx);
        ay->setRange(std::max(0.0, p.ymin - my), p.ymax + my);
        ay->setLabelFormat(p.ymax - p.ymin >= 50 ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
        ax->applyNiceNumbers();
        ay->applyNiceNumbers();
    }
    for (const SerieGrafico& g : p.serie) {
        auto* s = new QScatterSeries;
        s->setName(g.ordine < 9 ? Qm(1619).arg(Qs(g.classe)) : Qs(g.classe));
        s->setColor(ColoreClasse(g.ordine));
        s->setBorderColor(ColoreClasse(g.ordine).darker(140));
        s->setMarkerSize(8);
        // One call for the whole series: appending point by point redraws each time.
        s->replace(QList<QPointF>(g.punti.begin(), g.punti.end()));
        c->addSeries(s);
        s->attachAxis(ax);
        s->attachAxis(ay);
        const std::size_t indice = serie_.size();
        serie_.emplace_back(s, g.righe);
        connect(s, &QScatterSeries::clicked, this, [this, indice](const QPointF& punto) {
            // The point clicked: the nearest of its series on the screen.
            const auto& [ser, righe] = serie_[indice];
            const auto punti = ser->points();
            const QPointF schermo = vista_->chart()->mapToPosition(punto, ser);
            int migliore = -1;
            double d = std::numeric_limits<double>::max();
            for (int i = 0; i < punti.size(); ++i) {
                const QPointF q = vista_->chart()->mapToPosition(punti[i], ser);
                const double dd = std::hypot(q.x() - schermo.x(), q.y() - schermo.y());
                if (dd < d) d = dd, migliore = i;
            }
            if (migliore >= 0) emit RigaScelta(righe[static_cast<std::size_t>(migliore)]);
        });
    }
    c->legend()->setAlignment(Qt::AlignRight);
    emit Disegnato();
}

}  // namespace nottaro::ui
