#include "gui/platform/QtSettingsStore.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "data/Preferences.h"

namespace tapwright {
namespace {

using gui::QtSettingsStore;

class QtSettingsStoreTest : public testing::Test {
protected:
    QString Path() const { return folder.filePath("Tapwright.ini"); }

    QTemporaryDir folder;
};

TEST_F(QtSettingsStoreTest, ValuesLastBeyondTheStoreInTheirOwnSections) {
    {
        QtSettingsStore store(Path());
        store.SetInt("Options", "m_nEditorGridDensity", 20);
        store.SetInt("Other", "m_nEditorGridDensity", -7);
        store.SetText("Recent File List", "File1", "/home/ann/a, b;c\\d.twa");
    }
    const QtSettingsStore store(Path());
    EXPECT_EQ(store.GetInt("Options", "m_nEditorGridDensity", 0), 20);
    EXPECT_EQ(store.GetInt("Other", "m_nEditorGridDensity", 0), -7);
    EXPECT_EQ(store.GetText("Recent File List", "File1", ""), "/home/ann/a, b;c\\d.twa");
    EXPECT_EQ(store.GetText("Options", "m_nEditorGridDensity", ""), "20");
    EXPECT_EQ(store.GetInt("Options", "missing", 5), 5);
    EXPECT_EQ(store.GetText("Options", "missing", "none"), "none");

    QSettings raw(Path(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Options/m_nEditorGridDensity").toInt(), 20);
}

TEST_F(QtSettingsStoreTest, TextThatIsNotAWholeIntegerGivesTheFallback) {
    QtSettingsStore store(Path());
    store.SetText("Options", "number", " 42 ");
    store.SetText("Options", "partly", "12x");
    store.SetText("Options", "huge", "99999999999");
    store.SetText("Options", "empty", "");
    EXPECT_EQ(store.GetInt("Options", "number", 0), 42);
    EXPECT_EQ(store.GetInt("Options", "partly", 3), 3);
    EXPECT_EQ(store.GetInt("Options", "huge", 3), 3);
    EXPECT_EQ(store.GetInt("Options", "empty", 3), 3);
}

TEST_F(QtSettingsStoreTest, HandEditedListReadsBackAsItsText) {
    {
        QSettings raw(Path(), QSettings::IniFormat);
        raw.setValue("Options/m_dMinDb", QStringList{"-110", "5"});
    }
    const QtSettingsStore store(Path());
    EXPECT_EQ(store.GetText("Options", "m_dMinDb", ""), "-110, 5");
}

TEST_F(QtSettingsStoreTest, PreferencesComeBackAsTheyWereSaved) {
    CPreferences saved;
    saved.m_nEditorGridDensity = 24;
    saved.m_bEditorGainInDb = true;
    saved.m_bReadViewImp = true;
    saved.m_dEditorMaxPassDb = 3.25;
    saved.m_dMinDb = -96.5;
    {
        QtSettingsStore store(Path());
        saved.SaveSettings(store);
    }
    const QtSettingsStore store(Path());
    EXPECT_EQ(store.GetText(CPreferences::kSection, "m_dMinDb", ""), "-96.500");
    CPreferences loaded;
    loaded.LoadSettings(store);
    EXPECT_EQ(loaded.m_nEditorGridDensity, 24);
    EXPECT_TRUE(loaded.m_bEditorGainInDb);
    EXPECT_TRUE(loaded.m_bReadViewImp);
    EXPECT_TRUE(loaded.m_bDesignViewFreq);
    EXPECT_DOUBLE_EQ(loaded.m_dEditorMaxPassDb, 3.25);
    EXPECT_DOUBLE_EQ(loaded.m_dMinDb, -96.5);
}

}  // namespace
}  // namespace tapwright
