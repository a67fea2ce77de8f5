#include "engine/road/ValutaStradaFissa.h"

#include <cmath>

#include "core/text/Testo.h"
#include "engine/road/IllumSoluzione.h"
#include "engine/road/ValutazioneStrada.h"

namespace nottaro {

RisultatoValutaStrada ValutaStradaFissa(const Fotometria& foto, const ParametriStrada& p) {
    RisultatoValutaStrada r;
    ValutazioneStrada v;
    v.ImpostaFotometria(foto, p.LampCalc);
    const RisultatoStrada ris = v.Valuta(p, nullptr);
    if (ris.Esito == EsitoStrada::NonValido) {
        r.errore = {1105,
                    {std::to_string(p.DispPali), FormatoGenerale(p.LargStrada), std::to_string(p.NCorsie),
                     FormatoGenerale(p.Interdist), FormatoGenerale(p.HPalo), std::to_string(p.ClassePav)}};
        return r;
    }
    if (ris.Esito == EsitoStrada::Errore) {
        r.errore = {1104, {ris.Routine}};
        r.ErrCalcolo = true;
        return r;
    }
    r.Lm = ris.Lm;
    r.Uo = ris.Uo;
    r.Ul = ris.Ul;
    r.TI = ris.TI;
    r.StimaRapida = ris.StimaRapida;
    r.campo = v.Campo();
    ContestoCalcolo ctx;
    if (!IllumSoluzione(ctx, v.Ricerca(), p, r.campo.Apparecchi, r.campo.Griglia, r.illum, r.stat)) {
        r.errore = {1104, {"IllumSoluzione"}};
        r.ErrCalcolo = true;
        return r;
    }
    r.FattUtil = FattUtilStrada(r.illum, p, foto.FlussoLamp[static_cast<std::size_t>(p.LampCalc)]);
    // A figure that is not a number is a calculation error, never a result.
    const std::pair<const char*, double> figure[] = {{"Lm", r.Lm},           {"Uo", r.Uo},
                                                     {"Ul", r.Ul},           {"TI", r.TI},
                                                     {"EmCalc", r.stat.EmCalc}, {"EminCalc", r.stat.EminCalc},
                                                     {"EmaxCalc", r.stat.EmaxCalc}};
    for (const auto& [nome, x] : figure) {
        if (!std::isfinite(x)) {
            r.errore = {1111, {nome}};
            r.ErrCalcolo = true;
            return r;
        }
    }
    return r;
}

}  // namespace nottaro
