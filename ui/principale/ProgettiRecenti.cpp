#include "ui/principale/ProgettiRecenti.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace nottaro::ui {

ProgettiRecenti::ProgettiRecenti(const QString& cartellaProgramma)
    : percorso_(QDir(cartellaProgramma).filePath(QStringLiteral("ntr-recenti.cfg"))) {}

QStringList ProgettiRecenti::Letti() const {
    QFile f(percorso_);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList righe;
    while (!f.atEnd() && righe.size() < MaxProgettiRecenti) {
        const QString r = QString::fromUtf8(f.readLine()).trimmed();
        if (!r.isEmpty() && !righe.contains(r)) righe << r;
    }
    return righe;
}

QStringList ProgettiRecenti::Elenco() const {
    QStringList esistenti;
    for (const QString& r : Letti())
        if (QFileInfo(r).isFile()) esistenti << r;
    return esistenti;
}

void ProgettiRecenti::Aggiungi(const QString& file) {
    const QString assoluto = QFileInfo(file).absoluteFilePath();
    QStringList righe = Letti();
    righe.removeAll(assoluto);
    righe.prepend(assoluto);
    while (righe.size() > MaxProgettiRecenti) righe.removeLast();
    QSaveFile f(percorso_);
    if (!f.open(QIODevice::WriteOnly)) return;
    for (const QString& r : righe) f.write(r.toUtf8() + '\n');
    f.commit();
}

}  // namespace nottaro::ui
