#include "masterplan/valutazioni/ValutaSoluzione.h"

#include "engine/area/ValutaPercorso.h"
#include "engine/road/IllumSoluzione.h"
#include "engine/road/ValutaStradaFissa.h"

namespace nottaro::mp {

DettaglioSoluzioneMP ValutaSoluzione(const DatiRigaMP& d, const OpzioniMP& o, const SoluzioneMP& s) {
    DettaglioSoluzioneMP r;
    r.Tipo = d.Req.Tipo;
    const FileLdt* f = nullptr;
    for (const FileLdt* x : d.File)
        if (x->Nome == s.File && x->Leggibile) f = x;
    if (!f || !s.Presente) return r;
    const Fotometria& foto = *f->Foto;
    ContestoCalcolo ctx;
    switch (d.Req.Tipo) {
    case TipoRiga::Strada: {
        const ParametriStrada p = ParametriStradaMP(d, o, s.Spaziatura, s.Lampada);
        // The design's own evaluation of a fixed road, so the batch shows
        // what the design shows, figures that are not finite refused alike.
        RisultatoValutaStrada rs = ValutaStradaFissa(foto, p);
        if (!rs.Valido()) return r;
        auto& st = r.Strada;
        st.LampCalc = s.Lampada;
        st.SolLm = rs.Lm;
        st.SolUo = rs.Uo;
        st.SolUl = rs.Ul;
        st.TICalc = rs.TI < 0 ? 0 : rs.TI;
        st.campo = std::move(rs.campo);
        st.illum = std::move(rs.illum);
        st.stat = rs.stat;
        r.TI = st.TICalc;
        const RicercaIntensita ric(foto, s.Lampada);
        if (!RapportoBordi(ctx, ric, p, st.campo, r.REI)) return r;
        const double larghezze[2] = {d.LargSx, d.LargDx};
        for (int lato = 0; lato < 2; ++lato)
            if (o.OpzioneStrisce >= 1 && larghezze[lato] > 0 &&
                !IllumAreeLaterali(ctx, ric, p, st.campo, lato, larghezze[lato], r.Strisce[lato],
                                   &r.PuntiStrisce[lato]))
                return r;
        st.ok = true;
        break;
    }
    case TipoRiga::Area: {
        const ParametriArea p = ParametriAreaMP(d, o, s.Spaziatura, s.Lampada);
        const RequisitiArea req = RequisitiAreaMP(d, o);
        r.Percorso.LampCalc = s.Lampada;
        r.Percorso.risultato = ValutaPercorso(foto, p, req);
        if (!r.Percorso.risultato.Valido()) return r;
        r.Percorso.ok = true;
        const RicercaIntensita ric(foto, s.Lampada);
        r.TI = StimaTIArea(ric, p, d.W / 4, r.Percorso.risultato.Stat.EmCalc / 14.5);
        break;
    }
    case TipoRiga::Rotatoria: {
        r.Anello = CreaAnello(d.Interdist, d.W, d.s, d.H, d.NCorsie);
        const RicercaIntensita ric(foto, s.Lampada);
        if (!IllumRotatoria(ctx, ric, r.Anello, static_cast<int>(s.Spaziatura), o.Deprezz * o.FattRiduzione,
                            r.StatAnello, &r.EAnello))
            return r;
        break;
    }
    }
    r.ok = true;
    return r;
}

}  // namespace nottaro::mp
