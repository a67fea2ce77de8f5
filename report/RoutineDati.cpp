// The page of installation data and lighting results, plain and standard.
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <array>

#include "core/state/DisposizioniStrada.h"
#include "core/text/Testo.h"
#include "report/RoutinePagina.h"

namespace nottaro {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString G(double v) { return QString::fromStdString(FormatoGenerale(v)); }

struct Riga {
    QString etichetta, valore;
};

// Rows of the "installation characteristics and geometry" block.
std::array<Riga, 6> RigheImpianto(const PaginaReport& pg, const DatiReport& d) {
    const QString metri = QStringLiteral(" ") + pg.M(339);
    const bool strada = d.TipoProgetto == 0;
    static const char* const pav[] = {"C1", "C2", "R1", "R2", "R3", "R4"};
    QString disposizione;
    const QString categoria = TestoClasse(pg, d);
    if (strada) {
        if (MsgDisposizioneStrada(d.DispPali)) disposizione = pg.M(MsgDisposizioneStrada(d.DispPali));
    } else {
        if (d.DispPaliA >= 1 && d.DispPaliA <= 6) disposizione = pg.M(458 + d.DispPaliA);
    }
    return {{{pg.M(344), G(strada ? d.LargStrada : d.LargStradaA) + metri},
             {pg.M(345), strada ? QString::number(d.NCorsie) : QStringLiteral("-")},
             {pg.M(346), strada ? (d.ClassePav >= 0 && d.ClassePav <= 5 ? QLatin1String(pav[d.ClassePav]) : QString())
                                : QStringLiteral("-")},
             {pg.M(347), G(strada ? d.Deprezz : d.DeprezzA)},
             {pg.M(348), categoria},
             {pg.M(349), disposizione}}};
}

// The overhang is one quantity (the arm's reach from the pole to the light
// centre): printed once, and explained once under the block.
std::array<Riga, 4> RigheInstallazione(const PaginaReport& pg, const DatiReport& d) {
    const QString metri = QStringLiteral(" ") + pg.M(339);
    return {{{pg.M(30), G(d.Interdist) + metri},
             {pg.M(28), G(d.HPalo) + metri},
             {pg.M(355), G(d.Sbraccio) + metri},
             {pg.M(31), G(d.Inclina) + QStringLiteral("°")}}};
}

std::array<Riga, 4> RigheApparecchio(const PaginaReport& pg, const DatiReport& d) {
    return {{{pg.M(292), Q(d.SolLampada)},
             {pg.M(126), Q(d.SolLumen) + QStringLiteral(" lumen")},
             {pg.M(127), Q(d.SolPotenza) + QStringLiteral(" W")},
             {pg.M(294), Q(d.CatNomeFile)}}};
}

// Results: the label with its symbol, and the value.
std::array<Riga, 4> RigheRisultati(const PaginaReport& pg, const DatiReport& d) {
    if (d.TipoProgetto == 0)
        return {{{pg.M(166) + QStringLiteral(" (Lm)"), Cifra(d.SolLm, 2) + QStringLiteral(" cd/m2")},
                 {pg.M(206) + QStringLiteral(" (Uo)"), Cifra(d.SolUo, 2)},
                 {pg.M(207) + QStringLiteral(" (Ul)"), Cifra(d.SolUl, 2)},
                 {pg.M(208) + QStringLiteral(" (Ti)"), Cifra(d.TICalc, 0) + QStringLiteral("%")}}};
    // Uniformities as ratios throughout the report, as the class states them.
    const QString uo = Rapporto(d.EminCalc, d.EmCalc, 2);
    return {{{pg.M(473) + QStringLiteral(" (Em)"), CifraE(d.EmCalc) + QStringLiteral(" lx")},
             {pg.M(474) + QStringLiteral(" (Eo)"), uo},
             {pg.M(482) + QStringLiteral(" (Emin)"), CifraE(d.EminCalc) + QStringLiteral(" lx")},
             {pg.M(483) + QStringLiteral(" (Emax)"), CifraE(d.EmaxCalc) + QStringLiteral(" lx")}}};
}


void Titolo(PaginaReport& pg, int x, int y, const QString& t, int limite) {
    pg.Carattere(12, true);
    pg.TestoEntro(x, y, t, limite, true);
}

// Label (9 pt bold) and value (10 pt) of one row; each kept inside its column.
void StampaRiga(PaginaReport& pg, int xe, int xv, int y, const QString& etichetta, const QString& valore,
                int limiteEtichetta, int limiteValore) {
    pg.Carattere(9, true);
    pg.TestoEntro(xe, y, etichetta, limiteEtichetta, true);
    pg.Carattere(10);
    pg.TestoEntro(xv, y, valore, limiteValore, false, etichetta);
}

// Where a block's values start (device units): at `xMinimo` mm, or further
// right where the widest label (9 pt bold, with `dopo` appended) needs it,
// up to `xMassimo` mm; a language with long labels keeps them whole.
template <std::size_t N>
int ColonnaValori(PaginaReport& pg, const std::array<Riga, N>& righe, double xEtichetta, double xMinimo,
                  double xMassimo, const QString& dopo = {}) {
    pg.Carattere(9, true);
    int larga = 0;
    for (const Riga& r : righe) larga = std::max(larga, pg.Larghezza(r.etichetta + dopo));
    return std::clamp(pg.x(xEtichetta) + larga + pg.x(2), pg.x(xMinimo), pg.x(xMassimo));
}

// The two geometry blocks side by side, rows 5 mm apart from y0 mm.
void RigheGeometria(PaginaReport& pg, const DatiReport& d, int y0) {
    const int PW2 = pg.PW / 2, destra = pg.PW - pg.x(11);
    const auto impianto = RigheImpianto(pg, d);
    const int xv = ColonnaValori(pg, impianto, 13, 60, 80);
    for (int k = 0; k < 6; ++k)
        StampaRiga(pg, pg.x(13), xv, pg.y(y0 + 5 * k), impianto[k].etichetta, impianto[k].valore, xv - pg.x(1),
                   PW2 + pg.x(23));
    const auto inst = RigheInstallazione(pg, d);
    for (int k = 0; k < 4; ++k)
        StampaRiga(pg, PW2 + pg.x(25), PW2 + pg.x(60), pg.y(y0 + 5 * k), inst[k].etichetta, inst[k].valore,
                   PW2 + pg.x(59), destra);
    // What the overhang is, in the two rows' room left under the block.
    pg.Carattere(8, false, true);
    const int passo = pg.y(3.5);
    const std::vector<QString> nota = RigheAcapo(pg, pg.M(2543), destra - (PW2 + pg.x(25)));
    for (std::size_t k = 0; k < nota.size() && k < 3; ++k)
        pg.Testo(PW2 + pg.x(25), pg.y(y0 + 20) + static_cast<int>(k) * passo, nota[k]);
    pg.Carattere(10);
}

// A 7 mm band from yBanda mm with its title, then four rows "label:" at
// x 13 mm and values at xv mm from yRighe mm, 5 mm apart.
void BloccoInBanda(PaginaReport& pg, int yBanda, const QString& titolo, const std::array<Riga, 4>& righe, int xv,
                   int yRighe) {
    const int destra = pg.PW - pg.x(11);
    pg.Penna();
    pg.Rettangolo(pg.x(10), pg.y(yBanda), pg.PW - pg.x(10), pg.y(yBanda + 7));
    Titolo(pg, pg.x(13), pg.y(yBanda + 1), titolo, destra);
    const int colonna = ColonnaValori(pg, righe, 13, xv, 110, QStringLiteral(":"));
    for (int k = 0; k < 4; ++k)
        StampaRiga(pg, pg.x(13), colonna, pg.y(yRighe + 5 * k), righe[k].etichetta + QStringLiteral(":"),
                   righe[k].valore, colonna - pg.x(1), destra);
}

// The luminaire's picture in its 65 mm box; without one the box says so
// rather than stay empty.
void ImmagineApparecchio(PaginaReport& pg, const DatiReport& d, int L, int T) {
    const int W = pg.x(65), H = pg.y(65);
    const QImage img = d.FotoApp.empty() ? QImage() : pg.Immagine(d.FotoApp);
    if (img.isNull()) {
        pg.Carattere(9, false, true);
        pg.TestoCentrato(L + W / 2, T + H / 2, QStringLiteral("(") + pg.M(2534) + QStringLiteral(")"));
        pg.Carattere(10);
        return;
    }
    const Misura m = AdattaImmagine(img.width(), img.height(), W, H);
    pg.p.drawImage(QRect(L + (W - m.w) / 2, T + (H - m.h) / 2, m.w, m.h), img);
}

}  // namespace

