#include "grafica/EsportaDiagramma.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSize>
#include <QString>
#include <QSvgGenerator>

#include "core/text/Testo.h"
#include "grafica/DisegnaCurva.h"

namespace nottaro {

FormatoDiagramma FormatoDaNome(const std::string& percorso) {
    return EstensioneMinuscola(percorso) == ".svg" ? FormatoDiagramma::Svg : FormatoDiagramma::Png;
}

bool ScriviDiagramma(const std::string& percorso, FormatoDiagramma formato, int W, int H, double zoom,
                     const QFont& font, const Fotometria& f, const DatiCurva& d) {
    QByteArray dati;
    if (formato == FormatoDiagramma::Png) {
        QImage img(2 * W, 2 * H, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            p.setFont(font);
            p.scale(2, 2);
            DisegnaCurva(p, W, H, zoom, f, d);
        }
        QBuffer buf(&dati);
        buf.open(QIODevice::WriteOnly);
        if (!img.save(&buf, "PNG")) return false;
    } else {
        QBuffer buf(&dati);
        buf.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buf);
        svg.setSize(QSize(W, H));
        svg.setViewBox(QRect(0, 0, W, H));
        svg.setTitle(QString::fromStdString(f.NomeApp));
        QPainter p(&svg);
        p.setFont(font);
        p.fillRect(0, 0, W, H, Qt::white);
        DisegnaCurva(p, W, H, zoom, f, d);
        p.end();
    }
    // Written aside and renamed over the target: a failed write leaves no
    // half file and keeps an older one.
    QSaveFile out(QString::fromStdString(percorso));
    if (!out.open(QIODevice::WriteOnly)) return false;
    if (out.write(dati) != dati.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

}  // namespace nottaro
