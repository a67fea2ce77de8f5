#pragma once
// Rows for the solution tables built from a few figures, so tests can state
// what each row holds without listing 40 values.
#include <string>
#include <vector>

#include "store/LayoutTabelle.h"

namespace nottaro::test {

// A row of `layout` whose numeric fields hold `base` + field index / 100,
// with NUM, HPALO and SBRACCIO set as given and each text field holding `testo`.
inline std::vector<ValoreCampo> RigaSoluzione(const Layout& layout, double num, double hpalo, double sbraccio,
                                              double base = 1.0, const std::string& testo = "SAP 70W") {
    std::vector<ValoreCampo> r;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (layout[i].tipo == TipoCampo::Testo)
            r.emplace_back(testo);
        else if (layout[i].nome == "NUM")
            r.emplace_back(num);
        else if (layout[i].nome == "HPALO")
            r.emplace_back(hpalo);
        else if (layout[i].nome == "SBRACCIO")
            r.emplace_back(sbraccio);
        else
            r.emplace_back(base + static_cast<double>(i) / 100.0);
    }
    return r;
}

}  // namespace nottaro::test
