#pragma once
// The main window: load a photometry, describe the road or the path on its
// tab, set requirements and calculation parameters in the dialogs, optimise.
#include <QMainWindow>

#include <memory>

#include "core/state/StatoProgetto.h"
#include "ui/interazione/InterazioneQt.h"
#include "ui/principale/FinestreCollegate.h"

class QAction;
class QPushButton;

namespace nottaro::ui {

class TVelaro : public QMainWindow {
    Q_OBJECT
public:
    // `stato` outlives the window; `ui` answers with dialogs over it unless
    // a test passes its own.
    explicit TVelaro(StatoProgetto& stato, Interazione* ui = nullptr, QWidget* genitore = nullptr);
    ~TVelaro() override;

    StatoProgetto& Stato() { return stato_; }
    Interazione& Ui() { return *ui_; }

private:
    // Enables `comando` (button or menu item) when `apri` exists, else
    // disables it with the "later version" tooltip.
    void Collega(QWidget* pulsante, QAction* voce, const ApriFinestra& apri);
    void Apri(const ApriFinestra& apri);

    StatoProgetto& stato_;
    std::unique_ptr<InterazioneQt> uiPropria_;
    Interazione* ui_;
};

}  // namespace nottaro::ui
