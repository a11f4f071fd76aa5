#pragma once

#include <string>
#include <vector>

namespace tapwright {
class SettingsStore;
}

namespace tapwright::gui {

// The projects opened last, newest first, kept in the settings store so that they are
// there at the next start. Every change is stored at once.
class RecentFileList {
public:
    static constexpr int kSize = 6;
    static constexpr const char* kSection = "Recent File List";

    // Reads the list; empty and repeated entries in the store are passed over.
    explicit RecentFileList(SettingsStore& store);

    const std::vector<std::string>& Entries() const { return entries_; }

    // Puts the path at the top; a path already listed moves there, and the oldest entry
    // drops off a full list.
    void Add(const std::string& path);
    // Takes a path off the list, for a project that could not be opened from it.
    void Remove(const std::string& path);

private:
    void Store() const;

    SettingsStore& store_;
    std::vector<std::string> entries_;
};

}  // namespace tapwright::gui
