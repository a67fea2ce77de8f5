#pragma once
// Why the system refused a file operation, in the user's language: a full
// disk, a quota, a denied permission, a read-only medium, a missing file or
// folder, a disk error by name, any other by its code and the system's text.
#include <string>

namespace nottaro {

// `codice` is an errno value (also std::error_code::value() of the generic
// and system categories on this platform); empty for 0.
std::string MotivoSistema(int codice);

}  // namespace nottaro
