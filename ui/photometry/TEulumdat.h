#pragma once
// The photometric viewer: the luminaire's identification, its lamp sets
// with the one in use, the polar diagram with zoom, the checks of the table
// and the way into the table editor and to the diagram export.
#include <QDialog>

#include <array>

#include "core/interaction/Interazione.h"
#include "core/photometry/MisuraCurva.h"
#include "core/photometry/VerificaFotometria.h"
#include "core/state/StatoProgetto.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollArea;
class QToolButton;
class QVBoxLayout;

namespace nottaro::ui {

// Lamp sets the viewer shows: every set a file can hold.
inline constexpr int RigheLampade = MaxLampade;
// Side of the diagram's box at the starting zoom, pixels.
inline constexpr int LatoDiagramma = 250;

class TEulumdat : public QDialog {
    Q_OBJECT
public:
    TEulumdat(StatoProgetto& stato, Interazione& ui, QWidget* genitore = nullptr);

    const DatiCurva& Curva() const { return curva_; }
    double Zoom() const { return zoom_; }
    const std::vector<EsitoVerifica>& Verifiche() const { return verifiche_; }

    // The zoom arrows.
    void Zoom(bool su);
    // Opens the table editor over the viewer; a stored edit redraws the
    // diagram and repeats the checks.
    void ApriTabella();
    // Writes the diagram to `percorso`; `svg` when the SVG filter was chosen
    // (a name without suffix gets the filter's). An existing file is replaced
    // only on Yes; a failed write warns, naming the file. true when written.
    bool Esporta(QString percorso, bool svg);

protected:
    void changeEvent(QEvent* e) override;

private:
    void ImpostaTesti();
    void Calcola();
    void MostraVerifiche();
    void ChiediEsporta();
    void Ok();

    StatoProgetto& stato_;
    Interazione& ui_;
    DatiCurva curva_;
    double zoom_ = 0.1;
    std::vector<EsitoVerifica> verifiche_;

    QLabel *Label1_, *Label2_, *Label3_, *Label11_, *Label12_, *Label13_, *Label14_;
    std::array<QRadioButton*, RigheLampade> radio_{};
    std::array<QLabel*, RigheLampade> tipo_{}, etFlusso_{}, etPotenza_{}, lumen_{}, watt_{};
    std::array<QLineEdit*, RigheLampade> flusso_{}, potenza_{};
    QWidget* PaintBox1_;
    QScrollArea* ScrollBox1_;
    QLineEdit* ZoomXY_;
    QToolButton *zoomSu_, *zoomGiu_;
    QGroupBox* PannelloVerifiche_;
    QVBoxLayout* righeVerifiche_;
    QWidget* BitBtn2_;
    QWidget* esporta_;
};

}  // namespace nottaro::ui