void StampaDati(PaginaReport& pg, const DatiReport& d) {
    const int PW2 = pg.PW / 2, destra = pg.PW - pg.x(11);
    pg.Colore(Qt::black);
    pg.Carattere(14, true);
    pg.Testo(PW2 - pg.x(20), pg.y(40), pg.M(1703));
    pg.Testo(PW2 - pg.x(20), pg.y(225), pg.M(1704));
    pg.Penna();
    pg.Rettangolo(pg.x(10), pg.y(51), pg.PW - pg.x(10), pg.y(58));
    Titolo(pg, pg.x(13), pg.y(52), pg.M(342), PW2 + pg.x(8));
    Titolo(pg, PW2 + pg.x(10), pg.y(52), pg.M(343), destra);
    RigheGeometria(pg, d, 61);
    BloccoInBanda(pg, 96, pg.M(351), RigheApparecchio(pg, d), 60, 106);
    pg.Penna();
    pg.Rettangolo(PW2, pg.y(130), pg.PW - pg.x(10), pg.y(220));
    Titolo(pg, pg.x(13), pg.y(132), pg.M(353), PW2 - pg.x(2));
    Titolo(pg, PW2 + pg.x(10), pg.y(132), pg.M(352), destra);
    ImmagineApparecchio(pg, d, pg.x(20), pg.y(145));
    StampaCurva(pg, d, PW2 + pg.x(10), pg.y(145));
    BloccoInBanda(pg, 236, pg.M(350), RigheRisultati(pg, d), 73, 250);
    pg.Carattere(10);
}

