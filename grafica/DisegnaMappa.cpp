#include "grafica/DisegnaMappa.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

namespace nottaro {
namespace {

// Viridis, sampled at 9 even steps: perceptually uniform, readable in grey
// and by the common colour-vision deficiencies.
constexpr std::array<std::array<int, 3>, 9> Rampa{{
    {68, 1, 84}, {71, 44, 122}, {59, 81, 139}, {44, 113, 142}, {33, 144, 141},
    {39, 173, 129}, {92, 200, 99}, {170, 220, 50}, {253, 231, 37},
}};

// Ends of the cells of points at `c` (ascending): halfway to the
// neighbours, the outer cells as wide as their inner half.
std::vector<double> Bordi(const std::vector<double>& c) {
    std::vector<double> b(c.size() + 1);
    if (c.empty()) return {};
    if (c.size() == 1) {
        b[0] = c[0] - 0.5;
        b[1] = c[0] + 0.5;
        return b;
    }
    for (std::size_t k = 1; k < c.size(); ++k) b[k] = (c[k - 1] + c[k]) / 2;
    b[0] = c[0] - (b[1] - c[0]);
    b[c.size()] = c.back() + (c.back() - b[c.size() - 1]);
    return b;
}

QString Numero(double v) {
    const double a = std::fabs(v);
    return QString::number(v, 'f', a >= 100 ? 0 : a >= 10 ? 1 : 2);
}

}  // namespace

QColor ColoreRampa(double t) {
    if (!(t > 0)) t = 0;
    if (t > 1) t = 1;
    const double pos = t * (Rampa.size() - 1);
    const std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(pos), Rampa.size() - 2);
    const double f = pos - static_cast<double>(k);
    auto mix = [&](int c) { return static_cast<int>(std::lround(Rampa[k][c] + f * (Rampa[k + 1][c] - Rampa[k][c]))); };
    return QColor(mix(0), mix(1), mix(2));
}

void DisegnaMappa(QPainter& p, const QRect& area, const DatiMappa& d) {
    p.save();
    const QFontMetrics fm = p.fontMetrics();
    const int alto = fm.height();
    // Room for the colour bar with its tick labels, the observer's label and the axes.
    const int largBarra = 14;
    const int larghezzaEtichette = std::max({fm.horizontalAdvance(Numero(d.massimo)), fm.horizontalAdvance(Numero(d.minimo)),
                                             fm.horizontalAdvance(d.unita) - largBarra}) + 10;
    const QRect cornice(area.left() + 4, area.top() + alto + 6, area.width() - largBarra - larghezzaEtichette - 18,
                        area.height() - 2 * alto - 12);
    const std::size_t nx = d.x.size(), ny = d.y.size();
    if (nx == 0 || ny == 0 || d.valori.size() < nx * ny || cornice.width() < 4 || cornice.height() < 4) {
        p.setPen(Qt::black);
        p.drawRect(cornice.adjusted(0, 0, -1, -1));
        p.restore();
        return;
    }
    const std::vector<double> bx = Bordi(d.x), by = Bordi(d.y);
    double x0 = bx.front(), x1 = bx.back();
    double y0 = std::min(by.front(), 0.0), y1 = std::max(by.back(), d.larghezza);
    // Light centres along the field may reach beyond the road edges.
    for (std::size_t k = 0; k < d.centriX.size() && k < d.centriY.size(); ++k)
        if (d.centriX[k] >= x0 && d.centriX[k] <= x1) {
            y0 = std::min(y0, d.centriY[k]);
            y1 = std::max(y1, d.centriY[k]);
        }
    const double mx = 0.02 * (x1 - x0), my = 0.06 * (y1 - y0);
    x0 -= mx, x1 += mx, y0 -= my, y1 += my;
    // One scale along; across at most three times it, the field centred.
    const double sx = cornice.width() / (x1 - x0);
    const double sy = std::min(cornice.height() / (y1 - y0), 3 * sx);
    const int altezzaCampo = static_cast<int>(std::lround(sy * (y1 - y0)));
    const QRect campo(cornice.left(), cornice.top() + (cornice.height() - altezzaCampo) / 2, cornice.width(), altezzaCampo);
    p.setPen(Qt::black);
    p.drawRect(campo.adjusted(0, 0, -1, -1));
    auto px = [&](double x) { return campo.left() + (x - x0) * sx; };
    auto py = [&](double y) { return campo.bottom() - (y - y0) * sy; };
    const double scala = d.massimo - d.minimo;
    for (std::size_t i = 0; i < nx; ++i)
        for (std::size_t j = 0; j < ny; ++j) {
            const double v = d.valori[i * ny + j];
            const double t = scala > 0 ? (v - d.minimo) / scala : 0.5;
            const QRectF cella(QPointF(px(bx[i]), py(by[j + 1])), QPointF(px(bx[i + 1]), py(by[j])));
            p.fillRect(cella.adjusted(0, 0, 0.5, 0.5), ColoreRampa(t));
        }
    // Road edges.
    p.setPen(QPen(Qt::black, 1.5));
    for (double e : {0.0, d.larghezza}) p.drawLine(QPointF(campo.left(), py(e)), QPointF(campo.right(), py(e)));
    // Light centres as the engine placed them.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 200, 0));
    for (std::size_t k = 0; k < d.centriX.size() && k < d.centriY.size(); ++k)
        if (d.centriX[k] >= x0 && d.centriX[k] <= x1 && d.centriY[k] >= y0 && d.centriY[k] <= y1)
            p.drawEllipse(QPointF(px(d.centriX[k]), py(d.centriY[k])), 4, 4);
    // The observer stands far to the left: an arrow at the left edge, labelled.
    if (d.conOsservatore) {
        const double yo = py(d.osservatoreY);
        const double xa = campo.left() + 2;
        p.setBrush(Qt::red);
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(QPointF(xa, yo), QPointF(xa + 18, yo));
        p.drawPolygon(QPolygonF({QPointF(xa + 24, yo), QPointF(xa + 16, yo - 5), QPointF(xa + 16, yo + 5)}));
        p.setPen(Qt::black);
        p.drawText(QPointF(campo.left(), campo.top() - 4), d.testoOsservatore);
    }
    // x along the bottom.
    p.setPen(Qt::black);
    p.drawText(QPointF(campo.left(), campo.bottom() + alto + 2), QStringLiteral("x %1 m").arg(Numero(d.x.front())));
    const QString fine = QStringLiteral("%1 m").arg(Numero(d.x.back()));
    p.drawText(QPointF(campo.right() - fm.horizontalAdvance(fine), campo.bottom() + alto + 2), fine);
    // Colour bar, minimum at the bottom, five ticks.
    const QRect barra(campo.right() + 10, campo.top(), largBarra, campo.height());
    for (int r = 0; r < barra.height(); ++r)
        p.fillRect(QRect(barra.left(), barra.bottom() - r, barra.width(), 1), ColoreRampa(static_cast<double>(r) / std::max(1, barra.height() - 1)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(barra.adjusted(0, 0, -1, -1));
    for (int k = 0; k <= 4; ++k) {
        const double v = d.minimo + scala * k / 4.0;
        const int y = barra.bottom() - static_cast<int>(std::lround(k / 4.0 * (barra.height() - 1)));
        p.drawLine(barra.right(), y, barra.right() + 3, y);
        p.drawText(QPointF(barra.right() + 5, y + fm.ascent() / 2.0 - 1), Numero(v));
    }
    p.drawText(QPointF(barra.left(), barra.top() - 6), d.unita);
    p.restore();
}

}  // namespace nottaro
