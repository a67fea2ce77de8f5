#pragma once
// The solution table as a Qt model: cells are read from the table's cursor
// when the view asks for them, so only the rows on screen are ever read,
// whatever the number of rows. Column c is field c of the table (NUM first;
// the view hides it). Numbers are right-aligned; the light figures show the
// decimals a designer reads, the stored value whole in the tooltip.
#include <QAbstractTableModel>

#include <functional>
#include <memory>
#include <optional>

#include <vector>

#include "core/state/StatoProgetto.h"
#include "store/TabellaDbf.h"

namespace nottaro {
struct RequisitiClasse;  // engine/progetto/GiudizioProgetto.h
}

namespace nottaro::ui {

class ModelloSoluzioni : public QAbstractTableModel {
    Q_OBJECT
public:
    // `percorso`: the path table (NTRLUXA) and its titles; `tiMax` marks the
    // road rows whose TI exceeds it (0: none marked).
    ModelloSoluzioni(TabellaDbf& tabella, bool percorso, double tiMax, QObject* genitore = nullptr);

    int rowCount(const QModelIndex& genitore = {}) const override;
    int columnCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation o, int ruolo) const override;

    // Cells judged against the class (the design's requirements under its
    // edition, by the verdict evaluate and the report give): the background
    // says pass or fail, the tooltip the value and the requirement, and
    // RuoloVerdetto gives the verdict (true: meets it) to tests and
    // delegates. A criterion listed but not judged (TI under the Parts'
    // edition) colours nothing. The requirements are taken from `s` (a road's
    // or a path's as the table's kind). Not set: no cell is judged.
    static constexpr int RuoloVerdetto = Qt::UserRole + 1;
    void ImpostaRequisiti(const StatoProgetto& s);
    // Whether any column is judged under the requirements set.
    bool GiudicaColonne() const;

    // Sorting by a column (a header click) orders the rows shown, not the
    // table: numbers by value, texts as text, empty cells last, equal cells
    // in table order. A column < 0 gives back the table's own order. The
    // order is kept across Ricarica.
    void sort(int colonna, Qt::SortOrder ordine = Qt::AscendingOrder) override;
    // The table row shown on view row `riga`, and back.
    int RigaTabella(int riga) const;
    int RigaVista(int rigaTabella) const;

    // After the table's filter changed: every view reads afresh.
    void Ricarica();
    // Called with the row of every cell read (tests count the rows read).
    void ImpostaOsservatoreLetture(std::function<void(int riga)> f) { letture_ = std::move(f); }
    // Column of a field, -1 when the table has none.
    int Colonna(const char* campo) const { return tabella_.IndiceCampo(campo); }

private:
    TabellaDbf& tabella_;
    bool percorso_;
    double tiMax_;
    int colonnaTi_ = -1;
    std::shared_ptr<const RequisitiClasse> requisiti_;
    std::optional<bool> Verdetto(std::size_t riga, int colonna) const;
    void Ordina();
    int colonnaOrdine_ = -1;
    Qt::SortOrder verso_ = Qt::AscendingOrder;
    std::vector<std::size_t> ordine_;  // view row -> table row; empty: the table's order
    std::vector<int> posizione_;       // table row -> view row
    std::function<void(int)> letture_;
};

// Decimals a figure of `campo` of the road (or path) table is shown with;
// -1: as stored.
int DecimaliCampo(const std::string& campo, bool percorso);

// Catalogue title of a solution-table field ("" for NUM).
QString TitoloCampo(const std::string& campo, bool percorso);

}  // namespace nottaro::ui
