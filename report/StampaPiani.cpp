// The distribution plans: a to-scale plan of the stretch between two
// luminaires (150 mm along for the spacing, 25 mm per lane or 50 mm for a
// path across) with rulers, axes and the value of every calculation point.
#include <QLinearGradient>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cmath>

#include "core/intensity/Intensita.h"
#include "core/state/DisposizioniStrada.h"
#include "grafica/DisegnaMappa.h"
#include "report/RoutinePagina.h"

namespace nottaro {
namespace {

int Trunc(double v) { return static_cast<int>(std::trunc(v)); }

// Bottom edge of a band Hb mm high, centred between 100 and 250 mm.
int BordoInferiore(const PaginaReport& pg, int Hb) {
    const int m = pg.y(100) + (pg.y(250) - pg.y(100)) / 2;
    return m + pg.y(Hb / 2);
}

// Where the calculation points stand along the band, in mm from its left
// edge: at the centres of NL equal steps, or (UNI road grid) on their starts.
double PuntoLungo(int k, int NL, bool centri) { return 150.0 * (k + (centri ? 0.5 : 0.0)) / NL; }

// Band, lane separators, rulers and axes. The rulers are labelled at the
// calculation points (NL along, NT across; `centri`: half a step in), so a
// value and its position read off together; `larghezza` and `interdist` are
// the metres the band stands for.
void Banda(PaginaReport& pg, int Hb, int yb, double larghezza, double interdist, bool corsie, int NL, int NT,
           bool centri) {
    pg.Penna();
    pg.Rettangolo(pg.x(25), yb, pg.x(175), yb - pg.y(Hb));
    if (corsie)
        for (int k = 25; k < Hb; k += 25) pg.Linea(pg.x(25), yb - pg.y(k), pg.x(175), yb - pg.y(k));
    pg.Colore(Qt::black);
    pg.Penna(Qt::black, 0.1);
    for (int k = 0; k <= Hb; ++k) pg.Linea(pg.x(k % 5 == 0 ? 13.5 : 14), yb - pg.y(k), pg.x(15), yb - pg.y(k));
    for (int i = 0; i <= 150; ++i) pg.Linea(pg.x(25 + i), yb + pg.y(5), pg.x(25 + i), yb + pg.y(i % 5 == 0 ? 6.5 : 6));
    pg.Carattere(7);
    // Across: a long tick and the distance from the right-hand edge at each point.
    for (int j = 0; j < NT; ++j) {
        const double mm = Hb * (j + 0.5) / NT;
        pg.Linea(pg.x(11.5), yb - pg.y(mm), pg.x(15), yb - pg.y(mm));
        pg.TestoADestra(pg.x(11), yb - pg.y(mm + 1.3), Cifra(larghezza * (j + 0.5) / NT, 2));
    }
    // Along: the points, every other label when they stand too close to read.
    const int passo = NL > 0 && 150.0 / NL < 9 ? 2 : 1;
    for (int k = 0; k < NL; ++k) {
        const double mm = PuntoLungo(k, NL, centri);
        pg.Linea(pg.x(25 + mm), yb + pg.y(5), pg.x(25 + mm), yb + pg.y(8.5));
        if (k % passo == 0) pg.TestoCentrato(pg.x(25 + mm), yb + pg.y(9), Cifra(interdist * mm / 150, 2));
    }
    // The ends of the stretch: the pole at 0 and the spacing.
    pg.TestoADestra(pg.x(24.5), yb + pg.y(5), QStringLiteral("0"));
    pg.Testo(pg.x(175.5), yb + pg.y(5), Cifra(interdist, 2));
    pg.Carattere(8);
    pg.Penna();
    pg.Linea(pg.x(175), yb, pg.x(185), yb);
    pg.Linea(pg.x(182), yb - pg.y(3), pg.x(185), yb);
    pg.Linea(pg.x(182), yb + pg.y(3), pg.x(185), yb);
    pg.Testo(pg.x(186), yb, QStringLiteral("X"));
    const int punta = yb - pg.y(Hb + 5);
    pg.Linea(pg.x(25), yb, pg.x(25), punta);
    pg.Linea(pg.x(22), yb - pg.y(Hb + 2), pg.x(25), punta);
    pg.Linea(pg.x(28), yb - pg.y(Hb + 2), pg.x(25), punta);
    pg.Testo(pg.x(29), punta, QStringLiteral("Y"));
}

// The false-colour map behind the values: each point a cell of the band,
// lightened so the printed values stay legible, and a colour scale under
// the ruler along. Nothing moves, no page is added.
void Mappa(PaginaReport& pg, const CampoReport& c, int Hb, int yb, const QString& unita) {
    if (c.Vuoto() || c.valori.empty()) return;
    const auto [mn, mx] = std::minmax_element(c.valori.begin(), c.valori.end());
    const double minimo = *mn, massimo = *mx;
    auto colore = [&](double v) {
        const double t = massimo > minimo ? (v - minimo) / (massimo - minimo) : 0.5;
        const QColor k = ColoreRampa(t);
        return QColor((k.red() + 255) / 2, (k.green() + 255) / 2, (k.blue() + 255) / 2);
    };
    pg.p.save();
    pg.p.setPen(Qt::NoPen);
    for (int k = 0; k < c.NPtiLong; ++k)
        for (int j = 0; j < c.NPtiTrasv; ++j) {
            const int x0 = pg.x(25 + 150.0 * k / c.NPtiLong), x1 = pg.x(25 + 150.0 * (k + 1) / c.NPtiLong);
            const int y0 = yb - pg.y(static_cast<double>(Hb) * (j + 1) / c.NPtiTrasv);
            const int y1 = yb - pg.y(static_cast<double>(Hb) * j / c.NPtiTrasv);
            pg.p.fillRect(QRect(x0, y0, x1 - x0, y1 - y0), colore(c.Valore(k, j)));
        }
    const QRect scala(pg.x(25), yb + pg.y(14), pg.x(150), pg.y(3));
    QLinearGradient g(scala.left(), 0, scala.right(), 0);
    for (int s = 0; s <= 10; ++s) g.setColorAt(s / 10.0, colore(minimo + (massimo - minimo) * s / 10.0));
    pg.p.fillRect(scala, g);
    pg.p.restore();
    pg.Penna(Qt::black, 0.1);
    pg.Rettangolo(scala.left(), scala.top(), scala.right(), scala.bottom());
    pg.Carattere(8);
    pg.Testo(scala.left(), scala.bottom() + pg.y(1), Cifra(minimo, 2) + QStringLiteral(" ") + unita);
    pg.TestoADestra(scala.right(), scala.bottom() + pg.y(1), Cifra(massimo, 2) + QStringLiteral(" ") + unita);
}

// Values of a road plan: one per point, 8 pt.
void ValoriStrada(PaginaReport& pg, const DatiReport& d, const CampoReport& c, int yb, bool luminanze) {
    if (c.Vuoto()) return;
    pg.Carattere(8);
    pg.Colore(Qt::black);
    const int NL = c.NPtiLong, NT = c.NPtiTrasv;
    const int h = d.GrigliaEN != 0 ? pg.x(Trunc(150.0 / (2.0 * NL))) : 0;
    for (int k = 0; k < NL; ++k)
        for (int j = 0; j < NT; ++j) {
            const int x = pg.x(22) + h + pg.x(Trunc(k * 150.0 / NL));
            const int y = yb - pg.y(Trunc((d.NCorsie + 1) * 25.0 / (2.0 * NT))) - pg.y(Trunc(j * d.NCorsie * 25.0 / NT));
            const double v = c.Valore(k, j);
            pg.Testo(x, y, luminanze ? Cifra(v, 2) : CifraE(v));
        }
}

// The road plan: 25 mm per lane, its map, rulers and values.
void PianoStrada(PaginaReport& pg, const DatiReport& d, const CampoReport& c, bool luminanze) {
    const int Hb = std::max(1, d.NCorsie) * 25;
    const int yb = BordoInferiore(pg, Hb);
    if (pg.stile.mappe) Mappa(pg, c, Hb, yb, luminanze ? QStringLiteral("cd/m²") : QStringLiteral("lx"));
    Banda(pg, Hb, yb, d.LargStrada, d.Interdist, true, c.NPtiLong, c.NPtiTrasv, d.GrigliaEN != 0);
    ValoriStrada(pg, d, c, yb, luminanze);
    pg.Carattere(10);
}

void FigureIlluminamento(PaginaReport& pg, const DatiReport& d) {
    pg.Carattere(9);
    pg.Colore(Qt::black);
    pg.Testo(pg.x(10), pg.y(70), QStringLiteral("Emed= ") + CifraE(d.EmCalc) + QStringLiteral(" lux"));
    pg.Testo(pg.x(10), pg.y(75), QStringLiteral("Emin= ") + CifraE(d.EminCalc) + QStringLiteral(" lux"));
    pg.Testo(pg.x(10), pg.y(80), QStringLiteral("Emax= ") + CifraE(d.EmaxCalc) + QStringLiteral(" lux"));
    pg.Testo(pg.x(70), pg.y(70), QStringLiteral("Emed/Emax= ") + Rapporto(d.EmCalc, d.EmaxCalc, 2));
    pg.Testo(pg.x(70), pg.y(75), QStringLiteral("Emin/Emax= ") + Rapporto(d.EminCalc, d.EmaxCalc, 2));
    pg.Testo(pg.x(70), pg.y(80), QStringLiteral("Emin/Emed= ") + Rapporto(d.EminCalc, d.EmCalc, 2));
}

void TitoloPiano(PaginaReport& pg, int messaggio) {
    pg.Carattere(14, true);
    pg.Colore(Qt::black);
    pg.Testo(pg.x(10), pg.y(60), pg.M(messaggio));
}

// Plan-view pictogram of the observer, the evaluated stretch and the
// luminaires of the arrangement, above the plan.
void Pittogramma(PaginaReport& pg, const DatiReport& d, int i) {
    const int c = pg.PW / 2;
    pg.Penna(Qt::gray, 0.2);
    pg.Linea(c - pg.x(60), pg.y(80), c + pg.x(50), pg.y(80));
    pg.Linea(c - pg.x(60), pg.y(95), c + pg.x(50), pg.y(95));
    pg.Penna();
    pg.Rettangolo(c - pg.x(20), pg.y(80), c + pg.x(20), pg.y(95));
    pg.Linea(c - pg.x(52), pg.y(92), c - pg.x(48), pg.y(88));
    pg.Linea(c - pg.x(52), pg.y(88), c - pg.x(48), pg.y(92));
    pg.Carattere(8);
    pg.Testo(c - pg.x(47), pg.y(88), QStringLiteral("O%1").arg(i + 1));
    pg.Linea(c - pg.x(20), pg.y(80), c - pg.x(20), pg.y(75));
    pg.Linea(c - pg.x(22), pg.y(77), c - pg.x(20), pg.y(75));
    pg.Linea(c - pg.x(18), pg.y(77), c - pg.x(20), pg.y(75));
    pg.Testo(c - pg.x(18), pg.y(75), QStringLiteral("Y"));
    pg.Linea(c + pg.x(48), pg.y(93), c + pg.x(50), pg.y(95));
    pg.Linea(c + pg.x(48), pg.y(97), c + pg.x(50), pg.y(95));
    pg.Testo(c + pg.x(52), pg.y(93), QStringLiteral("X"));
    const int dia = pg.x(2);
    const QColor rosso(255, 0, 0);
    auto palo = [&](double xmm, double ymm) { pg.Cerchio(c + pg.x(xmm), pg.y(ymm), dia, rosso); };
    switch (d.DispPali) {
        case 1: palo(-20, 80), palo(20, 80); break;
        case 2: palo(-20, 95), palo(20, 95); break;
        case 3: palo(-20, 88), palo(20, 88); break;
        case 4: palo(-20, 80), palo(20, 80), palo(0, 95); break;
        case 5: palo(-20, 95), palo(20, 95), palo(0, 80); break;
        case 6: palo(-20, 80), palo(20, 80), palo(-20, 95), palo(20, 95); break;
        case DispDoppioCentro: palo(-20, 87), palo(-20, 89), palo(20, 87), palo(20, 89); break;
        default: break;
    }
}

}  // namespace

void StampaLuminanze(PaginaReport& pg, const DatiReport& d, int i) {
    if (i < 0 || i >= static_cast<int>(d.osservatori.size())) return;
    const OsservatoreReport& o = d.osservatori[static_cast<std::size_t>(i)];
    TitoloPiano(pg, 418);
    Pittogramma(pg, d, i);
    pg.Carattere(10);
    pg.Testo(pg.x(10), pg.y(70), pg.M(423) + QStringLiteral(" %1").arg(i + 1));
    pg.Carattere(9);
    pg.Testo(pg.x(55), pg.y(70), QStringLiteral("X=-60 m"));
    pg.Testo(pg.x(75), pg.y(70), QStringLiteral("Y=") + Cifra(o.y, 2) + QStringLiteral(" m"));
    pg.Testo(pg.x(95), pg.y(70), QStringLiteral("Z=+1.5 m"));
    pg.Testo(pg.x(60), pg.y(97), QStringLiteral("Lm = ") + Cifra(o.Lm, 2) + QStringLiteral("cd/m2     - Uo = ") +
                                      Cifra(o.Uo, 2) + QStringLiteral("     - Ul = ") + Cifra(o.Ul, 2));
    PianoStrada(pg, d, o.luminanze, true);
}

void StampaIlluminamenti(PaginaReport& pg, const DatiReport& d) {
    TitoloPiano(pg, 419);
    FigureIlluminamento(pg, d);
    PianoStrada(pg, d, d.illuminamenti, false);
}

void StampaIlluminamentiArea(PaginaReport& pg, const DatiReport& d) {
    TitoloPiano(pg, 419);
    FigureIlluminamento(pg, d);
    const int Hb = 50;
    const int yb = BordoInferiore(pg, Hb);
    const CampoReport& c = d.illuminamenti;
    if (pg.stile.mappe) Mappa(pg, c, Hb, yb, QStringLiteral("lx"));
    Banda(pg, Hb, yb, d.LargStradaA, d.Interdist, false, c.NPtiLong, c.NPtiTrasv, true);
    // A finer grid than 20 points along would print its values over each other.
    if (!c.Vuoto() && c.NPtiLong <= 20) {
        pg.Carattere(8);
        pg.Colore(Qt::black);
        const int NL = c.NPtiLong, NT = c.NPtiTrasv;
        for (int k = 0; k < NL; ++k)
            for (int j = 0; j < NT; ++j) {
                const int x = pg.x(22) + pg.x(Trunc(75.0 / NL)) + pg.x(Trunc(k * 150.0 / NL));
                const int y = yb - pg.y(Trunc(25.0 / NT)) - pg.y(Trunc(50.0 / NT) * j);
                pg.Testo(x, y, CifraE(c.Valore(k, j)));
            }
    }
    pg.Carattere(10);
}

}  // namespace nottaro
