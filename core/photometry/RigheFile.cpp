#include "core/photometry/RigheFile.h"

#include "core/files/LeggiFileRegolare.h"

namespace nottaro {

EsitoRighe LeggiRigheFile(const std::string& path, std::vector<std::string>& righe) {
    righe.clear();
    std::string testo;
    switch (LeggiFileRegolare(path, MaxByteFotometria, testo)) {
        case EsitoLettura::Letto: break;
        case EsitoLettura::Mancante: return EsitoRighe::Mancante;
        case EsitoLettura::NonRegolare: return EsitoRighe::NonRegolare;
        case EsitoLettura::TroppoGrande: return EsitoRighe::TroppoGrande;
        case EsitoLettura::Illeggibile: return EsitoRighe::Illeggibile;
    }
    std::size_t i = 0;
    while (i < testo.size()) {
        const std::size_t fine = testo.find_first_of("\r\n", i);
        if (fine == std::string::npos) {
            righe.push_back(testo.substr(i));
            break;
        }
        righe.push_back(testo.substr(i, fine - i));
        i = fine + 1;
        if (testo[fine] == '\r' && i < testo.size() && testo[i] == '\n') ++i;
    }
    if (!righe.empty() && righe[0].rfind("\xEF\xBB\xBF", 0) == 0) righe[0].erase(0, 3);
    return EsitoRighe::Lette;
}

}  // namespace nottaro
