#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include <clocale>

#include "gui/app/Resources.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Nothing a test does may reach the user's own settings or files.
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    tapwright::gui::LoadResources();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
