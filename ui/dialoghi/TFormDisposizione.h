#pragma once
// The arrangement pickers: six buttons (roads seven, with the double centre
// row), each with its description; a button
// stores its number and closes, closing otherwise leaves the value.
#include <QDialog>

namespace nottaro::ui {

class TFormDisposizione : public QDialog {
    Q_OBJECT
public:
    // `percorso`: the path arrangements (TForm2) instead of the road ones (TForm1).
    TFormDisposizione(bool percorso, int attuale, QWidget* genitore = nullptr);
    int Scelta() const { return scelta_; }

private:
    int scelta_;
};

}  // namespace nottaro::ui
