#pragma once
// The drawing of a design tab: two poles seen from the side with the arm,
// the tilted luminaire and the spacing, and across the carriageway (road) or
// the path. Overlay labels name the dimensions in languages other than
// Italian; in Italian the drawing carries its own captions.
#include <QWidget>

namespace nottaro::ui {

class DisegnoImpianto : public QWidget {
    Q_OBJECT
public:
    explicit DisegnoImpianto(bool strada, QWidget* genitore = nullptr);
    QSize sizeHint() const override { return {340, 150}; }
    // Italian captions drawn into the picture (the overlay labels are hidden).
    void ImpostaDidascalieProprie(bool si);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool strada_;
    bool didascalie_ = true;
};

}  // namespace nottaro::ui
