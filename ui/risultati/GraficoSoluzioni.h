#pragma once
// The trade-off between fewer poles and less power at a glance: the rows the
// browser shows as points, spacing against installed power per km, one
// colour per energy class. Clicking a point selects its row in the grid.
// The points are gathered on a worker of the chart's own, so a table of any
// size never holds the window still; the chart is drawn when they arrive.
#include <QFutureWatcher>
#include <QWidget>

#include <vector>

#include "store/TabellaDbf.h"
#include "ui/risultati/PuntiGrafico.h"

QT_BEGIN_NAMESPACE
class QChartView;
class QScatterSeries;
QT_END_NAMESPACE

namespace nottaro::ui {

class GraficoSoluzioni : public QWidget {
    Q_OBJECT
public:
    explicit GraficoSoluzioni(TabellaDbf& tabella, QWidget* genitore = nullptr);
    ~GraficoSoluzioni() override;
    // Reads the shown rows again (after a filter), on the worker; a request
    // made while one is under way supersedes it.
    void Aggiorna();
    // The same on the calling thread, done when it returns.
    void AggiornaSubito();
    bool InPreparazione() const { return inCorso_; }
    // Points drawn (tests).
    std::size_t Punti() const;

signals:
    void RigaScelta(int riga);
    // The chart shows the rows of the last Aggiorna.
    void Disegnato();

private:
    void Disegna(const PuntiGrafico& p);

    TabellaDbf& tabella_;
    QChartView* vista_;
    std::vector<std::pair<QScatterSeries*, std::vector<int>>> serie_;
    QFutureWatcher<PuntiGrafico> lavoro_;
    int generazione_ = 0;
    bool inCorso_ = false;
};

}  // namespace nottaro::ui
