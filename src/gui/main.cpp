#include <QApplication>

#include <clocale>

#include "gui/app/MainFrame.h"
#include "gui/platform/QtUserInterface.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Qt adopts the user's locale for the C library; coefficient files and project texts
    // must always use a decimal point, so numbers are printed and scanned in the C locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Tapwright");
    QApplication::setOrganizationName("Quillon International Corporation");

    tapwright::gui::QtUserInterface userInterface;
    tapwright::ScopedUserInterface installed(userInterface);

    tapwright::gui::MainFrame mainFrame;
    userInterface.Attach(&mainFrame, mainFrame.MessagePane());
    mainFrame.showMaximized();
    return QApplication::exec();
}
