#include "masterplan/report/PagineMP.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <array>
#include <cmath>

#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "core/state/DisposizioniStrada.h"
#include "core/text/Testo.h"
#include "report/RoutinePagina.h"

namespace nottaro::mp {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }


struct RigaMinMax {
    QString etichetta;
    std::array<QString, 2> valori;
};

// Rows of label and the MIN and MAX values from y mm, 5 mm apart, with the
// column heads above.
void Tabella(PaginaReport& pg, const std::vector<RigaMinMax>& righe, double y, int xEtichetta, int xMin, int xMax,
             int limite) {
    pg.Carattere(9, true);
    pg.Testo(pg.x(xMin), pg.y(y + 1), pg.M(1950));
    pg.Testo(pg.x(xMax), pg.y(y + 1), pg.M(1951));
    for (std::size_t k = 0; k < righe.size(); ++k) {
        const int yr = pg.y(y + 5.5 + 4.5 * static_cast<double>(k));
        pg.Carattere(9, true);
        pg.TestoEntro(pg.x(xEtichetta), yr, righe[k].etichetta, pg.x(xMin - 1), pg.p.font().bold());
        pg.Carattere(9);
        // A value alone in its row may run into the MAX column.
        pg.TestoEntro(pg.x(xMin), yr, righe[k].valori[0], righe[k].valori[1].isEmpty() ? limite : pg.x(xMax - 1), pg.p.font().bold());
        pg.TestoEntro(pg.x(xMax), yr, righe[k].valori[1], limite, pg.p.font().bold());
    }
}

template <class F>
std::array<QString, 2> Per(const ProgettoMP& p, F f) {
    std::array<QString, 2> v;
    for (int k = 0; k < 2; ++k)
        if (p.sol[k]) v[k] = f(*p.sol[k]);
    return v;
}

}  // namespace

