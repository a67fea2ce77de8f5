#include "grafica/PuntiCurva.h"

#include <cmath>

#include "core/photometry/LettoriFotometria.h"
#include "core/text/Testo.h"

namespace nottaro {
namespace {

int Trunc(double x) { return static_cast<int>(std::trunc(x)); }

std::string Intero(double x) { return std::to_string(static_cast<long long>(std::trunc(x))); }

Linea Curva(const Fotometria& f, int piano, int cx, int cy, double zoom, bool destra, Colore colore) {
    Linea l{colore, {}};
    for (int g = 1; g <= f.NumG(); ++g) {
        const double t = GradiInRad(f.Intens.AngoloG(g));
        const double r = zoom * f.Intens.Valore(piano, g);
        const int dx = Trunc(r * std::sin(t));
        l.punti.push_back({destra ? cx + dx : cx - dx, cy + Trunc(r * std::cos(t))});
    }
    return l;
}

}  // namespace

int PianoPiuVicino(const Fotometria& f, double gradi) {
    int migliore = 1;
    double minima = 1e300;
    for (int c = 1; c <= f.NumC(); ++c) {
        double d = std::fmod(std::fabs(f.Intens.AngoloC(c) - gradi), 360.0);
        d = std::min(d, 360.0 - d);
        if (d < minima) {
            minima = d;
            migliore = c;
        }
    }
    return migliore;
}

FiguraCurva PuntiCurva(int W, int H, double zoom, const Fotometria& f, const DatiCurva& d) {
    FiguraCurva fig;
    const int cx = W / 2, cy = H / 2;
    fig.cx = cx;
    fig.cy = cy;

    // Rings every sixth of the width (three for the usual sizes).
    const int passo = W / 6;
    if (passo > 0) {
        for (int r = passo; r <= W / 2; r += passo) {
            Linea anello{Grigio, {}};
            for (int a = 0; a <= 360; a += 10) {
                const double t = GradiInRad(a);
                anello.punti.push_back({cx + Trunc(r * std::sin(t)), cy + Trunc(r * std::cos(t))});
            }
            fig.anelli.push_back(std::move(anello));
        }
    }
    // The rings' intensities sit right of the vertical axis, just above each
    // ring; the diagram is drawn per 1000 lm, so they are cd/klm.
    auto& et = fig.etichette;
    et.push_back({Grigio, {cx + 2, cy + H / 6 - 14}, Intero((H / 6) / zoom) + " cd/klm"});
    et.push_back({Grigio, {cx + 2, cy + H / 3 - 14}, Intero((H / 3) / zoom) + " cd/klm"});
    et.push_back({Grigio, {cx + 2, H - 14}, Intero((H / 2) / zoom) + " cd/klm"});

    // Axes and their labels.
    fig.tratti.push_back({Nero, {{cx, 0}, {cx, H}}});
    fig.tratti.push_back({Nero, {{0, cy}, {W, cy}}});
    et.push_back({Nero, {cx - 10, 10}, "180°"});
    // Left of the axis: the outer ring's intensity takes the right side.
    et.push_back({Nero, {cx - 20, H - 13}, "0°"});
    et.push_back({Nero, {0, cy - 6}, "90°"});
    et.push_back({Nero, {W - 17, cy - 6}, "90°"});

    // 70° marks, the limit of the glare-relevant zone.
    const double mezzo = W / 2;
    const double s70 = std::sin(GradiInRad(70)), c70 = std::cos(GradiInRad(70)), sm70 = std::sin(GradiInRad(-70));
    fig.tratti.push_back({Nero, {{cx, cy}, {Trunc(cx + mezzo * s70), cy + Trunc(mezzo * c70)}}});
    et.push_back({Nero, {Trunc(cx - 7 + mezzo * s70), cy - 18 + Trunc(mezzo * c70)}, "70°"});
    fig.tratti.push_back({Nero, {{cx, cy}, {Trunc(cx + mezzo * sm70), cy + Trunc(mezzo * c70)}}});
    et.push_back({Nero, {Trunc(cx - 8 + mezzo * sm70), cy - 18 + Trunc(mezzo * c70)}, "70°"});

    // Plan-view legend of the planes shown.
    const int lx = W - W / 5 - 5;
    fig.tratti.push_back({Rosso, {{lx - 20, 40}, {lx + 20, 40}}});
    et.push_back({Rosso, {lx - 30, 32}, "0°"});
    et.push_back({Rosso, {lx + 20, 32}, "180°"});
    fig.tratti.push_back({Blu, {{lx, 20}, {lx, 60}}});
    et.push_back({Blu, {lx - 6, 10}, "270°"});
    et.push_back({Blu, {lx - 6, 61}, "90°"});
    const double cm = d.PianoIMax >= 1 && d.PianoIMax <= f.NumC() ? f.Intens.AngoloC(d.PianoIMax) : 0;
    const double tm = GradiInRad(cm - 90), tp = GradiInRad(cm + 90);
    fig.tratti.push_back({Verde, {{lx, 40}, {Trunc(lx + 20 * std::sin(tm)), 40 + Trunc(20 * std::cos(tm))}}});
    fig.tratti.push_back({Verde, {{lx, 40}, {Trunc(lx + 20 * std::sin(tp)), 40 + Trunc(20 * std::cos(tp))}}});
    const double a = cm > 180 ? cm - 180 : cm;
    et.push_back({Verde, {lx - 35, 72}, "Imax=>C=" + Intero(a) + "°-" + Intero(a + 180) + "°"});

    // The curves: C0/C180, C90/C270 and the plane of the maximum with its opposite.
    if (f.NumC() >= 1) {
        const int piani[4] = {PianoPiuVicino(f, 0), PianoPiuVicino(f, 180), PianoPiuVicino(f, 90),
                              PianoPiuVicino(f, 270)};
        for (int k = 0; k < 4; ++k) {
            fig.pianiCurve[k] = piani[k];
            fig.curve.push_back(Curva(f, piani[k], cx, cy, zoom, k % 2 == 0, k < 2 ? Rosso : Blu));
        }
        if (d.IMax != 0 && d.PianoIMax >= 1 && d.PianoIMax <= f.NumC()) {
            fig.pianiCurve[4] = d.PianoIMax;
            fig.pianiCurve[5] = PianoPiuVicino(f, cm + 180);
            fig.curve.push_back(Curva(f, fig.pianiCurve[4], cx, cy, zoom, true, Verde));
            fig.curve.push_back(Curva(f, fig.pianiCurve[5], cx, cy, zoom, false, Verde));
        }
    }
    return fig;
}

}  // namespace nottaro
