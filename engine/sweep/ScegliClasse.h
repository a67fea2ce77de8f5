#pragma once
// Choosing a lighting class by the name the parameter dialogs show, for the
// command line (a project file does not carry the class code): road classes
// as UNI 10439 lighting index "1" .. "6", as EN 13201-2 items ("M1 o ME1",
// "ME3a", ... or either half of an "X o Y" item: "M3", "ME3b") or as a road
// category of the highway code (its caption in any language); path classes as
// their list items ("P2 o S2", "C3 o CE3", or a half: "S2", "CE3").
#include <span>
#include <string>
#include <string_view>

#include "core/state/StatoProgetto.h"
#include "engine/comune/ClassiArea.h"
#include "engine/sweep/EnergiaCosti.h"

namespace nottaro {

struct ClasseStrada {
    double LmMin;         // cd/m²
    double UoMin;         // %
    double UlMin;         // %
    double TiMax;         // %
    const char* CodClasse;
};

// The three lists the road parameter dialog offers, in list order: the
// UNI 10439 lighting indexes "1" .. "6", the EN 13201-2 items ("M1 o ME1" ..
// "M6 o ME6"), and the road categories of the highway code by the catalogue
// message of their caption (369 .. 377).
struct VoceClasseStrada {
    const char* nome;
    ClasseStrada classe;
};
struct CategoriaStrada {
    int messaggio;
    ClasseStrada classe;
};
std::span<const VoceClasseStrada> IndiciUni10439();
std::span<const VoceClasseStrada> ClassiEn13201();
std::span<const CategoriaStrada> CategorieStrada();

// The road class of a name (case and surrounding blanks ignored); false when
// the name is none of them.
bool TrovaClasseStrada(std::string_view nome, ClasseStrada& classe);

// The EN 13201-2 road item, or the path class, whose list text or either half
// of it ("ME3a", "m3", "M3 o ME3b"; "s2", "CE3") is `nome`, case and
// surrounding blanks ignored; nullptr when none. The Masterplan's class codes
// are read through these, so the batch and the design require the same.
const ClasseStrada* TrovaClasseEn13201(std::string_view nome);
const ClasseArea* TrovaClasseAreaPerNome(std::string_view nome);

// Writes the class's requirements into the state: LmMin, UoMin, UlMin, TiMax
// and CodClasse for a road; EmMin, EminMin, UeMin and ClasseA for a path.
// False, with the reason in `errore`, for an unknown name.
bool ScegliClasse(StatoProgetto& s, TipoImpianto tipo, std::string_view nome, std::string& errore);

}  // namespace nottaro
