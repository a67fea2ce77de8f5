#include "ui/dialoghi/TLingua.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/i18n/Lingua.h"
#include "ui/principale/Aiuto.h"

namespace nottaro::ui {

namespace {
QString Sv(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

TLingua::TLingua(QWidget* genitore) : QDialog(genitore), scelta_(LinguaSenzaScelta) {
    setObjectName(QStringLiteral("TLingua"));
    setWindowTitle(Sv(TitoloTLingua));
    auto* colonna = new QVBoxLayout(this);
    auto* intestazione = new QLabel(Sv(IntestazioneTLingua), this);
    intestazione->setObjectName(QStringLiteral("Label1"));
    colonna->addWidget(intestazione);
    int n = 1;
    for (const PulsanteLingua& p : PulsantiTLingua) {
        auto* b = new QPushButton(Sv(p.etichetta), this);
        b->setObjectName(QStringLiteral("Button%1").arg(n++));
        b->setEnabled(p.abilitato);
        b->setAutoDefault(false);
        const int lingua = p.lingua;
        connect(b, &QPushButton::clicked, this, [this, lingua] {
            scelta_ = lingua;
            accept();
        });
        colonna->addWidget(b);
    }
    ImpostaAiuto(this, QStringLiteral("TLingua"));
}

int TLingua::Chiedi(QWidget* genitore) {
    TLingua dialogo(genitore);
    dialogo.exec();
    return dialogo.Scelta();
}

}  // namespace nottaro::ui
