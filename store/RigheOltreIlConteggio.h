#pragma once
// The rows a writer appended after the last time it brought the header's
// row count up to date. The solution tables are written one whole row per
// write and the count is rewritten only now and then, so a writer that dies
// leaves complete rows beyond the count; opening the table takes them back.
#include <cstdint>
#include <string>
#include <vector>

#include "store/IntestazioneDbf.h"

namespace nottaro {

// One field of a row as the file lays it out.
struct CampoRiga {
    bool numero = false;
    int larghezza = 0;
};

// How many whole rows follow the `righeDichiarate` counted ones, up to
// `righeIntere`, each one a row this program could have written: a deletion
// mark of ' ' or '*', no zero byte (a file grown but never filled), and only
// digits, signs, points, exponents or blanks in numeric fields. The first row
// that fails ends them, and a row cut short by the end of the file is never
// counted. 0 when the file cannot be read.
std::uint64_t RigheOltreIlConteggio(const std::string& percorso, const IntestazioneDbf& i,
                                    const std::vector<CampoRiga>& campi);

}  // namespace nottaro
