#include "CatalogoProva.h"

#include <filesystem>
#include <fstream>

#include "core/text/Testo.h"
#include "store/TabellaDbf.h"

namespace nottaro::test {

bool ScriviCatalogo(const std::string& dirProg, const std::vector<RigaCatalogo>& righe) {
    TabellaDbf t;
    t.Collega(dirProg, "lightlist");
    if (!t.Crea() || !t.Apri()) return false;
    for (const RigaCatalogo& r : righe) {
        std::vector<ValoreCampo> v;
        for (const DefinizioneCampo& c : LayoutLightlist()) {
            const auto it = r.find(c.nome);
            const std::string testo = it == r.end() ? std::string() : it->second;
            if (c.tipo == TipoCampo::Numero && !testo.empty())
                v.emplace_back(ConvertiReale(testo).value_or(0.0));
            else
                v.emplace_back(testo);
        }
        if (!t.Aggiungi(v)) return false;
    }
    return true;
}

void ScriviFile(const std::string& percorso, const std::string& byte) {
    std::filesystem::create_directories(std::filesystem::path(percorso).parent_path());
    std::ofstream(percorso, std::ios::binary) << byte;
}

}  // namespace nottaro::test
