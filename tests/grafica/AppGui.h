#pragma once
// Painting text needs a GUI application (fonts); one for the whole test
// program, on the offscreen platform unless told otherwise.
#include <QFont>
#include <QGuiApplication>

namespace nottaro::test {

inline void AppGui() {
    static int argc = 1;
    static char nome[] = "test_grafica";
    static char* argv[] = {nome, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

// The font the reference pictures are drawn with.
inline QFont FontDiagramma() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

}  // namespace nottaro::test
