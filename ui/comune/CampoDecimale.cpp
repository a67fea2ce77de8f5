#include "ui/comune/CampoDecimale.h"

#include <QApplication>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace nottaro::ui {

CampoDecimale::CampoDecimale(bool negativo, int maxCaratteri, QWidget* genitore) : QLineEdit(genitore) {
    setMaxLength(maxCaratteri);
    const QString modello = negativo ? QStringLiteral("-?[0-9]*\\.?[0-9]*") : QStringLiteral("[0-9]*\\.?[0-9]*");
    setValidator(new QRegularExpressionValidator(QRegularExpression(modello), this));
    connect(this, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });
}

CampoDecimale* CampoDecimale::Intero(int maxCaratteri, QWidget* genitore) {
    auto* c = new CampoDecimale(false, maxCaratteri, genitore);
    c->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), c));
    return c;
}

}  // namespace nottaro::ui
