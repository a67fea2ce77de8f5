#pragma once
// The reset of the design state to its defaults ("Inizializza"), run at
// start, from the "Inizializza" menu after confirmation and before a project
// file is read.
#include <functional>

#include "core/state/StatoProgetto.h"

namespace nottaro {

// What the reset does to the main window. Each hook is optional (an empty one
// is skipped); the window fills them. They run at their place in the reset.
struct AgganciInizializza {
    // Width step of the road and path width arrows, m (0.1).
    std::function<void(double passo)> PassoLarghezza;
    // Controls back to their first state: result options and limit edit
    // hidden and reset, photometric data button and both Optimise buttons
    // hidden, the photometric, road and path menu items disabled, tilt
    // "Definita" at 0, height and overhang "Variabile" with their edits
    // hidden, widths "7", lanes "2".
    std::function<void()> RipristinaFinestra;
    // The two luminaire-name labels emptied.
    std::function<void()> SvuotaNomiApparecchio;
    // The maintenance factor field of the Masterplan tab shows this Deprezz.
    std::function<void(double deprezz)> MostraDeprezzMasterplan;
};

// Resets `s` in this order: intensity table cleared; width step hook;
// arrangements, steps, tolerances, surface class C2, maintenance factors 0.8,
// requirements 0, DaProgetto, TuttiRisultati, OssUNI, ValLimite, FotoCaricata
// cleared; window hook; fixed geometry back to "variable" (height 0, overhang
// and tilt 99 / 0), widths 7 m, 2 lanes, Interdist 0, StradaDef(A) 1,
// RitornoStampa and TutteLampade cleared, FileLista, FileFoto, CatNomeFile,
// FotoApp, FotoImpianto emptied; name-label hook; economic defaults and the
// lamp exchange values cleared; grid EN flag with the UNI constants (5, 50, 5)
// and the standard path grid; Masterplan factor hook.
// Left as they were: Lingua, DirProg, FileHelp, the photometric record except
// its table (so Foto.LampSel), DaCatalogo, FlussoCatalogo, TipoProgetto,
// TipoLimite, ChiediLampada, SorgDurata, SorgCosto, SorgRiserva, PrjRiga1..5,
// PrjDescr, SolLumen, SolPotenza, SolLampada, CodClasse, ClasseA and the
// Masterplan folders.
void Inizializza(StatoProgetto& s, const AgganciInizializza& agganci = {});

}  // namespace nottaro
