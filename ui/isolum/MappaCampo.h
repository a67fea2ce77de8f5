#pragma once
// A false-colour map of one field beside its table.
#include <QWidget>

#include "grafica/DisegnaMappa.h"

namespace nottaro::ui {

class MappaCampo : public QWidget {
public:
    explicit MappaCampo(QWidget* genitore = nullptr) : QWidget(genitore) { setMinimumSize(360, 220); }
    void Imposta(DatiMappa d) {
        dati_ = std::move(d);
        update();
    }
    const DatiMappa& Dati() const { return dati_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    DatiMappa dati_;
};

}  // namespace nottaro::ui
