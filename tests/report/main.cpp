// The report tests draw on PDF devices: a Qt Gui application on the
// offscreen platform, numbers in "C" as the programs keep them.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
