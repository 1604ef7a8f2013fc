#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

// The Qt tests need an application object; without a display they run offscreen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Settings the toolkit keeps for itself (the file dialog's history) go to a test folder, not
    // into the user's own configuration.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
