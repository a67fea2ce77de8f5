#pragma once
// An output must never be one of the files a command reads: the user's
// workbook, project or table would be replaced by what was made from it.
#include <string>
#include <vector>

namespace nottaro {

// The first of `ingressi` that `uscita` names under any spelling (a relative
// path, a symbolic link, a hard link); empty when `uscita` is none of them or
// does not exist yet.
std::string IngressoUguale(const std::string& uscita, const std::vector<std::string>& ingressi);

}  // namespace nottaro
