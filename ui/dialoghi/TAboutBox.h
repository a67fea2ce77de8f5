#pragma once
// The version box: program name, version, slogan, the licence (in the help)
// and "&Ok".
#include <QDialog>

namespace nottaro::ui {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* genitore = nullptr);
};

}  // namespace nottaro::ui
