#include "core/photometry/ProntoLampada.h"

#include "core/text/Testo.h"

namespace nottaro {

const char* PrefissoFamiglia(int famiglia) {
    static const char* const prefissi[] = {"SAP ", "SBP ", "HID ", "HQL ", "LED "};
    if (famiglia < 0 || famiglia > 4) famiglia = 0;
    return prefissi[famiglia];
}

bool ChiediLampadaSet0(Fotometria& foto, Interazione& ui) {
    DatiLampada d;
    d.LampTipo = foto.TipoLamp[0];
    d.LampWatt = foto.PotLamp[0];
    d.LampFlusso = foto.FlussoLamp[0];
    d.Famiglia = 0;
    if (!ui.ChiediDatiLampada(d)) return false;
    foto.FlussoLamp[0] = d.LampFlusso;
    foto.PotLamp[0] = d.LampWatt;
    foto.TipoLamp[0] = std::string(PrefissoFamiglia(d.Famiglia)) + FormatoGenerale(d.LampWatt);
    return true;
}

}  // namespace nottaro
