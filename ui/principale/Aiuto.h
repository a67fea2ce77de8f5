#pragma once
// The help pages: one HTML book per language (DirProg/help/<it|en|fr|de|es>/
// index.html), shown in a browser window; every window opens its own section
// (anchor = the window's class name) with F1.
#include <QString>

class QAbstractButton;
class QWidget;

namespace nottaro::ui {

// The help file of the current language, as the design state's FileHelp
// names it; set by the main window at start and at every language change.
void ImpostaFileAiuto(const QString& file);
QString FileAiuto();

// Opens the help window at `sezione` (empty: the top of the book). A missing
// page is named in the window instead of its content.
void ApriAiuto(QWidget* genitore, const QString& sezione = QString());

// F1 on `finestra` (and any child) opens the help at `sezione`.
void ImpostaAiuto(QWidget* finestra, const QString& sezione);

// A Help button of `finestra` that opens the help at `sezione`.
void PulsanteAiuto(QAbstractButton* pulsante, QWidget* finestra, const QString& sezione);

// The section a window or Help button opens is also kept on it under this
// property, so every section the windows open can be checked against the
// books of all languages.
inline constexpr const char* ProprietaSezioneAiuto = "nottaroSezioneAiuto";

}  // namespace nottaro::ui
