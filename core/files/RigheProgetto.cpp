#include "core/files/RigheProgetto.h"

#include <array>

#include "core/text/Testo.h"

namespace nottaro {

namespace {

using S = StatoProgetto;

bool Cifra(char c, char massima) { return c >= '0' && c <= massima; }

// One class of the area lists: P1..P6, S1..S6, C0..C5, CE0..CE5 (any case).
bool ClasseAreaSingola(std::string_view t) {
    std::string m = Minuscole(Trim(t));
    if (m.size() == 2 && (m[0] == 'p' || m[0] == 's')) return Cifra(m[1], '6') && m[1] != '0';
    if (m.size() == 2 && m[0] == 'c') return Cifra(m[1], '5');
    if (m.size() == 3 && m[0] == 'c' && m[1] == 'e') return Cifra(m[2], '5');
    return false;
}

// Empty (no path class chosen yet), one class, or a list item "X o Y".
bool NomeClasseAreaValido(std::string_view t) {
    if (Trim(t).empty()) return true;
    const std::size_t o = t.find(" o ");
    if (o == std::string_view::npos) return ClasseAreaSingola(t);
    return ClasseAreaSingola(t.substr(0, o)) && ClasseAreaSingola(t.substr(o + 3));
}

// Empty, or a lower-case code of the road and area classes: m1..m6 and
// me1..me6 (with an a/b/c variant), s/p1..6, c/ce0..5.
bool CodiceClasseValido(std::string_view t) {
    const std::string c(Trim(t));
    if (c.empty()) return true;
    if (ClasseAreaSingola(c)) return c == Minuscole(c);
    std::size_t i = 0;
    if (c.rfind("me", 0) == 0) i = 2;
    else if (c.rfind("m", 0) == 0) i = 1;
    else return false;
    if (i >= c.size() || !Cifra(c[i], '6') || c[i] == '0') return false;
    ++i;
    return i == c.size() || (i + 1 == c.size() && c[i] >= 'a' && c[i] <= 'c');
}

const std::array<RigaProgetto, 59> kBase{{
    {"DispPali", &S::DispPali},             // 2
    {"ClassePav", &S::ClassePav},           // 3
    {"Deprezz", &S::Deprezz},               // 4
    {"LmMin", &S::LmMin},                   // 5
    {"UoMin", &S::UoMin},                   // 6
    {"UlMin", &S::UlMin},                   // 7
    {"TiMax", &S::TiMax},                   // 8
    {"HPalo", &S::HPalo},                   // 9
    {"Sbraccio", &S::Sbraccio},             // 10
    {"Inclina", &S::Inclina},               // 11
    {"Interdist", &S::Interdist},           // 12
    {"LargStrada", &S::LargStrada},         // 13
    {"NCorsie", &S::NCorsie},               // 14
    {"StepAlt", &S::StepAlt},               // 15
    {"StepInt", &S::StepInt},               // 16
    {"StepSbr", &S::StepSbr},               // 17
    {"StepAng", &S::StepAng},               // 18
    {"ErrLm", &S::ErrLm},                   // 19
    {"PrezzoAll", &S::PrezzoAll},           // 20
    {"PrezzoApp", &S::PrezzoApp},           // 21
    {"OreAcc", &S::OreAcc},                 // 22
    {"CostoE", &S::CostoE},                 // 23
    {"CostoM", &S::CostoM},                 // 24
    {"CoeffMorte", &S::CoeffMorte},         // 25
    {"IntAlt", &S::IntAlt},                 // 26
    {"IntAltRapp", &S::IntAltRapp},         // 27
    {"TutteLampade", &S::TutteLampade},     // 28
    {"VitaImp", &S::VitaImp},               // 29
    {"LampW", &S::LampW},                   // 30
    {"LampLM", &S::LampLM},                 // 31
    {"LampT", &S::LampT},                   // 32
    {"LampCosto", &S::LampCosto},           // 33
    {"NLampW", &S::NLampW},                 // 34
    {"NLampT", &S::NLampT},                 // 35
    {"NLampCosto", &S::NLampCosto},         // 36
    {"DurataSAP", &S::DurataSAP},           // 37
    {"DurataSBP", &S::DurataSBP},           // 38
    {"DurataHID", &S::DurataHID},           // 39
    {"DurataHG", &S::DurataHG},             // 40
    {"CostoSAP", &S::CostoSAP},             // 41
    {"CostoSBP", &S::CostoSBP},             // 42
    {"CostoHID", &S::CostoHID},             // 43
    {"CostoHG", &S::CostoHG},               // 44
    {"SorgDurata", &S::SorgDurata},         // 45
    {"SorgRiserva", &S::SorgRiserva},       // 46
    {"SorgCosto", &S::SorgCosto},           // 47
    {"CostoApp", &S::CostoApp},             // 48
    {"CostoPalo", &S::CostoPalo},           // 49
    {"CostoPlinto", &S::CostoPlinto},       // 50
    {"CostoAccessori", &S::CostoAccessori}, // 51
    {"CostoScavo", &S::CostoScavo},         // 52
    {"CostoCavo", &S::CostoCavo},           // 53
    {"CostoRiserva", &S::CostoRiserva},     // 54
    {"PerditaPot", &S::PerditaPot},         // 55
    {"ChiediLampada", &S::ChiediLampada},   // 56
    {"GrigliaEN", &S::GrigliaEN},           // 57
    {"NPtiCorsia", &S::NPtiCorsia},         // 58
    {"InterMaxGriglia", &S::InterMaxGriglia}, // 59
    {"NPtiCorsia2", &S::NPtiCorsia2},       // 60
}};

const RigaProgetto kOssUNI{"OssUNI", &S::OssUNI};  // 61

const std::array<RigaProgetto, 13> kTesti{{
    {"PrjRiga1", &S::PrjRiga1},             // 62
    {"PrjRiga2", &S::PrjRiga2},             // 63
    {"PrjRiga3", &S::PrjRiga3},             // 64
    {"PrjRiga4", &S::PrjRiga4},             // 65
    {"PrjRiga5", &S::PrjRiga5},             // 66
    {"PrjDescr", TestoCodificato{&S::PrjDescr}}, // 67
    {"FotoImpianto", &S::FotoImpianto},     // 68
    {"FotoApp", &S::FotoApp},               // 69
    {"SolLumen", &S::SolLumen},             // 70
    {"SolPotenza", &S::SolPotenza},         // 71
    {"SolLampada", &S::SolLampada},         // 72
    {"CatNomeFile", &S::CatNomeFile},       // 73
    {"FileFoto", &S::FileFoto},             // 74
}};

const std::array<RigaProgetto, 15> kCicloPedonale{{
    {"TipoProgetto", &S::TipoProgetto},     // 75
    {"DispPaliA", &S::DispPaliA},           // 76
    {"DeprezzA", &S::DeprezzA},             // 77
    {"EmMin", &S::EmMin},                   // 78
    {"EminMin", &S::EminMin},               // 79
    {"UeMin", &S::UeMin},                   // 80
    {"HPaloA", &S::HPaloA},                 // 81
    {"ClasseA", TestoScelto{&S::ClasseA, NomeClasseAreaValido, "a path class name"}}, // 82
    {"SbraccioA", &S::SbraccioA},           // 83
    {"LargStradaA", &S::LargStradaA},       // 84
    {"InclinaA", &S::InclinaA},             // 85
    {"ErrEm", &S::ErrEm},                   // 86
    {"GrigliaPers", &S::GrigliaPers},       // 87
    {"NPtiX", &S::NPtiX},                   // 88
    {"NPtiY", &S::NPtiY},                   // 89
}};

const std::array<RigaProgetto, 8> kFacoltative{{
    {"CodClasse", TestoScelto{&S::CodClasse, CodiceClasseValido, "a road class code"}},  // 90
    {"EdizioneEN", &S::EdizioneEN},  // 91
    {"OrePiena", &S::OrePiena},      // 92
    {"OreRid1", &S::OreRid1},        // 93
    {"FrazRid1", &S::FrazRid1},      // 94
    {"OreRid2", &S::OreRid2},        // 95
    {"FrazRid2", &S::FrazRid2},      // 96
    {"LargLaterale", &S::LargLaterale},  // 97
}};

}  // namespace

std::span<const RigaProgetto> RigheBase() { return kBase; }
const RigaProgetto& RigaOssUNI() { return kOssUNI; }
std::span<const RigaProgetto> RigheTesti() { return kTesti; }
std::span<const RigaProgetto> RigheCicloPedonale() { return kCicloPedonale; }
std::span<const RigaProgetto> RigheFacoltative() { return kFacoltative; }

}  // namespace nottaro
