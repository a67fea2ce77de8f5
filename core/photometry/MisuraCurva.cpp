#include "core/photometry/MisuraCurva.h"

#include <cmath>
#include <numbers>

#include "core/text/Testo.h"

namespace nottaro {

DatiCurva MisuraCurva(const Fotometria& f) {
    DatiCurva d;
    for (int g = 1; g <= f.NumG(); ++g) {
        const double t = f.Intens.AngoloG(g) * std::numbers::pi / 180.0;
        const double s = std::sin(t), k = std::cos(t);
        for (int c = 1; c <= f.NumC(); ++c) {
            const double i = f.Intens.Valore(c, g);
            if (i > d.IMax) {
                d.IMax = i;
                d.PianoIMax = c;
                d.GammaIMax = g;
            }
            if (s * i > d.MaxIsen) d.MaxIsen = s * i;
            if (k * i > d.MaxIcos) d.MaxIcos = k * i;
        }
    }
    d.RaggioCurva = d.MaxIsen > d.MaxIcos ? d.MaxIsen : d.MaxIcos;
    return d;
}

int LatoScatola(double raggio, double zoom, int lato) {
    if (!(raggio > 0)) return lato;
    return static_cast<int>(std::trunc(2 * raggio * zoom));
}

ZoomCurva ZoomIniziale(double raggio, int lato) {
    ZoomCurva z;
    if (!(raggio > 0)) {
        z.latoScatola = lato;
        return z;
    }
    const double pieno = lato / (2 * raggio);
    z.zoom = std::trunc(pieno * 100) / 100;
    z.mostrato = std::trunc(pieno * 10) / 10;
    // A zoom truncated to nothing would paint a 0-pixel box and divide the
    // ring labels by zero: the exact fit is used instead.
    if (z.zoom == 0) z.zoom = pieno;
    if (z.mostrato < 0.1) z.mostrato = z.zoom;
    z.latoScatola = LatoScatola(raggio, z.zoom, lato);
    return z;
}

double PassoZoom(double mostrato, bool su) {
    double v = mostrato;
    if (su)
        v += 0.1;
    else if (v > 0.1)
        v -= 0.1;
    else
        return mostrato;
    return ConvertiReale(FormatoGenerale(v)).value_or(v);
}

}  // namespace nottaro
