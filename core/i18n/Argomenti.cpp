#include "core/i18n/Argomenti.h"

namespace nottaro {

std::string ConArgomenti(const std::string& testo, const std::vector<std::string>& argomenti) {
    std::string out;
    out.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size(); ++i) {
        if (testo[i] == '%' && i + 1 < testo.size() && testo[i + 1] >= '1' && testo[i + 1] <= '9') {
            const std::size_t k = static_cast<std::size_t>(testo[i + 1] - '1');
            if (k < argomenti.size()) {
                out += argomenti[k];
                ++i;
                continue;
            }
        }
        out += testo[i];
    }
    return out;
}

}  // namespace nottaro
