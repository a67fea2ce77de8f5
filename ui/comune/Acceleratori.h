#pragma once
// Keyboard accelerators ("&" before a letter) unique among the controls a
// window shows together: a caption whose letter is taken moves its "&" to the
// first free letter of its own text, so no two commands share Alt+letter
// in any language.
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QAction;
class QWidget;

namespace nottaro::ui {

// The accelerator letter of a caption (lower case), or a null QChar.
QChar Acceleratore(const QString& testo);

// The captions with their accelerators made unique, earlier ones keeping
// theirs; `usate` holds letters already taken and receives the new ones.
QStringList AcceleratoriUnici(const QStringList& testi, QSet<QChar>& usate);

// The same applied to buttons and menu items in place.
void RendiAcceleratoriUnici(const QList<QAbstractButton*>& pulsanti, QSet<QChar>& usate);
void RendiAcceleratoriUnici(const QList<QAction*>& voci);
// Every button of a dialog, in creation order.
void AcceleratoriDelDialogo(QWidget* dialogo);

}  // namespace nottaro::ui
