#include "engine/sweep/ScegliClasse.h"

#include <cctype>

#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"

namespace nottaro {
namespace {

using Voce = VoceClasseStrada;

const Voce IndiciUni[] = {
    {"1", {0.3, 35, 40, 15, "me6"}},  {"2", {0.5, 35, 40, 15, "me5"}}, {"3", {0.75, 40, 50, 15, "me4b"}},
    {"4", {1.0, 40, 50, 10, "me3b"}}, {"5", {1.5, 40, 70, 10, "me2"}}, {"6", {2.0, 40, 70, 10, "me1"}},
};

const Voce ClassiEn[] = {
    {"M1 o ME1", {2.0, 40, 70, 10, "m1"}},  {"M2 o ME2", {1.5, 40, 70, 10, "m2"}},
    {"ME3a", {1.0, 40, 70, 15, "m3"}},      {"M3 o ME3b", {1.0, 40, 60, 15, "m3"}},
    {"ME3c", {1.0, 40, 50, 15, "m3"}},      {"M4 o ME4a", {0.75, 40, 60, 15, "m4"}},
    {"ME4b", {0.75, 40, 50, 15, "m4"}},     {"M5 o ME5", {0.5, 35, 40, 15, "m5"}},
    {"M6 o ME6", {0.3, 35, 40, 15, "m6"}},
};

using Categoria = CategoriaStrada;

const Categoria Categorie[] = {
    {369, {2.0, 40, 70, 10, "me1"}}, {370, {2.0, 40, 70, 10, "me1"}},  {371, {1.5, 40, 70, 10, "me2"}},
    {372, {1.0, 40, 50, 10, "me3a"}}, {373, {2.0, 40, 70, 10, "me1"}}, {374, {1.0, 40, 50, 10, "me3b"}},
    {375, {1.0, 40, 50, 10, "me3b"}}, {376, {0.5, 35, 40, 15, "me5"}}, {377, {0.75, 40, 50, 15, "me4b"}},
};

std::string Minuscolo(std::string_view t) { return Minuscole(Trim(t)); }

// The item itself, or either half of an item "X o Y".
bool Corrisponde(std::string_view voce, const std::string& cercato) {
    const std::string v = Minuscolo(voce);
    if (v == cercato) return true;
    const std::size_t o = v.find(" o ");
    return o != std::string::npos && (v.substr(0, o) == cercato || v.substr(o + 3) == cercato);
}

}  // namespace

std::span<const VoceClasseStrada> IndiciUni10439() { return IndiciUni; }
std::span<const VoceClasseStrada> ClassiEn13201() { return ClassiEn; }
std::span<const CategoriaStrada> CategorieStrada() { return Categorie; }

const ClasseStrada* TrovaClasseEn13201(std::string_view nome) {
    const std::string cercato = Minuscolo(nome);
    if (cercato.empty()) return nullptr;
    for (const Voce& v : ClassiEn)
        if (Corrisponde(v.nome, cercato)) return &v.classe;
    return nullptr;
}

const ClasseArea* TrovaClasseAreaPerNome(std::string_view nome) {
    const std::string cercato = Minuscolo(nome);
    if (cercato.empty()) return nullptr;
    for (const ClasseArea& c : ClassiArea())
        if (Corrisponde(c.Nome, cercato)) return &c;
    return nullptr;
}

bool TrovaClasseStrada(std::string_view nome, ClasseStrada& classe) {
    const std::string cercato = Minuscolo(nome);
    if (cercato.empty()) return false;
    for (const Voce& v : IndiciUni)
        if (cercato == v.nome) return classe = v.classe, true;
    if (const ClasseStrada* c = TrovaClasseEn13201(cercato)) return classe = *c, true;
    for (const Categoria& c : Categorie)
        for (int lingua = 0; lingua < NumLingue; ++lingua)
            if (Minuscolo(Msg(c.messaggio, lingua)) == cercato) return classe = c.classe, true;
    return false;
}

bool ScegliClasse(StatoProgetto& s, TipoImpianto tipo, std::string_view nome, std::string& errore) {
    if (tipo == TipoImpianto::Strada) {
        ClasseStrada c{};
        if (!TrovaClasseStrada(nome, c)) {
            errore = "unknown road class \"" + std::string(nome) +
                     "\" (a UNI index 1-6, an EN class such as ME3a or \"M3 o ME3b\", or a road category)";
            return false;
        }
        s.LmMin = c.LmMin;
        s.UoMin = c.UoMin;
        s.UlMin = c.UlMin;
        s.TiMax = c.TiMax;
        s.CodClasse = c.CodClasse;
        return true;
    }
    if (const ClasseArea* c = TrovaClasseAreaPerNome(nome)) {
        s.EmMin = c->EmMin;
        s.EminMin = c->EminMin;
        s.UeMin = c->UeMin;
        s.ClasseA = std::string(c->Nome);
        return true;
    }
    errore = "unknown path class \"" + std::string(nome) + "\" (such as \"P2 o S2\", S2, \"C3 o CE3\" or CE3)";
    return false;
}

}  // namespace nottaro
