#pragma once
// The first-start language dialog: five language buttons with fixed names
// (German shown but not selectable); closing it without a choice gives Italian.
#include <QDialog>

namespace nottaro::ui {

class TLingua : public QDialog {
    Q_OBJECT
public:
    explicit TLingua(QWidget* genitore = nullptr);
    int Scelta() const { return scelta_; }
    // Shows the dialog modally and returns the language chosen.
    static int Chiedi(QWidget* genitore = nullptr);

private:
    int scelta_;
};

}  // namespace nottaro::ui
