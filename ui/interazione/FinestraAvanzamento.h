#pragma once
// The progress window of a run: candidates evaluated, rows found, elapsed
// time and time left, and the "Interrompi" button. It only shows what it is
// given; it never processes events itself.
#include <QDialog>

#include "core/interaction/Interazione.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace nottaro::ui {

class FinestraAvanzamento : public QDialog {
    Q_OBJECT
public:
    explicit FinestraAvanzamento(QWidget* genitore = nullptr);
    void Mostra(const Avanzamento& a);
    QPushButton* Interrompi() const { return Interrompi_; }

signals:
    void interrompi();

protected:
    void reject() override;  // Esc and the close box ask to stop, like the button

private:
    QLabel* testo_;
    QProgressBar* barra_;
    QPushButton* Interrompi_;
};

}  // namespace nottaro::ui
