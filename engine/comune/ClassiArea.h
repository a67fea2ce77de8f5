#pragma once
// Illuminance classes of cycle and pedestrian paths and what each requires.
#include <span>
#include <string_view>

namespace nottaro {

struct ClasseArea {
    std::string_view Nome;   // the class list's text, the same in every language
    double EmMin;            // lx, maintained average illuminance
    double EminMin;          // lx, minimum illuminance (S/P classes; 0 for CE/C)
    double UeMin;            // %, minimum Emin/Em (CE/C classes; 0 for S/P)
    bool ClasseS;            // S/P class: the second requirement is Emin, else Ue
};

// The twelve classes in list order: "P1 o S1" .. "P6 o S6", "C0 o CE0" .. "C5 o CE5".
std::span<const ClasseArea> ClassiArea();

// The class whose list text is nome, or nullptr.
const ClasseArea* TrovaClasseArea(std::string_view nome);

// Label of the second requirement: "Emin             lx" for S classes,
// " Ue               %" for CE classes.
std::string_view EtichettaSecondoRequisito(const ClasseArea& c);

}  // namespace nottaro
