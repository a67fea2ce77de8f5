#pragma once
// The designer's letterhead as the report prints it: company, department,
// two address lines, locality, telephone, fax, operator e-mail and the logo
// file name (no folder). Texts in UTF-8, as stored (a reader keeps trailing
// blanks; the report trims them where it prints).
#include <string>

namespace nottaro {

struct Intestazione {
    std::string Societa, Unita, Indirizzo, Indirizzo2, Localita;
    std::string Telefono, Fax;
    std::string Operatore;
    std::string Logo;  // the Logo field by its length byte
};

}  // namespace nottaro
