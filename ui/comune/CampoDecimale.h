#pragma once
// A one-line edit for a decimal number typed with ".": digits, one "." and,
// where allowed, a leading "-". Anything else, typed or pasted, is refused
// with the system beep.
#include <QLineEdit>

namespace nottaro::ui {

class CampoDecimale : public QLineEdit {
    Q_OBJECT
public:
    CampoDecimale(bool negativo, int maxCaratteri, QWidget* genitore = nullptr);
    // Whole numbers only (no ".").
    static CampoDecimale* Intero(int maxCaratteri, QWidget* genitore = nullptr);
};

// The two-state choice of a fixed value: "Variabile" (message 45) or
// "Definita" (message 48); item 1 is the fixed one.
inline constexpr int SceltaVariabile = 0;
inline constexpr int SceltaDefinita = 1;

}  // namespace nottaro::ui
