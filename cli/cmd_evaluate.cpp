// nottaro-cli evaluate --project P.nt0 [--photometry FILE] [--lamp-set K] [--json]
// Loads a project file and evaluates its fixed geometry (height, overhang,
// tilt, spacing) the way the detailed recomputation of a solution does: for a
// road (TipoProgetto 0) the luminance field of every observer, Lm, Uo, Ul and
// TI; for a path (TipoProgetto 1) the illuminance field and its class test.
// Exit status: 0 evaluated, 1 bad input (project, photometry, unset value,
// lamp set), 2 calculation error (the routine that raised it is named).
#include <CLI/CLI.hpp>

#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Comando.h"
#include "cli/InterazioneCli.h"
#include "core/files/FileProgetto.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/state/StatoProgetto.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/area/ValutaPercorso.h"
#include "engine/road/FattUtil.h"
#include "engine/road/IllumSoluzione.h"
#include "engine/road/OttimizzaStrada.h"
#include "engine/road/ScegliClasse.h"
#include "engine/road/ValutazioneStrada.h"

namespace {

using namespace nottaro;

struct OpzioniValuta {
    std::string progetto;
    std::string fotometria;
    std::optional<int> lampada;  // 1-based, as `info` lists the lamp sets
    bool json = false;
    std::string classe;  // --class: requirements and class code by the dialogs' name
};

// Numbers with 17 significant digits, so every double reads back exactly.
std::string Numero(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

// A small writer of the figures: the same keys as text lines or as JSON.
class Uscita {
public:
    explicit Uscita(bool json) : json_(json) {}

    void Valore(const std::string& chiave, double v) { Voce(chiave, Numero(v)); }
    void Intero(const std::string& chiave, long long v) { Voce(chiave, std::to_string(v)); }
    void Booleano(const std::string& chiave, bool v) { Voce(chiave, v ? "true" : "false"); }
    void Testo(const std::string& chiave, const std::string& v) { Voce(chiave, json_ ? Stringa(v) : v); }
    void Elenco(const std::string& chiave, const std::vector<double>& v) {
        std::string s;
        for (std::size_t k = 0; k < v.size(); ++k) s += (k ? (json_ ? ", " : " ") : "") + Numero(v[k]);
        Voce(chiave, json_ ? "[" + s + "]" : s);
    }
    // Rows x points of a field (flat, row-major), one text line per row.
    void Tabella(const std::string& chiave, const std::vector<double>& v, std::size_t inizio, int righe, int punti,
                 const std::string& rientro = "") {
        if (!json_) {
            out_ << rientro << chiave << ":\n";
            for (int i = 0; i < righe; ++i) {
                out_ << rientro << " ";
                for (int j = 0; j < punti; ++j) out_ << " " << Numero(v[inizio + static_cast<std::size_t>(i) * punti + j]);
                out_ << "\n";
            }
            return;
        }
        Voce(chiave, TabellaJson(v, inizio, righe, punti));
    }
    void TabelleOsservatori(const std::string& chiave, const std::vector<double>& v, int oss, int righe, int punti) {
        const std::size_t blocco = static_cast<std::size_t>(righe) * punti;
        if (!json_) {
            for (int o = 0; o < oss; ++o) Tabella(chiave + " observer " + std::to_string(o + 1), v, o * blocco, righe, punti);
            return;
        }
        std::string s = "[";
        for (int o = 0; o < oss; ++o) s += (o ? ", " : "") + TabellaJson(v, o * blocco, righe, punti);
        Voce(chiave, s + "]");
    }
    std::string Fine() {
        if (json_) return "{\n" + out_.str() + "\n}\n";
        return out_.str();
    }

private:
    void Voce(const std::string& chiave, const std::string& v) {
        if (json_) {
            out_ << (primo_ ? "" : ",\n") << "  " << Stringa(chiave) << ": " << v;
            primo_ = false;
        } else {
            out_ << chiave << ": " << v << "\n";
        }
    }
    static std::string TabellaJson(const std::vector<double>& v, std::size_t inizio, int righe, int punti) {
        std::string s = "[";
        for (int i = 0; i < righe; ++i) {
            s += i ? ", [" : "[";
            for (int j = 0; j < punti; ++j)
                s += (j ? ", " : "") + Numero(v[inizio + static_cast<std::size_t>(i) * punti + j]);
            s += "]";
        }
        return s + "]";
    }
    static std::string Stringa(const std::string& t) {
        std::string s = "\"";
        for (unsigned char c : t) {
            if (c == '"' || c == '\\') s += '\\', s += static_cast<char>(c);
            else if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                s += buf;
            } else s += static_cast<char>(c);
        }
        return s + "\"";
    }

    bool json_;
    bool primo_ = true;
    std::ostringstream out_;
};

constexpr const char* Prefisso = "nottaro-cli evaluate: ";

int Errore(const std::string& testo) {
    std::cerr << Prefisso << testo << "\n";
    return 1;
}

// A geometry value at its "variable" sentinel cannot be evaluated.
std::optional<std::string> NonFissato(double h, double sbraccio, double inclina, double interdist, bool percorso) {
    const std::string a = percorso ? "A" : "";
    if (h == HPaloVariabile) return "HPalo" + a + " (pole height) is variable in the project; a fixed value is needed";
    if (sbraccio == SbraccioVariabile) return "Sbraccio" + a + " (overhang) is variable in the project; a fixed value is needed";
    if (inclina == InclinaVariabile) return "Inclina" + a + " (tilt) is variable in the project; a fixed value is needed";
    if (!(interdist > 0)) return "Interdist (spacing) is not set in the project";
    return std::nullopt;
}

int ValutaStradaCli(const StatoProgetto& s, Uscita& u) {
    if (auto e = NonFissato(s.HPalo, s.Sbraccio, s.Inclina, s.Interdist, false)) return Errore(*e);
    const ParametriStrada p = ParametriStradaDaStato(s);
    ValutazioneStrada v;
    v.ImpostaFotometria(s.Foto, p.LampCalc);
    const RisultatoStrada r = v.Valuta(p, nullptr);
    if (r.Esito == EsitoStrada::NonValido)
        return Errore("the road cannot be laid out: arrangement " + std::to_string(p.DispPali) + ", width " +
                      Numero(p.LargStrada) + " m, " + std::to_string(p.NCorsie) + " lanes, spacing " +
                      Numero(p.Interdist) + " m, height " + Numero(p.HPalo) + " m, surface " +
                      std::to_string(p.ClassePav));
    if (r.Esito == EsitoStrada::Errore) {
        std::cerr << Prefisso << "calculation error (ErrCalcolo) raised by " << r.Routine << "\n";
        return 2;
    }
    const CampoStrada& c = v.Campo();
    // Illuminance of the same grid, as the table view shows it.
    ContestoCalcolo ctx;
    CampoIllum illum;
    StatisticheIllum stat;
    if (!IllumSoluzione(ctx, v.Ricerca(), p, c.Apparecchi, c.Griglia, illum, stat)) {
        std::cerr << Prefisso << "calculation error (ErrCalcolo) raised by IllumSoluzione\n";
        return 2;
    }
    const auto fu = FattUtilStrada(illum, p, s.Foto.FlussoLamp[p.LampCalc]);
    u.Testo("TipoProgetto", "road");
    u.Valore("Lm", r.Lm);
    u.Valore("Uo", r.Uo);
    u.Valore("Ul", r.Ul);
    u.Valore("TI", r.TI);
    u.Valore("StimaRapida", r.StimaRapida);
    u.Elenco("LmOss", c.LmOss);
    u.Elenco("UoOss", c.UoOss);
    u.Elenco("UlOss", c.UlOss);
    u.Intero("NPtiLong", c.Griglia.NPtiLong);
    u.Intero("NPtiTrasv", c.Griglia.NPtiTrasv);
    u.Intero("NApparecchi", c.NApparecchi());
    u.Valore("EmCalc", stat.EmCalc);
    u.Valore("EminCalc", stat.EminCalc);
    u.Valore("EmaxCalc", stat.EmaxCalc);
    u.Valore("FattUtil", fu ? *fu : NAN);
    u.TabelleOsservatori("LumGriglia", c.LumGriglia, c.NOss, c.Griglia.NPtiLong, c.Griglia.NPtiTrasv);
    u.Tabella("Illum", illum.Illum, 0, illum.NPtiLong, illum.NPtiTrasv);
    return 0;
}

int ValutaPercorsoCli(const StatoProgetto& s, Uscita& u) {
    if (auto e = NonFissato(s.HPaloA, s.SbraccioA, s.InclinaA, s.Interdist, true)) return Errore(*e);
    const ParametriArea p = ParametriAreaDaStato(s);
    const RisultatoPercorso r = ValutaPercorso(s.Foto, p, RequisitiAreaDaStato(s));
    if (r.Esito != EsitoA::Ok) return Errore(r.Messaggio.empty() ? "the path cannot be laid out" : r.Messaggio);
    if (r.ErrCalcolo) {
        std::cerr << Prefisso << "calculation error (ErrCalcolo) raised by " << r.Routine << "\n";
        return 2;
    }
    u.Testo("TipoProgetto", "path");
    u.Valore("EmCalc", r.Stat.EmCalc);
    u.Valore("EminCalc", r.Stat.EminCalc);
    u.Valore("EmaxCalc", r.Stat.EmaxCalc);
    u.Valore("Uo", r.Uo);
    u.Booleano("Conforme", r.Conforme);
    u.Intero("NPtiLong", r.Griglia.NPtiLong);
    u.Intero("NPtiTrasv", r.Griglia.NPtiTrasv);
    u.Intero("NApparecchi", static_cast<long long>(r.Apparecchi.size()));
    u.Valore("FattUtil", r.FattUtil ? *r.FattUtil : NAN);
    u.Tabella("Illum", r.Campo.Illum, 0, r.Campo.NPtiLong, r.Campo.NPtiTrasv);
    return 0;
}

int EseguiValuta(const OpzioniValuta& o) {
    cli::InterazioneCli ui(std::cerr);
    if (!EsisteFile(o.progetto)) return Errore("cannot open project " + o.progetto);
    auto stato = std::make_unique<StatoProgetto>();
    const EsitoCaricaProgetto esito = CaricaProgetto(o.progetto, *stato, ui);
    if (!esito.letto) return Errore("cannot read project " + o.progetto);
    if (!o.fotometria.empty()) {
        if (!EsisteFile(o.fotometria)) return Errore("cannot open photometry " + o.fotometria);
        if (LeggiFotometria(o.fotometria, stato->Foto, ui) != 0) return Errore("cannot read photometry " + o.fotometria);
    } else if (!esito.avviaCalcolo) {
        return Errore("the project's photometric file could not be read (give --photometry FILE)");
    }
    Fotometria& f = stato->Foto;
    if (f.Intens.Vuota()) return Errore("the photometry holds no intensity table");
    if (o.lampada) {
        if (*o.lampada < 1 || *o.lampada > f.NumLampade)
            return Errore("lamp set " + std::to_string(*o.lampada) + " does not exist (the file has " +
                          std::to_string(f.NumLampade) + ")");
        f.LampSel = *o.lampada - 1;
    }
    if (!o.classe.empty()) {
        std::string e;
        if (!ScegliClasse(*stato, stato->TipoProgetto == 1 ? TipoImpianto::Percorso : TipoImpianto::Strada, o.classe, e))
            return Errore(e);
    }
    Uscita u(o.json);
    const int ris = stato->TipoProgetto == 1 ? ValutaPercorsoCli(*stato, u) : ValutaStradaCli(*stato, u);
    if (ris != 0) return ris;
    std::cout << u.Fine();
    return 0;
}

cli::RegistraComando reg("evaluate", [](CLI::App& app, int& esito) {
    auto o = std::make_shared<OpzioniValuta>();
    auto* sub = app.add_subcommand("evaluate", "Evaluate the fixed geometry of a project file (road or path)");
    sub->add_option("--project", o->progetto, "Project file (.nt0)")->required();
    sub->add_option("--photometry", o->fotometria, "Photometric file to use instead of the project's");
    sub->add_option("--lamp-set", o->lampada, "Lamp set to use, 1..n as `info` lists them (default: the project's)");
    sub->add_flag("--json", o->json, "Print the figures as JSON");
    sub->add_option("--class", o->classe, "Lighting class by name, as `optimise --class` takes it");
    sub->callback([o, &esito] { esito = EseguiValuta(*o); });
});

}  // namespace
