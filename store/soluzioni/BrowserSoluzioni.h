#pragma once
// The results browser without its window: the height/overhang filter, the 23
// selection criteria that keep the rows near the best value of a figure, and
// "Tutto". Works on an open road (NTRLUX) or path (NTRLUXA) solution table;
// every function applies the filter it builds to the table and returns it as
// the current filter text (FiltroCorrente), which the solution lists print.
#include <optional>
#include <string>
#include <vector>

#include "engine/sweep/RiepilogoSweep.h"
#include "store/TabellaDbf.h"

namespace nottaro {

// The choices above the grid: height and overhang as the texts shown in
// their lists ("" when none is chosen), the range in percent.
struct SceltaBrowser {
    std::string altezza;
    std::string sbraccio;
    double intervallo = 0;
};

// Texts of the height choice (list order) and of the overhang choice
// (ascending), in the general number format.
std::vector<std::string> TestiAltezze(const RiepilogoSweep& r);
std::vector<std::string> TestiSbracci(const RiepilogoSweep& r);

// "HPALO = '8'", "HPALO = '8' and SBRACCIO = '1.5'", "SBRACCIO = '1.5'" or "".
std::string TestoFiltroAltezzaSbraccio(const std::string& altezza, const std::string& sbraccio);

// Criterion of item 1..NumeroCriteri of the selection list: the field it
// ranks by and whether the best value is the largest. Items 22 and 23 rank
// by the power density DP and the energy indicator DE; a table written
// before those fields is then filtered by height and overhang only.
inline constexpr int NumeroCriteri = 23;
struct CriterioSelezione {
    const char* campo;
    bool massimo;
};
std::optional<CriterioSelezione> Criterio(int voce);

// "Filtro": applies the height/overhang filter; `filtroCorrente` takes it.
EsitoTabella FiltraAltezzaSbraccio(TabellaDbf& t, const SceltaBrowser& s, std::string& filtroCorrente);

// CercaMax / CercaMin: applies the height/overhang filter, takes the extreme
// m of `campo` over the rows it shows (starting from the first row's value;
// with no row shown, `riferimento` when given), and keeps the rows with
// campo >= m - r|m|/100 (largest) or campo <= m + r|m|/100 (smallest), r the
// range in percent, together with the height/overhang filter.
EsitoTabella CercaMax(TabellaDbf& t, const std::string& campo, const SceltaBrowser& s,
                      std::optional<double> riferimento, std::string& filtroCorrente);
EsitoTabella CercaMin(TabellaDbf& t, const std::string& campo, const SceltaBrowser& s,
                      std::optional<double> riferimento, std::string& filtroCorrente);

// Item `voce` of the selection list: 0 (the empty item) filters by height and
// overhang only, 1..NumeroCriteri run CercaMax/CercaMin on the criterion's field with
// the run summary's value of that field (if it has one) as the fallback.
EsitoTabella SelezionaCriterio(TabellaDbf& t, int voce, const SceltaBrowser& s, const RiepilogoSweep& r,
                               std::string& filtroCorrente);

// "Tutto": clears the choices and the range, shows every row.
void MostraTutto(TabellaDbf& t, SceltaBrowser& s, std::string& filtroCorrente);

}  // namespace nottaro
