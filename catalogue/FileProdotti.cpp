#include "catalogue/FileProdotti.h"

#include "core/files/ListaFile.h"

namespace nottaro {

bool LeggiFileProdotti(const std::string& percorso, std::vector<std::string>& righe) {
    std::vector<std::string> lette;
    if (!LeggiListaNtr(percorso, lette)) return false;
    while (lette.size() > 1 && lette.back().empty()) lette.pop_back();
    righe = std::move(lette);
    return true;
}

DatiProdotti LeggiDatiProdotti(const std::string& dirProg) {
    DatiProdotti d;
    auto leggi = [&dirProg](const char* nome, std::vector<std::string>& righe) {
        const std::string percorso = FileInCartella(dirProg, nome);
        return !percorso.empty() && LeggiFileProdotti(percorso, righe);
    };
    if (!leggi("NTRProd0.dat", d.produttori) || d.produttori.empty()) d.produttori = {""};
    if (!leggi("NTRProd1.dat", d.modelli) || d.modelli.empty()) d.modelli = {""};
    if (leggi("NTRProd2.dat", d.nomiProduttori) && d.nomiProduttori.size() == 1 && d.nomiProduttori[0].empty())
        d.nomiProduttori.clear();
    return d;
}

std::string LineaProduttore(const std::vector<std::string>& nomiProduttori, const std::string& produttore) {
    if (produttore.empty()) return produttore;
    for (const std::string& linea : nomiProduttori)
        if (linea.find(produttore) != std::string::npos) return linea;
    return produttore;
}

}  // namespace nottaro
