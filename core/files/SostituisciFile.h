#pragma once
// Replacing a file the user keeps (a project, a list, a letterhead, an edited
// photometric table) without ever leaving it half written.
#include <string>
#include <string_view>

namespace nottaro {

// Writes `contenuto` to a new file beside `percorso` ("<percorso>.tmp"), then
// renames it over `percorso`. A failure leaves the old file as it was and no
// new file behind. Returns the reason of a failure, empty on success.
std::string SostituisciFile(const std::string& percorso, std::string_view contenuto);

}  // namespace nottaro
