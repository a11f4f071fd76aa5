#include "gui/app/RecentFileList.h"

#include <algorithm>

#include "platform/SettingsStore.h"

namespace tapwright::gui {

namespace {

std::string KeyOf(int index) {
    return "File" + std::to_string(index + 1);
}

}  // namespace

RecentFileList::RecentFileList(SettingsStore& store) : store_(store) {
    for (int i = 0; i < kSize; ++i) {
        std::string path = store_.GetText(kSection, KeyOf(i), {});
        if (!path.empty() && std::find(entries_.begin(), entries_.end(), path) == entries_.end()) {
            entries_.push_back(std::move(path));
        }
    }
}

void RecentFileList::Add(const std::string& path) {
    if (path.empty()) {
        return;
    }
    std::erase(entries_, path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > static_cast<std::size_t>(kSize)) {
        entries_.resize(kSize);
    }
    Store();
}

void RecentFileList::Remove(const std::string& path) {
    if (std::erase(entries_, path) > 0) {
        Store();
    }
}

// Slots beyond the entries are emptied, so that a removed path does not come back.
void RecentFileList::Store() const {
    for (int i = 0; i < kSize; ++i) {
        const auto index = static_cast<std::size_t>(i);
        store_.SetText(kSection, KeyOf(i),
                       index < entries_.size() ? entries_[index] : std::string());
    }
}

}  // namespace tapwright::gui
