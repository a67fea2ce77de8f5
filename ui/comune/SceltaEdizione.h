#pragma once
// The choice of class tables (EdizioneEN) shared by the road and path design
// dialogs: the program's own tables, or those of EN 13201-2:2015.
class QComboBox;
class QGridLayout;
class QWidget;

namespace nottaro::ui {

// Adds the caption and the list (objectName "EdizioneEN") as row `riga` of
// `griglia`, showing `edizione`; the list's index is the value to store.
QComboBox* AggiungiSceltaEdizione(QGridLayout* griglia, int riga, int edizione, QWidget* genitore);

}  // namespace nottaro::ui
