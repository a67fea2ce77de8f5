#include "store/IntestazioneDbf.h"

#include <fstream>
#include <vector>

#include <sys/stat.h>

#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"

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
    struct stat st {};
    if (::stat(percorso.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return Msg(2713);
    std::ifstream in(percorso, std::ios::binary);
    std::vector<unsigned char> testa(kDescrittore * (kMaxCampi + 1) + 1 + kCodaVisualFox);
    in.read(reinterpret_cast<char*>(testa.data()), static_cast<std::streamsize>(testa.size()));
    const auto letti = static_cast<std::size_t>(in.gcount());
    if (letti < kDescrittore + 1) return Msg(2714);
    i.righeDichiarate = U32(&testa[4]);
    const unsigned lungTesta = U16(&testa[8]);
    const unsigned lungRiga = U16(&testa[10]);
    if (lungRiga == 0) return Msg(2715);

    // Field descriptors follow the file header until the terminator 0x0D.
    std::size_t pos = kDescrittore;
    unsigned somma = 1;  // the deletion flag opens every row
    i.campi = 0;
    while (pos < letti && testa[pos] != 0x0D) {
        if (pos + kDescrittore > letti || i.campi == static_cast<int>(kMaxCampi))
            return Msg(2716);
        const unsigned tipo = testa[pos + 11];
        unsigned larghezza = testa[pos + 16];
        if (tipo == 'C') larghezza += testa[pos + 17] * 256u;  // long character fields keep the high byte there
        somma += larghezza;
        ++i.campi;
        pos += kDescrittore;
    }
    if (pos >= letti) return Msg(2716);
    const std::size_t fineDescrittori = pos + 1;
    if (lungTesta != fineDescrittori && lungTesta != fineDescrittori + kCodaVisualFox)
        return ConArgomenti(Msg(2717),
                            {std::to_string(lungTesta), std::to_string(i.campi), std::to_string(fineDescrittori)});
    if (somma != lungRiga)
        return ConArgomenti(Msg(2718), {std::to_string(somma), std::to_string(lungRiga)});
    i.lunghezzaTesta = lungTesta;
    i.lunghezzaRiga = lungRiga;
    const auto dimensione = static_cast<std::uint64_t>(st.st_size);
    i.righeIntere = dimensione < lungTesta ? 0 : (dimensione - lungTesta) / lungRiga;
    return {};
}

}  // namespace nottaro
