#pragma once
// Small luminaire catalogues for the tests: a lightlist.dbf with the rows
// given (unnamed fields empty), optional NTRProd files, ldt/ and img/ files.
#include <map>
#include <string>
#include <vector>

namespace nottaro::test {

using RigaCatalogo = std::map<std::string, std::string>;

// Writes dirProg/lightlist.dbf with the catalogue's fields; numeric fields
// take the text as a number ("" leaves them empty). False on any refusal.
bool ScriviCatalogo(const std::string& dirProg, const std::vector<RigaCatalogo>& righe);

// Writes a small file (creating its folder).
void ScriviFile(const std::string& percorso, const std::string& byte = "x");

}  // namespace nottaro::test
