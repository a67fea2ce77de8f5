#include "core/state/LimitiValori.h"

#include <array>
#include <cmath>

#include "core/state/DisposizioniStrada.h"
#include "core/text/Testo.h"

namespace nottaro {
namespace {

using S = StatoProgetto;

constexpr double Grande = 1e9;      // money, energy and times: any real figure, never an overflow
constexpr double OreAnno = 8784;    // h in a leap year

// Most rows give only name, member and range; the rest take their defaults.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
const std::array<LimiteValore, 80> kLimiti{{
    {"DispPali", &S::DispPali, 0, DispPaliMax},
    {"ClassePav", &S::ClassePav, 0, 5},
    {"Deprezz", &S::Deprezz, 0, 1, true},
    {"LmMin", &S::LmMin, 0, 50},
    {"UoMin", &S::UoMin, 0, 100},
    {"UlMin", &S::UlMin, 0, 100},
    {"TiMax", &S::TiMax, 0, 100},
    {"HPalo", &S::HPalo, 1, 50, false, HPaloVariabile, "variable"},
    {"Sbraccio", &S::Sbraccio, -50, 50, false, SbraccioVariabile, "variable"},
    {"Inclina", &S::Inclina, -90, 90, false, InclinaVariabile, "variable"},
    {"Interdist", &S::Interdist, 1, 500, false, 0.0, "not set"},
    {"LargStrada", &S::LargStrada, 1, 100},
    {"NCorsie", &S::NCorsie, 1, 6},
    {"StepAlt", &S::StepAlt, 0.01, 50},
    {"StepInt", &S::StepInt, 0.01, 500},
    {"StepSbr", &S::StepSbr, 0.01, 100},
    {"StepAng", &S::StepAng, 0.01, 90},
    {"ErrLm", &S::ErrLm, 0, 1000},
    {"PrezzoAll", &S::PrezzoAll, 0, Grande},
    {"PrezzoApp", &S::PrezzoApp, 0, Grande},
    {"OreAcc", &S::OreAcc, 0, OreAnno},
    {"CostoE", &S::CostoE, 0, Grande},
    {"CostoM", &S::CostoM, 0, Grande},
    {"CoeffMorte", &S::CoeffMorte, 0, 1},
    {"IntAlt", &S::IntAlt, 0, 500},
    {"VitaImp", &S::VitaImp, 0, 200},
    {"LampW", &S::LampW, 0, 100000},
    {"LampLM", &S::LampLM, 0, Grande},
    {"LampT", &S::LampT, 0, Grande},
    {"LampCosto", &S::LampCosto, 0, Grande},
    {"NLampW", &S::NLampW, 0, 100000},
    {"NLampT", &S::NLampT, 0, Grande},
    {"NLampCosto", &S::NLampCosto, 0, Grande},
    {"DurataSAP", &S::DurataSAP, 0, Grande},
    {"DurataSBP", &S::DurataSBP, 0, Grande},
    {"DurataHID", &S::DurataHID, 0, Grande},
    {"DurataHG", &S::DurataHG, 0, Grande},
    {"CostoSAP", &S::CostoSAP, 0, Grande},
    {"CostoSBP", &S::CostoSBP, 0, Grande},
    {"CostoHID", &S::CostoHID, 0, Grande},
    {"CostoHG", &S::CostoHG, 0, Grande},
    {"SorgDurata", &S::SorgDurata, 0, Grande},
    {"SorgRiserva", &S::SorgRiserva, -Grande, Grande},
    {"SorgCosto", &S::SorgCosto, 0, Grande},
    {"CostoApp", &S::CostoApp, 0, Grande},
    {"CostoPalo", &S::CostoPalo, 0, Grande},
    {"CostoPlinto", &S::CostoPlinto, 0, Grande},
    {"CostoAccessori", &S::CostoAccessori, 0, Grande},
    {"CostoScavo", &S::CostoScavo, 0, Grande},
    {"CostoCavo", &S::CostoCavo, 0, Grande},
    {"CostoRiserva", &S::CostoRiserva, -Grande, Grande},
    {"PerditaPot", &S::PerditaPot, 0, 100},
    {"GrigliaEN", &S::GrigliaEN, 0, 1},
    {"NPtiCorsia", &S::NPtiCorsia, 1, 50},
    {"InterMaxGriglia", &S::InterMaxGriglia, 1, 500},
    {"NPtiCorsia2", &S::NPtiCorsia2, 1, 500},
    {"OssUNI", &S::OssUNI, 0, 1},
    {"TipoProgetto", &S::TipoProgetto, 0, 1},
    {"DispPaliA", &S::DispPaliA, 0, 6},
    {"DeprezzA", &S::DeprezzA, 0, 1, true},
    {"EmMin", &S::EmMin, 0, 500},
    {"EminMin", &S::EminMin, 0, 500},
    {"UeMin", &S::UeMin, 0, 100},
    {"HPaloA", &S::HPaloA, 1, 50, false, HPaloVariabile, "variable"},
    {"SbraccioA", &S::SbraccioA, -50, 50, false, SbraccioVariabile, "variable"},
    {"LargStradaA", &S::LargStradaA, 1, 100},
    {"InclinaA", &S::InclinaA, -90, 90, false, InclinaVariabile, "variable"},
    {"ErrEm", &S::ErrEm, 0, 1000},
    {"GrigliaPers", &S::GrigliaPers, 0, 1},
    {"NPtiX", &S::NPtiX, 0, 1000},
    {"NPtiY", &S::NPtiY, 0, 1000},
    {"TipoLimite", &S::TipoLimite, 0, 3},
    {"ValLimite", &S::ValLimite, 0, 500},
    {"EdizioneEN", &S::EdizioneEN, 0, 1},
    {"OrePiena", &S::OrePiena, 0, OreAnno},
    {"OreRid1", &S::OreRid1, 0, OreAnno},
    {"FrazRid1", &S::FrazRid1, 0, 1},
    {"OreRid2", &S::OreRid2, 0, OreAnno},
    {"FrazRid2", &S::FrazRid2, 0, 1},
    {"LargLaterale", &S::LargLaterale, 0, 100},
}};
#pragma GCC diagnostic pop

}  // namespace

double LimiteValore::Leggi(const StatoProgetto& s) const {
    return std::visit([&s](auto m) { return static_cast<double>(s.*m); }, membro);
}

void LimiteValore::Scrivi(StatoProgetto& s, double v) const {
    if (auto m = std::get_if<double S::*>(&membro)) s.**m = v;
    else s.*std::get<int S::*>(membro) = static_cast<int>(v);
}

bool LimiteValore::Ammesso(double v) const {
    if (!std::isfinite(v)) return false;
    if (sentinella && v == *sentinella) return true;
    return (minimoEscluso ? v > minimo : v >= minimo) && v <= massimo;
}

std::string LimiteValore::TestoIntervallo() const {
    std::string t = Intero() ? FormatoGenerale(minimo) + ".." + FormatoGenerale(massimo)
                             : std::string(minimoEscluso ? "(" : "[") + FormatoGenerale(minimo) + ", " +
                                   FormatoGenerale(massimo) + "]";
    if (sentinella) t += " or " + FormatoGenerale(*sentinella) + " (" + significato + ")";
    return t;
}

std::span<const LimiteValore> LimitiValori() { return kLimiti; }

const LimiteValore* TrovaLimite(std::string_view nome) {
    for (const LimiteValore& l : kLimiti)
        if (nome == l.nome) return &l;
    return nullptr;
}

MessaggioCatalogo VerificaLimite(const LimiteValore& l, double v) {
    if (l.Ammesso(v) && (!l.Intero() || v == std::floor(v))) return {};
    return {1110, {l.nome, std::isfinite(v) ? FormatoGenerale(v) : std::string(std::isnan(v) ? "nan" : "inf"),
                   l.TestoIntervallo()}};
}

MessaggioCatalogo VerificaLimiti(const StatoProgetto& s) {
    for (const LimiteValore& l : kLimiti)
        if (auto m = VerificaLimite(l, l.Leggi(s)); !m.Vuoto()) return m;
    return {};
}

}  // namespace nottaro
