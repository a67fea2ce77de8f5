#include "store/schema/SchemaSoluzioni.h"

namespace nottaro {
namespace {

using M = MembroRiga;

// Width and decimals of every floating-point field: 20 characters with 8
// decimals hold magnitudes up to 9,999,999,999 (costs and lumens per km,
// break-even years) and keep ratios such as W/(m2 x lx) with their
// significant figures.
constexpr int LarghezzaNumero = 20;
constexpr int DecimaliNumero = 8;

// A floating-point figure.
CampoSoluzione Num(M m, const char* nome, int titolo, std::string_view unita, int mostrati, int elenco) {
    return {m, nome, TipoCampo::Numero, LarghezzaNumero, DecimaliNumero, titolo, unita, false, mostrati, elenco};
}
// A fixed-width text, printed as stored.
CampoSoluzione Txt(M m, const char* nome, int larghezza, int titolo) {
    return {m, nome, TipoCampo::Testo, larghezza, 0, titolo, {}, false, ComeRegistrato, 0};
}

// The fields before the light figures: NUM counts rows (at most 65,000), so
// a whole-number field suffices.
SchemaRiga Geometria() {
    return {{M::NUM, "NUM", TipoCampo::Numero, 10, 0, 0, {}, false, ComeRegistrato, 0},
            Num(M::HPALO, "HPALO", 279, "m", ComeRegistrato, 2),
            Num(M::SBRACCIO, "SBRACCIO", 279, "m", ComeRegistrato, 2),
            Num(M::INTER, "INTER", 2200, "m", 2, 2),
            Num(M::INCLINA, "INCLINA", 280, "\xc2\xb0", ComeRegistrato, 2)};
}

// The fields after the light figures, up to the 40th: indices, lamp, texts,
// energy and cost figures, shared by road and path rows. `titoloPotenzaLm`:
// the power per unit of light is per cd on a road, per lx on a path.
void Resto(SchemaRiga& s, int titoloPotenzaLm, std::string_view unitaPotenzaLm) {
    const CampoSoluzione resto[] = {
        Num(M::INDICER, "INDICER", 286, {}, ComeRegistrato, 2),
        Num(M::INDICEI, "INDICEI", 287, "W/m", ComeRegistrato, 2),
        Num(M::POTENZAM2, "POTENZAM2", 288, "W/m\xc2\xb2", ComeRegistrato, NonStampato),
        Num(M::POTENZALM, "POTENZALM", titoloPotenzaLm, unitaPotenzaLm, ComeRegistrato, NonStampato),
        Num(M::POTENZA, "POTENZA", 290, "W", ComeRegistrato, 2),
        Num(M::LUMEN, "LUMEN", 291, "lm", ComeRegistrato, 0),
        Txt(M::LAMPADA, "LAMPADA", 30, 292),
        Txt(M::CORPO, "CORPO", 80, 2201),
        Txt(M::FILELDT, "FILELDT", 80, 294),
        Num(M::NPALI, "NPALI", 295, "1/km", ComeRegistrato, 0),
        Num(M::COSTONUOVO, "COSTONUOVO", 296, "\xe2\x82\xac/km", ComeRegistrato, 2),
        Num(M::POTENZAKM, "POTENZAKM", 297, "W/km", ComeRegistrato, 0),
        Num(M::KWHANNO, "KWHANNO", 298, "kWh/km", ComeRegistrato, 0),
        Num(M::SPESAEANNO, "SPESAEANNO", 299, "\xe2\x82\xac/km", ComeRegistrato, 2),
        Num(M::COSTOTOT, "COSTOTOT", 300, "\xe2\x82\xac/km", ComeRegistrato, 2),
        Num(M::RISPIMPIAN, "RISPIMPIAN", 301, "\xe2\x82\xac/km", ComeRegistrato, 2),
        Num(M::RISPIMPIAP, "RISPIMPIAP", 302, "%", ComeRegistrato, 2),
        Num(M::RISPMANUTE, "RISPMANUTE", 303, "\xe2\x82\xac/km", ComeRegistrato, 2),
        Num(M::RISPMANUTP, "RISPMANUTP", 304, "%", ComeRegistrato, 2),
        Num(M::RISPEANNO, "RISPEANNO", 305, "\xe2\x82\xac/km", ComeRegistrato, 2),
        Num(M::RISPEANNOP, "RISPEANNOP", 306, "%", ComeRegistrato, 2),
        Num(M::RISPE25ANN, "RISPE25ANN", 307, "\xe2\x82\xac/km", ComeRegistrato, 2),
        Num(M::COSTOADEGU, "COSTOADEGU", 308, "\xe2\x82\xac/km", ComeRegistrato, 2),
        Num(M::DELTAWKM, "DELTAWKM", 309, "W/km", ComeRegistrato, 0),
        Num(M::DELTALMKM, "DELTALMKM", 310, "lm/km", ComeRegistrato, 0),
        Num(M::DELTALMP, "DELTALMP", 311, "%", ComeRegistrato, 2),
        Num(M::DELTAKWHAN, "DELTAKWHAN", 312, "kWh/km", ComeRegistrato, 0),
        Num(M::RISPEANNOA, "RISPEANNOA", 313, "\xe2\x82\xac/km", ComeRegistrato, 2),
        Num(M::RISPEAP, "RISPEAP", 314, "%", ComeRegistrato, 2),
        Num(M::RISPMANUTA, "RISPMANUTA", 315, "\xe2\x82\xac/km", ComeRegistrato, 2),
        Num(M::BREAKEVEN, "BREAKEVEN", 316, "a", ComeRegistrato, 2),
    };
    s.insert(s.end(), std::begin(resto), std::end(resto));
}

// The energy indicators, added after the first 40 fields: a table written
// before them keeps its fields in place and still reads.
void Indicatori(SchemaRiga& s) {
    s.push_back(Num(M::DP, "DP", 2403, "W/(lx m\xc2\xb2)", 4, NonStampato));
    s.push_back(Num(M::DE, "DE", 2404, "kWh/(m\xc2\xb2 a)", 2, NonStampato));
}

// ASCII letter case, whatever the C library's locale.
bool UgualiSenzaMaiuscole(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto basso = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (basso(a[i]) != basso(b[i])) return false;
    }
    return true;
}

}  // namespace

