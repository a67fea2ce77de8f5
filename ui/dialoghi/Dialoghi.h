#pragma once
// The design dialogs the main window opens, each created for one opening,
// shown modally and discarded. Each returns true when closed with Ok (the
// pickers: when a choice was made).
#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"

class QWidget;

namespace nottaro::ui {

bool EseguiTForm1(QWidget* genitore, StatoProgetto& stato);
bool EseguiTForm2(QWidget* genitore, StatoProgetto& stato);
bool EseguiTDefProg(QWidget* genitore, StatoProgetto& stato, Interazione& ui);
bool EseguiTDefProgettoA(QWidget* genitore, StatoProgetto& stato, Interazione& ui);
bool EseguiTDefCalc(QWidget* genitore, StatoProgetto& stato, Interazione& ui);
// The source picker: `modificabile` false shows the life and price without
// letting them be edited (the economic page only picks the family);
// Every opening starts on the first family.
bool EseguiTSourceProg(QWidget* genitore, StatoProgetto& stato, Interazione& ui, bool modificabile);

}  // namespace nottaro::ui
