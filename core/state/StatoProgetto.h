#pragma once
// The design state: every value the designer sets, the photometric record of
// the current luminaire and the few values that travel with a project file.
// One instance per program, owned by the desktop program (or the CLI) and
// passed by reference; a run works on a copy of its values
// (RichiestaCalcolo), so the state may change while it runs.
//
// Member initialisers are the values at process start (zero, empty, false);
// Inizializza() puts the design defaults in. Lengths in m, angles in degrees,
// luminance cd/m², illuminance lx, money in euro, times in h, powers in W.
// Percent values are percent numbers (40 means 40 %) unless marked fraction.
// Sentinels: a fixed pole height of 0 means "variable"; a fixed overhang or
// tilt of 99 means "variable"; a requirement of 0 means "not defined yet".
#include <string>

#include "core/photometry/Fotometria.h"
#include "core/state/Intestazione.h"
#include "core/state/RiepilogoSweep.h"

namespace nottaro {

// Fixed overhang / tilt value meaning "let the sweep choose it".
inline constexpr double SbraccioVariabile = 99.0;
inline constexpr double InclinaVariabile = 99.0;
// Fixed pole height value meaning "let the sweep choose it".
inline constexpr double HPaloVariabile = 0.0;

struct StatoProgetto {
    // --- Environment ------------------------------------------------------
    int Lingua = 0;            // 0 Italian, 1 English, 2 French, 3 German, 4 Spanish
    std::string DirProg;       // program folder, base of every data path
    std::string FileHelp;      // help file of the current language

    // --- Photometry status ------------------------------------------------
    // The lamp set used by the calculation is Foto.LampSel (0..10): it lives
    // in the photometric record, which every load resets; there is no second
    // copy here.
    Fotometria Foto;           // written only by the photometric readers
    bool FotoCaricata = false; // a photometry or a luminaire list is available
    std::string FileFoto;      // full path of the current photometric file
    std::string FileLista;     // current luminaire list; engines run over every file in it
    bool DaCatalogo = false;   // next load takes FileFoto without a dialog
    double FlussoCatalogo = 0; // lm, lamp flux of the catalogue entry

    // Lamp data prompt exchange values (set 0 of a file without a usable lamp).
    double LampWatt = 0;       // W
    double LampFlusso = 0;     // lm
    std::string LampTipo;

    // --- Road and cycle/pedestrian geometry --------------------------------
    int DispPali = 0;          // road arrangement 1..7 (7: double centre row), 0 not chosen
    int DispPaliA = 0;         // path arrangement 1..6, 0 not chosen
    double HPalo = 0;          // m, fixed pole height, 0 = variable
    double HPaloA = 0;         // m, path project, 0 = variable
    double Sbraccio = 0;       // m, fixed overhang (may be negative), 99 = variable
    double SbraccioA = 0;      // m, path project, 99 = variable
    double Inclina = 0;        // deg, fixed tilt, 99 = variable
    double InclinaA = 0;       // deg, path project, 99 = variable
    double LargStrada = 0;     // m, carriageway width
    double LargStradaA = 0;    // m, path width
    int NCorsie = 0;           // lanes
    double Interdist = 0;      // m, spacing of the current solution
    bool DaProgetto = false;   // next run starts from a loaded project and keeps Interdist
    int TipoProgetto = 0;      // 0 road (Lm), 1 cycle/pedestrian (Em)
    // Road / path description complete on the main window (width and lanes
    // defined); part of the enabling rule of the Optimise buttons.
    bool StradaDef = false;
    bool StradaDefA = false;

    // --- Requirements -----------------------------------------------------
    double Deprezz = 0;        // fraction, maintenance factor of the road project
    double DeprezzA = 0;       // fraction, maintenance factor of the path project
    int ClassePav = 0;         // road surface 0 C1, 1 C2, 2 R1, 3 R2, 4 R3, 5 R4
    double LmMin = 0;          // cd/m², required maintained average luminance
    double UoMin = 0;          // %, required overall uniformity
    double UlMin = 0;          // %, required longitudinal uniformity
    double TiMax = 0;          // %, largest admitted threshold increment
    std::string CodClasse;     // lower-case road class code ("me1", "m3", ...)
    int GrigliaEN = 0;         // road grid: 0 UNI 10439, 1 EN 13201
    int NPtiCorsia = 0;        // calculation points across each lane
    int InterMaxGriglia = 0;   // m, largest spacing with 10 rows per spacing
    int NPtiCorsia2 = 0;       // m (not points, despite the name the project file gives it): largest
                               // row distance beyond InterMaxGriglia; glare observer step
    int OssUNI = 0;            // observers: 0 as EN 13201, 1 as UNI 10439
    double EmMin = 0;          // lx, required maintained average illuminance
    double EminMin = 0;        // lx, required minimum illuminance (S classes)
    double UeMin = 0;          // %, required Emin/Em (CE classes)
    std::string ClasseA;       // path class text as chosen in the list
    int GrigliaPers = 0;       // path grid: 0 standard EN 13201, 1 custom
    int NPtiX = 0, NPtiY = 0;  // custom path grid point counts
    int EdizioneEN = 0;        // class tables: 0 as the program always had, 1 EN 13201-2:2015
    double LargLaterale = 0;   // m, lit strip (footway, verge) beside each carriageway edge; 0 none

