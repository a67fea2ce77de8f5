#pragma once
// The header of a dBase table checked against itself and the file's size
// before any row is read: the reading library trusts the header lengths, so
// a header that lies would read fields off by bytes, no field at all, or
// lose the top bit of a huge row count.
#include <cstdint>
#include <string>

namespace nottaro {

struct IntestazioneDbf {
    std::uint32_t righeDichiarate = 0;  // the row count as the header states it
    std::uint64_t righeIntere = 0;      // whole rows the file's size holds
    int campi = 0;                      // field descriptors before the terminator
    unsigned lunghezzaTesta = 0;        // bytes before the first row
    unsigned lunghezzaRiga = 0;         // bytes of each row, deletion mark included
};

// "" when the header of `percorso` is sound, with its figures in `i`; else a
// one-line reason in the language the catalogue shows: a header length that does not end at the
// descriptors' terminator, a field past the record length, or descriptors
// whose widths do not add up to the record length.
std::string VerificaIntestazioneDbf(const std::string& percorso, IntestazioneDbf& i);

}  // namespace nottaro
