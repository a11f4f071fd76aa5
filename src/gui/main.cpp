#include <QApplication>

#include <clocale>
#include <csignal>

#include "gui/app/DesktopApplication.h"
#include "gui/platform/QtSettingsStore.h"
#include "platform/HeapTuning.h"

int main(int argc, char* argv[]) {
    // A save beyond the file size limit then fails with "File too large" and is reported like
    // any failed write, instead of ending the program with the user's work unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    // An export into a named pipe whose reader goes away fails with "Broken pipe" instead.
    std::signal(SIGPIPE, SIG_IGN);
    tapwright::KeepLargeBuffersInHeap();
    QApplication application(argc, argv);
    // Qt adopts the user's locale for the C library; coefficient files and project texts
    // must always use a decimal point, so numbers are printed and scanned in the C locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(tapwright::gui::QtSettingsStore::kApplication);
    QApplication::setOrganizationName(tapwright::gui::QtSettingsStore::kOrganization);

    tapwright::gui::QtSettingsStore settings;
    tapwright::gui::DesktopApplication desktop(settings);
    if (!desktop.Start(QApplication::arguments().mid(1))) {
        return 1;
    }
    return QApplication::exec();
}
