#pragma once
// The printing jobs of the windows: the project report, the solution lists
// and the two Masterplan documents. Each takes its request (what it draws,
// copied on the window thread) and a Riscontro, and runs on a worker: the
// pages go to the Riscontro as progress, and its stop request ends the
// document after the page (or project) in hand.
#include <QString>

#include <string>
#include <vector>

#include "core/interaction/Riscontro.h"
#include "masterplan/report/StampaMasterplan.h"
#include "report/DatiReport.h"
#include "report/ElencoSoluzioni.h"
#include "report/StampaProgetto.h"

class QPrinter;

namespace nottaro::ui {

// Page k of n reported as progress (k - 1 done); false once a stop is asked.
AvanzamentoStampa AvanzamentoDa(Riscontro& riscontro);

struct RichiestaStampaReport {
    DatiReport dati;
    OpzioniReport opzioni;
    QPrinter* stampante = nullptr;  // the window's printer, or
    std::string filePdf;            // a PDF file (when no printer)
};
EsitoStampa EseguiStampaReport(const RichiestaStampaReport& r, Riscontro& riscontro);

struct RichiestaStampaElenco {
    std::vector<RigaElenco> righe;
    OpzioniElenco opzioni;
    QPrinter* stampante = nullptr;  // set up (page, orientation) on the window thread
};
// A stopped list is withdrawn from the printer, not sent half done.
EsitoStampa EseguiStampaElenco(const RichiestaStampaElenco& r, Riscontro& riscontro);

struct RichiestaStampaMasterplan {
    enum class Documento { Progetti, TabFotometriche };
    Documento documento = Documento::Progetti;
    std::vector<mp::RigaTabellaMP> righe;
    mp::OpzioniMP opzioni;
    mp::OpzioniStampaMP stampa;
    mp::AmbienteStampaMP ambiente;
    QPrinter* stampante = nullptr;
};
// Each printable row is computed again and drawn here, on the worker.
mp::EsitoStampaMP EseguiStampaMasterplan(const RichiestaStampaMasterplan& r, Riscontro& riscontro);

}  // namespace nottaro::ui