    // --- Sweep parameters -------------------------------------------------
    double StepAlt = 0;        // m, pole-height step
    double StepInt = 0;        // m, spacing step
    double StepSbr = 0;        // m, overhang step
    double StepAng = 0;        // deg, tilt step
    double ErrLm = 0;          // %, accepted excess of Lm over LmMin
    double ErrEm = 0;          // %, accepted excess of Em over EmMin
    bool TutteLampade = false; // optimise every lamp set of the file
    bool ChiediLampada = false;// ask for the lamp when the file has none

    // --- Run options ------------------------------------------------------
    bool TuttiRisultati = false; // results show every solution, not only compliant ones
    int TipoLimite = 0;        // 0 none, 1 fixed spacing, 2 minimum spacing, 3 minimum spacing/height
    double ValLimite = 0;      // value of the limit (m or ratio); 0 when TipoLimite = 0
    bool RitornoStampa = false;// results windows: coming back from a report

    // --- Economic inputs --------------------------------------------------
    double OreAcc = 0;         // h/year, burning hours
    // Operating profile of the energy indicator De: hours at full power
    // (0: OreAcc) and two dimmed periods, hours and power fraction.
    double OrePiena = 0;       // h/year
    double OreRid1 = 0;        // h/year
    double FrazRid1 = 1;       // fraction of full power
    double OreRid2 = 0;        // h/year
    double FrazRid2 = 1;       // fraction of full power
    double CostoE = 0;         // €/kWh
    double VitaImp = 0;        // years, installation lifetime
    double CoeffMorte = 0;     // fraction, lamp mortality after 10000 h
    double PerditaPot = 0;     // %, luminaire power loss over the lamp
    double IntAlt = 0;         // existing installation: spacing/height ratio or spacing m
    bool IntAltRapp = false;   // IntAlt is a ratio (true) or metres (false)
    double LampW = 0;          // W, lamp of the existing installation
    double LampLM = 0;         // lm
    double LampT = 0;          // h, life
    double LampCosto = 0;      // €
    double NLampW = 0;         // W, comparison lamp of the new installation, 0 = design lamp
    double NLampT = 0;         // h
    double NLampCosto = 0;     // €
    double DurataSAP = 0, DurataSBP = 0, DurataHID = 0, DurataHG = 0;  // h, default lamp life per family
    double CostoSAP = 0, CostoSBP = 0, CostoHID = 0, CostoHG = 0;      // €, default lamp price per family
    double SorgDurata = 0;     // h, life of the design lamp chosen in the source picker
    double SorgCosto = 0;      // €, price of that lamp
    double CostoApp = 0;       // € luminaire
    double CostoPalo = 0;      // € pole
    double CostoPlinto = 0;    // € foundation and manhole
    double CostoAccessori = 0; // € accessories
    double CostoScavo = 0;     // € excavation
    double CostoCavo = 0;      // € duct and cable
    double PrezzoAll = 0;      // € installation of one complete light point
    double PrezzoApp = 0;      // € replacing the luminaire only
    double CostoM = 0;         // € maintenance per lamp replacement
    double CostoRiserva = 0;   // kept in the project file only
    double SorgRiserva = 0;    // kept in the project file only

    // --- Project identification and chosen solution -----------------------
    std::string PrjRiga1, PrjRiga2, PrjRiga3, PrjRiga4, PrjRiga5;
    std::string PrjDescr;      // description, may hold line breaks
    std::string FotoImpianto;  // installation photograph
    std::string FotoApp;       // luminaire photograph
    std::string CatNomeFile;   // file name of the luminaire picked in the catalogue
    std::string SolLumen, SolPotenza, SolLampada;  // chosen solution texts for the report

    // --- Letterhead (custom.LP at start, the letterhead dialog later; kept
    // across Inizializza) --------------------------------------------------
    Intestazione Intest;
    std::string DirIntest;     // folder of the letterhead files, with a trailing separator; empty: none
    std::string LogoIntest;    // logo in use, looked for as DirIntest + LogoIntest; empty: no logo

    // --- Masterplan folders (set from ntr-masterplan.cfg and the Masterplan
    // tab; kept across Inizializza) --------------------------------------
    std::string DirLdtMaster;  // photometric files
    std::string DirCorpi;      // luminaire photographs
    std::string DirImmagini;   // application photographs
    std::string DirProgetto;   // project output folder
    std::string FileMaster;    // project workbook

    // --- Left by the last sweep for the results browser (written back by
    // the caller from the run's result; not saved in project files) ---------
    long long NRisultati = 0;   // rows stored by the last road run
    long long NRisultatiA = 0;  // rows stored by the last path run
    int LampCalc = 0;           // lamp set the last run ended on
    RiepilogoSweep Riepilogo;   // road run: MaxInter … MinPareggio, ListaAltezze, ListaSbracci
    RiepilogoSweep RiepilogoA;  // path run: the same figures over the path rows

    // Design defaults, without any window involved (see Inizializza.h for
    // the reset with the main window's steps).
    void Inizializza();
};

}  // namespace nottaro
