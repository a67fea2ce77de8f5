// Road rows: the spacing sweep at the row's height and overhang, judged on
// Ul, Lm (between the wing cut and ErrLm), Uo and TI, optionally on the
// illuminance of the strips beside the road.
#include <algorithm>
#include <cmath>

#include "core/state/GrigliaNorma.h"
#include "engine/road/IllumSoluzione.h"
#include "engine/road/RapportoBordo.h"
#include "engine/sweep/SequenzeSweep.h"
#include "engine/road/ValutazioneStrada.h"
#include "masterplan/valutazioni/Cornice.h"
#include "masterplan/valutazioni/EdizioneMP.h"
#include "masterplan/valutazioni/Valutazioni.h"

namespace nottaro::mp {

namespace {

bool IllumPunto(ContestoCalcolo& ctx, const RicercaIntensita& ric, const ParametriStrada& p,
                const std::vector<Apparecchio>& app, double x, double y, double& E) {
    const double H = p.HPalo, D = p.Deprezz * p.FattRiduzione;
    DirezioneLuce dir;
    E = 0;
    for (const auto& a : app) {
        if (!CalcolaDirezione(ctx, ric, x, y, a.x, a.y, SbraccioSegnato(p, a), H, p.Inclina, GuardaMenoY(p, a), dir))
            return false;
        E += IllumOrizzontale(dir.I, dir.Gamma, H, D);
    }
    return !ctx.ErrCalcolo;
}

// Mean over the points (x of the grid's rows) at the given y positions.
bool MediaStriscia(ContestoCalcolo& ctx, const RicercaIntensita& ric, const ParametriStrada& p,
                   const CampoStrada& campo, const std::vector<double>& ys, double& media) {
    const auto& g = campo.Griglia;
    double somma = 0;
    for (int i = 0; i < g.NPtiLong; ++i)
        for (double y : ys) {
            double E = 0;
            if (!IllumPunto(ctx, ric, p, campo.Apparecchi, g(i, 0).x, y, E)) return false;
            somma += E;
        }
    media = somma / (static_cast<double>(g.NPtiLong) * static_cast<double>(ys.size()));
    return true;
}

}  // namespace

std::pair<double, double> RiferimentoStriscia(double LmMin, int p) {
    static const double alto[3][2] = {{15, 5}, {10, 3}, {7.5, 1.5}};
    static const double medio[3][2] = {{10, 3}, {7.5, 1.5}, {5, 1}};
    static const double basso[3][2] = {{7.5, 1.5}, {5, 1}, {3, 0.5}};
    const auto& t = LmMin >= 1 ? alto : LmMin == 0.75 ? medio : basso;
    return {t[p][0], t[p][1]};
}

bool StrisceBloccano(int opzione, const std::array<Striscia, 2>& strisce, std::pair<double, double> rif) {
    if (opzione != 2 && opzione != 3) return false;
    for (const auto& st : strisce)
        if (st.Presente && (st.Em < rif.first || (opzione == 3 && st.Emin < rif.second))) return true;
    return false;
}

ParametriStrada ParametriStradaMP(const DatiRigaMP& d, const OpzioniMP& o, double S, int lampada) {
    ParametriStrada p;
    p.DispPali = d.DispPali;
    p.LargStrada = d.W;
    p.NCorsie = d.NCorsie;
    p.ClassePav = 1;
    p.Deprezz = o.Deprezz;
    p.GrigliaEN = GrigliaEN13201.GrigliaEN;
    p.NPtiCorsia = GrigliaEN13201.NPtiCorsia;
    p.InterMaxGriglia = GrigliaEN13201.InterMaxGriglia;
    p.PassoRigheMax = GrigliaEN13201.NPtiCorsia2;
    p.OssUNI = 0;
    p.HPalo = d.H;
    p.Sbraccio = d.s;
    p.Inclina = 0;
    p.Interdist = S;
    p.LampCalc = lampada;
    p.FattRiduzione = o.FattRiduzione;
    p.DoppioCentro = d.DispPali == 5;
    return p;
}

bool IllumAreeLaterali(ContestoCalcolo& ctx, const RicercaIntensita& ric, const ParametriStrada& p,
                       const CampoStrada& campo, int lato, double w, Striscia& es, std::vector<double>* e) {
    const int n = w / 1.5 <= 3 ? 3 : static_cast<int>(std::trunc(w / 1.5)) + 1;
    const double d = Arrotonda(w / n, 3);
    const auto& g = campo.Griglia;
    double somma = 0, emin = 1e6, emax = 0;
    if (e) e->clear();
    for (int i = 0; i < g.NPtiLong; ++i)
        for (int j = 0; j < n; ++j) {
            const double y = lato == 0 ? p.LargStrada + d / 2 + j * d : -(d / 2 + j * d);
            double E = 0;
            if (!IllumPunto(ctx, ric, p, campo.Apparecchi, g(i, 0).x, y, E)) return false;
            somma += E;
            emin = std::min(emin, E);
            emax = std::max(emax, E);
            if (e) e->push_back(E);
        }
    es.Presente = true;
    es.Em = somma / (static_cast<double>(g.NPtiLong) * n);
    es.Emin = emin;
    es.Emax = emax;
    return true;
}

bool RapportoBordi(ContestoCalcolo& ctx, const RicercaIntensita& ric, const ParametriStrada& p,
                   const CampoStrada& campo, double& rei) {
    const int nc = p.NPtiCorsia, nt = p.NCorsie * p.NPtiCorsia;
    const double d = p.LargStrada / nt, h = d / 2;
    std::vector<double> dentroDx, fuoriDx, dentroSx, fuoriSx;
    for (int j = 0; j < nc; ++j) {
        dentroDx.push_back(h + j * d);
        fuoriDx.push_back(-h - j * d);
        const double y = h + (nt - nc + j) * d;
        dentroSx.push_back(y);
        fuoriSx.push_back(y + 3 * d);
    }
    double mDx = 0, fDx = 0, mSx = 0, fSx = 0;
    if (!MediaStriscia(ctx, ric, p, campo, dentroDx, mDx) || !MediaStriscia(ctx, ric, p, campo, fuoriDx, fDx) ||
        !MediaStriscia(ctx, ric, p, campo, dentroSx, mSx) || !MediaStriscia(ctx, ric, p, campo, fuoriSx, fSx))
        return false;
    rei = Arrotonda(std::min(fSx / mSx, fDx / mDx), 2);
    return std::isfinite(rei);
}

EsitoRigaMP CalcoloStradaMP(const DatiRigaMP& d, const OpzioniMP& o) {
    SceltaSoluzioni scelta;
    EsitoRigaMP& es = scelta.Esito();
    const Livello spaziature = SpaziatureRiga(d, o, TipoImpianto::Strada);
    double eirMin = 0;
    const RequisitiMP req = RequisitiEdizioneMP(d, o, eirMin);
    SoglieStrada soglie;
    soglie.LmMin = req.LmMin;
    soglie.UoMin = req.UoMin;
    soglie.UlMin = req.UlMin;
    soglie.ErrLm = o.ErrLm;
    soglie.TaglioAli = o.TaglioAli;
    soglie.TuttiRisultati = o.TuttiRisultati;
    const bool blocca = o.OpzioneStrisce == 2 || o.OpzioneStrisce == 3;
    const int passi = blocca ? o.M : 0;
    ValutazioneStrada v;
    LavoroBordo bordo;
    // The edge strips are no wider than the unobstructed strips the row gives.
    const double largLaterale = d.LargSx > 0 && d.LargDx > 0 ? std::min(d.LargSx, d.LargDx) : std::max(d.LargSx, d.LargDx);
    long long conta = 0;
    for (int passo = 0; passo <= passi; ++passo) {
        const auto rif = RiferimentoStriscia(d.Req.LmMin, passo);
        PerOgniFileLampada(d, o, true, es, [&](const FileLdt& f, int lampada) {
            v.ImpostaFotometria(*f.Foto, lampada);
            for (double S : spaziature.valori) {
                const ParametriStrada p = ParametriStradaMP(d, o, S, lampada);
                const RisultatoStrada r = v.Valuta(p, &soglie);
                ++conta;
                if (r.Esito == EsitoStrada::Errore) {
                    es.Avvisi.push_back("File: " + f.Percorso + " ERROR: N. " + std::to_string(conta) +
                                        " Lum=" + FormatoGenerale(r.Lm) + " UG=" + FormatoGenerale(r.Uo) +
                                        " UL=" + FormatoGenerale(r.Ul));
                    continue;
                }
                if (r.Esito != EsitoStrada::Accettato) continue;
                const double ti = r.TI < 0 ? 0 : r.TI;
                if (!o.TuttiRisultati && ti > req.TiMax) continue;
                SoluzioneMP c;
                const CampoStrada& campo = v.Campo();
                ContestoCalcolo ctx;
                bool errore = false;
                if (o.OpzioneStrisce >= 1) {
                    if (d.LargSx > 0) errore |= !IllumAreeLaterali(ctx, v.Ricerca(), p, campo, 0, d.LargSx, c.Strisce[0]);
                    if (d.LargDx > 0) errore |= !IllumAreeLaterali(ctx, v.Ricerca(), p, campo, 1, d.LargDx, c.Strisce[1]);
                }
                if (errore) continue;
                if (!o.TuttiRisultati && StrisceBloccano(o.OpzioneStrisce, c.Strisce, rif)) continue;
                // The 2015 edition judges the edge ratio of its own strips.
                double eir = 0;
                if (eirMin > 0 && (!CalcolaEIR(ctx, v.Ricerca(), p, campo.Apparecchi, largLaterale, bordo, eir) ||
                                   (!o.TuttiRisultati && eir < eirMin)))
                    continue;
                const int posti = scelta.Posti(S);
                if (posti == 0) {
                    scelta.Trattieni(c, 0);
                    continue;
                }
                CampoIllum illum;
                StatisticheIllum stat;
                if (!IllumSoluzione(ctx, v.Ricerca(), p, campo.Apparecchi, campo.Griglia, illum, stat)) continue;
                if (!RapportoBordi(ctx, v.Ricerca(), p, campo, c.REI)) continue;
                // Under the 2015 edition the edge column shows the ratio judged.
                if (eirMin > 0) c.REI = Arrotonda(eir, 2);
                c.Spaziatura = S;
                c.Livello = r.Lm;
                c.Uniformita = r.Uo;
                c.Terzo = r.Ul;
                c.TI = ti;
                LampadaEIndice(c, f, lampada,
                               IndiceIPEI(f.Foto->PotLamp[lampada], stat.EmCalc,
                                          SpaziaturaPerApparecchio(TipoRiga::Strada, d.DispPali, S), d.W, o.Deprezz,
                                          d.ClasseRiga));
                IndicatoriMP(c, f.Foto->PotLamp[lampada], SpaziaturaPerApparecchio(TipoRiga::Strada, d.DispPali, S),
                             d.W, stat.EmCalc, d.LargSx, d.LargDx, o);
                scelta.Trattieni(c, posti);
                if (posti & 2) es.Osservazione = OsservazioneSpaziatura(S / d.H, TipoOsservazione::Strada);
            }
            return true;
        }, passo == 0);
    }
    es.Parola = ParolaRisultato(es.Trattenuti, d.DaProgetto);
    return std::move(es);
}

}  // namespace nottaro::mp
