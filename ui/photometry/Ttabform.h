#pragma once
// The photometric table editor: the whole intensity matrix in cd/klm, typed
// over cell by cell, with the upward-light figures of the gamma = 90° row.
// Modal over the viewer; closing after an edit asks whether to store it.
#include <QDialog>

#include "core/interaction/Interazione.h"
#include "core/photometry/Fotometria.h"

class QKeyEvent;
class QLabel;
class QTableView;
class QTableWidget;

namespace nottaro::ui {

class ModelloTabella;

class Ttabform : public QDialog {
    Q_OBJECT
public:
    // `foto` is written only when the designer confirms the store.
    Ttabform(Fotometria& foto, Interazione& ui, QWidget* genitore = nullptr);

    ModelloTabella* Modello() const { return modello_; }
    bool TabModificata() const { return tabModificata_; }
    bool PuntoDigitato() const { return puntoDigitato_; }
    // The matrix was stored into the record.
    bool Memorizzata() const { return memorizzata_; }

    // A typed character in a cell (algorithm of the original grid): digits,
    // "." once per cell visit and Backspace are taken, anything else beeps.
    // Returns true when the key may reach the cell.
    bool TastoCella(const QString& testo);

    void done(int r) override;

protected:
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void ImpostaTesti();
    void AggiornaRiga90();
    void CellaScelta(const QModelIndex& attuale);
    bool Memorizza();

    Fotometria& foto_;
    Interazione& ui_;
    ModelloTabella* modello_;
    QTableView* StringGrid1_;
    QTableWidget* StringGrid2_;
    QLabel *Label1_, *Label2_, *Label3_, *Label4_, *Label5_, *Label6_, *Label7_, *Label8_;
    QLabel *cdklm7_, *cdklm8_;
    int g90_ = 0;  // gamma column at exactly 90°, 0 when none
    int ColonnaSel_ = 0, RigaSel_ = 0;
    bool puntoDigitato_ = false;
    bool tabModificata_ = false;
    bool memorizzata_ = false;
    bool chiusuraDecisa_ = false;
};

}  // namespace nottaro::ui
