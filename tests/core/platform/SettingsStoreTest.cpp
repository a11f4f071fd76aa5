#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

namespace tapwright {
namespace {

TEST(MemorySettingsStoreTest, MissingValuesGiveTheFallbackAndSectionsAreSeparate) {
    MemorySettingsStore store;
    EXPECT_EQ(store.GetInt("Options", "a", 7), 7);
    EXPECT_EQ(store.GetText("Options", "a", "x"), "x");
    store.SetInt("Options", "a", 3);
    store.SetText("Other", "a", "text");
    EXPECT_EQ(store.GetInt("Options", "a", 7), 3);
    EXPECT_EQ(store.GetText("Other", "a", "x"), "text");
    EXPECT_EQ(store.Size(), 2u);
}

TEST(MemorySettingsStoreTest, ConvertsBetweenTextAndIntegerLikeATextStore) {
    MemorySettingsStore store;
    store.SetText("Options", "number", "-12");
    store.SetText("Options", "word", "12 apples");
    store.SetInt("Options", "int", 5);
    EXPECT_EQ(store.GetInt("Options", "number", 0), -12);
    EXPECT_EQ(store.GetInt("Options", "word", 99), 99);
    EXPECT_EQ(store.GetText("Options", "int", ""), "5");
}

}  // namespace
}  // namespace tapwright
