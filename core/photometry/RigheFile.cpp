#include "core/photometry/RigheFile.h"

#include <fstream>

#include "core/text/Testo.h"

namespace nottaro {

bool LeggiRigheFile(const std::string& path, std::vector<std::string>& righe) {
    righe.clear();
    std::ifstream f(path, std::ios::binary);
    if (!f.is_open()) return false;
    std::string riga;
    while (LeggiRiga(f, riga)) righe.push_back(riga);
    if (!righe.empty() && righe[0].rfind("\xEF\xBB\xBF", 0) == 0) righe[0].erase(0, 3);
    return true;
}

}  // namespace nottaro
