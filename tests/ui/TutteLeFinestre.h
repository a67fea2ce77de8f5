#pragma once
// Every window of the program built over one design state, for the tests that
// must hold for all of them (keys, help sections). The main window is built
// by the test itself (test::Banco), as it needs its own program folder.
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Finestre.h"
#include "core/photometry/LettoriFotometria.h"
#include "report/DatiReport.h"
#include "ui/calcolo/FinestraOttimizza.h"
#include "ui/catalogue/TElencoldt.h"
#include "ui/catalogue/Tcatalogue.h"
#include "ui/dialoghi/TAboutBox.h"
#include "ui/dialoghi/TDefCalc.h"
#include "ui/dialoghi/TDefProg.h"
#include "ui/dialoghi/TDefProgettoA.h"
#include "ui/dialoghi/TFormDisposizione.h"
#include "ui/dialoghi/TLampProg.h"
#include "ui/dialoghi/TLingua.h"
#include "ui/dialoghi/TSourceProg.h"
#include "ui/photometry/TEulumdat.h"
#include "ui/photometry/Ttabform.h"
#include "ui/isolum/TIsolum.h"
#include "ui/masterplan/TMasterPlan.h"
#include "ui/report/TFormVerifica.h"
#include "ui/report/TPersonal.h"
#include "ui/report/TprintP.h"

namespace nottaro::test {

struct Finestra {
    const char* nome;
    std::function<std::unique_ptr<QWidget>(StatoProgetto&, Interazione&)> costruisci;
};

// The state every window is built over: a luminaire loaded, the sample
// catalogue's program folder.
inline void PreparaStato(StatoProgetto& s, Interazione& ui) {
    s.DirProg = std::string(NOTTARO_SOURCE_DIR) + "/data";
    LeggiFotometria(Fixture("photometry/eulumdat-plot_sample_01_isym3.ldt"), s.Foto, ui);
}

inline std::vector<Finestra> TutteLeFinestre() {
    using P = std::unique_ptr<QWidget>;
    using namespace nottaro::ui;
    return {
        {"TDefProg", [](StatoProgetto& s, Interazione& ui) -> P { return std::make_unique<TDefProg>(s, ui); }},
        {"TDefProgettoA", [](StatoProgetto& s, Interazione& ui) -> P { return std::make_unique<TDefProgettoA>(s, ui); }},
        {"TDefCalc", [](StatoProgetto& s, Interazione& ui) -> P { return std::make_unique<TDefCalc>(s, ui); }},
        {"TSourceProg", [](StatoProgetto& s, Interazione& ui) -> P { return std::make_unique<TSourceProg>(s, ui, true); }},
        {"TForm1", [](StatoProgetto&, Interazione&) -> P { return std::make_unique<TFormDisposizione>(false, 0); }},
        {"TForm2", [](StatoProgetto&, Interazione&) -> P { return std::make_unique<TFormDisposizione>(true, 0); }},
        {"TAboutBox", [](StatoProgetto&, Interazione&) -> P { return std::make_unique<TAboutBox>(); }},
        {"TLampProg", [](StatoProgetto&, Interazione& ui) -> P { return std::make_unique<TLampProg>(DatiLampada{}, ui); }},
        {"TLingua", [](StatoProgetto&, Interazione&) -> P { return std::make_unique<TLingua>(); }},
        {"TEulumdat", [](StatoProgetto& s, Interazione& ui) -> P { return std::make_unique<TEulumdat>(s, ui); }},
        {"Ttabform", [](StatoProgetto& s, Interazione& ui) -> P { return std::make_unique<Ttabform>(s.Foto, ui); }},
        {"TCalcola", [](StatoProgetto& s, Interazione& ui) -> P { return std::make_unique<TCalcola>(s, ui); }},
        {"TCalcolaa", [](StatoProgetto& s, Interazione& ui) -> P { return std::make_unique<TCalcolaa>(s, ui); }},
        // The results browser is the run window's second page.
        {"TCalcola browser", [](StatoProgetto& s, Interazione& ui) -> P {
             auto f = std::make_unique<TCalcola>(s, ui);
             f->MostraBrowser();
             return f;
         }},
        {"TIsolum", [](StatoProgetto&, Interazione& ui) -> P { return std::make_unique<TIsolum>(VistaSoluzione{}, ui); }},
        {"TprintP", [](StatoProgetto& s, Interazione& ui) -> P { return std::make_unique<TprintP>(DatiReportDaStato(s), ui); }},
        {"TPersonal", [](StatoProgetto& s, Interazione& ui) -> P { return std::make_unique<TPersonal>(s, ui); }},
        {"TFormVerifica", [](StatoProgetto& s, Interazione& ui) -> P { return std::make_unique<TFormVerifica>(s, ui, nullptr); }},
        {"TMasterPlan", [](StatoProgetto& s, Interazione& ui) -> P { return std::make_unique<TMasterPlan>(s, ui); }},
        {"Tcatalogue", [](StatoProgetto& s, Interazione& ui) -> P { return std::make_unique<Tcatalogue>(s.DirProg, false, ui); }},
        {"TElencoldt", [](StatoProgetto& s, Interazione& ui) -> P { return std::make_unique<TElencoldt>(s, ui); }},
    };
}

}  // namespace nottaro::test
