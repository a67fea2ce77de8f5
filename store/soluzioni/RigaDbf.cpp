#include "store/soluzioni/RigaDbf.h"

#include <array>
#include <utility>

namespace nottaro {
namespace {

using Figura = double FigureRiga::*;
using F = FigureRiga;

// INDICER .. POTENZALM, between the light figures and POTENZA.
constexpr std::array<std::pair<const char*, Figura>, 4> kIndici{
    {{"INDICER", &F::INDICER}, {"INDICEI", &F::INDICEI}, {"POTENZAM2", &F::POTENZAM2}, {"POTENZALM", &F::POTENZALM}}};
// NPALI .. BREAKEVEN, after FILELDT.
constexpr std::array<std::pair<const char*, Figura>, 22> kEconomia{{
    {"NPALI", &F::NPALI},           {"COSTONUOVO", &F::COSTONUOVO}, {"POTENZAKM", &F::POTENZAKM},
    {"KWHANNO", &F::KWHANNO},       {"SPESAEANNO", &F::SPESAEANNO}, {"COSTOTOT", &F::COSTOTOT},
    {"RISPIMPIAN", &F::RISPIMPIAN}, {"RISPIMPIAP", &F::RISPIMPIAP}, {"RISPMANUTE", &F::RISPMANUTE},
    {"RISPMANUTP", &F::RISPMANUTP}, {"RISPEANNO", &F::RISPEANNO},   {"RISPEANNOP", &F::RISPEANNOP},
    {"RISPE25ANN", &F::RISPE25ANN}, {"COSTOADEGU", &F::COSTOADEGU}, {"DELTAWKM", &F::DELTAWKM},
    {"DELTALMKM", &F::DELTALMKM},   {"DELTALMP", &F::DELTALMP},     {"DELTAKWHAN", &F::DELTAKWHAN},
    {"RISPEANNOA", &F::RISPEANNOA}, {"RISPEAP", &F::RISPEAP},       {"RISPMANUTA", &F::RISPMANUTA},
    {"BREAKEVEN", &F::BREAKEVEN},
}};

// Text cut to at most n characters (code points), as its fixed-width field holds it.
std::string Tronca(const std::string& s, std::size_t n) {
    std::size_t caratteri = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        // Count the first byte of every UTF-8 sequence.
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (caratteri == n) return s.substr(0, i);
            ++caratteri;
        }
    }
    return s;
}

std::vector<ValoreCampo> Valori(const DatiRiga& r, const double (&luce)[4]) {
    std::vector<ValoreCampo> v{static_cast<double>(r.NUM), r.HPALO, r.SBRACCIO, r.INTER, r.INCLINA,
                               luce[0], luce[1], luce[2], luce[3]};
    v.reserve(43);
    for (const auto& [nome, m] : kIndici) v.emplace_back(r.figure.*m);
    v.insert(v.end(), {r.POTENZA, r.LUMEN, Tronca(r.LAMPADA, 30), Tronca(r.CORPO, 80), Tronca(r.FILELDT, 80)});
    for (const auto& [nome, m] : kEconomia) v.emplace_back(r.figure.*m);
    return v;
}

bool Leggi(const TabellaDbf& t, DatiRiga& r, const char* const (&luce)[4], double* const (&dove)[4]) {
    bool ok = true;
    auto numero = [&](const char* campo, double& x) {
        const auto v = t.Numero(campo);
        ok = ok && v.has_value();
        x = v.value_or(0);
    };
    auto testo = [&](const char* campo, std::string& x) {
        auto v = t.Testo(campo);
        ok = ok && v.has_value();
        x = v.value_or("");
    };
    double num = 0;
    numero("NUM", num);
    r.NUM = static_cast<long long>(num);
    numero("HPALO", r.HPALO);
    numero("SBRACCIO", r.SBRACCIO);
    numero("INTER", r.INTER);
    numero("INCLINA", r.INCLINA);
    for (int k = 0; k < 4; ++k) numero(luce[k], *dove[k]);
    for (const auto& [nome, m] : kIndici) numero(nome, r.figure.*m);
    numero("POTENZA", r.POTENZA);
    numero("LUMEN", r.LUMEN);
    testo("LAMPADA", r.LAMPADA);
    testo("CORPO", r.CORPO);
    testo("FILELDT", r.FILELDT);
    for (const auto& [nome, m] : kEconomia) numero(nome, r.figure.*m);
    return ok;
}

