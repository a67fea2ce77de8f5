// Path and area rows: the spacing sweep on the path grid and layout, judged
// on Em (between the wing cut and ErrEm), Emin/Em and Emin; retained
// candidates get the threshold increment estimate.
#include <algorithm>
#include <cmath>

#include "engine/area/IlluminamentoArea.h"
#include "engine/comune/ClassiEdizione2015.h"
#include "engine/sweep/SequenzeSweep.h"
#include "masterplan/valutazioni/Cornice.h"
#include "masterplan/valutazioni/EdizioneMP.h"
#include "masterplan/valutazioni/Valutazioni.h"

namespace nottaro::mp {

ParametriArea ParametriAreaMP(const DatiRigaMP& d, const OpzioniMP& o, double S, int lampada) {
    ParametriArea p;
    p.DispPaliA = d.DispPali;
    p.LargStradaA = d.W;
    p.HPaloA = d.H;
    p.SbraccioA = d.s;
    p.InclinaA = 0;
    p.Interdist = S;
    p.DeprezzA = o.Deprezz;
    p.GrigliaPers = 0;
    p.LampCalc = lampada;
    p.FattRiduzione = o.FattRiduzione;
    return p;
}

RequisitiArea RequisitiAreaMP(const DatiRigaMP& d, const OpzioniMP& o) {
    double eirMin = 0;
    const RequisitiMP r = RequisitiEdizioneMP(d, o, eirMin);
    RequisitiArea req;
    req.EmMin = r.EmMin;
    req.EminMin = r.EminMin;
    req.UeMin = r.UeMin;
    req.ErrEm = o.ErrEm;
    // A 2015 P class is overlit above 1.5 times its Em.
    if (o.EdizioneEN == Edizione2015 && r.EminMin > 0) req.ErrEm = std::min(req.ErrEm, 50.0);
    req.TaglioAli = o.TaglioAli;
    return req;
}

double StimaTIArea(const RicercaIntensita& ric, const ParametriArea& p, double yOcchio, double Lav) {
    const double H = p.HPaloA, W = p.LargStradaA, S = p.Interdist;
    const double dz = H - 1.5;
    const int disp = p.DispPaliA;
    if (!(Lav > 0) || disp < 1 || disp > 6 || !(S > 0)) return -1;
    // Pole feet across, in the order the path layout repeats them along x.
    std::vector<double> piedi;
    switch (disp) {
    case 1: piedi = {W}; break;
    case 2: piedi = {0}; break;
    case 3: piedi = {W / 2}; break;
    case 4: piedi = {W, 0}; break;
    case 5: piedi = {W / 2 + 0.01, W / 2 - 0.01}; break;
    default: piedi = {W, 0}; break;
    }
    const bool coppie = disp == 5 || disp == 6;
    // Across offset toward the eye, positive on the side the luminaire faces.
    auto offset = [&](double piede) {
        const ApparecchioA a{0, piede};
        const double yL = YTestaA(p, a);
        return MetaLontana(p, a) ? yL - yOcchio : yOcchio - yL;
    };
    const double D0 = dz / std::sin(20 * RadPerGrado);
    const double dy0 = offset(piedi[0]);
    const double radicando = D0 * D0 - dz * dz - dy0 * dy0;
    if (radicando < 0) return -1;
    double x = std::sqrt(radicando);
    double lvSomma = 0;
    bool primo = true;
    ContestoCalcolo ctx;
    for (std::size_t k = 0; std::abs(x) <= 500; ++k) {
        const double dy = offset(piedi[k % piedi.size()]);
        const double e = Gradi(std::atan(dz / std::sqrt(x * x + dy * dy)));
        const double gamma = 90 - e;
        double c = Gradi(std::atan2(dy, x));
        if (c <= 0) c += 360;
        const double I = ric(ctx, gamma, c);
        if (ctx.ErrCalcolo) return -1;
        const double d = dz / std::sin(e * RadPerGrado);
        const double cosT = (x * 0.99984769516 - dz * 0.0174524064373) / d;
        if (cosT >= 0 && cosT <= 1) {
            const double theta = std::acos(cosT);
            const double E = I * cosT / (d * d);
            const double termine = 0.003 * E / (theta * theta);
            if (primo) {
                lvSomma = termine;
                primo = false;
            } else if (termine <= 0.02 * lvSomma) {
                break;
            } else {
                lvSomma += termine;
            }
        }
        // The second luminaire of a pair stands at the same x.
        if (!coppie || k % 2 == 1) x += S;
    }
    return 65 * lvSomma / std::pow(Lav, 0.8) * p.DeprezzA * p.FattRiduzione;
}

EsitoRigaMP CalcoloAreaMP(const DatiRigaMP& d, const OpzioniMP& o) {
    SceltaSoluzioni scelta;
    EsitoRigaMP& es = scelta.Esito();
    const Livello spaziature = SpaziatureRiga(d, o, TipoImpianto::Percorso);
    const RequisitiArea req = RequisitiAreaMP(d, o);
    LavoroArea lavoro;
    PerOgniFileLampada(d, o, false, es, [&](const FileLdt& f, int lampada) {
        const RicercaIntensita ric(*f.Foto, lampada);
        for (double S : spaziature.valori) {
            const ParametriArea p = ParametriAreaMP(d, o, S, lampada);
            if (lavoro.Prepara(p) != EsitoA::Ok) continue;
            ContestoCalcolo ctx;
            if (!lavoro.Valuta(ctx, ric, p)) continue;
            const StatisticheIllum& st = lavoro.Statistiche();
            if (!o.TuttiRisultati && !VerificaClasseA(st, req)) continue;
            const int posti = scelta.Posti(S);
            SoluzioneMP c;
            if (posti != 0) {
                c.Spaziatura = S;
                c.Livello = st.EmCalc;
                c.Uniformita = st.Uo();
                c.Terzo = st.EminCalc;
                c.TI = StimaTIArea(ric, p, d.W / 4, st.EmCalc / 14.5);
                c.REI = 0;
                const double sp = SpaziaturaPerApparecchio(TipoRiga::Area, d.DispPali, S);
                LampadaEIndice(c, f, lampada,
                               IndiceIPEI(f.Foto->PotLamp[lampada], st.EmCalc, sp, d.W, o.Deprezz, d.ClasseRiga));
                IndicatoriMP(c, f.Foto->PotLamp[lampada], sp, d.W, st.EmCalc, 0, 0, o);
            }
            scelta.Trattieni(c, posti);
            if (posti & 2) es.Osservazione = OsservazioneSpaziatura(S / d.H, TipoOsservazione::Area);
        }
        return true;
    });
    es.Parola = ParolaRisultato(es.Trattenuti, d.DaProgetto);
    return std::move(es);
}

}  // namespace nottaro::mp
