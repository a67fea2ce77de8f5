// The desktop program: the program folder is the working folder, the
// language comes from its ntr.cfg (or the first-start dialog), then the main
// window runs until it is closed.
#include <QApplication>

#include <clocale>

#include "ui/principale/Avvio.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lucerno - Nottaro"));
    // Numbers in tables and files use "."; Qt set the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    return nottaro::ui::EseguiProgramma(app);
}
