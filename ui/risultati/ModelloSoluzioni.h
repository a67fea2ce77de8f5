#pragma once
// The solution table as a Qt model: cells are read from the table's cursor
// when the view asks for them, so only the rows on screen are ever read,
// whatever the number of rows. Column c is field c of the table (NUM first;
// the view hides it). Numbers are right-aligned as stored.
#include <QAbstractTableModel>

#include <functional>

#include "store/TabellaDbf.h"

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
    std::function<void(int)> letture_;
};

// Catalogue title of a solution-table field ("" for NUM).
QString TitoloCampo(const std::string& campo, bool percorso);

}  // namespace nottaro::ui
