#include <QApplication>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char* argv[])
{
    // A bare run of the test binary needs no display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // Settings the tests change go to a folder of their own, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
