#pragma once
// The trade-off between fewer poles and less power at a glance: the rows the
// browser shows as points, spacing against installed power per km, one
// colour per energy class. Clicking a point selects its row in the grid.
#include <QWidget>

#include <vector>

#include "store/TabellaDbf.h"

QT_BEGIN_NAMESPACE
class QChartView;
class QScatterSeries;
QT_END_NAMESPACE

namespace nottaro::ui {

class GraficoSoluzioni : public QWidget {
    Q_OBJECT
public:
    explicit GraficoSoluzioni(TabellaDbf& tabella, QWidget* genitore = nullptr);
    // Reads the shown rows again (after a filter).
    void Aggiorna();
    // Markers drawn: one per distinct place and energy class (tests).
    std::size_t Punti() const;

signals:
    void RigaScelta(int riga);

private:
    TabellaDbf& tabella_;
    QChartView* vista_;
    std::vector<std::pair<QScatterSeries*, std::vector<int>>> serie_;
};

}  // namespace nottaro::ui
