#include "store/MotivoSistema.h"

#include <cerrno>
#include <cstring>

#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"

namespace nottaro {

std::string MotivoSistema(int codice) {
    switch (codice) {
        case 0: return {};
        case ENOSPC: return Msg(2734);
        case EACCES:
        case EPERM: return Msg(2735);
        case EDQUOT: return Msg(2736);
        case EIO: return Msg(2737);
        case EROFS: return Msg(2738);
        case ENOENT:
        case ENOTDIR: return Msg(2739);
        default: return ConArgomenti(Msg(2740), {std::to_string(codice), std::strerror(codice)});
    }
}

}  // namespace nottaro
