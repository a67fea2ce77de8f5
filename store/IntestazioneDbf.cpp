#include "store/IntestazioneDbf.h"

#include <fstream>
#include <vector>

#include <sys/stat.h>

namespace nottaro {

namespace {

constexpr std::size_t kDescrittore = 32;    // bytes of the file header and of each field descriptor
constexpr std::size_t kMaxCampi = 255;      // dBase holds at most 255 fields
constexpr std::size_t kCodaVisualFox = 263; // the back-link some writers put after the terminator

unsigned U16(const unsigned char* p) { return p[0] | (p[1] << 8u); }
std::uint32_t U32(const unsigned char* p) {
    return p[0] | (p[1] << 8u) | (p[2] << 16u) | (static_cast<std::uint32_t>(p[3]) << 24u);
}

}  // namespace

std::string VerificaIntestazioneDbf(const std::string& percorso, IntestazioneDbf& i) {
    const std::string nome = percorso + ": ";
    struct stat st {};
    if (::stat(percorso.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return nome + "not a table file";
    std::ifstream in(percorso, std::ios::binary);
    std::vector<unsigned char> testa(kDescrittore * (kMaxCampi + 1) + 1 + kCodaVisualFox);
    in.read(reinterpret_cast<char*>(testa.data()), static_cast<std::streamsize>(testa.size()));
    const auto letti = static_cast<std::size_t>(in.gcount());
    if (letti < kDescrittore + 1) return nome + "too short for a dBase header";
    i.righeDichiarate = U32(&testa[4]);
    const unsigned lungTesta = U16(&testa[8]);
    const unsigned lungRiga = U16(&testa[10]);
    if (lungRiga == 0) return nome + "the header gives a record length of 0";

    // Field descriptors follow the file header until the terminator 0x0D.
    std::size_t pos = kDescrittore;
    unsigned somma = 1;  // the deletion flag opens every row
    i.campi = 0;
    while (pos < letti && testa[pos] != 0x0D) {
        if (pos + kDescrittore > letti || i.campi == static_cast<int>(kMaxCampi))
            return nome + "the field descriptors have no terminator";
        const unsigned tipo = testa[pos + 11];
        unsigned larghezza = testa[pos + 16];
        if (tipo == 'C') larghezza += testa[pos + 17] * 256u;  // long character fields keep the high byte there
        somma += larghezza;
        ++i.campi;
        pos += kDescrittore;
    }
    if (pos >= letti) return nome + "the field descriptors have no terminator";
    const std::size_t fineDescrittori = pos + 1;
    if (lungTesta != fineDescrittori && lungTesta != fineDescrittori + kCodaVisualFox)
        return nome + "the header length " + std::to_string(lungTesta) + " does not match its " +
               std::to_string(i.campi) + " fields (" + std::to_string(fineDescrittori) + " bytes)";
    if (somma != lungRiga)
        return nome + "the fields take " + std::to_string(somma) + " bytes but the record length is " +
               std::to_string(lungRiga);
    const auto dimensione = static_cast<std::uint64_t>(st.st_size);
    i.righeIntere = dimensione < lungTesta ? 0 : (dimensione - lungTesta) / lungRiga;
    return {};
}

}  // namespace nottaro
