// nottaro-cli list-report TABLE.dbf --kind reduced|complete [--filter EXPR]
//     [--project-kind road|path] --out FILE.pdf [--lang it|en|fr|de|es]
// Prints the solution list of a road or path solution table as a PDF: the
// reduced list (portrait, one line per solution) or the complete one
// (landscape, with lamp data and economic figures), the rows the filter
// leaves in stored order. The kind of project follows the table's columns
// (a path's illuminances, not a road's luminances) unless --project-kind
// says it. Lists of 100 pages and more report their progress on stderr.
// Exit status: 0 written, 1 bad input (table, filter, option; nothing written).
#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>

#include "cli/AmbienteStampa.h"
#include "cli/Comando.h"
#include "core/files/StessoFile.h"
#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"
#include "report/ElencoSoluzioni.h"
#include "store/TabellaDbf.h"
#include "store/schema/SchemaSoluzioni.h"

namespace {

using namespace nottaro;

struct OpzioniElencoCli {
    std::string tabella, tipo, filtro, progetto, uscita, lingua;
};

constexpr const char* Prefisso = "nottaro-cli list-report: ";

int Errore(const std::string& testo) {
    std::cerr << Prefisso << testo << "\n";
    return 1;
}

int Esegui(const OpzioniElencoCli& o) {
    const auto lingua = cli::LinguaReport(o.lingua);
    if (!lingua) return Errore("unknown language \"" + o.lingua + "\" (use it, en, fr, de or es)");
    ImpostaLinguaCatalogo(*lingua);
    OpzioniElenco opz;
    opz.lingua = *lingua;
    opz.tipo = o.tipo == "complete" ? TipoElenco::Completo : TipoElenco::Ridotto;
    if (!IngressoUguale(o.uscita, {o.tabella}).empty())
        return Errore(o.uscita + " is the table itself: choose another output name");
    TabellaDbf t;
    t.CollegaFile(o.tabella);
    const auto aperta = t.Apri(true);
    if (!aperta) return Errore(aperta.errore);
    if (!aperta.avviso.empty()) std::cerr << Prefisso << "warning: " << aperta.avviso << "\n";
    // The table's own columns say what it holds, whatever its file is called.
    opz.percorso = o.progetto.empty() ? CampiDiPercorso(t.Campi()) : o.progetto == "path";
    if (auto e = t.ImpostaFiltro(o.filtro); !e) return Errore(e.errore);
    t.AttivaFiltro(true);
    const std::vector<RigaElenco> righe = RigheElenco(t);
    t.Chiudi();
    cli::AmbienteStampa ambiente;
    if (righe.empty()) std::cerr << Prefisso << Msg(2536, *lingua) << "\n";
    // A long list takes minutes: say how far it is, about every 2 %.
    int ultimo = -1;
    const EsitoStampa e = StampaElencoPdf(o.uscita, righe, opz, [&ultimo, &lingua](int pagina, int pagine) {
        const int passo = std::max(1, pagine / 50);
        if (pagine >= 100 && (pagina % passo == 0 || pagina == pagine) && pagina != ultimo) {
            ultimo = pagina;
            std::cerr << Prefisso << ConArgomenti(Msg(1712, *lingua), {std::to_string(pagina), std::to_string(pagine)})
                      << "\n";
        }
        return true;
    });
    if (!e.ok) return Errore(e.errore);
    if (const std::string a = AvvisoTestiTagliati(e.testiTagliati, *lingua); !a.empty()) std::cerr << Prefisso << a << "\n";
    return 0;
}

cli::RegistraComando reg("list-report", [](CLI::App& app, int& esito) {
    auto o = std::make_shared<OpzioniElencoCli>();
    auto* sub = app.add_subcommand("list-report", "Print the reduced or complete solution list of a table as a PDF");
    sub->add_option("table", o->tabella, "Solution table (ntrlux.dbf or ntrluxa.dbf)")->required();
    sub->add_option("--kind", o->tipo, "reduced or complete")->required()->check(CLI::IsMember({"reduced", "complete"}));
    sub->add_option("--filter", o->filtro, "Filter such as \"HPALO = '8' and INTER >= '27'\"");
    sub->add_option("--project-kind", o->progetto, "road or path (default: from the table's columns)")
        ->check(CLI::IsMember({"road", "path"}));
    sub->add_option("--out", o->uscita, "PDF file to write")->required();
    sub->add_option("--lang", o->lingua, "Language of the list: it, en, fr, de, es (default: ntr.cfg, else it)");
    sub->callback([o, &esito] { esito = Esegui(*o); });
});

}  // namespace
