#include "gui/plot/CommandMenu.h"

namespace tapwright::gui {

bool PathBelowRoot(std::string_view path, std::string_view root, QStringList& popups) {
    popups.clear();
    if (path.substr(0, root.size()) != root) {
        return false;
    }
    const std::string_view rest = path.substr(root.size());
    if (rest.empty()) {
        return true;
    }
    // "&Plot/Style" lies below "&Plot", "&Plotting" does not.
    if (rest.front() != '/') {
        return false;
    }
    popups = ToQString(std::string(rest.substr(1))).split('/', Qt::SkipEmptyParts);
    return true;
}

QMenu& Submenu(QMenu& menu, const QString& title) {
    for (QAction* action : menu.actions()) {
        if (action->menu() != nullptr && action->text() == title) {
            return *action->menu();
        }
    }
    return *menu.addMenu(title);
}

}  // namespace tapwright::gui
