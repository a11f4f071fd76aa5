#include <QApplication>

#include <clocale>

#include "app/Preferences.h"
#include "gui/app/MainFrame.h"
#include "gui/platform/QtSettingsStore.h"
#include "gui/platform/QtUserInterface.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Qt adopts the user's locale for the C library; coefficient files and project texts
    // must always use a decimal point, so numbers are printed and scanned in the C locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(tapwright::gui::QtSettingsStore::kApplication);
    QApplication::setOrganizationName(tapwright::gui::QtSettingsStore::kOrganization);

    tapwright::gui::QtUserInterface userInterface;
    tapwright::ScopedUserInterface installed(userInterface);

    tapwright::gui::QtSettingsStore settings;
    tapwright::CPreferences preferences;
    preferences.LoadSettings(settings);

    tapwright::gui::MainFrame mainFrame(settings, preferences);
    userInterface.Attach(&mainFrame, mainFrame.MessagePane());
    mainFrame.showMaximized();
    return QApplication::exec();
}
