#pragma once
// Reading typed numbers in dialogs: validate every field first, then commit.
// A field that does not convert is named in one warning and stores nothing.
#include <QLineEdit>
#include <QString>

#include <optional>

#include "core/interaction/Interazione.h"

namespace nottaro::ui {

// The number in `campo` ("." decimal), or nullopt after a warning through
// `ui` naming `nomeCampo` and the text; the field then takes the focus.
std::optional<double> NumeroDelCampo(const QLineEdit* campo, const QString& nomeCampo, Interazione& ui);

// As NumeroDelCampo, and also within the range the design value `valore`
// (a StatoProgetto member name) may take; outside it, one warning names the
// field, the number and the range.
std::optional<double> NumeroNelLimite(const QLineEdit* campo, const QString& nomeCampo, const char* valore,
                                      Interazione& ui);

// Caption without its accelerator mark and trailing colon ("Pa&rametri:" -> "Parametri").
QString SenzaAcceleratore(QString testo);

}  // namespace nottaro::ui
