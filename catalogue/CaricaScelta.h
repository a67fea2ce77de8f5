#pragma once
// What the main window does with the catalogue's pick and after the list
// window: the design-state side, shared by the desktop program and its tests.
#include <string>

#include "catalogue/Catalogo.h"
#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"

namespace nottaro {

enum class EsitoScelta {
    Caricata,     // the picked file is the current photometry
    NonCaricata,  // the file could not be read: nothing changed
    ListaTenuta,  // a luminaire list is open and the designer kept it (No to message 52)
};

// Loads the picked file as "&Carica LDT" does without its dialog: the reader
// chosen by the name, the previous record kept when the file cannot be read;
// with a list open, message 52 asks whether to close it. On success FileFoto,
// CatNomeFile and FotoApp take the pick's values, FotoCaricata is set and the
// lamp set whose flux equals the catalogue's LUMEN (over all the file's sets)
// becomes LampSel; a LUMEN of 0 or none keeps the reader's set. DaCatalogo is
// cleared whatever the outcome.
EsitoScelta CaricaSceltaCatalogo(StatoProgetto& s, const SceltaCatalogo& scelta, Interazione& ui);

// The lamp set whose flux equals `flusso` (lm), the first of them; the
// record's LampSel when none does or flusso is not positive.
int LampadaConFlusso(const Fotometria& f, double flusso);

// After the list window: with a list, FotoCaricata is set; without one, it
// stays set only while a photometry is loaded.
void DopoElencoLdt(StatoProgetto& s);

// The main window's photometry label: "Lista: " (when `conPrefisso`) and the
// list's file name while a list is current, else the photometric file's name,
// "" when neither is loaded.
std::string EtichettaFotometria(const StatoProgetto& s, bool conPrefisso);

}  // namespace nottaro
