#pragma once
// Names built from what a user typed (a workbook cell, a letterhead field)
// that must stay inside the folder they are looked for in.
#include <string_view>

namespace nottaro {

// True for a plain file name: not empty, not "." or "..", no "/" or "\"
// (so no folder part and no absolute path, on either system), no NUL.
inline bool NomeSenzaCartella(std::string_view nome) {
    return !nome.empty() && nome != "." && nome != ".." &&
           nome.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

}  // namespace nottaro
