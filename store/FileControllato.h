#pragma once
// The file hooks the table engine reads and writes through, with every write
// checked: the first failure (a full disk, a quota, an I/O error, a short
// read) is kept with its reason, and from then on nothing more is written to
// that file. So a header the engine would rewrite after a failed read or
// write never reaches the disk, and the last header that did stays valid.
#include <shapefil.h>

#include <string>

namespace nottaro::dbf {

// Hooks for DBFOpenLL / DBFCreateLL. Each opened file carries its own state;
// nothing is shared between tables.
SAHooks HookControllati();

// The reason of the first failed operation on a file opened through
// HookControllati(), in the user's language (for example "the disk is
// full"); empty while every operation succeeded.
std::string ErroreFile(SAFile file);

}  // namespace nottaro::dbf
