// The polar intensity diagram on a printed page: the viewer's rings, axes,
// 70° marks and curves in a square of side x(70), with the page's own ring
// labels, axis labels and plane legend (sized in millimetres).
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <cmath>

#include "core/photometry/MisuraCurva.h"
#include "grafica/PuntiCurva.h"
#include "report/RoutinePagina.h"

namespace nottaro {
namespace {

QColor Qc(Colore c) { return QColor(c.r, c.g, c.b); }
int Trunc(double v) { return static_cast<int>(std::trunc(v)); }

void Traccia(PaginaReport& pg, const Linea& l, int L, int T) {
    if (l.punti.empty()) return;
    pg.Penna(Qc(l.colore), 0.15);
    QPolygon poli;
    for (const auto& q : l.punti) poli << QPoint(L + q.x, T + q.y);
    if (poli.size() == 1) pg.p.drawPoint(poli.front());
    else pg.p.drawPolyline(poli);
}

}  // namespace

void StampaCurva(PaginaReport& pg, const DatiReport& d, int L, int T) {
    if (!d.Foto || d.Foto->NumC() < 1 || d.Foto->NumG() < 1) return;
    const Fotometria& f = *d.Foto;
    const int S = pg.x(70);
    const int cx = L + S / 2, cy = T + S / 2;
    const DatiCurva dc = MisuraCurva(f);
    const double zoom = ZoomIniziale(dc.RaggioCurva, S).zoom;
    const FiguraCurva fig = PuntiCurva(S, S, zoom, f, dc);

    pg.p.save();
    pg.p.setRenderHint(QPainter::Antialiasing, false);
    for (const auto& l : fig.anelli) Traccia(pg, l, L, T);
    // The axes and 70° marks are the black strokes; the viewer's legend is
    // replaced by the page's own below.
    for (const auto& l : fig.tratti)
        if (l.colore == Nero) Traccia(pg, l, L, T);
    pg.Carattere(7);
    for (const auto& e : fig.etichette)
        if (e.testo == "70°") {
            pg.Colore(Qt::black);
            pg.Testo(L + e.pos.x, T + e.pos.y, QString::fromStdString(e.testo));
        }
    pg.Colore(Qc(Grigio));
    pg.Testo(cx + 2, cy + S / 6, QString::number(Trunc((S / 6) / zoom)) + QStringLiteral(" cd/klm"));
    pg.Testo(cx + 2, cy + S / 3, QString::number(Trunc((S / 3) / zoom)) + QStringLiteral(" cd/klm"));
    pg.Testo(cx + 2, T + S, QString::number(Trunc((S / 2) / zoom)) + QStringLiteral(" cd/klm"));
    pg.Colore(Qt::black);
    pg.Testo(cx - 40, T - pg.y(4), QStringLiteral("180°"));
    // Left of the axis: the outer ring's intensity is printed right of it.
    pg.Testo(cx - pg.x(4), T + S - pg.y(3), QStringLiteral("0°"));
    pg.Testo(L, cy - 6, QStringLiteral("90°"));
    pg.Testo(L + S - 17, cy - 6, QStringLiteral("90°"));

    // Plane legend: a plan-view compass at the top right of the square.
    const int lx = L + S - S / 5;
    pg.Penna(Qt::red, 0.2);
    pg.Linea(lx - pg.x(5), T, lx + pg.x(5), T);
    pg.Colore(Qt::red);
    pg.Testo(lx - pg.x(9), T - pg.y(2), QStringLiteral("0°"));
    pg.Testo(lx + pg.x(6), T - pg.y(2), QStringLiteral("180°"));
    pg.Penna(Qt::blue, 0.2);
    pg.Linea(lx - 5, T - pg.x(5), lx - 5, T + pg.y(5));
    pg.Colore(Qt::blue);
    pg.Testo(lx - 21, T - pg.y(8), QStringLiteral("270°"));
    pg.Testo(lx - 24, T + pg.y(6), QStringLiteral("90°"));
    const QColor verde(0, 255, 0);
    const double cm = dc.PianoIMax >= 1 && dc.PianoIMax <= f.NumC() ? f.Intens.AngoloC(dc.PianoIMax) : 0;
    pg.Penna(verde, 0.2);
    for (double delta : {-90.0, 90.0}) {
        const double t = (cm + delta) * M_PI / 180.0;
        pg.Linea(lx, T, Trunc(lx + pg.x(5) * std::sin(t)), T + Trunc(pg.y(5) * std::cos(t)));
    }
    for (const auto& e : fig.etichette)
        if (e.testo.rfind("Imax=>C=", 0) == 0) {
            pg.Colore(QColor(0, 160, 0));
            pg.Testo(lx - pg.x(11), T + pg.y(9), QString::fromStdString(e.testo));
        }

    pg.p.setClipRect(L, T, S, S, Qt::IntersectClip);
    for (const auto& l : fig.curve) Traccia(pg, l, L, T);
    pg.p.restore();
    pg.Colore(Qt::black);
    pg.Carattere(10);
}

}  // namespace nottaro
