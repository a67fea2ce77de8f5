#pragma once
// One retained solution of a row computed again in full, for printing: the
// road's luminance and illuminance fields or the path's illuminance field,
// the ring of a roundabout, and the strips beside the road point by point.
#include <array>
#include <vector>

#include "engine/area/DettaglioA.h"
#include "engine/road/RicalcolaSoluzione.h"
#include "masterplan/SoluzioniMP.h"
#include "masterplan/valutazioni/Valutazioni.h"

namespace nottaro::mp {

struct DettaglioSoluzioneMP {
    bool ok = false;              // false: the file is not the row's, or a calculation error
    TipoRiga Tipo = TipoRiga::Strada;
    SoluzioneStrada Strada;       // roads: Lm, Uo, Ul, TI, fields, illuminance
    DettaglioPercorso Percorso;   // paths and areas
    AnelloMP Anello;              // roundabouts: the ring grid,
    std::vector<double> EAnello;  // its illuminance per point
    StatisticheIllum StatAnello;
    double TI = 0, REI = 0;       // road TI or path estimate; road edge ratio
    std::array<Striscia, 2> Strisce;
    std::array<std::vector<double>, 2> PuntiStrisce;  // lx, row by row
};

DettaglioSoluzioneMP ValutaSoluzione(const DatiRigaMP& d, const OpzioniMP& o, const SoluzioneMP& s);

}  // namespace nottaro::mp
