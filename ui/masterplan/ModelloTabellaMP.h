#pragma once
// The Masterplan result table as the grid shows it: the 70 columns with their
// headers, one row per table row. Bad values marked "?" by the check and the
// rows left to check stand out; the note of a row carries the messages its
// evaluation collected as a tooltip. The row's input cells are editable.
#include <QAbstractTableModel>

#include <functional>
#include <string>
#include <vector>

#include "masterplan/TabellaMP.h"

namespace nottaro::ui {

// A row's verdict as the user reads it: the batch's Italian word ("ESATTO",
// "Dati mancanti", ...) in the current language; any other text unchanged.
QString ParolaEsito(const std::string& parola);

class ModelloTabellaMP : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloTabellaMP(QObject* genitore = nullptr);

    // New rows; `modificabile` lets the input columns be edited; `note` are
    // the tooltips of the note column (may be shorter than righe).
    void Imposta(std::vector<mp::CelleRiga> righe, bool modificabile, std::vector<std::string> note = {});
    // One row changed outside (a re-run).
    void AggiornaRiga(int riga, const mp::CelleRiga& celle, const std::string& nota);
    void ImpostaModificabile(bool m) { modificabile_ = m; }
    const std::vector<mp::CelleRiga>& Righe() const { return righe_; }

    // The columns a revision reads back, which the user may therefore edit.
    static bool ColonnaModificabile(int colonna);

    // Called after a cell was changed by the user: row, column, new text.
    std::function<void(int, int, const std::string&)> modificata;

    int rowCount(const QModelIndex& p = {}) const override;
    int columnCount(const QModelIndex& p = {}) const override;
    QVariant data(const QModelIndex& i, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation o, int ruolo) const override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;
    bool setData(const QModelIndex& i, const QVariant& v, int ruolo) override;

private:
    std::vector<mp::CelleRiga> righe_;
    std::vector<std::string> note_;
    bool modificabile_ = false;
};

}  // namespace nottaro::ui
