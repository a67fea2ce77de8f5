// The verdict first: a later header of the store names a routine Criterio.
#include "engine/progetto/VerdettiClasse.h"
#include "ui/risultati/ModelloSoluzioni.h"

#include <QBrush>
#include <QColor>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "store/schema/SchemaSoluzioni.h"

#include "ui/comune/Testi.h"

namespace nottaro::ui {

namespace {

// The solution-table column of the figure a criterion reads, through the
// row schema; nullopt for a criterion of no column.
std::optional<MembroRiga> MembroCriterio(std::string_view criterio, bool percorso) {
    struct Voce {
        std::string_view criterio;
        std::optional<MembroRiga> strada, percorso;
    };
    static const Voce voci[] = {{"Lm", MembroRiga::LUMINA, std::nullopt}, {"Uo", MembroRiga::UNIFG, MembroRiga::UO},
                                {"Ul", MembroRiga::UNIFL, std::nullopt},  {"TI", MembroRiga::TI, std::nullopt},
                                {"EIR", MembroRiga::EIR, std::nullopt},   {"Em", std::nullopt, MembroRiga::EM},
                                {"Emin", std::nullopt, MembroRiga::EMIN}};
    for (const Voce& v : voci)
        if (v.criterio == criterio) return percorso ? v.percorso : v.strada;
    return std::nullopt;
}

// The judged criteria of a row on column `colonna`: none, one, or two (the
// 2015 P classes' Em window).
std::vector<Criterio> CriteriCella(const TabellaDbf& t, const RequisitiClasse& r, bool percorso, std::size_t riga,
                                   int colonna) {
    std::vector<Criterio> cella;
    if (colonna < 0 || static_cast<std::size_t>(colonna) >= t.Campi().size()) return cella;
    const std::string& nome = t.Campi()[static_cast<std::size_t>(colonna)].nome;
    const auto figura = [&](std::string_view criterio) -> std::optional<double> {
        const auto m = MembroCriterio(criterio, percorso);
        return m ? t.NumeroRiga(riga, NomeCampo(*m)) : std::nullopt;
    };
    for (const Criterio& c : GiudicaRiga(r, figura)) {
        const auto m = MembroCriterio(c.nome, percorso);
        if (c.giudicato && m && nome == NomeCampo(*m)) cella.push_back(c);
    }
    return cella;
}

}  // namespace

int DecimaliCampo(const std::string& campo, bool percorso) {
    // A field only the other kind has keeps its decimals too.
    const CampoSoluzione* c = CercaCampo(SchemaRighe(percorso), campo);
    if (!c) c = CercaCampo(SchemaRighe(!percorso), campo);
    return c ? c->decimaliMostrati : ComeRegistrato;
}

QString TitoloCampo(const std::string& campo, bool percorso) {
    // A road field shown in a path view keeps its road title.
    const CampoSoluzione* c = CercaCampo(SchemaRighe(percorso), campo);
    if (!c && percorso) c = CercaCampo(SchemaStrada(), campo);
    if (!c || c->titolo == 0) return {};
    QString t = Qm(c->titolo);
    if (c->unitaNelTitolo) t += QStringLiteral(" [") + QString::fromUtf8(c->unita.data(), static_cast<qsizetype>(c->unita.size())) + QLatin1Char(']');
    return t;
}

ModelloSoluzioni::ModelloSoluzioni(TabellaDbf& tabella, bool percorso, double tiMax, QObject* genitore)
    : QAbstractTableModel(genitore), tabella_(tabella), percorso_(percorso), tiMax_(tiMax) {
    if (!percorso_ && tiMax_ > 0) colonnaTi_ = tabella_.IndiceCampo(NomeCampo(MembroRiga::TI));
}

int ModelloSoluzioni::rowCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(tabella_.NumeroRighe());
}

int ModelloSoluzioni::columnCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(tabella_.Campi().size());
}

