#include "gui/app/RecentFileList.h"

#include <gtest/gtest.h>

#include "platform/SettingsStore.h"

namespace tapwright {
namespace {

using gui::RecentFileList;

TEST(RecentFileListTest, StoredListWithGapsAndRepeatsReadsAsDistinctEntries) {
    MemorySettingsStore store;
    store.SetText(RecentFileList::kSection, "File1", "/a.twa");
    store.SetText(RecentFileList::kSection, "File2", "");
    store.SetText(RecentFileList::kSection, "File3", "/b.tws");
    store.SetText(RecentFileList::kSection, "File4", "/a.twa");
    store.SetText(RecentFileList::kSection, "File7", "/beyond.twa");
    const RecentFileList list(store);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/a.twa", "/b.tws"}));
}

}  // namespace
}  // namespace tapwright
