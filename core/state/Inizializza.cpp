#include "core/state/Inizializza.h"

namespace nottaro {

void StatoProgetto::Inizializza() { nottaro::Inizializza(*this); }

void Inizializza(StatoProgetto& s, const AgganciInizializza& agganci) {
    // 1. Work tables of the engines belong to each evaluation; here only the
    // intensity table. The whole table is cleared so that no intensity of a
    // previous luminaire survives outside a smaller clearing window.
    s.Foto.Intens.Azzera();

    // 2. Width step of the main window's arrows.
    if (agganci.PassoLarghezza) agganci.PassoLarghezza(0.1);

    // 3. Arrangements, sweep steps, requirements.
    s.DispPali = 0;
    s.DispPaliA = 0;
    s.StepAlt = s.StepInt = s.StepSbr = 0.5;
    s.StepAng = 5;
    s.ErrLm = s.ErrEm = 20;
    s.ClassePav = 1;
    s.Deprezz = s.DeprezzA = 0.8;
    s.LmMin = s.UoMin = s.UlMin = s.TiMax = 0;
    s.EmMin = s.EminMin = s.UeMin = 0;
    s.DaProgetto = false;
    s.TuttiRisultati = false;
    s.OssUNI = 0;
    s.ValLimite = 0;
    s.FotoCaricata = false;

    // 4. Main window controls.
    if (agganci.RipristinaFinestra) agganci.RipristinaFinestra();

    // 5. Geometry back to "variable", files forgotten.
    s.HPalo = s.HPaloA = HPaloVariabile;
    s.Sbraccio = s.SbraccioA = SbraccioVariabile;
    s.Inclina = s.InclinaA = 0;
    s.Interdist = 0;
    s.LargStrada = s.LargStradaA = 7;
    s.NCorsie = 2;
    s.FotoCaricata = false;
    s.StradaDef = s.StradaDefA = true;
    s.RitornoStampa = false;
    s.TutteLampade = false;
    s.FileLista.clear();
    s.FileFoto.clear();
    s.CatNomeFile.clear();
    s.FotoApp.clear();
    s.FotoImpianto.clear();
    if (agganci.SvuotaNomiApparecchio) agganci.SvuotaNomiApparecchio();

    // 6. Economic inputs; the design lamp from the source picker (SorgDurata,
    // SorgCosto, SorgRiserva) stays.
    s.OreAcc = 4200;
    s.OrePiena = 0;
    s.OreRid1 = s.OreRid2 = 0;
    s.FrazRid1 = s.FrazRid2 = 1;
    s.EdizioneEN = 0;
    s.LargLaterale = 0;
    s.CostoE = 0.1;
    s.VitaImp = 25;
    s.CoeffMorte = 0.06;
    s.PerditaPot = 14;
    s.IntAlt = 2.5;
    s.IntAltRapp = true;
    s.LampW = 125;
    s.LampLM = 6200;
    s.LampT = 8000;
    s.LampCosto = 12;
    s.NLampW = s.NLampT = s.NLampCosto = 0;
    s.DurataSAP = 12000;
    s.DurataSBP = 10000;
    s.DurataHID = 6000;
    s.DurataHG = 8000;
    s.CostoSAP = 14;
    s.CostoSBP = 13;
    s.CostoHID = 14;
    s.CostoHG = 12;
    s.CostoApp = 200;
    s.CostoPalo = 250;
    s.CostoPlinto = 110;
    s.CostoAccessori = 50;
    s.CostoScavo = 350;
    s.CostoCavo = 110;
    s.PrezzoAll = 120;
    s.PrezzoApp = 45;
    s.CostoM = 40;
    s.CostoRiserva = 120;
    s.LampWatt = 0;
    s.LampFlusso = 0;
    s.LampTipo.clear();

    // 7. Grids: the EN flag goes with the UNI constants until the road
    // parameters dialog is confirmed once.
    s.GrigliaEN = 1;
    s.NPtiCorsia = 5;
    s.InterMaxGriglia = 50;
    s.NPtiCorsia2 = 5;
    s.GrigliaPers = 0;
    s.NPtiX = s.NPtiY = 0;

    // 8. Masterplan tab shows the new maintenance factor.
    if (agganci.MostraDeprezzMasterplan) agganci.MostraDeprezzMasterplan(s.Deprezz);
}

}  // namespace nottaro
