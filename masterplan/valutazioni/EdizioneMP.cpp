#include "masterplan/valutazioni/EdizioneMP.h"

#include <cctype>
#include <string>
#include <vector>

#include "engine/comune/ClassiEdizione2015.h"
#include "engine/comune/IndicatoriEnergia.h"

namespace nottaro::mp {

namespace {

// "me3a" -> "M3", "ce1" -> "C1", "s2" -> "P2": the letter of the 2015 series
// and the class number; "" for a code without a number.
std::string Classe2015(const std::string& codice, char serie) {
    for (char ch : codice)
        if (std::isdigit(static_cast<unsigned char>(ch))) return std::string(1, serie) + ch;
    return {};
}

}  // namespace

RequisitiMP RequisitiEdizioneMP(const DatiRigaMP& d, const OpzioniMP& o, double& eirMin) {
    eirMin = 0;
    RequisitiMP r = d.Req;
    if (o.EdizioneEN != Edizione2015) return r;
    const std::string& k = d.ClasseRiga;
    if (r.Tipo == TipoRiga::Strada) {
        if (const ClasseM2015* c = TrovaClasseM2015(Classe2015(k, 'M'))) {
            const RequisitiLuminanza q = RequisitiDa(*c);
            r.LmMin = q.LmMin;
            r.UoMin = q.UoMin;
            r.UlMin = q.UlMin;
            r.TiMax = q.TiMax;
            eirMin = q.EirMin;
        }
        return r;
    }
    const bool conflitto = !k.empty() && k[0] == 'c';
    if (const ClasseE2015* c = TrovaClasseE2015(Classe2015(k, conflitto ? 'C' : 'P'))) {
        r.EmMin = c->EmMin;
        r.EminMin = c->EminMin;
        r.UeMin = c->UoMin * 100;
    }
    return r;
}

void IndicatoriMP(SoluzioneMP& c, double P, double spaziatura, double W, double Em, double wSx, double wDx,
                  const OpzioniMP& o) {
    std::vector<SottoArea> aree{{Em, spaziatura * W}};
    const double larghezze[2] = {wSx, wDx};
    for (int lato = 0; lato < 2; ++lato)
        if (c.Strisce[lato].Presente && larghezze[lato] > 0)
            aree.push_back({c.Strisce[lato].Em, spaziatura * larghezze[lato]});
    const IndicatoriEnergia ie = CalcolaIndicatori(P, aree, o.Profilo);
    c.Dp = ie.Dp;
    c.De = ie.De;
    c.HaIndicatori = true;
}

}  // namespace nottaro::mp