QVariant ModelloSoluzioni::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid()) return {};
    const auto riga = static_cast<std::size_t>(RigaTabella(indice.row()));
    const auto& campo = tabella_.Campi()[static_cast<std::size_t>(indice.column())];
    switch (ruolo) {
        case Qt::DisplayRole: {
            if (letture_) letture_(static_cast<int>(riga));
            const int decimali = DecimaliCampo(campo.nome, percorso_);
            if (decimali >= 0) {
                if (const auto v = tabella_.NumeroRiga(riga, campo.nome)) return QString::number(*v, 'f', decimali);
            }
            const auto t = tabella_.TestoRiga(riga, campo.nome);
            return t ? Qs(*t) : QVariant();
        }
        case Qt::TextAlignmentRole:
            return campo.tipo == TipoCampo::Numero ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        case RuoloVerdetto: {
            const auto v = Verdetto(riga, indice.column());
            return v ? QVariant(*v) : QVariant();
        }
        case Qt::BackgroundRole:
        case Qt::ToolTipRole: {
            if (const auto v = Verdetto(riga, indice.column())) {
                if (ruolo == Qt::BackgroundRole) return QBrush(*v ? QColor(214, 240, 206) : QColor(255, 196, 186));
                const std::vector<Criterio> criteri = CriteriCella(tabella_, *requisiti_, percorso_, riga, indice.column());
                const double x = tabella_.NumeroRiga(riga, campo.nome).value_or(0);
                std::optional<double> minimo, massimo;
                for (const Criterio& c : criteri) (c.minimo ? minimo : massimo) = c.richiesto;
                QString richiesto;
                if (minimo && massimo) richiesto = Generale(*minimo) + QStringLiteral(" … ") + Generale(*massimo);
                else if (minimo) richiesto = QStringLiteral("≥ ") + Generale(*minimo);
                else if (massimo) richiesto = QStringLiteral("≤ ") + Generale(*massimo);
                return Qm(*v ? 2202 : 2203).arg(Qs(std::string(criteri.front().nome)), Generale(x), richiesto);
            }
            if (ruolo == Qt::ToolTipRole && DecimaliCampo(campo.nome, percorso_) >= 0) {
                // The figure as stored, whole.
                const auto t = tabella_.TestoRiga(riga, campo.nome);
                if (colonnaTi_ != indice.column() || !t) return t ? Qs(*t).trimmed() : QVariant();
            }
            if (colonnaTi_ < 0) return {};
            const auto ti = tabella_.NumeroRiga(riga, NomeCampo(MembroRiga::TI));
            if (!ti || *ti <= tiMax_) return {};
            if (ruolo == Qt::BackgroundRole) return QBrush(QColor(255, 214, 204));
            return Qm(1614).arg(Generale(*ti), Generale(tiMax_));
        }
        default:
            return {};
    }
}

QVariant ModelloSoluzioni::headerData(int sezione, Qt::Orientation o, int ruolo) const {
    if (ruolo != Qt::DisplayRole && ruolo != Qt::ToolTipRole) return {};
    if (o == Qt::Vertical) return ruolo == Qt::DisplayRole ? QVariant(sezione + 1) : QVariant();
    if (sezione < 0 || static_cast<std::size_t>(sezione) >= tabella_.Campi().size()) return {};
    const std::string& nome = tabella_.Campi()[static_cast<std::size_t>(sezione)].nome;
    QString titolo = TitoloCampo(nome, percorso_);
    if (ruolo == Qt::DisplayRole && titolo.size() > 22) {
        // A long title on two lines, broken at the space nearest its middle.
        int migliore = -1;
        for (int i = 0; i < titolo.size(); ++i)
            if (titolo[i] == QLatin1Char(' ') &&
                (migliore < 0 || std::abs(i - titolo.size() / 2) < std::abs(migliore - titolo.size() / 2)))
                migliore = i;
        if (migliore > 0) titolo[migliore] = QLatin1Char('\n');
    }
    return Qs(nome) + QLatin1Char('\n') + titolo;
}

void ModelloSoluzioni::ImpostaRequisiti(const StatoProgetto& s) {
    beginResetModel();
    requisiti_ = std::make_shared<const RequisitiClasse>(RequisitiDiClasse(s, percorso_));
    endResetModel();
}

