// Runs GoogleTest inside a QApplication, for tests of widgets and timers.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Widgets are tested off screen, also when ctest lists the tests without its environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