const SchemaRiga& SchemaStrada() {
    static const SchemaRiga s = [] {
        SchemaRiga r = Geometria();
        r.push_back(Num(M::LUMINA, "LUMINA", 281, "cd/m\xc2\xb2", 3, 2));
        r.push_back(Num(M::UNIFG, "UNIFG", 282, {}, 3, 2));
        r.push_back(Num(M::UNIFL, "UNIFL", 283, {}, 3, 2));
        r.push_back(Num(M::TI, "TI", 284, "%", 1, 2));
        Resto(r, 289, "W/cd");
        // The edge ratio came with the 2015 edition, before the indicators.
        r.push_back(Num(M::EIR, "EIR", 2402, {}, 2, NonStampato));
        Indicatori(r);
        return r;
    }();
    return s;
}

const SchemaRiga& SchemaPercorso() {
    static const SchemaRiga s = [] {
        SchemaRiga r = Geometria();
        // The illuminance titles name no unit: the browser adds it.
        auto lux = [](CampoSoluzione c) {
            c.unitaNelTitolo = true;
            return c;
        };
        r.push_back(lux(Num(M::EM, "EM", 473, "lx", 1, 2)));
        r.push_back(Num(M::UO, "UO", 474, {}, 3, 2));
        r.push_back(lux(Num(M::EMIN, "EMIN", 482, "lx", 1, 2)));
        r.push_back(lux(Num(M::EMAX, "EMAX", 483, "lx", 1, 2)));
        Resto(r, 481, "W/(m\xc2\xb2 lx)");
        Indicatori(r);
        return r;
    }();
    return s;
}

const CampoSoluzione* CercaCampo(const SchemaRiga& schema, MembroRiga m) {
    for (const CampoSoluzione& c : schema)
        if (c.membro == m) return &c;
    return nullptr;
}

const CampoSoluzione* CercaCampo(const SchemaRiga& schema, std::string_view nome) {
    for (const CampoSoluzione& c : schema)
        if (UgualiSenzaMaiuscole(c.nome, nome)) return &c;
    return nullptr;
}

const CampoSoluzione& CampoDelMembro(MembroRiga m) {
    const CampoSoluzione* c = CercaCampo(SchemaStrada(), m);
    if (!c) c = CercaCampo(SchemaPercorso(), m);
    return *c;  // every member is in one of the two
}

std::string NomeConUnita(MembroRiga m) {
    const CampoSoluzione& c = CampoDelMembro(m);
    std::string s = c.nome;
    if (!c.unita.empty()) s += " [" + std::string(c.unita) + "]";
    return s;
}

Layout LayoutSchema(const SchemaRiga& schema) {
    Layout l;
    l.reserve(schema.size());
    for (const CampoSoluzione& c : schema) l.push_back({c.nome, c.tipo, c.larghezza, c.decimali});
    return l;
}

bool CampiDiPercorso(const Layout& campi) {
    auto ha = [&campi](MembroRiga m) {
        const char* nome = NomeCampo(m);
        for (const DefinizioneCampo& c : campi)
            if (UgualiSenzaMaiuscole(c.nome, nome)) return true;
        return false;
    };
    return ha(M::EM) && !ha(M::LUMINA);
}

MembroRiga ColonnaElenco(MembroRiga m) {
    switch (m) {
        case M::EM: return M::LUMINA;
        case M::UO: return M::UNIFG;
        case M::EMIN: return M::UNIFL;
        case M::EMAX: return M::TI;
        default: return m;
    }
}

}  // namespace nottaro
