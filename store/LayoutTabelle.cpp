#include "store/LayoutTabelle.h"

#include <initializer_list>

namespace nottaro {
namespace {

DefinizioneCampo Num(const char* nome) { return {nome, TipoCampo::Numero, LarghezzaNumero, DecimaliNumero}; }
DefinizioneCampo Intero(const char* nome, int larghezza) { return {nome, TipoCampo::Numero, larghezza, 0}; }
DefinizioneCampo Txt(const char* nome, int larghezza) { return {nome, TipoCampo::Testo, larghezza, 0}; }

// Fields 19..40, shared by road and path rows (energy and cost figures).
void AggiungiEconomia(Layout& l) {
    for (const char* n : {"NPALI",      "COSTONUOVO", "POTENZAKM",  "KWHANNO",    "SPESAEANNO", "COSTOTOT",
                          "RISPIMPIAN", "RISPIMPIAP", "RISPMANUTE", "RISPMANUTP", "RISPEANNO",  "RISPEANNOP",
                          "RISPE25ANN", "COSTOADEGU", "DELTAWKM",   "DELTALMKM",  "DELTALMP",   "DELTAKWHAN",
                          "RISPEANNOA", "RISPEAP",    "RISPMANUTA", "BREAKEVEN"})
        l.push_back(Num(n));
}

Layout Soluzioni(std::initializer_list<const char*> fotometria) {
    // NUM counts rows (at most 65,000), so a whole-number field suffices.
    Layout l{Intero("NUM", 10), Num("HPALO"), Num("SBRACCIO"), Num("INTER"), Num("INCLINA")};
    for (const char* n : fotometria) l.push_back(Num(n));
    for (const char* n : {"INDICER", "INDICEI", "POTENZAM2", "POTENZALM", "POTENZA", "LUMEN"}) l.push_back(Num(n));
    l.push_back(Txt("LAMPADA", 30));
    l.push_back(Txt("CORPO", 80));
    l.push_back(Txt("FILELDT", 80));
    AggiungiEconomia(l);
    return l;
}

// Letter case in ASCII only, whatever the C library's locale.
std::string Minuscolo(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

// Fields added after the first 40 go at the end: a table written before
// them keeps its fields in place and still reads.
Layout ConAggiunti(Layout l, std::initializer_list<const char*> aggiunti) {
    for (const char* n : aggiunti) l.push_back(Num(n));
    return l;
}

}  // namespace

const Layout& LayoutNTRLUX() {
    static const Layout l = ConAggiunti(Soluzioni({"LUMINA", "UNIFG", "UNIFL", "TI"}), {"EIR", "DP", "DE"});
    return l;
}

const Layout& LayoutNTRLUXA() {
    static const Layout l = ConAggiunti(Soluzioni({"EM", "UO", "EMIN", "EMAX"}), {"DP", "DE"});
    return l;
}

const Layout& LayoutLightlist() {
    // Whole numbers of the catalogue are 16-bit values: 6 characters hold
    // -32768..32767.
    static const Layout l{
        Txt("PRODUTTORE", 25), Txt("LINEA", 25),      Txt("RIFLETTORE", 15), Txt("MODELLO", 20),
        Txt("POSLAMP", 15),    Txt("NOMEAPP", 75),    Txt("NUMAPP", 40),     Txt("NOMEFILE", 60),
        Txt("DFF", 5),         Txt("LORL", 5),        Txt("LAMPADA", 22),    Txt("TIPOLAMP", 25),
        Txt("LUMEN", 6),       Txt("RESAC", 4),       Txt("COLORELAMP", 2),  Txt("POTENZA", 5),
        Txt("FILEFOTO", 20),   Txt("IMAX", 4),        Txt("MATCORPO", 30),   Intero("IPVL", 6),
        Intero("IPVA", 6),     Txt("CLASSEI", 6),     Txt("TESTAPALO", 2),   Intero("TESTATILT", 6),
        Txt("SBRACCIO", 2),    Txt("SBRTILT", 2),     Txt("SOSPENSION", 2),  Txt("VENTO", 10),
        Txt("MATRIFLE", 35),   Txt("MATDIFFUS", 25),  Txt("ATTACCO", 10),    Intero("POTENZAR", 6),
        Txt("MARCHI", 21)};
    return l;
}

const Layout* LayoutPerTabella(std::string_view nomeTabella) {
    const std::string n = Minuscolo(nomeTabella);
    if (n == "ntrlux") return &LayoutNTRLUX();
    if (n == "ntrluxa") return &LayoutNTRLUXA();
    if (n == "lightlist") return &LayoutLightlist();
    return nullptr;
}

}  // namespace nottaro
