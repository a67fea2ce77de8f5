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
#include "report/IsoLinee.h"
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
    pg.Carattere(8);  // the rulers read at 70 dpi too
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

// Colour of a value on the false-colour map: the ramp from the field's
// minimum to its maximum, lightened so the printed values stay legible.
QColor ColoreMappa(double v, double minimo, double massimo) {
    const double t = massimo > minimo ? (v - minimo) / (massimo - minimo) : 0.5;
    const QColor k = ColoreRampa(t);
    return QColor((k.red() + 255) / 2, (k.green() + 255) / 2, (k.blue() + 255) / 2);
}

// The false-colour map behind the values: each point a cell of the band.
void Mappa(PaginaReport& pg, const CampoReport& c, int Hb, int yb) {
    const auto [mn, mx] = std::minmax_element(c.valori.begin(), c.valori.end());
    pg.p.save();
    pg.p.setPen(Qt::NoPen);
    for (int k = 0; k < c.NPtiLong; ++k)
        for (int j = 0; j < c.NPtiTrasv; ++j) {
            const int x0 = pg.x(25 + 150.0 * k / c.NPtiLong), x1 = pg.x(25 + 150.0 * (k + 1) / c.NPtiLong);
            const int y0 = yb - pg.y(static_cast<double>(Hb) * (j + 1) / c.NPtiTrasv);
            const int y1 = yb - pg.y(static_cast<double>(Hb) * j / c.NPtiTrasv);
            pg.p.fillRect(QRect(x0, y0, x1 - x0, y1 - y0), ColoreMappa(c.Valore(k, j), *mn, *mx));
        }
    pg.p.restore();
}

const QColor ColoreIso(0, 50, 170);

// A level as its step gives it (0.015, 2.5, 40): levels are round numbers,
// so no rounding to the plan's decimals may merge two of them.
QString CifraLivello(double v) { return Cifra(v, 6); }

// Where a plan's points stand on the page (device units): along at the
// centres of NL steps of the 150 mm band (or their starts), across at the
// centres of NT steps of its height.
struct PosizioniPunti {
    std::vector<double> xs, ys;
};
PosizioniPunti Posizioni(const PaginaReport& pg, const CampoReport& c, int Hb, int yb, bool centri) {
    PosizioniPunti p;
    for (int k = 0; k < c.NPtiLong; ++k) p.xs.push_back(pg.x(25 + PuntoLungo(k, c.NPtiLong, centri)));
    for (int j = 0; j < c.NPtiTrasv; ++j) p.ys.push_back(yb - pg.y(Hb * (j + 0.5) / c.NPtiTrasv));
    return p;
}

// The iso-lines of the field's round levels; returns the levels and their
// segments, drawn under the values.
struct Iso {
    std::vector<double> livelli;
    std::vector<std::vector<SegmentoIso>> segmenti;
};
Iso LineeIso(PaginaReport& pg, const CampoReport& c, const PosizioniPunti& pos) {
    Iso iso;
    if (c.Vuoto() || c.valori.empty()) return iso;
    const auto [mn, mx] = std::minmax_element(c.valori.begin(), c.valori.end());
    iso.livelli = LivelliIso(*mn, *mx, 5);
    pg.Penna(ColoreIso, 0.3);
    for (double l : iso.livelli) {
        iso.segmenti.push_back(SegmentiIso(c.valori, pos.xs, pos.ys, l));
        for (const SegmentoIso& s : iso.segmenti.back())
            pg.Linea(static_cast<int>(s.a[0]), static_cast<int>(s.a[1]), static_cast<int>(s.b[0]), static_cast<int>(s.b[1]));
    }
    return iso;
}

int Sovrapposto(const QRect& r, const std::vector<QRect>& occupati) {
    int area = 0;
    for (const QRect& o : occupati) {
        const QRect i = r.intersected(o);
        if (!i.isEmpty()) area += i.width() * i.height();
    }
    return area;
}

