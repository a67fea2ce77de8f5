#include "ui/report/SceltaFile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "report/RoutinePagina.h"

namespace nottaro::ui {

QString FileDaSalvare(const std::function<QString()>& scelta, QWidget* genitore, const QString& titolo,
                      const QString& cartella, const QString& filtro, const QString& suffisso, Interazione* conferma) {
    QString file;
    if (scelta) {
        file = scelta();
    } else {
        QFileDialog d(genitore, titolo, cartella, filtro);
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setDefaultSuffix(suffisso);
        d.setOption(QFileDialog::DontConfirmOverwrite, conferma != nullptr);
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
        file = d.selectedFiles().front();
    }
    if (conferma && !file.isEmpty() && QFileInfo::exists(file) &&
        !conferma->Conferma(ConArgomenti(Msg(1709), {file.toStdString()})))
        return {};
    return file;
}

bool AnteprimaInScatola(QLabel* immagine, const QString& file, int W, int H) {
    QImage img;
    if (!file.isEmpty() && QFileInfo(file).isFile()) img = QImageReader(file).read();
    if (img.isNull()) {
        immagine->hide();
        return false;
    }
    const Misura m = AdattaImmagine(img.width(), img.height(), W, H);
    immagine->setPixmap(QPixmap::fromImage(img.scaled(m.w, m.h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    immagine->setGeometry(1 + (W - m.w) / 2, 1 + (H - m.h) / 2, m.w, m.h);
    immagine->show();
    return true;
}

}  // namespace nottaro::ui
