#pragma once
// The intensity matrix as the editor shows it: one text per cell, columns
// the C planes and rows the gamma angles, headers the angles with "°". Texts,
// not numbers, so a half-typed or emptied cell stays as typed until the
// whole table is stored; up to 721 x 721 cells without a widget per cell.
#include <QAbstractTableModel>
#include <QString>

#include <vector>

#include "core/photometry/Fotometria.h"

namespace nottaro::ui {

class ModelloTabella : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloTabella(const Fotometria& f, QObject* genitore = nullptr);

    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : ng_; }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : nc_; }
    QVariant data(const QModelIndex& i, int ruolo) const override;
    bool setData(const QModelIndex& i, const QVariant& v, int ruolo) override;
    QVariant headerData(int sezione, Qt::Orientation o, int ruolo) const override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;

    // Plane c (1..NumC), gamma column g (1..NumG).
    QModelIndex Cella(int c, int g) const { return index(g - 1, c - 1); }
    const QString& Testo(int c, int g) const { return testi_[Pos(c, g)]; }

    // Every cell read as a number, plane by plane; on the first cell that
    // does not read, false with its plane and gamma column and nothing in `out`.
    bool Leggi(std::vector<double>& out, int& cErrata, int& gErrata) const;

signals:
    // A cell's text changed (typing, emptying).
    void Modificata(int c, int g);

private:
    std::size_t Pos(int c, int g) const { return static_cast<std::size_t>(c - 1) * ng_ + (g - 1); }
    int nc_, ng_;
    std::vector<QString> testi_;
    std::vector<QString> titoliC_, titoliG_;
};

}  // namespace nottaro::ui
