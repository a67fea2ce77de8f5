#include "ui/comune/Acceleratori.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

namespace nottaro::ui {

QChar Acceleratore(const QString& testo) {
    for (qsizetype i = 0; i + 1 < testo.size(); ++i) {
        if (testo[i] != QLatin1Char('&')) continue;
        if (testo[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return testo[i + 1].toLower();
    }
    return {};
}

QStringList AcceleratoriUnici(const QStringList& testi, QSet<QChar>& usate) {
    QStringList risultato;
    for (const QString& testo : testi) {
        const QChar lettera = Acceleratore(testo);
        if (lettera.isNull() || !usate.contains(lettera)) {
            if (!lettera.isNull()) usate.insert(lettera);
            risultato << testo;
            continue;
        }
        QString senza = testo;
        senza.remove(senza.indexOf(QLatin1Char('&')), 1);
        QString nuovo = senza;
        for (qsizetype i = 0; i < senza.size(); ++i) {
            const QChar c = senza[i].toLower();
            if (!c.isLetterOrNumber() || usate.contains(c)) continue;
            nuovo = senza.left(i) + QLatin1Char('&') + senza.mid(i);
            usate.insert(c);
            break;
        }
        risultato << nuovo;  // without an accelerator when every letter is taken
    }
    return risultato;
}

void RendiAcceleratoriUnici(const QList<QAbstractButton*>& pulsanti, QSet<QChar>& usate) {
    QStringList testi;
    for (const QAbstractButton* b : pulsanti) testi << b->text();
    const QStringList nuovi = AcceleratoriUnici(testi, usate);
    for (qsizetype i = 0; i < pulsanti.size(); ++i) pulsanti[i]->setText(nuovi[i]);
}

void RendiAcceleratoriUnici(const QList<QAction*>& voci) {
    QStringList testi;
    for (const QAction* v : voci) testi << v->text();
    QSet<QChar> usate;
    const QStringList nuovi = AcceleratoriUnici(testi, usate);
    for (qsizetype i = 0; i < voci.size(); ++i) voci[i]->setText(nuovi[i]);
}

void AcceleratoriDelDialogo(QWidget* dialogo) {
    QSet<QChar> usate;
    RendiAcceleratoriUnici(dialogo->findChildren<QAbstractButton*>(), usate);
}

}  // namespace nottaro::ui