void StampaDatiMP(PaginaReport& pg, const ProgettoMP& p) {
    const DatiReport& d = p.dati;
    const RigaTabellaMP& r = *p.riga;
    const bool strada = d.TipoProgetto == 0;
    const int PW2 = pg.PW / 2, destra = pg.PW - pg.x(11);
    const QString metri = QStringLiteral(" m");
    // Below the letterhead, which reaches lower in the standard style.
    double y = pg.stile.standard && pg.stile.conIntestazione ? 58 : 32;
    pg.Colore(Qt::black);
    pg.Carattere(14, true);
    pg.Testo(PW2 - pg.x(20), pg.y(y), pg.M(340));
    y += 9;
    pg.Carattere(9, true);
    pg.Testo(pg.x(10), pg.y(y), pg.M(89));
    pg.Testo(pg.x(10), pg.y(y + 4.5), pg.M(90));
    pg.Testo(pg.x(10), pg.y(y + 9), pg.M(96));
    pg.Carattere(9);
    pg.TestoEntro(pg.x(75), pg.y(y), Q(r.Celle[TVia]), destra, pg.p.font().bold());
    pg.TestoEntro(pg.x(75), pg.y(y + 4.5), Q(r.Celle[TCategoria]), destra, pg.p.font().bold());
    std::string classe = r.Celle[TCategoria];
    for (char& c : classe) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const QString descrizione = pg.M(1954) + Q(r.Celle[TApplicazione]) + pg.M(1955) + Q(classe);
    StampaTesto(pg, descrizione, 125, pg.y(y + 13.5), pg.x(10), pg.y(4));
    y += 13.5 + 4 * static_cast<double>(SpezzaTesto(descrizione, 125).size()) + 2;

    // The installation: the row's design on the left, the solutions' geometry on the right.
    pg.Penna();
    pg.Rettangolo(pg.x(10), pg.y(y), pg.PW - pg.x(10), pg.y(y + 7));
    pg.Carattere(12, true);
    pg.TestoEntro(pg.x(13), pg.y(y + 1), pg.M(342), PW2 + pg.x(1), pg.p.font().bold());
    pg.TestoEntro(PW2 + pg.x(3), pg.y(y + 1), pg.M(343), destra, pg.p.font().bold());
    QString disposizione;
    if (d.TipoProgetto == 0 && MsgDisposizioneStrada(d.DispPali)) disposizione = pg.M(MsgDisposizioneStrada(d.DispPali));
    if (d.TipoProgetto == 1 && d.DispPaliA >= 1 && d.DispPaliA <= 6) disposizione = pg.M(458 + d.DispPaliA);
    const std::pair<QString, QString> impianto[] = {
        {pg.M(344), Cifra(strada ? d.LargStrada : d.LargStradaA, 2)},
        {pg.M(345), Q(r.Celle[TCorsie]) + QStringLiteral(" x ") + Q(r.Celle[TDirMarcia])},
        {pg.M(346), strada ? QStringLiteral("C2") : QStringLiteral("-")},
        {pg.M(347), Cifra((strada ? d.Deprezz : d.DeprezzA) * 100, 0) + QStringLiteral("%")},
        {pg.M(348), Q(classe)},
        {pg.M(349), disposizione}};
    // Values after the widest label (60 to 80 mm), so long labels stay whole;
    // the arrangement, last, may take up to three lines and the block grows.
    pg.Carattere(9, true);
    int larga = 0;
    for (const auto& voce : impianto) larga = std::max(larga, pg.Larghezza(voce.first));
    const int xv = std::clamp(pg.x(15) + larga, pg.x(60), pg.x(80));
    pg.Carattere(9);
    const int righeDisposizione =
        std::min(3, static_cast<int>(RigheAcapo(pg, impianto[5].second, pg.x(106) - xv).size()));
    for (int k = 0; k < 6; ++k) {
        const int yr = pg.y(y + 12.5 + 4.5 * k);
        pg.Carattere(9, true);
        pg.TestoEntro(pg.x(13), yr, impianto[k].first, xv - pg.x(1), true);
        pg.Carattere(9);
        if (k < 5) pg.TestoEntro(xv, yr, impianto[k].second, pg.x(106), false, impianto[k].first);
        else StampaAcapoEntro(pg, xv, yr, impianto[k].second, pg.x(106), pg.y(3.4), 3, impianto[k].first);
    }
    const std::vector<RigaMinMax> geometria = {
        {pg.M(30), Per(p, [&](const SoluzioneMP& s) { return Cifra(s.Spaziatura, 2) + metri; })},
        {pg.M(28), Per(p, [&](const SoluzioneMP&) { return Cifra(d.HPalo, 2) + metri; })},
        // One quantity, printed once (explained on the project report's data page).
        {pg.M(355), Per(p, [&](const SoluzioneMP&) { return Cifra(d.Sbraccio, 2) + metri; })},
        {pg.M(31), Per(p, [&](const SoluzioneMP&) { return QStringLiteral("0°"); })},
        {pg.M(1952), Per(p, [&](const SoluzioneMP& s) { return Q(s.ClasseIPEI); })}};
    Tabella(pg, geometria, y + 7, 108, 150, 175, destra);
    y += 7 + 4.5 + 6 * 4.5 + 3 + 3.4 * (righeDisposizione - 1);

    // The lighting results of both solutions (the real threshold increment)
    // beside the luminaire.
    pg.Penna();
    pg.Rettangolo(pg.x(10), pg.y(y), pg.PW - pg.x(10), pg.y(y + 7));
    pg.Carattere(12, true);
    pg.TestoEntro(pg.x(13), pg.y(y + 1), pg.M(350), PW2 + pg.x(1), pg.p.font().bold());
    pg.TestoEntro(PW2 + pg.x(3), pg.y(y + 1), pg.M(351), destra, pg.p.font().bold());
    std::vector<RigaMinMax> risultati;
    const auto perc = [](double v) { return Cifra(v * 100, 1) + QStringLiteral(" %"); };
    if (strada) {
        risultati = {{pg.M(166), Per(p, [](const SoluzioneMP& s) { return Cifra(s.Livello, 2) + QStringLiteral(" cd/m2"); })},
                     {pg.M(206), Per(p, [&](const SoluzioneMP& s) { return perc(s.Uniformita); })},
                     {pg.M(207), Per(p, [&](const SoluzioneMP& s) { return perc(s.Terzo); })},
                     {pg.M(208), Per(p, [](const SoluzioneMP& s) { return Cifra(s.TI, 1) + QStringLiteral(" %"); })},
                     {pg.M(484), Per(p, [](const SoluzioneMP& s) { return Cifra(s.REI, 2); })}};
    } else {
        risultati = {{pg.M(473), Per(p, [](const SoluzioneMP& s) { return CifraE(s.Livello) + QStringLiteral(" lx"); })},
                     {pg.M(474), Per(p, [&](const SoluzioneMP& s) { return perc(s.Uniformita); })},
                     {pg.M(482), Per(p, [](const SoluzioneMP& s) { return CifraE(s.Terzo) + QStringLiteral(" lx"); })},
                     {pg.M(208), Per(p, [](const SoluzioneMP& s) { return Cifra(s.TI, 1) + QStringLiteral(" %"); })}};
    }
    // The MIN and MAX columns move right (up to 72 mm) for long labels.
    pg.Carattere(8, true);
    int largaRis = 0;
    for (const auto& riga : risultati) largaRis = std::max(largaRis, pg.Larghezza(riga.etichetta));
    const int xMin = std::clamp(static_cast<int>(std::ceil((pg.x(14) + largaRis) * 210.0 / pg.PW)), 62, 72);
    Tabella(pg, risultati, y + 7, 13, xMin, xMin + (xMin > 62 ? 17 : 22), PW2 + pg.x(1));
    const std::vector<RigaMinMax> apparecchio = {
        {pg.M(292), {Q(r.Celle[TSorgente]), p.sol[1] ? Q(r.Celle[TSorgente]) : QString()}},
        {pg.M(126), Per(p, [](const SoluzioneMP& s) { return Cifra(s.Flusso, 0) + QStringLiteral(" lm"); })},
        {pg.M(127), Per(p, [](const SoluzioneMP& s) { return Cifra(s.Potenza, 1) + QStringLiteral(" W"); })},
        {pg.M(294), {pg.M(1953), {}}}};
    Tabella(pg, apparecchio, y + 7, 108, 150, 175, destra);
    y += 7 + 4.5 + 5 * 4.5 + 3;

    // Photograph and polar diagram.
    const double basso = y + 86;
    pg.Penna();
    pg.Rettangolo(pg.x(10), pg.y(y), pg.PW - pg.x(10), pg.y(basso));
    pg.Rettangolo(PW2, pg.y(y), pg.PW - pg.x(10), pg.y(basso));
    pg.Carattere(12, true);
    pg.TestoEntro(pg.x(13), pg.y(y + 2), pg.M(353), PW2 - pg.x(2), pg.p.font().bold());
    pg.TestoEntro(PW2 + pg.x(3), pg.y(y + 2), pg.M(352), destra, pg.p.font().bold());
    if (!d.FotoApp.empty()) {
        const QImage img = pg.Immagine(d.FotoApp);
        if (!img.isNull()) {
            const int W = pg.x(70), H = pg.y(62);
            const Misura m = AdattaImmagine(img.width(), img.height(), W, H);
            pg.p.drawImage(QRect(pg.x(20) + (W - m.w) / 2, pg.y(y + 12) + (H - m.h) / 2, m.w, m.h), img);
        }
    }
    StampaCurva(pg, d, PW2 + pg.x(12), pg.y(y + 5));

    pg.Carattere(8);
    pg.TestoEntro(pg.x(13), pg.y(basso + 2), pg.M(1950) + QStringLiteral(": ") + Q(r.Celle[TSol1 + SFotometrica]), destra, pg.p.font().bold());
    pg.TestoEntro(pg.x(13), pg.y(basso + 6), pg.M(1951) + QStringLiteral(": ") + Q(r.Celle[TSol2 + SFotometrica]), destra, pg.p.font().bold());
    pg.Carattere(10);
}

