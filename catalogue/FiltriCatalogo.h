#pragma once
// The six choice lists of the catalogue's filter panel and the filter text
// they make. Entry 0 of every list stands for "no filter"; the entries shown
// follow the language while the values compared stay the Italian texts the
// catalogue stores.
#include <array>
#include <string>
#include <vector>

namespace nottaro {

// Lists in the window's order, which is also the order of the clauses.
enum class ListaFiltro { Linea, Disposizione, Lampada, Potenza, Modello, Produttore };
inline constexpr int NumListeFiltro = 6;

struct VoceFiltro {
    std::string testo;   // shown
    std::string clausola;  // "(FIELD = 'value')"; empty for entry 0
};

using VociFiltro = std::vector<VoceFiltro>;

// Caption message of each list: 358, 395, 361, 290, 359, 357.
int MessaggioListaFiltro(ListaFiltro l);

// The six lists in the current language; the model and maker lists come
// from NTRProd1.dat and NTRProd0.dat (their first line is entry 0).
std::array<VociFiltro, NumListeFiltro> ListeFiltro(const std::vector<std::string>& modelli,
                                                   const std::vector<std::string>& produttori);

// Chosen entry of each list; -1 (a typed text matching no entry) and 0 do
// not filter.
using ScelteFiltro = std::array<int, NumListeFiltro>;

// The clauses of the lists standing on an entry n >= 1, joined with " AND "
// in list order, e.g. "(LINEA = 'Stradale') AND (POTENZAR = '70')"; empty
// when no list filters. Values are quoted with inner quotes doubled.
std::string TestoFiltro(const std::array<VociFiltro, NumListeFiltro>& liste, const ScelteFiltro& scelte);

// One clause FIELD = 'value' in brackets, the value quoted.
std::string Clausola(const std::string& campo, const std::string& valore);

}  // namespace nottaro
