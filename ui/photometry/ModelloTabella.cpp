#include "ui/photometry/ModelloTabella.h"

#include <QColor>

#include "ui/comune/Testi.h"

namespace nottaro::ui {

ModelloTabella::ModelloTabella(const Fotometria& f, QObject* genitore)
    : QAbstractTableModel(genitore), nc_(f.NumC()), ng_(f.NumG()) {
    testi_.resize(static_cast<std::size_t>(nc_) * ng_);
    for (int c = 1; c <= nc_; ++c) {
        titoliC_.push_back(Generale(f.Intens.AngoloC(c)) + QStringLiteral("°"));
        for (int g = 1; g <= ng_; ++g) testi_[Pos(c, g)] = Generale(f.Intens.Valore(c, g));
    }
    for (int g = 1; g <= ng_; ++g) titoliG_.push_back(Generale(f.Intens.AngoloG(g)) + QStringLiteral("°"));
}

QVariant ModelloTabella::data(const QModelIndex& i, int ruolo) const {
    if (!i.isValid()) return {};
    if (ruolo == Qt::DisplayRole || ruolo == Qt::EditRole) return testi_[Pos(i.column() + 1, i.row() + 1)];
    if (ruolo == Qt::BackgroundRole) return QColor(Qt::white);
    return {};
}

bool ModelloTabella::setData(const QModelIndex& i, const QVariant& v, int ruolo) {
    if (!i.isValid() || ruolo != Qt::EditRole) return false;
    QString& t = testi_[Pos(i.column() + 1, i.row() + 1)];
    const QString nuovo = v.toString();
    if (nuovo == t) return true;
    t = nuovo;
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    emit Modificata(i.column() + 1, i.row() + 1);
    return true;
}

QVariant ModelloTabella::headerData(int sezione, Qt::Orientation o, int ruolo) const {
    if (ruolo != Qt::DisplayRole) return QAbstractTableModel::headerData(sezione, o, ruolo);
    const auto& titoli = o == Qt::Horizontal ? titoliC_ : titoliG_;
    return sezione >= 0 && sezione < static_cast<int>(titoli.size()) ? titoli[static_cast<std::size_t>(sezione)] : QVariant();
}

Qt::ItemFlags ModelloTabella::flags(const QModelIndex& i) const {
    return i.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::NoItemFlags;
}

bool ModelloTabella::Leggi(std::vector<double>& out, int& cErrata, int& gErrata) const {
    std::vector<double> valori(testi_.size());
    for (int c = 1; c <= nc_; ++c)
        for (int g = 1; g <= ng_; ++g) {
            const auto v = Numero(testi_[Pos(c, g)]);
            if (!v) {
                cErrata = c;
                gErrata = g;
                return false;
            }
            valori[Pos(c, g)] = *v;
        }
    out = std::move(valori);
    return true;
}

}  // namespace nottaro::ui
