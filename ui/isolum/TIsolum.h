#pragma once
// The point-by-point results of one recomputed solution: a luminance table
// per observer (road), the illuminance table, each beside its false-colour
// map, with the installation's geometry and quality figures. The solution
// travels with the window (and on to the report); the design state keeps
// none of its fields.
#include <QDialog>

#include <functional>

#include "core/interaction/Interazione.h"
#include "ui/motore/MotoreRisultati.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace nottaro::ui {

class MappaCampo;

class TIsolum : public QDialog {
    Q_OBJECT
public:
    TIsolum(VistaSoluzione vista, Interazione& ui, QWidget* genitore = nullptr);

    const VistaSoluzione& Vista() const { return vista_; }
    // Shows observer k (0-based) in the luminance tab.
    void MostraOsservatore(int k);
    // Shows "&Identifica e Stampa Progetto", which then runs `identifica`.
    void CollegaIdentifica(std::function<void()> identifica);
    // Where "Esporta CSV" writes; the save dialog when not set (tests set it).
    std::function<QString()> sceltaFileCsv;

private:
    void Riempi();
    void RiempiTabella(QTableWidget* t, const CampoVista& c, int decimali);
    void EsportaTabellaCorrente();

    VistaSoluzione vista_;
    Interazione& ui_;
    QTabWidget* schede_ = nullptr;
    QTableWidget* tabLum_ = nullptr;
    QTableWidget* tabIll_ = nullptr;
    MappaCampo* mappaLum_ = nullptr;
    MappaCampo* mappaIll_ = nullptr;
    QLabel* osservatore_ = nullptr;
    QLabel* figureOss_ = nullptr;
    QPushButton* bottoni_[6] = {};
    QPushButton* identifica_ = nullptr;
    int osservatoreCorrente_ = 0;
};

// A figure as the table view shows it: rounded to n decimals, general format.
QString Cifra(double x, int n);
// An illuminance: 2 decimals below 10 lx, 1 up to 20 lx, 0 above.
QString CifraIlluminamento(double e);

}  // namespace nottaro::ui
