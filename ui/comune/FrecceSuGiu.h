#pragma once
// A pair of arrows beside a read-only edit. The arrows keep a position
// between a minimum and a maximum; a click past either end does nothing, so
// the position bounds how far the value can be moved.
#include <QWidget>

class QToolButton;

namespace nottaro::ui {

class FrecceSuGiu : public QWidget {
    Q_OBJECT
public:
    FrecceSuGiu(int minimo, int massimo, int posizione, QWidget* genitore = nullptr);
    int Posizione() const { return posizione_; }
    void ImpostaPosizione(int p);
    QToolButton* Su() const { return su_; }
    QToolButton* Giu() const { return giu_; }

signals:
    void su();
    void giu();

private:
    int minimo_, massimo_, posizione_;
    QToolButton* su_;
    QToolButton* giu_;
};

}  // namespace nottaro::ui
