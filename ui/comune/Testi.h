#pragma once
// Catalogue texts and numbers as the windows show them.
#include <QString>

#include <optional>
#include <string_view>

#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"

namespace nottaro::ui {

// Message n of the current language.
inline QString Qm(int n) { return QString::fromStdString(Msg(n)); }
inline QString Qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string Ss(const QString& s) { return s.toStdString(); }

// A real in the general format ("7", "0.8", "-1.5").
inline QString Generale(double x) { return QString::fromStdString(FormatoGenerale(x)); }

// The whole text as a real with "." as decimal separator; nullopt otherwise.
inline std::optional<double> Numero(const QString& testo) { return ConvertiReale(testo.toStdString()); }
inline std::optional<int> Intero(const QString& testo) { return ConvertiIntero(testo.toStdString()); }

// A class name as the windows show it: the stored code "M3 o ME3b" joins its
// two equivalent classes with an Italian word, shown as "M3 / ME3b" in every
// language.
inline QString NomeClasse(std::string_view codice) {
    return QString::fromUtf8(codice.data(), static_cast<qsizetype>(codice.size())).replace(QStringLiteral(" o "), QStringLiteral(" / "));
}

// Catalogue caption with "&" as the accelerator mark, as Qt widgets take it.
inline QString Etichetta(int n) { return Qm(n); }

}  // namespace nottaro::ui
