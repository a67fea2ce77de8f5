#include "ui/comune/ModelloTabellaDbf.h"

#include <QTableView>

namespace nottaro::ui {

ModelloTabellaDbf::ModelloTabellaDbf(const TabellaDbf& tabella, std::vector<ColonnaGriglia> colonne, QObject* genitore)
    : QAbstractTableModel(genitore), tabella_(tabella), colonne_(std::move(colonne)) {}

int ModelloTabellaDbf::rowCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(tabella_.NumeroRighe());
}

int ModelloTabellaDbf::columnCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(colonne_.size());
}

QVariant ModelloTabellaDbf::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid() || (ruolo != Qt::DisplayRole && ruolo != Qt::ToolTipRole)) return {};
    const auto& c = colonne_[static_cast<std::size_t>(indice.column())];
    const auto testo = tabella_.TestoRiga(static_cast<std::size_t>(indice.row()), c.campo);
    return testo ? QVariant(QString::fromStdString(*testo)) : QVariant();
}

QVariant ModelloTabellaDbf::headerData(int sezione, Qt::Orientation verso, int ruolo) const {
    if (ruolo != Qt::DisplayRole) return {};
    if (verso == Qt::Vertical) return sezione + 1;
    if (sezione < 0 || sezione >= columnCount()) return {};
    return colonne_[static_cast<std::size_t>(sezione)].titolo;
}

void ModelloTabellaDbf::Aggiorna() {
    beginResetModel();
    endResetModel();
}

void ModelloTabellaDbf::ImpostaTitoli(const std::vector<QString>& titoli) {
    for (std::size_t i = 0; i < titoli.size() && i < colonne_.size(); ++i) colonne_[i].titolo = titoli[i];
    if (!colonne_.empty()) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void ModelloTabellaDbf::ApplicaLarghezze(QTableView& vista) const {
    for (std::size_t i = 0; i < colonne_.size(); ++i)
        if (colonne_[i].larghezza > 0) vista.setColumnWidth(static_cast<int>(i), colonne_[i].larghezza);
}

}  // namespace nottaro::ui
