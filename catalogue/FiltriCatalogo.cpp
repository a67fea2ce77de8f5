#include "catalogue/FiltriCatalogo.h"

#include "core/i18n/Messaggi.h"
#include "store/FiltroTabella.h"

namespace nottaro {
namespace {

VociFiltro ConValori(const char* campo, const std::vector<std::pair<std::string, std::string>>& voci) {
    VociFiltro v{{"", ""}};
    for (const auto& [testo, valore] : voci) v.push_back({testo, Clausola(campo, valore)});
    return v;
}

VociFiltro DaFile(const char* campo, const std::vector<std::string>& righe) {
    VociFiltro v{{righe.empty() ? std::string() : righe[0], ""}};
    for (std::size_t i = 1; i < righe.size(); ++i) v.push_back({righe[i], Clausola(campo, righe[i])});
    return v;
}

}  // namespace

int MessaggioListaFiltro(ListaFiltro l) {
    static constexpr std::array<int, NumListeFiltro> messaggi{358, 395, 361, 290, 359, 357};
    return messaggi[static_cast<std::size_t>(l)];
}

std::string Clausola(const std::string& campo, const std::string& valore) {
    return "(" + campo + " = " + FiltroTabella::Quota(valore) + ")";
}

std::array<VociFiltro, NumListeFiltro> ListeFiltro(const std::vector<std::string>& modelli,
                                                   const std::vector<std::string>& produttori) {
    std::array<VociFiltro, NumListeFiltro> l;
    l[0] = ConValori("LINEA", {{Msg(405), "Stradale"},
                               {Msg(406), "Arredo Urbano in Stile"},
                               {Msg(407), "Arredo Urbano Moderno"}});
    l[1] = {{"", ""},
            {Msg(408), "(TESTAPALO = 'SI')"},
            {Msg(409), "(SBRACCIO = 'SI')"},
            {Msg(410), "(SOSPENSION = 'SI')"}};
    l[2] = ConValori("LAMPADA", {{Msg(7), "Sodio Alta Pressione"},
                                 {Msg(8), "Sodio Bassa Pressione"},
                                 {Msg(9), "Ioduri Metallici"},
                                 {Msg(404), "Fluorescenza"}});
    std::vector<std::pair<std::string, std::string>> potenze;
    for (const char* w : {"18", "24", "26", "35", "42", "50", "55", "70", "100", "150", "250", "400", "600"})
        potenze.emplace_back(w, w);
    l[3] = ConValori("POTENZAR", potenze);
    l[4] = DaFile("MODELLO", modelli);
    l[5] = DaFile("PRODUTTORE", produttori);
    return l;
}

std::string TestoFiltro(const std::array<VociFiltro, NumListeFiltro>& liste, const ScelteFiltro& scelte) {
    std::string testo;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const int n = scelte[i];
        if (n < 1 || static_cast<std::size_t>(n) >= liste[i].size()) continue;
        if (!testo.empty()) testo += " AND ";
        testo += liste[i][static_cast<std::size_t>(n)].clausola;
    }
    return testo;
}

}  // namespace nottaro
