#pragma once
// The two one-line configuration files of the program folder: ntr.cfg (the
// user-interface language) and ntr-masterplan.cfg (the Masterplan base
// folder). Both are optional.
#include <optional>
#include <string>

#include "core/interaction/Riscontro.h"
#include "core/state/StatoProgetto.h"

namespace nottaro {

inline constexpr int LinguaPredefinita = 1;  // English

// Language stored in dirProg/ntr.cfg (line 1; later lines are never read).
// nullopt when the file is missing or cannot be opened: the caller then shows
// the first-start language dialog and writes the file with ScriviLingua.
// A line 1 that is not an integer, or an integer outside 0..4, gives 1
// (English); so does a file saved as UTF-16, which a text editor may do.
// Either way `avviso` (when given) receives the warning that says so, for the
// caller to show once the language is set; reading never fails otherwise.
std::optional<int> LeggiLingua(const std::string& dirProg, MessaggioCatalogo* avviso = nullptr);

// Creates or overwrites dirProg/ntr.cfg with the decimal text of `lingua`
// and CR LF. false, leaving the file as it was, when lingua is outside 0..4
// or the file cannot be written.
bool ScriviLingua(const std::string& dirProg, int lingua);

// Reads the base folder B from line 1 of dirProg/ntr-masterplan.cfg and sets
// DirLdtMaster = B/ldt, DirCorpi = B/corpi, DirImmagini = B/images and empties
// DirProgetto. The folders are not checked for existence. false, leaving the
// state untouched, when the file is missing or its line 1 is blank.
// The labels, buttons and column map of the Masterplan tab are the window's.
bool LeggiMasterplan(const std::string& dirProg, StatoProgetto& stato);

// The photometric folder a Masterplan workbook uses when ntr-masterplan.cfg
// names none: ldt/ beside the workbook, where a shipped sample keeps its files.
std::string DirLdtAccanto(const std::string& fileCartella);

}  // namespace nottaro