// Each iso-line labelled with its value once, on a white ground, at the
// segment where the label covers the least of the printed values and of the
// labels already placed (ties: nearest its own place along the band, so the
// labels of neighbouring levels stand apart).
void EtichetteIso(PaginaReport& pg, const Iso& iso, std::vector<QRect> occupati) {
    pg.Carattere(8, true);
    pg.Colore(ColoreIso);
    const int n = static_cast<int>(iso.livelli.size());
    for (int l = 0; l < n; ++l) {
        const auto& segmenti = iso.segmenti[static_cast<std::size_t>(l)];
        if (segmenti.empty()) continue;
        const QString t = CifraLivello(iso.livelli[static_cast<std::size_t>(l)]);
        const int w = pg.Larghezza(t) + pg.x(1), h = pg.AltezzaRiga();
        const double obiettivo = pg.x(25 + 150.0 * (l + 1) / (n + 1));
        QRect migliore;
        long long punteggio = -1;
        for (const SegmentoIso& s : segmenti) {
            const int cx = static_cast<int>((s.a[0] + s.b[0]) / 2), cy = static_cast<int>((s.a[1] + s.b[1]) / 2);
            const QRect r(cx - w / 2, cy - h / 2, w, h);
            const long long p = static_cast<long long>(Sovrapposto(r, occupati)) * 1000000 +
                                static_cast<long long>(std::abs(cx - obiettivo));
            if (punteggio < 0 || p < punteggio) punteggio = p, migliore = r;
        }
        pg.p.fillRect(migliore, Qt::white);
        pg.Testo(migliore.left() + pg.x(0.5), migliore.top(), t);
        occupati.push_back(migliore);
    }
    pg.Colore(Qt::black);
}

// The legend under the ruler along: the iso-line levels with their unit
// and, with a false-colour map, the colour scale from the minimum to the
// maximum with the iso-line levels marked on it.
void Legenda(PaginaReport& pg, const CampoReport& c, const Iso& iso, int yb, const QString& unita) {
    if (c.Vuoto() || c.valori.empty()) return;
    int y = yb + pg.y(14);
    pg.Colore(Qt::black);
    pg.Carattere(8, true);
    const QString titolo = pg.M(2544) + QStringLiteral(" [") + unita + QStringLiteral("]:");
    pg.Testo(pg.x(25), y, titolo);
    int x = pg.x(25) + pg.Larghezza(titolo) + pg.x(3);
    const int mezzo = y + pg.AltezzaRiga() / 2;
    pg.Carattere(8);
    if (iso.livelli.empty()) pg.Testo(x, y, QStringLiteral("—"));
    for (double l : iso.livelli) {
        pg.Penna(ColoreIso, 0.3);
        pg.Linea(x, mezzo, x + pg.x(6), mezzo);
        x += pg.x(7);
        pg.Colore(ColoreIso);
        const QString t = CifraLivello(l);
        pg.Testo(x, y, t);
        x += pg.Larghezza(t) + pg.x(4);
    }
    pg.Colore(Qt::black);
    if (!pg.stile.mappe) return;
    y += pg.y(6);
    const auto [mn, mx] = std::minmax_element(c.valori.begin(), c.valori.end());
    const double minimo = *mn, massimo = *mx;
    pg.Carattere(8, true);
    const QString scalaTitolo = pg.M(2545) + QStringLiteral(" [") + unita + QStringLiteral("]:");
    pg.Testo(pg.x(25), y, scalaTitolo);
    const int sinistra = std::max(pg.x(65), pg.x(25) + pg.Larghezza(scalaTitolo) + pg.x(3)), destra = pg.x(175);
    const QRect scala(sinistra, y, destra - sinistra, pg.y(3));
    QLinearGradient g(scala.left(), 0, scala.right(), 0);
    for (int s = 0; s <= 10; ++s) g.setColorAt(s / 10.0, ColoreMappa(minimo + (massimo - minimo) * s / 10.0, minimo, massimo));
    pg.p.fillRect(scala, g);
    pg.Penna(Qt::black, 0.1);
    pg.Rettangolo(scala.left(), scala.top(), scala.right(), scala.bottom());
    pg.Carattere(8);
    pg.Testo(scala.left(), scala.bottom() + pg.y(1), Cifra(minimo, 2));
    pg.TestoADestra(scala.right(), scala.bottom() + pg.y(1), Cifra(massimo, 2));
    // The iso-line levels on the scale, where there is room between the ends.
    if (massimo > minimo) {
        pg.Penna(ColoreIso, 0.3);
        const int estremi = std::max(pg.Larghezza(Cifra(minimo, 2)), pg.Larghezza(Cifra(massimo, 2))) + pg.x(2);
        for (double l : iso.livelli) {
            const int xl = scala.left() + static_cast<int>((l - minimo) / (massimo - minimo) * scala.width());
            pg.Linea(xl, scala.top(), xl, scala.bottom());
            const int margine = estremi + pg.Larghezza(CifraLivello(l)) / 2;
            if (xl - scala.left() > margine && scala.right() - xl > margine) {
                pg.Colore(ColoreIso);
                pg.TestoCentrato(xl, scala.bottom() + pg.y(1), CifraLivello(l));
            }
        }
        pg.Colore(Qt::black);
    }
}

