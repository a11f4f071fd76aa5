#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tapwright {

// Identifies a command across menus, tool bar and context menus. Each table names its own
// ids; the ids of all tables that can be routed to one window differ.
using CommandId = std::uint32_t;

// One command of a menu, tool bar or context menu, with the rules that decide its state.
template <class Target>
struct Command {
    CommandId id = 0;
    // The popups from the menu bar down to the item, separated by "/" ("Fi&lter/W&indow
    // Filter"); empty for a command without a menu entry (a tool bar button only).
    std::string menuPath;
    // The item's text, "&" marking the mnemonic and "\t" the accelerator shown.
    std::string menuText;
    // What the status line shows for the command and, after a line feed, its tool tip;
    // empty when the command has none.
    std::string statusText;
    std::function<void(Target&)> handler;
    // Empty: always enabled.
    std::function<bool(const Target&)> enabled;
    // Empty: never checked.
    std::function<bool(const Target&)> checked;
};

// The commands one kind of object handles. The desktop builds its menus and tool bar from
// the tables and asks them for the enable and check states before a menu shows, so every
// rule is written once, here in the core.
template <class Target>
class CommandTable {
public:
    explicit CommandTable(std::vector<Command<Target>> commands) : commands_(std::move(commands)) {}

    std::span<const Command<Target>> Commands() const { return commands_; }

    // The entry of the id; null when the table does not handle it.
    const Command<Target>* Find(CommandId id) const {
        for (const Command<Target>& command : commands_) {
            if (command.id == id) {
                return &command;
            }
        }
        return nullptr;
    }

    bool Handles(CommandId id) const { return Find(id) != nullptr; }

    // False for an id the table does not handle.
    bool IsEnabled(const Target& target, CommandId id) const {
        const Command<Target>* command = Find(id);
        return command != nullptr && (!command->enabled || command->enabled(target));
    }

    bool IsChecked(const Target& target, CommandId id) const {
        const Command<Target>* command = Find(id);
        return command != nullptr && command->checked && command->checked(target);
    }

    // Runs the command when the table handles it and it is enabled; false otherwise. The
    // handler may close the target, so nothing touches the target after it.
    bool Execute(Target& target, CommandId id) const {
        const Command<Target>* command = Find(id);
        if (command == nullptr || (command->enabled && !command->enabled(target))) {
            return false;
        }
        command->handler(target);
        return true;
    }

private:
    std::vector<Command<Target>> commands_;
};

}  // namespace tapwright
