#include "engine/progetto/VerdettiClasse.h"

#include <limits>

namespace nottaro {

const char* CampoCriterio(std::string_view criterio, bool percorso) {
    struct Voce {
        std::string_view criterio;
        const char* strada;
        const char* percorso;
    };
    static constexpr Voce voci[] = {{"Lm", "LUMINA", nullptr}, {"Uo", "UNIFG", "UO"}, {"Ul", "UNIFL", nullptr},
                                    {"TI", "TI", nullptr},     {"EIR", "EIR", nullptr}, {"Em", nullptr, "EM"},
                                    {"Emin", nullptr, "EMIN"}};
    for (const Voce& v : voci)
        if (v.criterio == criterio) return percorso ? v.percorso : v.strada;
    return nullptr;
}

std::vector<Criterio> GiudicaRiga(const RequisitiClasse& r, const LetturaCampo& campo) {
    const auto leggi = [&](const char* nome) {
        return campo(nome).value_or(std::numeric_limits<double>::quiet_NaN());
    };
    FigureGiudizio f;
    if (r.percorso) {
        f.Em = leggi("EM");
        f.Emin = leggi("EMIN");
    } else {
        f.strada = {leggi("LUMINA"), leggi("UNIFG"), leggi("UNIFL"), leggi("TI"),
                    r.edizione == Edizione2015 ? leggi("EIR") : 0};
    }
    return GiudicaClasse(r, f);
}

}  // namespace nottaro
