#include "report/PaginaReport.h"

#include <QBuffer>
#include <QByteArray>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QStringList>

#include <algorithm>
#include <cmath>

#include "core/files/LeggiFileRegolare.h"
#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"

namespace nottaro {

PaginaReport::PaginaReport(QPainter& pittore, const QPaintDevice& d, int larghezza, int altezza, FoglioRif r)
    : p(pittore), dispositivo(d), PW(larghezza), PH(altezza), rif(r) {
    Carattere(10);
    Colore(Qt::black);
}

int PaginaReport::MmToDev(double a, bool verticale) const {
    const double v = verticale ? a * PH / rif.altezza : a * PW / rif.larghezza;
    return static_cast<int>(std::trunc(v));
}

QString PaginaReport::M(int n) const { return QString::fromStdString(Msg(n, lingua)); }

void PaginaReport::Carattere(double punti, bool grassetto, bool corsivo, FamigliaCarattere f) {
    QFont c;
    // "Times New Roman" is printed with its metric twin; DejaVu supplies the
    // glyphs the Liberation faces lack.
    c.setFamilies(f == FamigliaCarattere::Serif ? QStringList{QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}
                                                : QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    c.setPointSizeF(punti);
    c.setBold(grassetto);
    c.setItalic(corsivo);
    c.setKerning(false);
    p.setFont(QFont(c, &dispositivo));
}

double PaginaReport::PuntiCorrenti() const { return p.font().pointSizeF(); }

void PaginaReport::Colore(const QColor& c) { colore_ = c; }

void PaginaReport::Testo(int xx, int yy, const QString& t) {
    if (t.isEmpty()) return;
    const QFontMetrics fm(p.font(), &dispositivo);
    p.setPen(QPen(colore_));
    p.drawText(QPoint(xx, yy + fm.ascent()), t);
}

void PaginaReport::TestoADestra(int xx, int yy, const QString& t) { Testo(xx - Larghezza(t), yy, t); }
void PaginaReport::TestoCentrato(int xx, int yy, const QString& t) { Testo(xx - Larghezza(t) / 2, yy, t); }

void PaginaReport::TestoEntro(int xx, int yy, const QString& t, int limite, bool grassetto, const QString& campo,
                              bool avvisa) {
    const double punti = PuntiCorrenti();
    double pt = punti;
    while (pt > PuntiMinimi && xx + Larghezza(t) > limite) {
        pt = std::max(PuntiMinimi, pt - 0.5);
        Carattere(pt, grassetto);
    }
    QString s = t;
    // Still too long at the smallest readable size: the end gives way to
    // "…" and the document's warning names the field.
    if (xx + Larghezza(t) > limite) {
        s = QFontMetrics(p.font(), &dispositivo).elidedText(t, Qt::ElideRight, std::max(0, limite - xx));
        if (s.isEmpty()) s = QStringLiteral("…");
        if (avvisa) NotaTaglio(campo, t);
    }
    Testo(xx, yy, s);
    if (pt != punti) Carattere(punti, grassetto);
}

void PaginaReport::NotaTaglio(const QString& campo, const QString& testo) {
    QString nome = campo.trimmed();
    while (nome.endsWith(QLatin1Char(':')) || nome.endsWith(QLatin1Char('='))) nome.chop(1);
    if (nome.isEmpty()) nome = QStringLiteral("\"") + (testo.size() > 40 ? testo.left(39) + QStringLiteral("…") : testo) + QStringLiteral("\"");
    const std::string n = nome.trimmed().toStdString();
    if (std::find(tagliati_.begin(), tagliati_.end(), n) == tagliati_.end()) tagliati_.push_back(n);
}

int PaginaReport::AltezzaRiga() const { return QFontMetrics(p.font(), &dispositivo).height(); }
int PaginaReport::Larghezza(const QString& t) const { return QFontMetrics(p.font(), &dispositivo).horizontalAdvance(t); }

void PaginaReport::Penna(const QColor& c, double mm) {
    QPen pen(c);
    pen.setWidth(std::max(1, x(mm)));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
}

void PaginaReport::Linea(int x1, int y1, int x2, int y2) { p.drawLine(x1, y1, x2, y2); }

void PaginaReport::Rettangolo(int x1, int y1, int x2, int y2) {
    p.setBrush(Qt::NoBrush);
    p.drawRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
}

void PaginaReport::Cerchio(int cx, int cy, int diametro, const QColor& riempimento) {
    p.save();
    p.setPen(QPen(riempimento, std::max(1, x(0.2))));
    p.setBrush(riempimento);
    p.drawEllipse(cx - diametro / 2, cy - diametro / 2, diametro, diametro);
    p.restore();
}

QImage PaginaReport::Immagine(const std::string& file) {
    if (file.empty()) return {};
    // A picture named by a letterhead or a workbook is read only when it is a
    // regular file of a picture's size: a pipe there would hang the printing.
    constexpr std::uintmax_t kMaxByteImmagine = std::uintmax_t{64} << 20;
    std::string byte;
    QImage img;
    if (LeggiFileRegolare(file, kMaxByteImmagine, byte) == EsitoLettura::Letto) {
        QByteArray dati(byte.data(), static_cast<qsizetype>(byte.size()));
        QBuffer buffer(&dati);
        QImageReader r(&buffer);
        r.setAutoTransform(true);
        img = r.read();
    }
    if (img.isNull() && std::find(illeggibili_.begin(), illeggibili_.end(), file) == illeggibili_.end())
        illeggibili_.push_back(file);
    return img;
}

std::string VerificaCaratteri() {
    const QStringList famiglie = QFontDatabase::families();
    std::vector<std::string> pacchetti;
    if (!famiglie.contains(QStringLiteral("Liberation Sans")) || !famiglie.contains(QStringLiteral("Liberation Serif")))
        pacchetti.emplace_back("fonts-liberation2");
    if (!famiglie.contains(QStringLiteral("DejaVu Sans"))) pacchetti.emplace_back("fonts-dejavu-core");
    if (pacchetti.empty()) return {};
    std::string elenco;
    for (const auto& p : pacchetti) elenco += (elenco.empty() ? "" : ", ") + p;
    return ConArgomenti(Msg(1702), {elenco});
}

}  // namespace nottaro