bool HaAreeLaterali(const ProgettoMP& p) {
    const DatiRigaMP& d = *p.riga->Dati;
    if (d.Req.Tipo != TipoRiga::Strada || !(d.LargSx > 0 || d.LargDx > 0)) return false;
    const DettaglioSoluzioneMP& s = p.piani ? *p.piani : p.dettagli[0];
    return !s.PuntiStrisce[0].empty() || !s.PuntiStrisce[1].empty();
}

void StampaAreeLaterali(PaginaReport& pg, const ProgettoMP& p) {
    const DatiRigaMP& d = *p.riga->Dati;
    const DettaglioSoluzioneMP& s = p.piani ? *p.piani : p.dettagli[0];
    const SoluzioneMP& sol = *(p.piani && p.sol[1] && !d.DaProgetto ? p.sol[1] : p.sol[0]);
    const int PW2 = pg.PW / 2;
    pg.Colore(Qt::black);
    pg.Carattere(14, true);
    pg.Testo(PW2 - pg.x(30), pg.y(38), pg.M(419));

    // Across the page: 150 mm for the spacing the grid covers; down the page:
    // left strip, carriageway, right strip, at most 110 mm in all.
    const double larghezze[2] = {d.LargSx, d.LargDx};
    const double totale = d.W + d.LargSx + d.LargDx;
    const double scala = std::min(110.0 / totale, 20.0);  // mm per metre
    const double alto = 60;                                // mm, top of the left strip
    const int nl = s.Strada.campo.Griglia.NPtiLong;
    const double S = sol.Spaziatura;
    auto X = [&](double metri) { return pg.x(25 + metri * 150 / S); };
    auto Y = [&](double yStrada) { return pg.y(alto + (d.W + d.LargSx - yStrada) * scala); };  // y = W + LargSx at the top
    pg.Penna();
    pg.Rettangolo(X(0), Y(d.W), X(S), Y(0));
    pg.Penna(Qt::gray, 0.1);
    if (d.LargSx > 0) pg.Rettangolo(X(0), Y(d.W + d.LargSx), X(S), Y(d.W));
    if (d.LargDx > 0) pg.Rettangolo(X(0), Y(0), X(S), Y(-d.LargDx));
    pg.Carattere(11, true);
    pg.TestoCentrato(X(S / 2), (Y(d.W) + Y(0)) / 2 - pg.AltezzaRiga() / 2, pg.M(1956));
    // Axes.
    pg.Penna();
    const int yAsse = Y(-d.LargDx) + pg.y(6);
    pg.Linea(X(0), yAsse, pg.x(185), yAsse);
    pg.Testo(pg.x(187), yAsse - pg.AltezzaRiga() / 2, QStringLiteral("X"));
    pg.Linea(pg.x(20), yAsse, pg.x(20), Y(d.W + d.LargSx) - pg.y(6));
    pg.Testo(pg.x(17), Y(d.W + d.LargSx) - pg.y(6) - pg.AltezzaRiga(), QStringLiteral("Y"));
    pg.Carattere(7);
    for (int i = 0; i <= 10; ++i) pg.TestoCentrato(X(S * i / 10), yAsse + pg.y(1), Cifra(S * i / 10, 1));

    // The values at the strip points: x as the road grid's, across as the strip's rows.
    for (int lato = 0; lato < 2; ++lato) {
        const auto& e = s.PuntiStrisce[static_cast<std::size_t>(lato)];
        const double w = larghezze[lato];
        if (e.empty() || !(w > 0) || nl <= 0) continue;
        const int n = static_cast<int>(e.size()) / nl;
        if (n <= 0) continue;
        const double passo = w / n;
        pg.Carattere(n > 6 ? 5 : 6);
        pg.Colore(Qt::blue);
        for (int i = 0; i < nl; ++i)
            for (int j = 0; j < n; ++j) {
                const double x = S / (2.0 * nl) + i * S / nl;
                const double y = lato == 0 ? d.W + passo / 2 + j * passo : -(passo / 2 + j * passo);
                pg.TestoCentrato(X(x), Y(y) - pg.AltezzaRiga() / 2,
                                 Cifra(e[static_cast<std::size_t>(i) * static_cast<std::size_t>(n) +
                                         static_cast<std::size_t>(j)],
                                       1));
            }
        pg.Colore(Qt::black);
        pg.Carattere(8);
        const int yEtichetta = lato == 0 ? Y(d.W + d.LargSx) - pg.AltezzaRiga() - pg.y(1) : Y(-d.LargDx) + pg.y(1);
        pg.Testo(pg.x(150), yEtichetta, Q(ConArgomenti(Msg(1957, pg.lingua), {std::to_string(lato + 1)})));
    }

    // The result blocks.
    for (int lato = 0; lato < 2; ++lato) {
        const Striscia& st = s.Strisce[static_cast<std::size_t>(lato)];
        if (!(larghezze[lato] > 0) || !st.Presente) continue;
        const int x0 = pg.x(lato == 0 ? 15 : 100);
        int y = pg.y(200);
        pg.Carattere(10, true);
        pg.Testo(x0, y, Q(ConArgomenti(Msg(1958, pg.lingua), {std::to_string(lato + 1)})));
        pg.Carattere(10);
        const QString righe[] = {QStringLiteral("Em= ") + Cifra(st.Em, 2) + QStringLiteral(" lx"),
                                 QStringLiteral("Emin= ") + Cifra(st.Emin, 2) + QStringLiteral(" lx"),
                                 QStringLiteral("Emax= ") + Cifra(st.Emax, 2) + QStringLiteral(" lx"),
                                 pg.M(1959) + Rapporto(st.Em, st.Emax, 2), pg.M(1960) + Rapporto(st.Emin, st.Emax, 2),
                                 pg.M(1961) + Rapporto(st.Emin, st.Em, 2)};
        for (const QString& t : righe) {
            y += pg.y(6);
            pg.Testo(x0, y, t);
        }
    }
    pg.Carattere(10);
}

}  // namespace nottaro::mp
