#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "gui/platform/CoreText.h"
#include "platform/CommandTable.h"

namespace tapwright::gui {

// The property of a menu item that holds its command id.
inline constexpr const char* kCommandIdProperty = "commandId";

// The popup names of a command's menu path below the root ("&Plot/Style" below "&Plot" is
// {"&Style"}); false when the command lies outside the root.
bool PathBelowRoot(std::string_view path, std::string_view root, QStringList& popups);

// The submenu of menu with this title, made at the end of the menu when it has none yet.
QMenu& Submenu(QMenu& menu, const QString& title);

// Builds menus from a core command table. Every command whose menu path lies at or below the
// root becomes an item, in table order, with the popups of its path as submenus made at
// their first command. Each time a menu of the tree is about to show, the table decides
// again which items are enabled and which carry a check mark, so no rule is written twice.
// Choosing an item runs the table's command on the target.
//
// The target must outlive the menus; they are meant to be owned by the widget that shows
// the target.
template <class Target>
class CommandMenuBuilder {
public:
    CommandMenuBuilder(const CommandTable<Target>& table, Target& target)
        : table_(table), target_(target) {}

    // Items that begin a new group of the menu get a separator above them.
    void SeparateBefore(std::initializer_list<CommandId> ids) { separated_.assign(ids); }

    void Fill(QMenu& menu, std::string_view root) const {
        for (const Command<Target>& command : table_.Commands()) {
            QStringList popups;
            if (!PathBelowRoot(command.menuPath, root, popups)) {
                continue;
            }
            QMenu* parent = &menu;
            for (const QString& popup : popups) {
                parent = &Submenu(*parent, popup);
                Watch(*parent);
            }
            if (IsSeparated(command.id) && !parent->isEmpty()) {
                parent->addSeparator();
            }
            AddItem(*parent, command);
        }
        Watch(menu);
    }

private:
    bool IsSeparated(CommandId id) const {
        return std::find(separated_.begin(), separated_.end(), id) != separated_.end();
    }

    void AddItem(QMenu& menu, const Command<Target>& command) const {
        QAction* action = menu.addAction(ToQString(command.menuText));
        action->setProperty(kCommandIdProperty, command.id);
        const std::string& status = command.statusText;
        action->setStatusTip(ToQString(status.substr(0, status.find('\n'))));
        const CommandTable<Target>* table = &table_;
        Target* target = &target_;
        const CommandId id = command.id;
        QObject::connect(action, &QAction::triggered, action,
                         [table, target, id] { table->Execute(*target, id); });
    }

    // Refreshes the states of the menu's own items whenever it is about to show.
    void Watch(QMenu& menu) const {
        if (menu.property(kWatchedProperty).toBool()) {
            return;
        }
        menu.setProperty(kWatchedProperty, true);
        const CommandTable<Target>* table = &table_;
        Target* target = &target_;
        QMenu* watched = &menu;
        QObject::connect(&menu, &QMenu::aboutToShow, &menu,
                         [table, target, watched] { RefreshStates(*table, *target, *watched); });
    }

    static void RefreshStates(const CommandTable<Target>& table, const Target& target,
                              QMenu& menu) {
        for (QAction* action : menu.actions()) {
            const QVariant id = action->property(kCommandIdProperty);
            if (!id.isValid()) {
                continue;
            }
            const auto command = static_cast<CommandId>(id.toUInt());
            action->setEnabled(table.IsEnabled(target, command));
            // Only a checked item shows a check mark; the others show no empty box.
            const bool checked = table.IsChecked(target, command);
            action->setCheckable(checked);
            action->setChecked(checked);
        }
    }

    static constexpr const char* kWatchedProperty = "commandMenuWatched";

    const CommandTable<Target>& table_;
    Target& target_;
    std::vector<CommandId> separated_;
};

}  // namespace tapwright::gui
