#include "ui/dialoghi/TFormDisposizione.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "core/state/DisposizioniStrada.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/Testi.h"
#include "ui/dialoghi/Dialoghi.h"
#include "ui/principale/Aiuto.h"

namespace nottaro::ui {

namespace {

// Plan view of one arrangement: the carriageway and the poles along it.
class PiantaDisposizione : public QWidget {
public:
    PiantaDisposizione(int disposizione, bool percorso, QWidget* genitore)
        : QWidget(genitore), n_(disposizione), percorso_(percorso) {
        setFixedSize(150, 54);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRect via(0, 12, width(), 30);
        p.fillRect(via, percorso_ ? QColor(176, 140, 102) : QColor(90, 90, 96));
        p.setBrush(QColor(250, 200, 40));
        p.setPen(Qt::black);
        auto palo = [&p](int x, int y) { p.drawEllipse(QPoint(x, y), 4, 4); };
        const int sopra = 7, sotto = 47, centro = 27;
        for (int i = 0; i < 3; ++i) {
            const int x = 20 + i * 55;
            switch (n_) {
                case 1: palo(x, sopra); break;
                case 2: palo(x, sotto); break;
                case 3: palo(x, centro); break;
                case 4: palo(x, i % 2 ? sotto : sopra); break;
                case 5:
                    if (percorso_) { palo(x - 4, centro); palo(x + 4, centro); }
                    else palo(x, i % 2 ? sopra : sotto);
                    break;
                case DispDoppioCentro: palo(x, centro - 5); palo(x, centro + 5); break;
                default: palo(x, sopra); palo(x, sotto); break;
            }
        }
    }

private:
    int n_;
    bool percorso_;
};

}  // namespace

TFormDisposizione::TFormDisposizione(bool percorso, int attuale, QWidget* genitore)
    : QDialog(genitore), scelta_(attuale) {
    setObjectName(percorso ? QStringLiteral("TForm2") : QStringLiteral("TForm1"));
    setWindowTitle(Qm(percorso ? 2301 : 11));
    auto* griglia = new QGridLayout(this);
    // Roads also have the double centre row, after the six layouts both kinds share.
    const int ultima = percorso ? 6 : DispDoppioCentro;
    for (int i = 1; i <= ultima; ++i) {
        auto* b = new QPushButton(Qm(i <= 6 ? 11 + i : 2003), this);
        b->setObjectName(QStringLiteral("Button%1").arg(i));
        b->setAutoDefault(false);
        auto* d = new QLabel(Qm(percorso ? 458 + i : MsgDisposizioneStrada(i)), this);
        d->setObjectName(QStringLiteral("Label%1").arg(i));
        d->setWordWrap(true);
        d->setMinimumWidth(220);
        const int r = i <= 6 ? (i - 1) % 3 : 3, c = i <= 6 ? (i - 1) / 3 * 3 : 0;
        griglia->addWidget(new PiantaDisposizione(i, percorso, this), r, c);
        griglia->addWidget(b, r, c + 1);
        griglia->addWidget(d, r, c + 2);
        connect(b, &QPushButton::clicked, this, [this, i] {
            scelta_ = i;
            accept();
        });
    }
    AcceleratoriDelDialogo(this);
    ImpostaAiuto(this, objectName());
}

bool EseguiTForm1(QWidget* genitore, StatoProgetto& stato) {
    TFormDisposizione d(false, stato.DispPali, genitore);
    if (d.exec() != QDialog::Accepted) return false;
    stato.DispPali = d.Scelta();
    return true;
}

bool EseguiTForm2(QWidget* genitore, StatoProgetto& stato) {
    TFormDisposizione d(true, stato.DispPaliA, genitore);
    if (d.exec() != QDialog::Accepted) return false;
    stato.DispPaliA = d.Scelta();
    return true;
}

}  // namespace nottaro::ui
