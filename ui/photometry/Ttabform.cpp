#include "ui/photometry/Ttabform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "core/i18n/Argomenti.h"
#include "core/i18n/MessaggiFotometria.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/Testi.h"
#include "ui/photometry/ModelloTabella.h"
#include "ui/principale/Aiuto.h"

namespace nottaro::ui {
namespace {

// Upward-light limit of the gamma = 90° row, cd/klm (1.0 itself passes).
constexpr double Limite90 = 1.0;
const QColor RossoLimite(255, 0, 0);
const QColor BluLimite(0, 0, 128);
// Cells wide enough for a maker's value with four decimals, headers for "G°/C°".
constexpr int LarghezzaCella = 64;
constexpr int LarghezzaTitoli = 52;

// The cell editor hands every typed character to the form first.
class DelegatoCella : public QStyledItemDelegate {
public:
    DelegatoCella(Ttabform* form) : QStyledItemDelegate(form), form_(form) {}
    QWidget* createEditor(QWidget* genitore, const QStyleOptionViewItem& o, const QModelIndex& i) const override {
        QWidget* w = QStyledItemDelegate::createEditor(genitore, o, i);
        w->setObjectName(QStringLiteral("EditorCella"));
        w->installEventFilter(form_);
        return w;
    }

private:
    Ttabform* form_;
};

// A typed character, as opposed to a navigation or editing key.
bool Carattere(const QKeyEvent* k) {
    if (k->key() == Qt::Key_Backspace) return true;
    const QString t = k->text();
    return !t.isEmpty() && t.at(0).isPrint() && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

QString Corpo(const QKeyEvent* k) { return k->key() == Qt::Key_Backspace ? QStringLiteral("\b") : k->text(); }

bool CarattereAmmesso(const QString& t) {
    return t == QStringLiteral("\b") || t == QStringLiteral(".") || (t.size() == 1 && t.at(0).isDigit() && t.at(0).unicode() < 128);
}

// "G°/C°" in the corner where the angle headers meet.
class Angolo : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint) return false;
        auto* w = static_cast<QWidget*>(o);
        QPainter p(w);
        p.fillRect(w->rect(), w->palette().button());
        p.drawText(w->rect(), Qt::AlignCenter, QStringLiteral("G°/C°"));
        return true;
    }
};

}  // namespace

