#include "data/Preferences.h"

#include <gtest/gtest.h>

#include "app/PrefsDlg.h"
#include "design/FirData.h"
#include "platform/SettingsStore.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

constexpr const char* kOptions = "Options";

void ExpectDefaults(const CPreferences& p) {
    EXPECT_EQ(p.m_nEditorGridDensity, 16);
    EXPECT_FALSE(p.m_bEditorSelectPassStop);
    EXPECT_EQ(p.m_dEditorMaxPassDb, 10.0);
    EXPECT_TRUE(p.m_bEditorAttnInDb);
    EXPECT_FALSE(p.m_bEditorGainInDb);
    EXPECT_FALSE(p.m_bEditorShowPassStop);
    EXPECT_FALSE(p.m_bDesignViewCoeffs);
    EXPECT_TRUE(p.m_bDesignViewFreq);
    EXPECT_FALSE(p.m_bDesignViewImp);
    EXPECT_FALSE(p.m_bReadViewCoeffs);
    EXPECT_TRUE(p.m_bReadViewFreq);
    EXPECT_FALSE(p.m_bReadViewImp);
    EXPECT_FALSE(p.m_bScaleAfterDesign);
    EXPECT_FALSE(p.m_bScaleAfterMix);
    EXPECT_FALSE(p.m_bScaleAfterRead);
    EXPECT_EQ(p.m_dMinDb, -110.0);
    EXPECT_EQ(p.GetSimpleFilterKind(), SimpleFilterKind::Lowpass);
}

TEST(PreferencesTest, AnEmptyStoreGivesEveryDefault) {
    const MemorySettingsStore store;
    CPreferences preferences;
    preferences.LoadSettings(store);
    ExpectDefaults(preferences);
}

TEST(PreferencesTest, SavedValuesUseTheMemberNamesAndThreeDigitDoubles) {
    CPreferences preferences;
    preferences.m_nEditorGridDensity = 8;
    preferences.m_bScaleAfterMix = true;
    preferences.m_bDesignViewFreq = false;
    preferences.m_dEditorMaxPassDb = 2.5;
    preferences.SetSimpleFilterKind(SimpleFilterKind::Bandstop);
    MemorySettingsStore store;
    preferences.SaveSettings(store);

    EXPECT_EQ(store.Size(), 16u);
    EXPECT_EQ(store.GetInt(kOptions, "m_nEditorGridDensity", 0), 8);
    EXPECT_EQ(store.GetInt(kOptions, "m_bScaleAfterMix", 0), 1);
    EXPECT_EQ(store.GetInt(kOptions, "m_bDesignViewFreq", 1), 0);
    EXPECT_EQ(store.GetInt(kOptions, "m_bEditorAttnInDb", 0), 1);
    EXPECT_EQ(store.GetText(kOptions, "m_dEditorMaxPassDb", ""), "2.500");
    EXPECT_EQ(store.GetText(kOptions, "m_dMinDb", ""), "-110.000");

    CPreferences loaded;
    loaded.LoadSettings(store);
    EXPECT_EQ(loaded.m_nEditorGridDensity, 8);
    EXPECT_TRUE(loaded.m_bScaleAfterMix);
    EXPECT_FALSE(loaded.m_bDesignViewFreq);
    EXPECT_EQ(loaded.m_dEditorMaxPassDb, 2.5);
    EXPECT_EQ(loaded.GetSimpleFilterKind(), SimpleFilterKind::Lowpass);  // not stored
}

TEST(PreferencesTest, AStoredDoubleThatDoesNotScanReadsAsZero) {
    MemorySettingsStore store;
    store.SetText(kOptions, "m_dMinDb", "very low");
    store.SetText(kOptions, "m_dEditorMaxPassDb", "");
    CPreferences preferences;
    preferences.LoadSettings(store);
    EXPECT_EQ(preferences.m_dMinDb, 0.0);
    EXPECT_EQ(preferences.m_dEditorMaxPassDb, 0.0);
}

TEST(PrefsDlgTest, OkCopiesTheFieldsBackAndSaves) {
    test::FakeUserInterface ui;
    ui.ExpectDialog<CPrefsDlg>([](CPrefsDlg& dialog) {
        EXPECT_EQ(dialog.values.m_dMinDb, -110.0);
        dialog.values.m_bEditorGainInDb = true;
        dialog.values.m_dMinDb = -90.5;
        return true;
    });
    CPreferences preferences;
    MemorySettingsStore store;
    EXPECT_TRUE(EditPreferences(preferences, store));
    EXPECT_TRUE(preferences.m_bEditorGainInDb);
    EXPECT_EQ(preferences.m_dMinDb, -90.5);
    EXPECT_EQ(store.GetText(kOptions, "m_dMinDb", ""), "-90.500");
    EXPECT_EQ(store.GetInt(kOptions, "m_bEditorGainInDb", 0), 1);
}

class PrefsDlgGridTest : public testing::TestWithParam<std::int32_t> {};

TEST_P(PrefsDlgGridTest, AGridDensityBelowOneIsReportedAndStoredAsOne) {
    test::FakeUserInterface ui;
    const std::int32_t entered = GetParam();
    ui.ExpectDialog<CPrefsDlg>([entered](CPrefsDlg& dialog) {
        dialog.values.m_nEditorGridDensity = entered;
        return true;
    });
    ui.ExpectMessage("Grid Density must be one or greater.\nSetting it to one.");
    CPreferences preferences;
    MemorySettingsStore store;
    EditPreferences(preferences, store);
    EXPECT_EQ(preferences.m_nEditorGridDensity, 1);
    EXPECT_EQ(store.GetInt(kOptions, "m_nEditorGridDensity", 0), 1);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].icon, MessageIcon::Exclamation);
}

INSTANTIATE_TEST_SUITE_P(BelowOne, PrefsDlgGridTest, testing::Values(0, -5));

TEST(PrefsDlgTest, AGridDensityAboveTheLargestIsReportedAndStoredAsTheLargest) {
    test::FakeUserInterface ui;
    ui.ExpectDialog<CPrefsDlg>([](CPrefsDlg& dialog) {
        dialog.values.m_nEditorGridDensity = 1000000;
        return true;
    });
    ui.ExpectMessage(CPrefsDlg::kGridDensityTooLargeMessage);
    CPreferences preferences;
    MemorySettingsStore store;
    EditPreferences(preferences, store);
    EXPECT_EQ(preferences.m_nEditorGridDensity, 1024);
    EXPECT_EQ(store.GetInt(kOptions, "m_nEditorGridDensity", 0), CFirData::kMaxGridDensity);
}

TEST(PrefsDlgTest, CancelChangesNeitherThePreferencesNorTheStore) {
    test::FakeUserInterface ui;
    ui.ExpectDialog<CPrefsDlg>([](CPrefsDlg& dialog) {
        dialog.values.m_nEditorGridDensity = 0;
        dialog.values.m_bScaleAfterRead = true;
        return false;
    });
    CPreferences preferences;
    MemorySettingsStore store;
    EXPECT_FALSE(EditPreferences(preferences, store));
    ExpectDefaults(preferences);
    EXPECT_EQ(store.Size(), 0u);
}

}  // namespace
}  // namespace tapwright
