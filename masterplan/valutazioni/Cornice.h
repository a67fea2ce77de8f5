#pragma once
// The frame the three evaluations share: files in order (an unreadable one
// ends the evaluation), lamp sets, and the messages a row collects.
#include <string>

#include "core/text/Testo.h"
#include "engine/sweep/SequenzeSweep.h"
#include "masterplan/FileLdtMP.h"
#include "masterplan/IndiciMP.h"
#include "masterplan/SoluzioniMP.h"

namespace nottaro::mp {

// Calls corpo(file, lamp set) for every readable file and lamp set of the
// row; the first lamp set is 0 for a road with TutteLampade and more than
// one set, else the file's LampSel. The files' messages go to the row when
// conAvvisi. Stops at an unreadable file (its
// message goes to the row) or when corpo returns false.
template <class Corpo>
void PerOgniFileLampada(const DatiRigaMP& d, const OpzioniMP& o, bool strada, EsitoRigaMP& es, Corpo corpo,
                        bool conAvvisi = true) {
    for (const FileLdt* f : d.File) {
        if (conAvvisi)
            for (const auto& a : f->Avvisi) es.Avvisi.push_back(f->Nome + ": " + a);
        if (!f->Leggibile) {
            if (conAvvisi) es.Avvisi.push_back(f->Nome + ": unreadable photometric file (missing, or no planes, angles or lamp sets)");
            return;
        }
        const Fotometria& foto = *f->Foto;
        int lampada = foto.LampSel >= 0 && foto.LampSel < foto.NumLampade ? foto.LampSel : 0;
        if (strada && o.TutteLampade && foto.NumLampade > 1) lampada = 0;
        do {
            if (!corpo(*f, lampada)) return;
            ++lampada;
        } while (o.TutteLampade && lampada < foto.NumLampade);
    }
}

// The luminaire of a kept solution (file, lamp set, its flux and power) and
// its energy index when one can be formed.
inline void LampadaEIndice(SoluzioneMP& c, const FileLdt& f, int lampada, std::optional<double> ipei) {
    c.Flusso = f.Foto->FlussoLamp[lampada];
    c.Potenza = f.Foto->PotLamp[lampada];
    c.File = f.Nome;
    c.Lampada = lampada;
    if (ipei) {
        c.IPEI = *ipei;
        c.HaIPEI = true;
        c.ClasseIPEI = ClasseIPEI(*ipei);
    }
}

// The spacings a road or path row tries at height h: the row's own spacing
// when it gives one, else the sweep's sequence with the run's step and limit.
inline Livello SpaziatureRiga(const DatiRigaMP& d, const OpzioniMP& o, TipoImpianto tipo) {
    ParametriSequenze seq;
    seq.tipo = tipo;
    seq.DaProgetto = d.DaProgetto;
    seq.Interdist = d.Interdist;
    seq.StepInt = o.StepInt;
    seq.TipoLimite = o.TipoLimite;
    seq.ValLimite = o.ValLimite;
    return Interdistanze(seq, d.H);
}

}  // namespace nottaro::mp
