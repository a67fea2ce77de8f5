#include "ui/principale/ProgettiRecenti.h"

#include <QDir>
#include <QFileInfo>

#include <string>

#include "core/files/LeggiFileRegolare.h"
#include "core/files/SostituisciFile.h"

namespace nottaro::ui {

ProgettiRecenti::ProgettiRecenti(const QString& cartellaProgramma)
    : percorso_(QDir(cartellaProgramma).filePath(QStringLiteral("ntr-recenti.cfg"))) {}

QStringList ProgettiRecenti::Letti() const {
    // Five paths fit in far less than the configuration files' cap; anything
    // larger, or not a regular file, is no list of ours.
    std::string testo;
    if (LeggiFileRegolare(percorso_.toStdString(), 64 * 1024, testo) != EsitoLettura::Letto) return {};
    QStringList righe;
    for (const QString& riga : QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size())).split(u'\n')) {
        const QString r = riga.trimmed();
        if (!r.isEmpty() && !righe.contains(r)) righe << r;
        if (righe.size() == MaxProgettiRecenti) break;
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
    std::string testo;
    for (const QString& r : righe) testo += r.toStdString() + '\n';
    SostituisciFile(percorso_.toStdString(), testo);  // a folder that cannot be written only loses the list
}

}  // namespace nottaro::ui
