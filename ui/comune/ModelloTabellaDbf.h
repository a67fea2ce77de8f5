#pragma once
// A read-only grid model over the visible rows of a dBase table (filter on
// or off), with the columns the window chooses: field, title and width in
// pixels. Cells are read as the table stores them; a change of filter is
// shown after Aggiorna().
#include <QAbstractTableModel>
#include <QString>

#include <string>
#include <vector>

#include "store/TabellaDbf.h"

class QTableView;

namespace nottaro::ui {

struct ColonnaGriglia {
    std::string campo;
    QString titolo;
    int larghezza = 0;  // pixels
};

class ModelloTabellaDbf : public QAbstractTableModel {
    Q_OBJECT
public:
    ModelloTabellaDbf(const TabellaDbf& tabella, std::vector<ColonnaGriglia> colonne, QObject* genitore = nullptr);

    int rowCount(const QModelIndex& genitore = QModelIndex()) const override;
    int columnCount(const QModelIndex& genitore = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation verso, int ruolo = Qt::DisplayRole) const override;

    // The table's rows changed (a new filter): the grid reads them again.
    void Aggiorna();
    // Column titles in the current language.
    void ImpostaTitoli(const std::vector<QString>& titoli);
    // Gives the view the columns' widths.
    void ApplicaLarghezze(QTableView& vista) const;
    int Larghezza(int colonna) const { return colonne_.at(static_cast<std::size_t>(colonna)).larghezza; }

private:
    const TabellaDbf& tabella_;
    std::vector<ColonnaGriglia> colonne_;
};

}  // namespace nottaro::ui