Ttabform::Ttabform(Fotometria& foto, Interazione& ui, QWidget* genitore)
    : QDialog(genitore), foto_(foto), ui_(ui) {
    setObjectName(QStringLiteral("Ttabform"));
    setModal(true);
    auto nuovaLabel = [this](const char* nome) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(nome));
        return l;
    };
    Label1_ = nuovaLabel("Label1");
    Label2_ = nuovaLabel("Label2");
    Label3_ = nuovaLabel("Label3");
    Label4_ = nuovaLabel("Label4");
    Label5_ = nuovaLabel("Label5");
    Label6_ = nuovaLabel("Label6");
    Label7_ = nuovaLabel("Label7");
    Label8_ = nuovaLabel("Label8");
    cdklm7_ = new QLabel(QStringLiteral("cd/klm"), this);
    cdklm8_ = new QLabel(QStringLiteral("cd/klm"), this);
    {
        QPalette pal = Label3_->palette();
        pal.setColor(QPalette::WindowText, palette().color(QPalette::Active, QPalette::Highlight));
        Label3_->setPalette(pal);
        pal = Label4_->palette();
        pal.setColor(QPalette::WindowText, RossoLimite);
        Label4_->setPalette(pal);
    }

    modello_ = new ModelloTabella(foto, this);
    StringGrid1_ = new QTableView(this);
    StringGrid1_->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1_->setModel(modello_);
    StringGrid1_->setItemDelegate(new DelegatoCella(this));
    StringGrid1_->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                  QAbstractItemView::EditKeyPressed);
    StringGrid1_->horizontalHeader()->setDefaultSectionSize(LarghezzaCella);
    StringGrid1_->verticalHeader()->setFixedWidth(LarghezzaTitoli);
    StringGrid1_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1_->verticalHeader()->setDefaultSectionSize(20);
    StringGrid1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1_->installEventFilter(this);
    if (auto* angolo = StringGrid1_->findChild<QAbstractButton*>()) angolo->installEventFilter(new Angolo(angolo));
    connect(StringGrid1_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& attuale) { CellaScelta(attuale); });
    connect(modello_, &ModelloTabella::Modificata, this, [this](int, int g) {
        tabModificata_ = true;
        if (g == g90_) AggiornaRiga90();
    });

    // The gamma = 90° row (the last one when several are).
    for (int g = 1; g <= foto.NumG(); ++g)
        if (foto.Intens.AngoloG(g) == 90) g90_ = g;
    StringGrid2_ = new QTableWidget(this);
    StringGrid2_->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2_->horizontalHeader()->setDefaultSectionSize(LarghezzaCella);
    StringGrid2_->verticalHeader()->setFixedWidth(LarghezzaTitoli);
    StringGrid2_->verticalHeader()->setDefaultSectionSize(20);
    if (g90_ > 0) {
        StringGrid2_->setRowCount(1);
        StringGrid2_->setColumnCount(foto.NumC());
        StringGrid2_->setVerticalHeaderLabels({QStringLiteral("90°")});
        QStringList titoli;
        for (int c = 1; c <= foto.NumC(); ++c) titoli << modello_->headerData(c - 1, Qt::Horizontal, Qt::DisplayRole).toString();
        StringGrid2_->setHorizontalHeaderLabels(titoli);
        for (int c = 1; c <= foto.NumC(); ++c) StringGrid2_->setItem(0, c - 1, new QTableWidgetItem);
        if (auto* angolo = StringGrid2_->findChild<QAbstractButton*>()) angolo->installEventFilter(new Angolo(angolo));
        StringGrid2_->setFixedHeight(StringGrid2_->horizontalHeader()->sizeHint().height() + 20 +
                                     StringGrid2_->horizontalScrollBar()->sizeHint().height() + 4);
    }

    auto* BitBtn1 = new QPushButton(QStringLiteral("&OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(Label1_);
    colonna->addWidget(StringGrid1_, 1);
    colonna->addWidget(Label2_);
    colonna->addWidget(StringGrid2_);
    auto* legenda = new QHBoxLayout;
    legenda->addWidget(Label3_);
    legenda->addSpacing(20);
    legenda->addWidget(Label4_);
    legenda->addStretch();
    colonna->addLayout(legenda);
    auto* figure = new QHBoxLayout;
    figure->addWidget(Label5_);
    figure->addWidget(Label7_);
    figure->addWidget(cdklm7_);
    figure->addSpacing(24);
    figure->addWidget(Label6_);
    figure->addWidget(Label8_);
    figure->addWidget(cdklm8_);
    figure->addStretch();
    figure->addWidget(BitBtn1);
    colonna->addLayout(figure);

    if (g90_ > 0) {
        AggiornaRiga90();
    } else {
        // Nothing measured at exactly 90°: no upward-light figures.
        for (QWidget* w : std::initializer_list<QWidget*>{StringGrid2_, Label2_, Label3_, Label4_, Label5_, Label6_,
                                                           Label7_, Label8_, cdklm7_, cdklm8_})
            w->hide();
    }
    ImpostaTesti();
    resize(760, 560);
    AcceleratoriDelDialogo(this);
    ImpostaAiuto(this, QStringLiteral("Ttabform"));
}

void Ttabform::ImpostaTesti() {
    setWindowTitle(Qm(38));
    Label1_->setText(Qm(39));
    Label2_->setText(Qm(40));
    Label3_->setText(Qm(41));
    Label4_->setText(Qm(42));
    Label5_->setText(Qm(43));
    Label6_->setText(Qm(44));
}

void Ttabform::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) ImpostaTesti();
    QDialog::changeEvent(e);
}

