#pragma once
// The printed solution lists: the reduced list (A4 portrait, one line per
// solution) and the complete list (A4 landscape, a block per solution with
// the lamp data and the economic figures). Bands from a 10 mm margin: page
// header, the title on the first page, the column header, the rows, the
// footer with the date, on every page.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "report/StampaProgetto.h"
#include "store/schema/SchemaSoluzioni.h"

class QPagedPaintDevice;

namespace nottaro {

class TabellaDbf;

enum class TipoElenco { Ridotto, Completo };

// One solution row: every field the lists print, as printed (numbers to
// their stored decimal value, halves away from zero, with the decimals the
// row schema gives for lists; texts as stored), by the column it prints in: a
// path table's illuminances fill the columns of a road's luminance figures.
using RigaElenco = std::map<MembroRiga, std::string>;

// x to n decimals as its stored decimal text rounds (halves away from zero).
std::string CifraElenco(double x, int n);

// The rows the table's cursor shows (under its filter), in stored order.
std::vector<RigaElenco> RigheElenco(TabellaDbf& t);

struct OpzioniElenco {
    TipoElenco tipo = TipoElenco::Ridotto;
    bool percorso = false;     // Em, Uo, Emin, Emax in lx instead of Lm, Uo, Ul, Ti
    int lingua = 0;
    std::string data;          // footer date; empty: today's (or SOURCE_DATE_EPOCH's) in the language's short format
    int primaPagina = 0, ultimaPagina = 0;  // page range to print, 1-based; 0: from the first / to the last
};

// Rows on each page: the first page also holds the title band.
std::vector<int> RighePerPagina(TipoElenco tipo, std::size_t righe);

// The footer date text for `lingua`.
std::string DataPiede(int lingua);

// Prints the list on `dispositivo` (A4, portrait for the reduced list,
// landscape for the complete one).
EsitoStampa StampaElenco(QPagedPaintDevice& dispositivo, const std::vector<RigaElenco>& righe,
                         const OpzioniElenco& o, const AvanzamentoStampa& avanzamento = {});
// The same as a PDF (written beside `file` and renamed over it when whole).
EsitoStampa StampaElencoPdf(const std::string& file, const std::vector<RigaElenco>& righe, const OpzioniElenco& o,
                            const AvanzamentoStampa& avanzamento = {});

}  // namespace nottaro
