#include "masterplan/VerificaDati.h"

#include <algorithm>
#include <optional>

#include "core/files/NomeInCartella.h"
#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"

namespace nottaro::mp {

namespace {

bool Tra(const std::string& s, std::initializer_list<const char*> valori) {
    return std::any_of(valori.begin(), valori.end(), [&](const char* v) { return s == v; });
}

bool HaVocale(const std::string& s) { return s.find_first_of("aeiou") != std::string::npos; }

struct Stop {
    int riga;
    const char* etichetta;
};

}  // namespace

bool ClasseAccettata(const std::string& c) {
    return Tra(c, {"me1", "me2", "me3a", "me3b", "me3c", "me4a", "me4b", "me5", "me6", "m1", "m2", "m3", "m4", "m5",
                   "m6", "s1", "s2", "s3", "s4", "s5", "p1", "p2", "p3", "p4", "p5", "ce0", "ce1", "ce2", "ce3",
                   "ce4", "ce5", "c0", "c1", "c2", "c3", "c4", "c5"});
}

bool ApplicazioneNota(const std::string& a) {
    return Tra(a, {"stradale", "ciclabile", "pedonale", "percorso parco", "parcheggio", "sottopasso", "area parco",
                   "piazza", "piazzale", "rotatoria"});
}

bool SorgenteNota(const std::string& s) { return Tra(s, {"sap", "cdo", "cdm", "cpo", "led", "hci", "jm", "hg"}); }

EsitoVerifica VerificaDati(const Foglio& foglio, const MappaColonne& m, bool formatoXls, int lingua,
                           Riscontro* riscontro) {
    EsitoVerifica e;
    bool celleVuote = false;
    std::optional<Stop> stop;
    const int ultima = foglio.NumRighe();
    for (int riga = PrimaRigaMP; riga <= ultima && !stop; ++riga) {
        if (riscontro) {
            if (riscontro->Annullato()) {
                e.Interrotta = true;
                return e;
            }
            if (e.Esaminate % 64 == 0) {
                Avanzamento a;
                a.fatti = e.Esaminate;
                a.totale = ultima - PrimaRigaMP + 1;
                riscontro->Progresso(a);
                riscontro->ConsegnaSeChiamante();
            }
        }
        RigaMP r = LeggiRigaMP(foglio, m, e.Corretti, riga);
        const std::string app = Minuscolo(r[CApplicazione]);
        if (app.empty() && Trim(foglio.Testo(riga + 1, m.Col[CApplicazione])).empty()) break;
        ++e.Esaminate;
        const bool strada = app == "stradale";
        bool errore = false;
        auto marca = [&](ColonnaMP c, bool datiErrati) {
            if (r[c].empty() && datiErrati) celleVuote = true;
            r[c] = "?" + r[c];
            if (datiErrati) errore = true;
        };
        auto trattino = [&](ColonnaMP c, const char* etichetta) {
            if (r[c] == "-") stop = Stop{riga, etichetta};
            return stop.has_value();
        };
        // A number in the general form, or nothing when the text is none.
        auto numero = [&](ColonnaMP c) { return ConvertiReale(ConPunto(r[c])); };

        if (r[CVia].empty()) marca(CVia, true);
        if (r[CModello].empty()) marca(CModello, false);
        // The identifier names the row's photograph and the model its
        // photometric files and picture: a folder part would reach files
        // outside their folders.
        else if (!NomeSenzaCartella(Trim(r[CModello]))) marca(CModello, true);
        if (!r[CIdentificativo].empty() && !NomeSenzaCartella(Trim(r[CIdentificativo]))) marca(CIdentificativo, true);

        if (r[CAltezza].empty()) marca(CAltezza, true);
        else if (trattino(CAltezza, "ALTEZZA")) break;
        else {
            r[CAltezza] = ConPunto(r[CAltezza]);
            const auto h = numero(CAltezza);
            if (!h || !(*h > 0.5 && *h <= 15)) marca(CAltezza, true);
        }
        if (r[CAvanzamento].empty()) marca(CAvanzamento, true);
        else if (trattino(CAvanzamento, "AVANZAMENTO")) break;
        else {
            r[CAvanzamento] = ConPunto(r[CAvanzamento]);
            if (!numero(CAvanzamento)) marca(CAvanzamento, true);
        }
        if (!r[CInterdistanza].empty() && r[CInterdistanza] != "-") {
            r[CInterdistanza] = ConPunto(r[CInterdistanza]);
            const auto s = numero(CInterdistanza);
            if (!s || !(*s >= 4 && *s < 70)) marca(CInterdistanza, true);
        }
        if (!ClasseAccettata(Minuscolo(r[CClasse]))) marca(CClasse, true);
        if (r[CLarghezza].empty()) marca(CLarghezza, true);
        else if (trattino(CLarghezza, "LARGHEZZA STRADA")) break;
        else {
            r[CLarghezza] = ConPunto(r[CLarghezza]);
            const auto w = numero(CLarghezza);
            if (!w || *w < 1) marca(CLarghezza, true);
        }
        {
            std::string d = Minuscolo(r[CDisposizione]);
            if (d == "-") d.clear();
            if (!(d.empty() || d == "quinconce" || d == "bilaterale frontale" || d == "centro strada" || HaVocale(d))) {
                const auto n = ConvertiIntero(d);
                if (!n || *n >= 18) marca(CDisposizione, true);
            }
        }
        {
            const std::string p = Minuscolo(r[CPosPalo]);
            if (p != "sx" && p != "dx") {
                if (strada) marca(CPosPalo, true);
                else {
                    e.Corretti[{riga, m.Col[CPosPalo]}] = "DX";
                    r[CPosPalo] = "DX";
                }
            }
        }
        if (trattino(CCorsie, "NUM. CORSIE")) break;
        if (!Tra(r[CCorsie], {"1", "2", "3"})) {
            if (strada) marca(CCorsie, true);
            else {
                e.Corretti[{riga, m.Col[CCorsie]}] = "1";
                r[CCorsie] = "1";
            }
        }
        if (trattino(CSenso, "NUM. SENSI DI MARCIA")) break;
        if (!Tra(r[CSenso], {"1", "2"})) {
            if (strada) marca(CSenso, true);
            else {
                e.Corretti[{riga, m.Col[CSenso]}] = "2";
                r[CSenso] = "2";
            }
        }
        for (auto [c, etichetta] : {std::pair{CLargSx, "LARGHEZZA MARCIAPIEDE SX"}, std::pair{CLargDx, "LARGHEZZA MARCIAPIEDE DX"}}) {
            if (trattino(c, etichetta)) break;
            if (r[c].empty()) continue;
            r[c] = ConPunto(r[c]);
            const auto w = numero(c);
            if (!w || *w < 0) marca(c, true);
        }
        if (stop) break;
        if (!SorgenteNota(Minuscolo(r[CSorgente]))) marca(CSorgente, false);
        if (trattino(CPotenza, "POTENZA WATT")) break;
        if (r[CPotenza].empty()) marca(CPotenza, false);
        else {
            const auto w = ConvertiIntero(r[CPotenza]);
            if (!w || !(*w > 5 && *w < 255)) marca(CPotenza, false);
        }
        bool sconosciuta = false;
        if (app.empty()) marca(CApplicazione, true);
        else if (!ApplicazioneNota(app)) sconosciuta = true;

        if (errore || sconosciuta) {
            RigaElencata el;
            el.RigaFoglio = riga;
            el.ErroreDati = errore;
            CelleDaRiga(r, el.Celle);
            el.Celle[TPosizione] = std::to_string(e.Elencate.size() + 1);
            e.Elencate.push_back(std::move(el));
        }
    }
    if (stop) {
        e.Fine = FineVerifica::Trattino;
        e.Messaggio = Msg(1401, lingua) + std::to_string(stop->riga) + Msg(1402, lingua) + stop->etichetta;
        return e;
    }
    const bool errori = std::any_of(e.Elencate.begin(), e.Elencate.end(), [](const auto& r) { return r.ErroreDati; });
    if (e.Elencate.empty()) e.Fine = FineVerifica::Pulito;
    else if (!errori) {
        e.Fine = FineVerifica::SoloNonRiconosciute;
        e.Messaggio = Msg(1403, lingua);
    } else {
        e.Fine = FineVerifica::DaSistemare;
        e.Messaggio = Msg(1404, lingua) + std::to_string(e.Elencate.size()) + Msg(1405, lingua);
    }
    if (formatoXls && celleVuote && e.Fine != FineVerifica::Pulito) e.Messaggio += " " + Msg(1406, lingua);
    return e;
}

}  // namespace nottaro::mp