// Values of a road plan: one per point, 8 pt.
void ValoriStrada(PaginaReport& pg, const DatiReport& d, const CampoReport& c, int yb, bool luminanze,
                  std::vector<QRect>& occupati) {
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
            const QString t = luminanze ? Cifra(v, 2) : CifraE(v);
            pg.Testo(x, y, t);
            occupati.emplace_back(x, y, pg.Larghezza(t), pg.AltezzaRiga());
        }
}

// The road plan: 25 mm per lane, its map, iso-lines, rulers, values and legend.
void PianoStrada(PaginaReport& pg, const DatiReport& d, const CampoReport& c, bool luminanze) {
    const int Hb = std::max(1, d.NCorsie) * 25;
    const int yb = BordoInferiore(pg, Hb);
    const bool centri = d.GrigliaEN != 0;
    if (pg.stile.mappe && !c.Vuoto() && !c.valori.empty()) Mappa(pg, c, Hb, yb);
    const Iso iso = LineeIso(pg, c, Posizioni(pg, c, Hb, yb, centri));
    Banda(pg, Hb, yb, d.LargStrada, d.Interdist, true, c.NPtiLong, c.NPtiTrasv, centri);
    std::vector<QRect> occupati;
    ValoriStrada(pg, d, c, yb, luminanze, occupati);
    EtichetteIso(pg, iso, occupati);
    Legenda(pg, c, iso, yb, luminanze ? QStringLiteral("cd/m²") : QStringLiteral("lx"));
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
    if (pg.stile.mappe && !c.Vuoto() && !c.valori.empty()) Mappa(pg, c, Hb, yb);
    const Iso iso = LineeIso(pg, c, Posizioni(pg, c, Hb, yb, true));
    Banda(pg, Hb, yb, d.LargStradaA, d.Interdist, false, c.NPtiLong, c.NPtiTrasv, true);
    std::vector<QRect> occupati;
    // A finer grid than 20 points along would print its values over each other.
    if (!c.Vuoto() && c.NPtiLong <= 20) {
        pg.Carattere(8);
        pg.Colore(Qt::black);
        const int NL = c.NPtiLong, NT = c.NPtiTrasv;
        for (int k = 0; k < NL; ++k)
            for (int j = 0; j < NT; ++j) {
                const int x = pg.x(22) + pg.x(Trunc(75.0 / NL)) + pg.x(Trunc(k * 150.0 / NL));
                const int y = yb - pg.y(Trunc(25.0 / NT)) - pg.y(Trunc(50.0 / NT) * j);
                const QString t = CifraE(c.Valore(k, j));
                pg.Testo(x, y, t);
                occupati.emplace_back(x, y, pg.Larghezza(t), pg.AltezzaRiga());
            }
    }
    EtichetteIso(pg, iso, occupati);
    Legenda(pg, c, iso, yb, QStringLiteral("lx"));
    pg.Carattere(10);
}

}  // namespace nottaro
