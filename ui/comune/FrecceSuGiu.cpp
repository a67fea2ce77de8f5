#include "ui/comune/FrecceSuGiu.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace nottaro::ui {

FrecceSuGiu::FrecceSuGiu(int minimo, int massimo, int posizione, QWidget* genitore)
    : QWidget(genitore), minimo_(minimo), massimo_(massimo), posizione_(posizione) {
    su_ = new QToolButton(this);
    su_->setArrowType(Qt::UpArrow);
    giu_ = new QToolButton(this);
    giu_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {su_, giu_}) {
        b->setFixedSize(18, 11);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    su_->setObjectName(QStringLiteral("Su"));
    giu_->setObjectName(QStringLiteral("Giu"));
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    colonna->addWidget(su_);
    colonna->addWidget(giu_);
    connect(su_, &QToolButton::clicked, this, [this] {
        if (posizione_ >= massimo_) return;
        ++posizione_;
        emit su();
    });
    connect(giu_, &QToolButton::clicked, this, [this] {
        if (posizione_ <= minimo_) return;
        --posizione_;
        emit giu();
    });
}

void FrecceSuGiu::ImpostaPosizione(int p) { posizione_ = std::clamp(p, minimo_, massimo_); }

}  // namespace nottaro::ui
