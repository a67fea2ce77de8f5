#include "ui/masterplan/ModelloTabellaMP.h"

#include <QBrush>
#include <QColor>

#include <utility>

#include "ui/comune/Testi.h"

namespace nottaro::ui {

ModelloTabellaMP::ModelloTabellaMP(QObject* genitore) : QAbstractTableModel(genitore) {}

void ModelloTabellaMP::Imposta(std::vector<mp::CelleRiga> righe, bool modificabile, std::vector<std::string> note) {
    beginResetModel();
    righe_ = std::move(righe);
    note_ = std::move(note);
    note_.resize(righe_.size());
    modificabile_ = modificabile;
    endResetModel();
}

void ModelloTabellaMP::AggiornaRiga(int riga, const mp::CelleRiga& celle, const std::string& nota) {
    if (riga < 0 || riga >= rowCount()) return;
    righe_[static_cast<std::size_t>(riga)] = celle;
    note_[static_cast<std::size_t>(riga)] = nota;
    emit dataChanged(index(riga, 0), index(riga, mp::NumColonneTabella - 1));
}

bool ModelloTabellaMP::ColonnaModificabile(int c) {
    using namespace mp;
    switch (c) {
    case TVia: case TApplicazione: case TCategoria: case TAltezza: case TAvanzamento: case TLarghezza:
    case TIntProgetto: case TDisposizione: case TPosPali: case TCorsie: case TDirMarcia: case TSorgente: case TW:
    case TCorpo: case TIdentificativo: case TDescrizione: case TTipoSx: case TSx: case TTipoDx: case TDx:
        return true;
    default:
        return false;
    }
}

QString ParolaEsito(const std::string& parola) {
    // The batch writes its verdict in Italian, as files and other programs
    // read it; the user reads it in the own language.
    static const std::pair<const char*, int> parole[] = {{"0 Risultati", 2313}, {"Dati mancanti", 2314},
                                                         {"LDT mancante", 2315}, {"ESATTO", 2316},
                                                         {"MIN+MAX", 2317},      {"Solo MIN", 2318}};
    for (const auto& [italiano, messaggio] : parole)
        if (parola == italiano) return Qm(messaggio);
    return QString::fromStdString(parola);
}

int ModelloTabellaMP::rowCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : static_cast<int>(righe_.size());
}

int ModelloTabellaMP::columnCount(const QModelIndex& p) const { return p.isValid() ? 0 : mp::NumColonneTabella; }

QVariant ModelloTabellaMP::data(const QModelIndex& i, int ruolo) const {
    if (!i.isValid() || i.row() >= rowCount()) return {};
    const auto& riga = righe_[static_cast<std::size_t>(i.row())];
    const std::string& t = riga[static_cast<std::size_t>(i.column())];
    switch (ruolo) {
    case Qt::DisplayRole:
        return i.column() == mp::TNote ? ParolaEsito(t) : QString::fromStdString(t);
    case Qt::EditRole:
        return QString::fromStdString(t);
    case Qt::BackgroundRole: {
        if (!t.empty() && t.front() == '?') return QBrush(QColor(255, 205, 205));  // marked by the check
        if (i.column() == mp::TNote && !t.empty()) {
            if (t == "ESATTO" || t == "MIN+MAX") return QBrush(QColor(210, 240, 210));
            if (t == "Solo MIN") return QBrush(QColor(250, 240, 200));
            return QBrush(QColor(255, 205, 205));  // 0 Risultati, LDT mancante, Dati mancanti
        }
        return {};
    }
    case Qt::ToolTipRole:
        if (i.column() == mp::TNote && !note_[static_cast<std::size_t>(i.row())].empty())
            return QString::fromStdString(note_[static_cast<std::size_t>(i.row())]);
        return t.size() > 20 ? QVariant(QString::fromStdString(t)) : QVariant();
    default:
        return {};
    }
}

QVariant ModelloTabellaMP::headerData(int s, Qt::Orientation o, int ruolo) const {
    if (ruolo != Qt::DisplayRole) return {};
    if (o == Qt::Horizontal) {
        if (s < 0 || s >= mp::NumColonneTabella) return {};
        return QString::fromStdString(mp::IntestazioniTabella()[static_cast<std::size_t>(s)]);
    }
    return s + 1;
}

Qt::ItemFlags ModelloTabellaMP::flags(const QModelIndex& i) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(i);
    if (modificabile_ && i.isValid() && ColonnaModificabile(i.column())) f |= Qt::ItemIsEditable;
    return f;
}

bool ModelloTabellaMP::setData(const QModelIndex& i, const QVariant& v, int ruolo) {
    if (ruolo != Qt::EditRole || !(flags(i) & Qt::ItemIsEditable)) return false;
    const std::string testo = v.toString().trimmed().toStdString();
    std::string& cella = righe_[static_cast<std::size_t>(i.row())][static_cast<std::size_t>(i.column())];
    if (cella == testo) return true;
    cella = testo;
    emit dataChanged(i, i);
    if (modificata) modificata(i.row(), i.column(), testo);
    return true;
}

}  // namespace nottaro::ui
