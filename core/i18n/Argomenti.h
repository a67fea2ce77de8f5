#pragma once
// Catalogue texts with numbered places: "%1" … "%9" replaced by the
// arguments in order; a place without an argument is left as it is.
#include <string>
#include <vector>

namespace nottaro {

std::string ConArgomenti(const std::string& testo, const std::vector<std::string>& argomenti);

}  // namespace nottaro
