#pragma once
// The luminaire list window: build a list of photometric files from disk and
// from the catalogue, keep it in a .ntr file, and make it the current list
// (FileLista) that the optimisation runs compare. "&Ok" is the only way out.
#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/ElencoLdt.h"
#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"

class QLabel;
class QListWidget;

namespace nottaro::ui {

// The file dialogs and the catalogue the window opens; by default the
// platform's dialogs and the catalogue window, replaced in tests.
struct DialoghiElenco {
    std::function<std::optional<std::string>()> apriLista;   // a .ntr to load
    std::function<std::optional<std::string>()> salvaLista;  // where to save
    std::function<std::vector<std::string>()> fileDaDisco;   // photometric files to add
    std::function<std::vector<std::string>()> daCatalogo;    // the catalogue's picks (list mode)
};

class TElencoldt : public QDialog {
    Q_OBJECT
public:
    TElencoldt(StatoProgetto& stato, Interazione& ui, QWidget* genitore = nullptr, DialoghiElenco dialoghi = {});

    const ElencoLdt& Elenco() const { return elenco_; }

    // Escape and the window manager's close do nothing: "&Ok" decides.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Costruisci();
    void Mostra();
    void AggiungiDaCatalogo();
    void Ok();
    DialoghiElenco DialoghiPredefiniti();

    StatoProgetto& stato_;
    Interazione& ui_;
    ElencoLdt elenco_;
    DialoghiElenco dialoghi_;
    QListWidget* lista_ = nullptr;
    QLabel* nomeLista_ = nullptr;
    QLabel* mancanti_ = nullptr;
};

}  // namespace nottaro::ui
