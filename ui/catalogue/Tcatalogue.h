#pragma once
// The luminaire catalogue window: filter the catalogue of the program folder,
// read a luminaire's data sheet with its picture, and pick. In single mode a
// pick closes the window and is handed to the caller, which loads the file;
// in list mode every pick is collected for the list window. The window never
// writes the design state: what a pick changes is the caller's to apply once
// the file has loaded.
#include <QDialog>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/Catalogo.h"
#include "core/interaction/Interazione.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace nottaro::ui {

class ModelloTabellaDbf;

class Tcatalogue : public QDialog {
    Q_OBJECT
public:
    // Opens dirProg/lightlist.dbf (the caller has checked it exists).
    Tcatalogue(const std::string& dirProg, bool sceltaPerLista, Interazione& ui, QWidget* genitore = nullptr);
    ~Tcatalogue() override;

    // Single mode: the pick, or nullopt (closed without one).
    const std::optional<SceltaCatalogo>& Scelta() const { return scelta_; }
    // List mode: the files picked, in pick order ("&Esci" empties them).
    const std::vector<std::string>& Scelte() const { return scelte_.Scelte(); }

private:
    void Costruisci();
    void ApplicaFiltro();
    void MostraTutto();
    void MostraDettagli(int riga);
    void MostraImmagine(int riga);
    void Seleziona();
    void AggiornaConteggio();
    void AdattaColonne();
    int RigaCorrente() const;

    Interazione& ui_;
    bool perLista_;
    Catalogo catalogo_;
    ScelteLista scelte_;
    std::optional<SceltaCatalogo> scelta_;
    std::array<QComboBox*, NumListeFiltro> combo_{};
    std::map<std::string, QLabel*> valori_;
    QLabel* immagine_ = nullptr;
    QLabel* conteggio_ = nullptr;
    QPushButton* seleziona_ = nullptr;
    QTableView* griglia_ = nullptr;
    ModelloTabellaDbf* modello_ = nullptr;
};

}  // namespace nottaro::ui
