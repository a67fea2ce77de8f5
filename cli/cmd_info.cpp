// nottaro-cli info FILE [--json] [--check] [--lamp-flux F] [--lamp-watts W] [--lamp-family sap|sbp|hid|hql|led]
// Reads an EULUMDAT (.ldt, .elx) or IES (.ies) file with the program's own
// readers and prints the photometric record: identification, symmetry, the
// angle lists, the lamp sets, DFF, LORL, the nadir and the peak intensity;
// with --check also the checks of the photometric viewer (upward light,
// nadir/zenith, coverage, flux), which do not change the exit status.
// Exit status: 0 read cleanly, 1 missing file or bad option, 2 read with
// warnings (the record is still printed).
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Comando.h"
#include "cli/InterazioneCli.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/photometry/MisuraCurva.h"
#include "core/photometry/VerificaFotometria.h"
#include "core/text/Testo.h"

namespace {

using nottaro::DatiCurva;
using nottaro::Fotometria;
using nottaro::FormatoGenerale;

struct OpzioniInfo {
    std::string file;
    bool json = false;
    bool verifiche = false;
    std::optional<double> flusso;
    std::optional<double> watt;
    std::string famiglia;
};

struct Picco {
    double valore = 0;
    int piano = 0;  // plane of Intens, 0 when the table is empty
    int gamma = 0;  // gamma angle of Intens
};

// The largest intensity where the diagram finds it. A table with no intensity
// above 0 has no plane of maximum on the diagram: its first cell is named.
Picco Massimo(const Fotometria& f) {
    if (f.NumC() == 0 || f.NumG() == 0) return {};
    const DatiCurva d = nottaro::MisuraCurva(f);
    if (d.PianoIMax == 0) return {f.Intens.Valore(1, 1), 1, 1};
    return {d.IMax, d.PianoIMax, d.GammaIMax};
}

// Column of gamma 0, 0 when the file does not measure the nadir.
int ColonnaNadir(const Fotometria& f) {
    for (int j = 1; j <= f.NumG(); ++j)
        if (f.Intens.AngoloG(j) == 0) return j;
    return 0;
}

std::string Elenco(const Fotometria& f, bool piani) {
    std::string s;
    const int n = piani ? f.NumC() : f.NumG();
    for (int k = 1; k <= n; ++k) {
        if (k > 1) s += ' ';
        s += FormatoGenerale(piani ? f.Intens.AngoloC(k) : f.Intens.AngoloG(k));
    }
    return s;
}

void StampaTesto(const Fotometria& f, std::ostream& out) {
    out << "File: " << f.FileLdt << "\n"
        << "Identification: " << f.DittaLdt << "\n"
        << "Luminaire: " << f.NomeApp << "\n"
        << "Luminaire number: " << f.NumApp << "\n"
        << "Date/user: " << f.DataLdt << "\n"
        << "Symmetry: " << f.Simmetria << "\n"
        << "NumC: " << f.NumC() << "\n"
        << "NumG: " << f.NumG() << "\n"
        << "C angles: " << Elenco(f, true) << "\n"
        << "Gamma angles: " << Elenco(f, false) << "\n"
        << "Lamp sets: " << f.NumLampade << "\n";
    for (int s = 0; s < f.NumLampade; ++s)
        out << "  " << s + 1 << ": " << f.TipoLamp[s] << ", " << FormatoGenerale(f.FlussoLamp[s]) << " lm, "
            << FormatoGenerale(f.PotLamp[s]) << " W, colour " << f.ColoreLamp[s] << ", rendering " << f.ResaLamp[s]
            << "\n";
    out << "DFF: " << FormatoGenerale(f.DFF) << " %\n"
        << "LORL: " << FormatoGenerale(f.LORL) << " %\n";
    const int jn = ColonnaNadir(f);
    if (jn > 0 && f.NumC() > 0)
        out << "Nadir intensity: " << FormatoGenerale(f.Intens.Valore(1, jn)) << " cd/klm\n";
    else
        out << "Nadir intensity: not measured\n";
    const Picco p = Massimo(f);
    if (p.piano > 0)
        out << "Maximum intensity: " << FormatoGenerale(p.valore) << " cd/klm at C " << FormatoGenerale(f.Intens.AngoloC(p.piano))
            << " gamma " << FormatoGenerale(f.Intens.AngoloG(p.gamma)) << "\n";
    else
        out << "Maximum intensity: no intensities\n";
}

void StampaVerifiche(const std::vector<nottaro::EsitoVerifica>& v, std::ostream& out) {
    out << "Checks:\n";
    for (const auto& e : v) out << "  " << (e.ok ? "ok     " : "FAILED ") << e.nome << ": " << e.testo << "\n";
}

nlohmann::json VerificheJson(const std::vector<nottaro::EsitoVerifica>& v) {
    nlohmann::json a = nlohmann::json::array();
    for (const auto& e : v) {
        nlohmann::json valori = nlohmann::json::object();
        for (const auto& [nome, x] : e.valori) valori[nome] = x;
        a.push_back({{"name", e.nome}, {"ok", e.ok}, {"text", e.testo}, {"values", valori}});
    }
    return a;
}

void StampaJson(const Fotometria& f, const std::vector<nottaro::EsitoVerifica>* verifiche, std::ostream& out) {
    using nlohmann::json;
    json j;
    j["DittaLdt"] = f.DittaLdt;
    j["TipoLdt"] = f.TipoLdt;
    j["Simmetria"] = f.Simmetria;
    j["NumC"] = f.NumC();
    j["PassoC"] = f.PassoC;
    j["NumG"] = f.NumG();
    j["PassoG"] = f.PassoG;
    j["RapportoMis"] = f.RapportoMis;
    j["NomeApp"] = f.NomeApp;
    j["NumApp"] = f.NumApp;
    j["FileInterno"] = f.FileInterno;
    j["FileLdt"] = f.FileLdt;
    j["DataLdt"] = f.DataLdt;
    j["LungApp"] = f.LungApp;
    j["LargApp"] = f.LargApp;
    j["AltApp"] = f.AltApp;
    j["LungLum"] = f.LungLum;
    j["LargLum"] = f.LargLum;
    j["AltLum"] = f.AltLum;
    j["DFF"] = f.DFF;
    j["LORL"] = f.LORL;
    j["FattConv"] = f.FattConv;
    j["InclinaMis"] = f.InclinaMis;
    j["NumLampade"] = f.NumLampade;
    j["LampSel"] = f.LampSel;
    json lampade = json::array(), tipo = json::array(), flusso = json::array(), colore = json::array(), resa = json::array(), pot = json::array();
    for (int s = 0; s < f.NumLampade; ++s) {
        lampade.push_back(f.LampadePerSet[s]);
        tipo.push_back(f.TipoLamp[s]);
        flusso.push_back(f.FlussoLamp[s]);
        colore.push_back(f.ColoreLamp[s]);
        resa.push_back(f.ResaLamp[s]);
        pot.push_back(f.PotLamp[s]);
    }
    j["LampadePerSet"] = lampade;
    j["TipoLamp"] = tipo;
    j["FlussoLamp"] = flusso;
    j["ColoreLamp"] = colore;
    j["ResaLamp"] = resa;
    j["PotLamp"] = pot;
    j["RappDiretti"] = f.RappDiretti;
    json c = json::array(), g = json::array(), intens = json::array();
    for (int i = 1; i <= f.NumC(); ++i) c.push_back(f.Intens.AngoloC(i));
    for (int k = 1; k <= f.NumG(); ++k) g.push_back(f.Intens.AngoloG(k));
    for (int i = 1; i <= f.NumC(); ++i) {
        json piano = json::array();
        for (int k = 1; k <= f.NumG(); ++k) piano.push_back(f.Intens.Valore(i, k));
        intens.push_back(std::move(piano));
    }
    j["C"] = c;
    j["Gamma"] = g;
    j["Intens"] = intens;
    const int jn = ColonnaNadir(f);
    j["IntensNadir"] = (jn > 0 && f.NumC() > 0) ? json(f.Intens.Valore(1, jn)) : json(nullptr);
    const Picco p = Massimo(f);
    j["IntensMax"] = p.piano > 0 ? json(p.valore) : json(nullptr);
    j["CMax"] = p.piano > 0 ? json(f.Intens.AngoloC(p.piano)) : json(nullptr);
    j["GammaMax"] = p.piano > 0 ? json(f.Intens.AngoloG(p.gamma)) : json(nullptr);
    if (verifiche) j["checks"] = VerificheJson(*verifiche);
    out << j.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
}

int EseguiInfo(const OpzioniInfo& o) {
    nottaro::cli::InterazioneCli ui(std::cerr);
    nottaro::cli::InterazioneCli::RisposteLampada r;
    r.flusso = o.flusso;
    r.watt = o.watt;
    if (!o.famiglia.empty()) {
        r.famiglia = nottaro::cli::FamigliaDaNome(o.famiglia);
        if (!r.famiglia) {
            std::cerr << "nottaro-cli info: unknown lamp family \"" << o.famiglia << "\" (sap, sbp, hid, hql, led)\n";
            return 1;
        }
    }
    ui.ImpostaLampada(r);
    if (!nottaro::EsisteFile(o.file)) {
        std::cerr << "nottaro-cli info: cannot open " << o.file << "\n";
        return 1;
    }
    // The intensity table alone is about 4 MB: keep the record off the stack.
    auto foto = std::make_unique<Fotometria>();
    if (nottaro::LeggiFotometria(o.file, *foto, ui) != 0) {
        std::cerr << "nottaro-cli info: cannot read " << o.file << "\n";
        return 1;
    }
    std::vector<nottaro::EsitoVerifica> verifiche;
    if (o.verifiche) verifiche = nottaro::VerificaFotometria(*foto);
    if (o.json) {
        StampaJson(*foto, o.verifiche ? &verifiche : nullptr, std::cout);
    } else {
        StampaTesto(*foto, std::cout);
        if (o.verifiche) StampaVerifiche(verifiche, std::cout);
    }
    if (ui.Avvisi() > 0) {
        std::cerr << "nottaro-cli info: " << o.file << " was read with " << ui.Avvisi() << " warning(s)\n";
        return 2;
    }
    return 0;
}

nottaro::cli::RegistraComando reg("info", [](CLI::App& app, int& esito) {
    auto o = std::make_shared<OpzioniInfo>();
    auto* sub = app.add_subcommand("info", "Read a photometric file (.ldt, .elx, .ies) and print its record");
    sub->add_option("file", o->file, "EULUMDAT or IES file")->required();
    sub->add_flag("--json", o->json, "Print the record as JSON");
    sub->add_flag("--check", o->verifiche, "Also run the checks: upward light, nadir/zenith, coverage, flux");
    sub->add_option("--lamp-flux", o->flusso, "Lamp flux (lm) for a file without lamp data");
    sub->add_option("--lamp-watts", o->watt, "Lamp power (W) for a file without lamp data");
    sub->add_option("--lamp-family", o->famiglia, "Lamp family: sap, sbp, hid, hql, led");
    sub->callback([o, &esito] { esito = EseguiInfo(*o); });
});

}  // namespace
