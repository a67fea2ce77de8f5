#include "ui/risultati/GraficoSoluzioni.h"

#include <QChart>
#include <QChartView>
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

// Energy classes best first, so the legend reads A++ ... G.
int OrdineClasse(const std::string& c) {
    static const char* const classi[] = {"A++", "A+", "A", "B", "C", "D", "E", "F", "G"};
    for (int k = 0; k < 9; ++k)
        if (c == classi[k]) return k;
    return 9;
}

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

std::size_t GraficoSoluzioni::Punti() const {
    std::size_t n = 0;
    for (const auto& s : serie_) n += s.second.size();
    return n;
}

void GraficoSoluzioni::Aggiorna() {
    QChart* c = vista_->chart();
    c->removeAllSeries();
    for (QAbstractAxis* a : c->axes()) {
        c->removeAxis(a);
        delete a;
    }
    serie_.clear();
    std::map<int, std::pair<QString, std::vector<int>>> perClasse;
    std::map<int, QScatterSeries*> serie;
    // Rows that differ only in height, overhang or tilt share spacing and
    // power per km: one marker per place and class, standing for the first of
    // its rows (the one a click on the stacked markers used to pick). 65,000
    // rows come down to a few hundred markers.
    std::map<int, std::set<std::pair<double, double>>> posti;
    std::map<int, QList<QPointF>> punti;  // handed to each series at once
    double xmin = std::numeric_limits<double>::max(), xmax = -xmin, ymin = xmin, ymax = -xmin;
    for (std::size_t r = 0; r < tabella_.NumeroRighe(); ++r) {
        const auto x = tabella_.NumeroRiga(r, "INTER");
        const auto y = tabella_.NumeroRiga(r, "POTENZAKM");
        if (!x || !y) continue;
        const std::string classe = tabella_.TestoRiga(r, "CORPO").value_or("");
        const int k = OrdineClasse(classe);
        auto& s = serie[k];
        if (!s) {
            s = new QScatterSeries;
            s->setName(k < 9 ? Qm(1619).arg(Qs(classe)) : Qs(classe));
            s->setColor(ColoreClasse(k));
            s->setBorderColor(ColoreClasse(k).darker(140));
            s->setMarkerSize(8);
        }
        if (posti[k].emplace(*x, *y).second) {
            punti[k].append(QPointF(*x, *y));
            perClasse[k].second.push_back(static_cast<int>(r));
        }
        xmin = std::min(xmin, *x), xmax = std::max(xmax, *x), ymin = std::min(ymin, *y), ymax = std::max(ymax, *y);
    }
    auto* ax = new QValueAxis;
    auto* ay = new QValueAxis;
    ax->setTitleText(Qm(1617));
    ay->setTitleText(Qm(1618));
    c->addAxis(ax, Qt::AlignBottom);
    c->addAxis(ay, Qt::AlignLeft);
    if (!serie.empty()) {
        const double mx = std::max(0.5, 0.05 * (xmax - xmin)), my = std::max(1.0, 0.05 * (ymax - ymin));
        ax->setRange(std::max(0.0, xmin - mx), xmax + mx);
        ay->setRange(std::max(0.0, ymin - my), ymax + my);
        ay->setLabelFormat(ymax - ymin >= 50 ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
        ax->applyNiceNumbers();
        ay->applyNiceNumbers();
    }
    for (auto& [k, s] : serie) {
        s->append(punti[k]);
        c->addSeries(s);
        s->attachAxis(ax);
        s->attachAxis(ay);
        const std::size_t indice = serie_.size();
        serie_.emplace_back(s, std::move(perClasse[k].second));
        connect(s, &QScatterSeries::clicked, this, [this, indice](const QPointF& p) {
            // The point clicked: the nearest of its series on the screen.
            const auto& [ser, righe] = serie_[indice];
            const auto punti = ser->points();
            const QPointF schermo = vista_->chart()->mapToPosition(p, ser);
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
}

}  // namespace nottaro::ui
