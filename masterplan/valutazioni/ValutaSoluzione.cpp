#include "masterplan/valutazioni/ValutaSoluzione.h"

#include "engine/area/ValutaPercorso.h"
#include "engine/road/IllumSoluzione.h"
#include "engine/road/ValutazioneStrada.h"

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
        ValutazioneStrada v;
        v.ImpostaFotometria(foto, s.Lampada);
        const RisultatoStrada rs = v.Valuta(p, nullptr);
        if (rs.Esito != EsitoStrada::Accettato) return r;
        auto& st = r.Strada;
        st.LampCalc = s.Lampada;
        st.SolLm = rs.Lm;
        st.SolUo = rs.Uo;
        st.SolUl = rs.Ul;
        st.TICalc = rs.TI < 0 ? 0 : rs.TI;
        st.campo = v.Campo();
        if (!IllumSoluzione(ctx, v.Ricerca(), p, st.campo.Apparecchi, st.campo.Griglia, st.illum, st.stat)) return r;
        r.TI = st.TICalc;
        if (!RapportoBordi(ctx, v.Ricerca(), p, st.campo, r.REI)) return r;
        const double larghezze[2] = {d.LargSx, d.LargDx};
        for (int lato = 0; lato < 2; ++lato)
            if (o.OpzioneStrisce >= 1 && larghezze[lato] > 0 &&
                !IllumAreeLaterali(ctx, v.Ricerca(), p, st.campo, lato, larghezze[lato], r.Strisce[lato],
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
