#include "ui/isolum/MappaCampo.h"

#include <QPainter>

namespace nottaro::ui {

void MappaCampo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    p.setRenderHint(QPainter::Antialiasing);
    DisegnaMappa(p, rect(), dati_);
}

}  // namespace nottaro::ui
