#pragma once
// The file hooks the table engine reads and writes through, with every write
// checked: the first failure (a full disk, a quota, an I/O error, a short
// read) is kept with its reason, and from then on nothing more is written to
// that file. So a header the engine would rewrite after a failed read or
// write never reaches the disk, and the last header that did stays valid.
#include <shapefil.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace nottaro::dbf {

// Hooks for DBFOpenLL / DBFCreateLL. Each opened file carries its own state;
// nothing is shared between tables.
SAHooks HookControllati();

// The reason of the first failed operation on a file opened through
// HookControllati(), in the user's language (for example "the disk is
// full"); empty while every operation succeeded.
std::string ErroreFile(SAFile file);

// Hands `n` bytes for `posizione` to the kernel in one write, after anything
// still waiting (a row appended whole, so a writer that dies right after
// leaves it on disk). False, with the reason kept, when the file refuses them
// or refused an earlier operation.
bool ScriviOra(SAFile file, std::uint64_t posizione, const char* dati, std::size_t n);

// Leaves the table with `righe` rows after a refused write: the header's
// row count (bytes 4-7) set to them and the file cut at `fine`, the end of
// the last of them, whatever part of later rows reached it. Both work on a
// full disk (the count overwrites bytes the file has, the cut frees space),
// so they are done even after the refusal; bytes still waiting are dropped.
// False when either is refused.
bool TroncaARighe(SAFile file, std::uint32_t righe, std::uint64_t fine);

}  // namespace nottaro::dbf
