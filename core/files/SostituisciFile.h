#pragma once
// Replacing a file the user keeps (a project, a list, a letterhead, a report,
// an export, an edited photometric table) without ever leaving it half
// written, and without touching any file but the one asked for.
#include <functional>
#include <string>
#include <string_view>

namespace nottaro {

// Fills the file at `temporaneo` (already created, empty). Returns the reason
// of a failure, empty on success.
using ScriviTemporaneo = std::function<std::string(const std::string& temporaneo)>;

// Creates a new file with a unique name beside `percorso` (exclusively, never
// following a link), lets `scrivi` fill it, forces it to disk and renames it
// over `percorso`, then forces the folder to disk: a failure or a power cut
// leaves the old file or the new one, never a broken one.
//  - The new file keeps the old file's permissions (a new file gets the
//    usual ones of the user's umask).
//  - A link at `percorso` is written through: its target is replaced and the
//    link stays. A link to nothing is refused.
//  - `estensione` ends the temporary's name, for writers that insist on it.
// Returns the reason of a failure, empty on success.
std::string SostituisciFile(const std::string& percorso, const ScriviTemporaneo& scrivi,
                            std::string_view estensione = {});

std::string SostituisciFile(const std::string& percorso, std::string_view contenuto);

// Replaces `percorso` with a copy of the file `origine` (a regular file).
std::string SostituisciConCopia(const std::string& percorso, const std::string& origine);

}  // namespace nottaro
