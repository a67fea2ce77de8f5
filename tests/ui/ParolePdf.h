#pragma once
// A PDF's text as pdftotext reads it, and its words page by page, sorted:
// text at nearly equal heights may be read in either order, so two PDFs of
// the same pages compare by their sorted words.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace nottaro::test {

inline QString TestoPdf(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QStringList Parole(const QString& testo) {
    QStringList pagine;
    for (const QString& p : testo.split(QLatin1Char('\f'))) {
        QStringList w = p.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        w.sort();
        pagine << w.join(QLatin1Char(' '));
    }
    return pagine;
}

}  // namespace nottaro::test
