#include "ui/principale/DisegnoImpianto.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/comune/Testi.h"

namespace nottaro::ui {

DisegnoImpianto::DisegnoImpianto(bool strada, QWidget* genitore) : QWidget(genitore), strada_(strada) {
    setMinimumSize(sizeHint());
}

void DisegnoImpianto::ImpostaDidascalieProprie(bool si) {
    didascalie_ = si;
    update();
}

void DisegnoImpianto::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = width(), h = height();
    p.fillRect(rect(), QColor(236, 241, 247));
    const int suolo = h - 34;
    // Carriageway or path surface.
    p.fillRect(QRect(0, suolo, w, 10), strada_ ? QColor(90, 90, 96) : QColor(176, 140, 102));
    p.setPen(QPen(Qt::white, 1, Qt::DashLine));
    if (strada_) p.drawLine(0, suolo + 5, w, suolo + 5);
    // Two poles with arm and luminaire.
    const int x1 = 50, x2 = w - 90, cima = 28;
    for (int x : {x1, x2}) {
        p.setPen(QPen(QColor(60, 60, 60), 4));
        p.drawLine(x, suolo, x, cima);
        p.drawLine(x, cima, x + 34, cima);
        QPainterPath lampada;
        lampada.moveTo(x + 28, cima - 2);
        lampada.lineTo(x + 48, cima + 2);
        lampada.lineTo(x + 44, cima + 8);
        lampada.lineTo(x + 26, cima + 5);
        lampada.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 70, 120));
        p.drawPath(lampada);
        p.setBrush(QColor(255, 230, 120, 90));
        QPolygon fascio;
        fascio << QPoint(x + 36, cima + 7) << QPoint(x - 10, suolo) << QPoint(x + 90, suolo);
        p.drawPolygon(fascio);
    }
    // Spacing dimension.
    p.setPen(QPen(QColor(160, 20, 20), 1));
    const int yq = suolo + 20;
    p.drawLine(x1, yq, x2, yq);
    p.drawLine(x1, yq - 4, x1, yq + 4);
    p.drawLine(x2, yq - 4, x2, yq + 4);
    // Height dimension.
    p.drawLine(x1 - 14, cima, x1 - 14, suolo);
    if (!didascalie_) return;
    p.setPen(QColor(20, 20, 20));
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 0.9);
    p.setFont(f);
    p.drawText(QRect(x1, yq + 1, x2 - x1, 14), Qt::AlignCenter, Qm(2322));
    p.drawText(QRect(x2 + 6, cima - 24, 90, 16), Qt::AlignLeft, Qm(2321));
}

}  // namespace nottaro::ui
