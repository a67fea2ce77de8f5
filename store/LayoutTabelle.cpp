#include "store/LayoutTabelle.h"

#include "store/schema/SchemaSoluzioni.h"

namespace nottaro {
namespace {

DefinizioneCampo Intero(const char* nome, int larghezza) { return {nome, TipoCampo::Numero, larghezza, 0}; }
DefinizioneCampo Txt(const char* nome, int larghezza) { return {nome, TipoCampo::Testo, larghezza, 0}; }

// Letter case in ASCII only, whatever the C library's locale.
std::string Minuscolo(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

}  // namespace

const Layout& LayoutNTRLUX() {
    static const Layout l = LayoutSchema(SchemaStrada());
    return l;
}

const Layout& LayoutNTRLUXA() {
    static const Layout l = LayoutSchema(SchemaPercorso());
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