void Ttabform::AggiornaRiga90() {
    double imax = 0, somma = 0;
    for (int c = 1; c <= foto_.NumC(); ++c) {
        const QString& t = modello_->Testo(c, g90_);
        const double v = Numero(t).value_or(0);
        if (v > imax) imax = v;
        somma += v;
        if (auto* it = StringGrid2_->item(0, c - 1)) it->setText(t);
    }
    const double media = foto_.NumC() > 0 ? somma / foto_.NumC() : 0;
    const QColor colore = imax > Limite90 ? RossoLimite : BluLimite;
    for (QWidget* w : std::initializer_list<QWidget*>{StringGrid2_, Label7_, Label8_}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::WindowText, colore);
        pal.setColor(QPalette::Text, colore);
        w->setPalette(pal);
    }
    Label7_->setText(Generale(imax));
    Label8_->setText(Generale(std::trunc(media * 100) / 100));
}

void Ttabform::CellaScelta(const QModelIndex& attuale) {
    if (!attuale.isValid()) return;
    const int c = attuale.column() + 1, g = attuale.row() + 1;
    if (c != ColonnaSel_ || g != RigaSel_) {
        ColonnaSel_ = c;
        RigaSel_ = g;
        puntoDigitato_ = false;
    }
}

bool Ttabform::TastoCella(const QString& t) {
    if (!CarattereAmmesso(t) || (t == QStringLiteral(".") && puntoDigitato_)) {
        QApplication::beep();
        return false;
    }
    if (t == QStringLiteral(".")) puntoDigitato_ = true;
    tabModificata_ = true;
    return true;
}

bool Ttabform::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (Carattere(k)) {
            // On the grid itself only keys that never fit a number are
            // stopped; an accepted key opens the cell editor, which judges it.
            if (o == StringGrid1_) {
                if (!CarattereAmmesso(Corpo(k))) {
                    QApplication::beep();
                    return true;
                }
                return false;
            }
            if (o->objectName() == QLatin1String("EditorCella")) return !TastoCella(Corpo(k));
        }
    }
    return QDialog::eventFilter(o, e);
}

bool Ttabform::Memorizza() {
    std::vector<double> valori;
    int c = 0, g = 0;
    if (!modello_->Leggi(valori, c, g)) {
        StringGrid1_->setCurrentIndex(modello_->Cella(c, g));
        ui_.Avviso(ConArgomenti(Msg(MsgCellaNonValida), {FormatoGenerale(foto_.Intens.AngoloC(c)),
                                                          FormatoGenerale(foto_.Intens.AngoloG(g)),
                                                          Ss(modello_->Testo(c, g))}));
        return false;
    }
    // The model keeps the cells plane after plane, as the table does.
    for (int cc = 1; cc <= foto_.NumC(); ++cc) {
        const auto piano = foto_.Intens.ScriviPiano(cc);
        std::copy_n(valori.begin() + static_cast<std::ptrdiff_t>(cc - 1) * foto_.NumG(), foto_.NumG(), piano.begin());
    }
    foto_.Modificata = true;
    memorizzata_ = true;
    return true;
}

void Ttabform::done(int r) {
    // OK, the close box and Escape all end here: an edited table is offered
    // for storing first; a cell that does not read keeps the editor open.
    if (!chiusuraDecisa_) {
        // A cell still being typed in counts as typed.
        const QModelIndex aperta = StringGrid1_->currentIndex();
        if (QWidget* editor = aperta.isValid() ? StringGrid1_->indexWidget(aperta) : nullptr)
            StringGrid1_->itemDelegate()->setModelData(editor, modello_, aperta);
        if (tabModificata_ && ui_.Conferma(Msg(37)) && !Memorizza()) return;
        chiusuraDecisa_ = true;
    }
    QDialog::done(r);
}

}  // namespace nottaro::ui