bool ModelloSoluzioni::GiudicaColonne() const {
    if (!requisiti_) return false;
    // The criteria a design judges do not depend on the figures.
    for (const Criterio& c : GiudicaClasse(*requisiti_, {})) {
        const auto m = MembroCriterio(c.nome, percorso_);
        if (c.giudicato && m && tabella_.IndiceCampo(NomeCampo(*m)) >= 0) return true;
    }
    return false;
}

std::optional<bool> ModelloSoluzioni::Verdetto(std::size_t riga, int colonna) const {
    if (!requisiti_) return std::nullopt;
    const std::vector<Criterio> criteri = CriteriCella(tabella_, *requisiti_, percorso_, riga, colonna);
    if (criteri.empty()) return std::nullopt;
    return TuttiSoddisfatti(criteri);
}

void ModelloSoluzioni::Ricarica() {
    beginResetModel();
    Ordina();
    endResetModel();
}

void ModelloSoluzioni::sort(int colonna, Qt::SortOrder ordine) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList prima = persistentIndexList();
    std::vector<int> righePrima;
    righePrima.reserve(static_cast<std::size_t>(prima.size()));
    for (const QModelIndex& i : prima) righePrima.push_back(RigaTabella(i.row()));
    colonnaOrdine_ = colonna >= 0 && colonna < columnCount() ? colonna : -1;
    verso_ = ordine;
    Ordina();
    QModelIndexList dopo;
    for (qsizetype k = 0; k < prima.size(); ++k)
        dopo << index(RigaVista(righePrima[static_cast<std::size_t>(k)]), prima[k].column());
    changePersistentIndexList(prima, dopo);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ModelloSoluzioni::Ordina() {
    ordine_.clear();
    posizione_.clear();
    if (colonnaOrdine_ < 0) return;
    const std::size_t n = tabella_.NumeroRighe();
    const auto& campo = tabella_.Campi()[static_cast<std::size_t>(colonnaOrdine_)];
    ordine_.resize(n);
    for (std::size_t r = 0; r < n; ++r) ordine_[r] = r;
    const bool discendente = verso_ == Qt::DescendingOrder;
    if (campo.tipo == TipoCampo::Numero) {
        std::vector<std::optional<double>> valori(n);
        for (std::size_t r = 0; r < n; ++r) valori[r] = tabella_.NumeroRiga(r, campo.nome);
        std::stable_sort(ordine_.begin(), ordine_.end(), [&](std::size_t a, std::size_t b) {
            const auto& x = valori[a];
            const auto& y = valori[b];
            if (!x || !y) return x.has_value() && !y.has_value();
            return discendente ? *x > *y : *x < *y;
        });
    } else {
        std::vector<QString> testi(n);
        for (std::size_t r = 0; r < n; ++r) testi[r] = Qs(tabella_.TestoRiga(r, campo.nome).value_or(std::string())).trimmed();
        std::stable_sort(ordine_.begin(), ordine_.end(), [&](std::size_t a, std::size_t b) {
            const QString& x = testi[a];
            const QString& y = testi[b];
            if (x.isEmpty() || y.isEmpty()) return !x.isEmpty() && y.isEmpty();
            const int c = QString::localeAwareCompare(x, y);
            return discendente ? c > 0 : c < 0;
        });
    }
    posizione_.assign(n, 0);
    for (std::size_t v = 0; v < n; ++v) posizione_[ordine_[v]] = static_cast<int>(v);
}

int ModelloSoluzioni::RigaTabella(int riga) const {
    if (ordine_.empty() || riga < 0 || static_cast<std::size_t>(riga) >= ordine_.size()) return riga;
    return static_cast<int>(ordine_[static_cast<std::size_t>(riga)]);
}

int ModelloSoluzioni::RigaVista(int rigaTabella) const {
    if (posizione_.empty() || rigaTabella < 0 || static_cast<std::size_t>(rigaTabella) >= posizione_.size())
        return rigaTabella;
    return posizione_[static_cast<std::size_t>(rigaTabella)];
}

}  // namespace nottaro::ui
