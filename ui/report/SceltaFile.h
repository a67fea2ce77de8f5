#pragma once
// What the print dialogs share: the save-file choice (a test's answer when
// given) and a picture preview fitted and centred in its box.
#include <QString>

#include <functional>

#include "core/interaction/Interazione.h"

class QLabel;
class QWidget;

namespace nottaro::ui {

// `scelta()` when set, else a save dialog (default suffix); "" when
// cancelled. With `conferma` an existing file is replaced only after a Yes
// to message 1709 (asked whoever chose the file); without it the dialog
// asks in its own words.
QString FileDaSalvare(const std::function<QString()>& scelta, QWidget* genitore, const QString& titolo,
                      const QString& cartella, const QString& filtro, const QString& suffisso,
                      Interazione* conferma = nullptr);

// Shows `file` in `immagine` fitted into W x H and centred in its box (the
// label's parent, 1 pixel of frame); hides it when the file is missing or
// unreadable. True when shown.
bool AnteprimaInScatola(QLabel* immagine, const QString& file, int W, int H);

}  // namespace nottaro::ui