void StampaDatiStandard(PaginaReport& pg, const DatiReport& d) {
    const int PW2 = pg.PW / 2, destra = pg.PW - pg.x(11);
    pg.Colore(Qt::black);
    pg.Penna();
    const int bande[5][2] = {{101, 108}, {108, 144}, {146, 153}, {153, 178}, {180, 270}};
    for (const auto& b : bande) pg.Rettangolo(pg.x(10), pg.y(b[0]), pg.PW - pg.x(10), pg.y(b[1]));
    // Site and section wrap onto a second line where they need it; the
    // description takes what is left above the summary.
    const int passo = pg.y(3.8);
    int yTesti = pg.y(60);
    for (const auto& [etichetta, valore] : {std::pair{89, &d.PrjRiga4}, std::pair{90, &d.PrjRiga5}}) {
        pg.Carattere(9, true);
        pg.Testo(pg.x(10), yTesti, pg.M(etichetta));
        pg.Carattere(9);
        yTesti += std::max(1, StampaAcapoEntro(pg, pg.x(75), yTesti, Q(*valore), destra, passo, 2, pg.M(etichetta))) *
                      passo +
                  pg.y(1.2);
    }
    pg.Carattere(9, true);
    pg.Testo(pg.x(10), yTesti, pg.M(96));
    pg.Carattere(9);
    // The description ends above the summary title.
    if (pg.stile.conDescrizione)
        StampaTesto(pg, Q(d.PrjDescr), 125, yTesti + pg.y(4), pg.x(10), pg.y(4), pg.y(92), pg.M(96));
    pg.Carattere(14, true);
    pg.Testo(PW2 - pg.x(20), pg.y(93), pg.M(1705));
    Titolo(pg, pg.x(13), pg.y(102), pg.M(342), PW2 + pg.x(8));
    Titolo(pg, PW2 + pg.x(10), pg.y(102), pg.M(343), destra);
    Titolo(pg, pg.x(13), pg.y(147), pg.M(350), PW2 + pg.x(8));
    Titolo(pg, PW2 + pg.x(10), pg.y(147), pg.M(351), destra);
    Titolo(pg, pg.x(13), pg.y(182), pg.M(353), PW2 + pg.x(8));
    Titolo(pg, PW2 + pg.x(10), pg.y(182), pg.M(352), destra);
    RigheGeometria(pg, d, 111);
    const auto ris = RigheRisultati(pg, d);
    const auto app = RigheApparecchio(pg, d);
    // Results: label, ":" and value, the value 5 mm after the colon.
    const int xDuePunti = ColonnaValori(pg, ris, 13, 68, 84);
    for (int k = 0; k < 4; ++k) {
        const int y = pg.y(156 + 5 * k);
        StampaRiga(pg, pg.x(13), xDuePunti + pg.x(5), y, ris[k].etichetta, ris[k].valore, xDuePunti - pg.x(1),
                   PW2 + pg.x(13));
        pg.Carattere(9, true);
        pg.Testo(xDuePunti, y, QStringLiteral(":"));
        if (k < 3) {
            StampaRiga(pg, PW2 + pg.x(15), PW2 + pg.x(60), y, app[k].etichetta, app[k].valore, PW2 + pg.x(54), destra);
        } else {
            // The file name, last in its band, may take the line under it.
            pg.Carattere(9, true);
            pg.TestoEntro(PW2 + pg.x(15), y, app[k].etichetta, PW2 + pg.x(54), true);
            pg.Carattere(9);
            StampaAcapoEntro(pg, PW2 + pg.x(60), y, app[k].valore, destra, pg.y(3.6), 2, app[k].etichetta);
        }
        pg.Carattere(9, true);
        pg.Testo(PW2 + pg.x(55), y, QStringLiteral(":"));
    }
    ImmagineApparecchio(pg, d, pg.x(20), pg.y(195));
    StampaCurva(pg, d, PW2 + pg.x(10), pg.y(195));
    pg.Carattere(10);
}

}  // namespace nottaro
