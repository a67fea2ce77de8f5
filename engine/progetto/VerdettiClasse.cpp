#include "engine/progetto/VerdettiClasse.h"

#include <limits>

namespace nottaro {

std::vector<Criterio> GiudicaRiga(const RequisitiClasse& r, const LetturaFigura& figura) {
    const auto leggi = [&](std::string_view criterio) {
        return figura(criterio).value_or(std::numeric_limits<double>::quiet_NaN());
    };
    FigureGiudizio f;
    if (r.percorso) {
        f.Em = leggi("Em");
        f.Emin = leggi("Emin");
    } else {
        f.strada = {leggi("Lm"), leggi("Uo"), leggi("Ul"), leggi("TI"), r.edizione == Edizione2015 ? leggi("EIR") : 0};
    }
    return GiudicaClasse(r, f);
}

}  // namespace nottaro