// The fields added after the first 40: a table written before them reads
// them as 0 (not computed).
void LeggiAggiunti(const TabellaDbf& t, std::initializer_list<std::pair<const char*, double*>> campi) {
    for (const auto& [nome, dove] : campi) *dove = t.Numero(nome).value_or(0);
}

template <class Riga, class Lettore>
std::vector<Riga> TutteLeRighe(TabellaDbf& t, Lettore leggi) {
    std::vector<Riga> righe;
    for (bool ok = t.Primo(); ok; ok = t.Prossimo())
        if (auto r = leggi(t)) righe.push_back(std::move(*r));
    return righe;
}

}  // namespace

std::vector<ValoreCampo> ValoriDbf(const RigaStrada& r) {
    const double luce[4] = {r.LUMINA, r.UNIFG, r.UNIFL, r.TI};
    std::vector<ValoreCampo> v = Valori(r, luce);
    v.insert(v.end(), {r.EIR, r.DP, r.DE});
    return v;
}

std::vector<ValoreCampo> ValoriDbf(const RigaPercorso& r) {
    const double luce[4] = {r.EM, r.UO, r.EMIN, r.EMAX};
    std::vector<ValoreCampo> v = Valori(r, luce);
    v.insert(v.end(), {r.DP, r.DE});
    return v;
}

std::optional<RigaStrada> LeggiRigaStrada(const TabellaDbf& t) {
    RigaStrada r;
    if (!Leggi(t, r, {"LUMINA", "UNIFG", "UNIFL", "TI"}, {&r.LUMINA, &r.UNIFG, &r.UNIFL, &r.TI})) return std::nullopt;
    LeggiAggiunti(t, {{"EIR", &r.EIR}, {"DP", &r.DP}, {"DE", &r.DE}});
    return r;
}

std::optional<RigaPercorso> LeggiRigaPercorso(const TabellaDbf& t) {
    RigaPercorso r;
    if (!Leggi(t, r, {"EM", "UO", "EMIN", "EMAX"}, {&r.EM, &r.UO, &r.EMIN, &r.EMAX})) return std::nullopt;
    LeggiAggiunti(t, {{"DP", &r.DP}, {"DE", &r.DE}});
    return r;
}

std::vector<RigaStrada> LeggiRigheStrada(TabellaDbf& t) { return TutteLeRighe<RigaStrada>(t, LeggiRigaStrada); }
std::vector<RigaPercorso> LeggiRighePercorso(TabellaDbf& t) {
    return TutteLeRighe<RigaPercorso>(t, LeggiRigaPercorso);
}

RigheInTabella::RigheInTabella(TabellaDbf& tabella, TipoImpianto tipo) : tabella_(tabella), tipo_(tipo) {
    tabella_.RaccogliRighe(true);
}

RigheInTabella::~RigheInTabella() { tabella_.RaccogliRighe(false); }

bool RigheInTabella::CampiGiusti() const {
    if (!tabella_.Aperta()) return false;
    // A table of another layout (the other kind's, or one written by another program) would refuse every row.
    const Layout& atteso = tipo_ == TipoImpianto::Strada ? LayoutNTRLUX() : LayoutNTRLUXA();
    if (tabella_.Campi().size() != atteso.size()) return false;
    for (std::size_t i = 0; i < atteso.size(); ++i)
        if (tabella_.IndiceCampo(atteso[i].nome) != static_cast<int>(i) || tabella_.Campi()[i].tipo != atteso[i].tipo)
            return false;
    return true;
}

bool RigheInTabella::TabellaDiSoluzioni() const {
    if (!tabella_.Aperta()) return false;
    const Layout& atteso = tipo_ == TipoImpianto::Strada ? LayoutNTRLUX() : LayoutNTRLUXA();
    const auto& campi = tabella_.Campi();
    if (campi.empty() || campi.size() > atteso.size()) return false;
    for (std::size_t i = 0; i < campi.size(); ++i)
        if (tabella_.IndiceCampo(atteso[i].nome) != static_cast<int>(i) || campi[i].tipo != atteso[i].tipo)
            return false;
    return true;
}

std::string RigheInTabella::Aggiungi(const RigaStrada& r) { return tabella_.Aggiungi(ValoriDbf(r)).errore; }
std::string RigheInTabella::Aggiungi(const RigaPercorso& r) { return tabella_.Aggiungi(ValoriDbf(r)).errore; }

}  // namespace nottaro
