#include "store/soluzioni/BrowserSoluzioni.h"

#include <algorithm>
#include <cmath>

#include "core/text/Testo.h"
#include "store/FiltroTabella.h"
#include "store/schema/SchemaSoluzioni.h"

namespace nottaro {
namespace {

std::optional<double> ValoreRiepilogo(const std::string& campo, const RiepilogoSweep& r) {
    const CampoSoluzione* c = CercaCampo(SchemaStrada(), campo);
    if (!c) return std::nullopt;
    switch (c->membro) {
        case MembroRiga::INTER: return r.MaxInter;
        case MembroRiga::INDICER: return r.MaxRapporto;
        case MembroRiga::INDICEI: return r.MinPotMetro;
        case MembroRiga::POTENZAKM: return r.MinPotKm;
        case MembroRiga::NPALI: return r.MinPali;
        case MembroRiga::RISPMANUTE: return r.MaxRispManut;
        case MembroRiga::RISPMANUTA: return r.MaxRispManutA;
        case MembroRiga::BREAKEVEN: return r.MinPareggio;
        default: return std::nullopt;
    }
}

EsitoTabella Applica(TabellaDbf& t, const std::string& testo, std::string& filtroCorrente) {
    EsitoTabella e = t.ImpostaFiltro(testo);
    t.AttivaFiltro(true);
    filtroCorrente = e ? testo : std::string();
    return e;
}

EsitoTabella Cerca(TabellaDbf& t, const std::string& campo, bool massimo, const SceltaBrowser& s,
                   std::optional<double> riferimento, std::string& filtroCorrente) {
    const std::string base = TestoFiltroAltezzaSbraccio(s.altezza, s.sbraccio);
    if (EsitoTabella e = Applica(t, base, filtroCorrente); !e) return e;
    std::optional<double> m;
    for (std::size_t i = 0; i < t.NumeroRighe(); ++i) {
        const std::optional<double> v = t.NumeroRiga(i, campo);
        if (!v) continue;
        if (!m || (massimo ? *v > *m : *v < *m)) m = *v;
    }
    if (!m) m = riferimento;
    if (!m) return Applica(t, base, filtroCorrente);
    // The range widens (or, negative, narrows) by a share of the extreme's size,
    // so negative savings and break-even years behave like positive ones.
    const double delta = s.intervallo * std::fabs(*m) / 100.0;
    const double soglia = massimo ? *m - delta : *m + delta;
    std::string testo = base.empty() ? std::string() : base + " and ";
    testo += campo + (massimo ? " >= " : " <= ") + FiltroTabella::Quota(FormatoGenerale(soglia));
    return Applica(t, testo, filtroCorrente);
}

}  // namespace

std::vector<std::string> TestiAltezze(const RiepilogoSweep& r) {
    std::vector<std::string> v;
    for (double h : r.ListaAltezze) v.push_back(FormatoGenerale(h));
    return v;
}

std::vector<std::string> TestiSbracci(const RiepilogoSweep& r) {
    std::vector<double> o = r.ListaSbracci;
    std::sort(o.begin(), o.end());
    std::vector<std::string> v;
    for (double x : o) v.push_back(FormatoGenerale(x));
    return v;
}

std::string TestoFiltroAltezzaSbraccio(const std::string& altezza, const std::string& sbraccio) {
    std::string t;
    if (!altezza.empty()) t = std::string(NomeCampo(MembroRiga::HPALO)) + " = " + FiltroTabella::Quota(altezza);
    if (!sbraccio.empty())
        t += (t.empty() ? "" : " and ") + std::string(NomeCampo(MembroRiga::SBRACCIO)) + " = " + FiltroTabella::Quota(sbraccio);
    return t;
}

std::optional<CriterioSelezione> Criterio(int voce) {
    using M = MembroRiga;
    struct Voce {
        MembroRiga membro;
        bool massimo;
    };
    static constexpr Voce voci[NumeroCriteri] = {
        {M::INTER, true},       {M::INDICER, true},     {M::INDICEI, false},    {M::POTENZAM2, false},
        {M::NPALI, false},      {M::COSTONUOVO, false}, {M::POTENZAKM, false},  {M::KWHANNO, false},
        {M::SPESAEANNO, false}, {M::COSTOTOT, false},   {M::RISPIMPIAN, true},  {M::RISPMANUTE, true},
        {M::RISPEANNO, true},   {M::RISPE25ANN, true},  {M::COSTOADEGU, false}, {M::DELTAWKM, true},
        {M::DELTALMKM, true},   {M::DELTAKWHAN, true},  {M::RISPEANNOA, true},  {M::RISPMANUTA, true},
        {M::BREAKEVEN, false},  {M::DP, false},         {M::DE, false}};
    if (voce < 1 || voce > NumeroCriteri) return std::nullopt;
    const Voce& v = voci[voce - 1];
    return CriterioSelezione{NomeCampo(v.membro), v.massimo};
}

EsitoTabella FiltraAltezzaSbraccio(TabellaDbf& t, const SceltaBrowser& s, std::string& filtroCorrente) {
    return Applica(t, TestoFiltroAltezzaSbraccio(s.altezza, s.sbraccio), filtroCorrente);
}

EsitoTabella CercaMax(TabellaDbf& t, const std::string& campo, const SceltaBrowser& s,
                      std::optional<double> riferimento, std::string& filtroCorrente) {
    return Cerca(t, campo, true, s, riferimento, filtroCorrente);
}

EsitoTabella CercaMin(TabellaDbf& t, const std::string& campo, const SceltaBrowser& s,
                      std::optional<double> riferimento, std::string& filtroCorrente) {
    return Cerca(t, campo, false, s, riferimento, filtroCorrente);
}

EsitoTabella SelezionaCriterio(TabellaDbf& t, int voce, const SceltaBrowser& s, const RiepilogoSweep& r,
                               std::string& filtroCorrente) {
    const std::optional<CriterioSelezione> c = Criterio(voce);
    if (!c) return FiltraAltezzaSbraccio(t, s, filtroCorrente);
    const std::string campo = c->campo;
    return Cerca(t, campo, c->massimo, s, ValoreRiepilogo(campo, r), filtroCorrente);
}

void MostraTutto(TabellaDbf& t, SceltaBrowser& s, std::string& filtroCorrente) {
    s = SceltaBrowser{};
    filtroCorrente.clear();
    t.ImpostaFiltro("");
    t.AttivaFiltro(true);
}

}  // namespace nottaro
