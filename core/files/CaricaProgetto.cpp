#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>

#include "core/files/FileProgetto.h"
#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/state/LimitiValori.h"
#include "core/text/Testo.h"

namespace nottaro {

namespace {

namespace fs = std::filesystem;

// A path written on another system ("C:\...", "\\server\...") is left alone.
bool PercorsoAltroSistema(const std::string& p) {
    return (p.size() >= 2 && p[1] == ':') || (!p.empty() && p[0] == '\\');
}

// Photometric file of the project: a companion ".nt1" wins over line 74; a
// relative line 74 is taken from the project's folder, so a project and its
// luminaire can be moved together.
std::string FileFotometrico(const std::string& progetto, const std::string& daRiga) {
    for (const char* ext : {".nt1", ".NT1"}) {
        fs::path compagno(progetto);
        compagno.replace_extension(ext);
        if (compagno != fs::path(progetto) && EsisteFile(compagno.string())) return compagno.string();
    }
    if (daRiga.empty() || PercorsoAltroSistema(daRiga)) return daRiga;
    fs::path p(daRiga);
    if (p.is_absolute()) return daRiga;
    return (fs::path(progetto).parent_path() / p).lexically_normal().string();
}

// Leading number of a text such as "6200" or "6200 lm".
std::optional<double> NumeroIniziale(const std::string& testo) {
    const std::string t = Trim(testo);
    double v = 0;
    auto [fine, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || fine == t.data()) return std::nullopt;
    return v;
}

// Lamp set of the saved solution: the first whose flux equals SolLumen.
void ScegliLampadaSoluzione(StatoProgetto& s) {
    auto flusso = NumeroIniziale(s.SolLumen);
    if (!flusso) return;
    const int n = std::min(s.Foto.NumLampade, MaxLampade);
    for (int i = 0; i < n; ++i) {
        if (std::fabs(s.Foto.FlussoLamp[i] - *flusso) <= 1e-9 * std::max(1.0, std::fabs(*flusso))) {
            s.Foto.LampSel = i;
            return;
        }
    }
}

}  // namespace

EsitoCaricaProgetto CaricaProgetto(const std::string& percorso, StatoProgetto& s, Interazione& ui,
                                   const AgganciProgetto& agganci) {
    EsitoCaricaProgetto esito;
    std::ifstream in(percorso, std::ios::binary);
    if (!in) {
        ui.Avviso(NomeFile(percorso) + " - " + Msg(25));
        return esito;
    }

    // Read into a copy: a broken file must not leave a half-loaded design.
    StatoProgetto copia = s;
    Inizializza(copia);
    std::string errore;
    if (!LeggiFileProgetto(in, copia, esito.versione, errore)) {
        ui.Avviso(NomeFile(percorso) + ", " + errore + ". The project was not loaded; the current design is unchanged.");
        return esito;
    }
    in.close();

    // A value outside its range would reach the engines (a 1 mm spacing lays
    // out a hundred thousand poles): the file is refused as a whole.
    if (const MessaggioCatalogo fuori = VerificaLimiti(copia); !fuori.Vuoto()) {
        ui.Avviso(NomeFile(percorso) + ", " + fuori.Testo() + ". The project was not loaded; the current design is unchanged.");
        return esito;
    }
    if (copia.Interdist != 0) {
        copia.ValLimite = copia.Interdist;
        copia.TipoLimite = 1;  // fixed spacing
    }
    copia.FileFoto = FileFotometrico(percorso, copia.FileFoto);

    s = std::move(copia);
    esito.letto = true;

    const auto& ai = agganci.Inizializza;
    if (ai.PassoLarghezza) ai.PassoLarghezza(0.1);
    if (ai.RipristinaFinestra) ai.RipristinaFinestra();
    if (ai.SvuotaNomiApparecchio) ai.SvuotaNomiApparecchio();
    if (ai.MostraDeprezzMasterplan) ai.MostraDeprezzMasterplan(s.Deprezz);
    if (agganci.MostraProgetto) agganci.MostraProgetto(s);

    if (LeggiFotometria(s.FileFoto, s.Foto, ui) != 0) return esito;
    s.FotoCaricata = true;
    s.DaProgetto = true;
    ScegliLampadaSoluzione(s);
    if (agganci.FotometriaCaricata) agganci.FotometriaCaricata(s);
    esito.avviaCalcolo = true;
    return esito;
}

}  // namespace nottaro
