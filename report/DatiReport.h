#pragma once
// Everything a printed project page shows, gathered once before printing:
// the design values, the project identification, the letterhead, the
// photometric record for the diagram and one successful evaluation of the
// printed solution. The page routines read only this value, never the design
// state, so a report cannot mix the figures of two solutions; the Masterplan
// fills one per printed row.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/photometry/Fotometria.h"
#include "core/state/Intestazione.h"
#include "core/state/StatoProgetto.h"

namespace nottaro {

struct ValutazioneProgetto;
struct CampoStrada;

// A calculation field as the plans print it: NPtiLong rows along the road,
// NPtiTrasv points across (j = 0 nearest the right-hand edge).
struct CampoReport {
    int NPtiLong = 0, NPtiTrasv = 0;
    std::vector<double> valori;  // (k, j) at k * NPtiTrasv + j
    double Valore(int k, int j) const { return valori[static_cast<std::size_t>(k) * NPtiTrasv + j]; }
    bool Vuoto() const { return NPtiLong <= 0 || NPtiTrasv <= 0; }
};

struct OsservatoreReport {
    double y = 0;                // m, transverse position (the UNI observer's with the UNI rule)
    double Lm = 0, Uo = 0, Ul = 0;  // cd/m², ratios
    CampoReport luminanze;       // cd/m²
};

// One criterion of the class as the report prints it: its name ("Lm", "Uo",
// "Ul", "TI", "EIR", "Em", "Emin"), the required and the calculated value,
// a lower (else upper) bound, judged or only recorded, and its verdict.
struct CriterioReport {
    std::string nome;
    double richiesto = 0, valore = 0;
    bool minimo = true, giudicato = true, soddisfatto = true;
};

struct DatiReport {
    int Lingua = 0;              // language of every printed text
    int TipoProgetto = 0;        // 0 road, 1 cycle/pedestrian
    int GrigliaEN = 0, OssUNI = 0;

    // Identification.
    std::string PrjRiga1, PrjRiga2, PrjRiga3, PrjRiga4, PrjRiga5, PrjDescr;
    std::string FotoImpianto, FotoApp;  // full paths; empty: no picture

    // Letterhead; the logo file is FileLogo (empty: no logo).
    Intestazione Intest;
    std::string FileLogo;

    // Road design.
    double LargStrada = 0, Deprezz = 0, LmMin = 0, UoMin = 0, UlMin = 0, TiMax = 0;
    int NCorsie = 0, ClassePav = 0, DispPali = 0;
    // Path design.
    double LargStradaA = 0, DeprezzA = 0, EmMin = 0, EminMin = 0, UeMin = 0;
    int DispPaliA = 0;

    // The printed solution: geometry of the project kind and lamp texts.
    double Interdist = 0, HPalo = 0, Sbraccio = 0, Inclina = 0;
    std::string SolLampada, SolLumen, SolPotenza, CatNomeFile;

    // Its evaluation.
    double SolLm = 0, SolUo = 0, SolUl = 0, TICalc = 0;  // road: ratios for Uo, Ul; TI in %
    double EmCalc = 0, EminCalc = 0, EmaxCalc = 0;       // lx
    std::vector<OsservatoreReport> osservatori;          // road: one page each
    CampoReport illuminamenti;                           // lx

    std::shared_ptr<const Fotometria> Foto;              // the polar diagram's record; null: no diagram

    // The class the design must meet, as chosen ("ME3b", "P2 / S2"; empty:
    // requirements set by hand), the standard whose tables give it, and the
    // verdict of every criterion. No criteria: the solution was not judged.
    std::string Classe, Norma;
    std::vector<CriterioReport> criteri;
    bool conforme = false;
    std::optional<double> EIR;
    // Energy indicators and the equivalent full-power hours a year they use.
    bool conEnergia = false;
    double Dp = 0, De = 0, OreEsercizio = 0;

    // The luminaire as its photometric record names it.
    std::string Ditta, NomeApp, NumApp, FileFotometria;
    double LORL = 0;  // %

    // How it was calculated: the grid of the field (points and their steps),
    // the field's length along the road and the observers (x, y in m).
    int ClassePavCalcolo = -1;  // r-table of the road surface; -1: a path
    int PuntiLong = 0, PuntiTrasv = 0;
    double PassoLong = 0, PassoTrasv = 0, LunghezzaCampo = 0;
    std::vector<std::array<double, 2>> posizioniOsservatori;

    // Traceability: when and by which program version from which project file.
    std::string DataCalcolo, Versione, FileProgetto;
};

// The design values, identification, letterhead (DirIntest + LogoIntest),
// the chosen solution's geometry of the project kind and lamp texts, and the
// photometric record of `s`. The evaluation is left empty.
DatiReport DatiReportDaStato(const StatoProgetto& s);

// Adds a successful evaluation of the project's fixed geometry: the road's
// observers, grids and figures, or the path's illuminance. False (nothing
// added) when `v` holds no valid result.
bool AggiungiValutazione(DatiReport& d, const ValutazioneProgetto& v);

// `nl` × `nt` values of `v` from `inizio`, as a plan prints them; empty when
// `v` holds fewer.
CampoReport CampoReportDa(const std::vector<double>& v, std::size_t inizio, int nl, int nt);

// One observer per field row of `c` with its figures and luminance plan; with
// `uni` the single observer stands where the UNI observer stands.
std::vector<OsservatoreReport> OsservatoriReport(const CampoStrada& c, bool uni);

// The lamp texts of the evaluated lamp set when the state has none (a
// project evaluated outside the browser): type, flux, power, file name.
void TestiLampadaDaFotometria(DatiReport& d, const Fotometria& f, const std::string& fileFoto);

// The class named as chosen and its standard: a road's class code ("me3b"
// as "ME3b"), a path's class list text ("P2 o S2" as "P2 / S2").
void ClasseENorma(DatiReport& d, const StatoProgetto& s);

// What a report must prove beside the figures, from the design values `s`,
// the record `foto` that was evaluated and its evaluation `v`: the verdict of
// each criterion and the energy indicators (the engine's own verdict, so the
// report says what evaluate says), the luminaire's identity and the lamp
// block of the lamp set evaluated (replacing whatever lamp texts the design
// carried from another record), the grid, field and observers. False (an
// error text in `errore`) when the verdict cannot be formed.
bool AggiungiVerifica(DatiReport& d, const StatoProgetto& s, const Fotometria& foto, const ValutazioneProgetto& v,
                      std::string& errore);

}  // namespace nottaro
