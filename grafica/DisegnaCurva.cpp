#include "grafica/DisegnaCurva.h"

#include <algorithm>

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QString>
#include <QVector>

#include "grafica/PuntiCurva.h"

namespace nottaro {
namespace {

QColor Qc(Colore c) { return QColor(c.r, c.g, c.b); }

void Traccia(QPainter& p, const Linea& l) {
    if (l.punti.empty()) return;
    p.setPen(QPen(Qc(l.colore), 0));
    QVector<QPoint> pt;
    pt.reserve(static_cast<qsizetype>(l.punti.size()));
    for (const auto& q : l.punti) pt.push_back(QPoint(q.x, q.y));
    if (pt.size() == 1)
        p.drawPoint(pt.front());
    else
        p.drawPolyline(pt.constData(), static_cast<int>(pt.size()));
}

}  // namespace

void DisegnaCurva(QPainter& p, int W, int H, double zoom, const Fotometria& f, const DatiCurva& d) {
    const FiguraCurva fig = PuntiCurva(W, H, zoom, f, d);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setBrush(Qt::NoBrush);
    for (const auto& l : fig.anelli) Traccia(p, l);
    for (const auto& l : fig.tratti) Traccia(p, l);
    // Labels are placed by their top-left corner. A label that would run past
    // the right edge (the plane of the maximum, in a wide font) is moved left
    // just enough to be read whole.
    const QFontMetrics misure(p.font());
    for (const auto& e : fig.etichette) {
        const QString testo = QString::fromStdString(e.testo);
        const int x = std::max(0, std::min(e.pos.x, W - 1 - misure.horizontalAdvance(testo)));
        p.setPen(Qc(e.colore));
        p.drawText(QPoint(x, e.pos.y + misure.ascent()), testo);
    }
    p.setClipRect(0, 0, W, H, Qt::IntersectClip);
    for (const auto& l : fig.curve) Traccia(p, l);
    p.restore();
}

}  // namespace nottaro
