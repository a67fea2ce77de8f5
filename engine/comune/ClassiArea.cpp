#include "engine/comune/ClassiArea.h"

#include <array>

namespace nottaro {

namespace {

constexpr std::array<ClasseArea, 12> kClassi{{
    {"P1 o S1", 15, 5, 0, true},
    {"P2 o S2", 10, 3, 0, true},
    {"P3 o S3", 7.5, 1.5, 0, true},
    {"P4 o S4", 5, 1, 0, true},
    {"P5 o S5", 3, 0.6, 0, true},
    // The lowest S/P class of the European road lighting standard.
    {"P6 o S6", 2, 0.4, 0, true},
    {"C0 o CE0", 50, 0, 40, false},
    {"C1 o CE1", 30, 0, 40, false},
    {"C2 o CE2", 20, 0, 40, false},
    {"C3 o CE3", 15, 0, 40, false},
    {"C4 o CE4", 10, 0, 40, false},
    {"C5 o CE5", 7.5, 0, 40, false},
}};

}  // namespace

std::span<const ClasseArea> ClassiArea() { return kClassi; }

const ClasseArea* TrovaClasseArea(std::string_view nome) {
    for (const auto& c : kClassi)
        if (c.Nome == nome) return &c;
    return nullptr;
}

std::string_view EtichettaSecondoRequisito(const ClasseArea& c) {
    return c.ClasseS ? "Emin             lx" : " Ue               %";
}

}  // namespace nottaro
