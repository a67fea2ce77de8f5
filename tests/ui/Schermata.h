#pragma once
// To look at a window as a person would: with NOTTARO_SCHERMATE=<folder>
// set, the tests save the windows they open there as PNG files.
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace nottaro::test {

inline void SalvaSchermata(QWidget* w, const QString& nome) {
    const QString cartella = qEnvironmentVariable("NOTTARO_SCHERMATE");
    if (cartella.isEmpty()) return;
    QDir().mkpath(cartella);
    w->grab().save(cartella + QLatin1Char('/') + nome + QStringLiteral(".png"));
}

}  // namespace nottaro::test
