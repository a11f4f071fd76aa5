#include "gui/app/PrefsDialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

#include "gui/GuiTestSupport.h"
#include "gui/platform/QtSettingsStore.h"
#include "gui/platform/QtUserInterface.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using gui::PrefsDialog;
using test::ModalScript;
using test::PressButton;

QLineEdit& Field(QWidget& dialog, const char* key) {
    auto* field = dialog.findChild<QLineEdit*>(key);
    EXPECT_NE(field, nullptr) << key;
    return *field;
}

using V = PreferenceValues;

const std::vector<bool V::*> kAllFlags = {
    &V::m_bEditorSelectPassStop, &V::m_bEditorAttnInDb,   &V::m_bEditorGainInDb,
    &V::m_bEditorShowPassStop,   &V::m_bDesignViewCoeffs, &V::m_bDesignViewFreq,
    &V::m_bDesignViewImp,        &V::m_bReadViewCoeffs,   &V::m_bReadViewFreq,
    &V::m_bReadViewImp,          &V::m_bScaleAfterDesign, &V::m_bScaleAfterMix,
    &V::m_bScaleAfterRead};

struct FlagCase {
    const char* key;
    const char* caption;
    const char* group;
    bool V::*member;
};

class PrefsDialogFlagTest : public testing::TestWithParam<FlagCase> {};

// Each box sits in its group under its caption and changes its own preference, and only it.
TEST_P(PrefsDialogFlagTest, BoxChangesItsOwnPreferenceOnly) {
    const FlagCase& c = GetParam();
    CPrefsDlg record{CPreferences{}};
    for (bool V::*flag : kAllFlags) {
        record.values.*flag = false;
    }
    PrefsDialog dialog(record);

    auto* box = dialog.findChild<QCheckBox*>(c.key);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), c.caption);
    auto* group = qobject_cast<QGroupBox*>(box->parentWidget());
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), c.group);
    EXPECT_FALSE(box->isChecked());

    box->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    for (bool V::*flag : kAllFlags) {
        EXPECT_EQ(record.values.*flag, flag == c.member);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Flags, PrefsDialogFlagTest,
    testing::Values(
        FlagCase{"m_bEditorGainInDb", "Gain in dB", "Advanced Editor Defaults",
                 &V::m_bEditorGainInDb},
        FlagCase{"m_bEditorAttnInDb", "Attn/Ripple in dB", "Advanced Editor Defaults",
                 &V::m_bEditorAttnInDb},
        FlagCase{"m_bEditorSelectPassStop", "Auto Select Pass/Stopband", "Advanced Editor Defaults",
                 &V::m_bEditorSelectPassStop},
        FlagCase{"m_bEditorShowPassStop", "Show \"Passband/Stopband\"", "Advanced Editor Defaults",
                 &V::m_bEditorShowPassStop},
        FlagCase{"m_bDesignViewImp", "Impulse Response", "Auto View After Design",
                 &V::m_bDesignViewImp},
        FlagCase{"m_bDesignViewFreq", "Frequency Response", "Auto View After Design",
                 &V::m_bDesignViewFreq},
        FlagCase{"m_bDesignViewCoeffs", "Coefficient Data", "Auto View After Design",
                 &V::m_bDesignViewCoeffs},
        FlagCase{"m_bReadViewImp", "Impulse Response", "Auto View After Import",
                 &V::m_bReadViewImp},
        FlagCase{"m_bReadViewFreq", "Frequency Response", "Auto View After Import",
                 &V::m_bReadViewFreq},
        FlagCase{"m_bReadViewCoeffs", "Coefficient Data", "Auto View After Import",
                 &V::m_bReadViewCoeffs},
        FlagCase{"m_bScaleAfterDesign", "After Design", "Scale Filter:", &V::m_bScaleAfterDesign},
        FlagCase{"m_bScaleAfterRead", "After Import", "Scale Filter:", &V::m_bScaleAfterRead},
        FlagCase{"m_bScaleAfterMix", "After Mix", "Scale Filter:", &V::m_bScaleAfterMix}),
    [](const testing::TestParamInfo<FlagCase>& info) { return std::string(info.param.key); });

TEST(PrefsDialogTest, NumbersShowAsStoredAndComeBackAsTyped) {
    CPreferences preferences;
    preferences.m_dEditorMaxPassDb = 0.125;
    CPrefsDlg record(preferences);
    PrefsDialog dialog(record);
    EXPECT_EQ(dialog.windowTitle(), "Preferences");
    EXPECT_EQ(Field(dialog, "m_dEditorMaxPassDb").text(), "0.125");
    EXPECT_EQ(Field(dialog, "m_nEditorGridDensity").text(), "16");
    EXPECT_EQ(Field(dialog, "m_dMinDb").text(), "-110");

    // The dialog takes a density below one as typed: the command corrects it after OK.
    Field(dialog, "m_nEditorGridDensity").setText(" 0 ");
    Field(dialog, "m_dMinDb").setText("-1.5e2");
    dialog.accept();
    EXPECT_EQ(record.values.m_nEditorGridDensity, 0);
    EXPECT_DOUBLE_EQ(record.values.m_dMinDb, -150.0);
}

TEST(PrefsDialogTest, TextThatIsNoNumberKeepsTheDialogOpenAndTheRecordUnchanged) {
    test::FakeUserInterface ui;
    CPreferences preferences;
    CPrefsDlg record(preferences);
    PrefsDialog dialog(record);
    dialog.show();
    dialog.findChild<QCheckBox*>("m_bScaleAfterMix")->setChecked(true);

    Field(dialog, "m_dEditorMaxPassDb").setText("ten");
    ui.ExpectMessage("Please enter a number.");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(record.values.m_bScaleAfterMix);

    Field(dialog, "m_dEditorMaxPassDb").setText("10");
    Field(dialog, "m_nEditorGridDensity").setText("16.5");
    ui.ExpectMessage("Please enter an integer.");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Exclamation);
}

// The whole command on the desktop: the dialog, the correction after OK and the store.
TEST(PrefsDialogTest, PreferencesCommandStoresACorrectedGridDensityAndCancelStoresNothing) {
    gui::QtUserInterface ui;
    const ScopedUserInterface installed(ui);
    QTemporaryDir folder;
    gui::QtSettingsStore store(folder.filePath("settings.ini"));
    CPreferences preferences;

    ModalScript user;
    user.Then([](QWidget& dialog) { PressButton(dialog, "Cancel"); });
    EXPECT_FALSE(EditPreferences(preferences, store));
    EXPECT_EQ(store.GetText(CPreferences::kSection, "m_nEditorGridDensity", "absent"), "absent");

    QString message;
    user.Then([](QWidget& dialog) {
        Field(dialog, "m_nEditorGridDensity").setText("-3");
        PressButton(dialog, "OK");
    });
    user.Then([&](QWidget& box) {
        message = static_cast<QMessageBox&>(box).text();
        PressButton(box, "OK");
    });
    EXPECT_TRUE(EditPreferences(preferences, store));
    EXPECT_EQ(message, CPrefsDlg::kGridDensityMessage);
    EXPECT_EQ(preferences.m_nEditorGridDensity, 1);
    EXPECT_EQ(store.GetInt(CPreferences::kSection, "m_nEditorGridDensity", 0), 1);
}

}  // namespace
}  // namespace tapwright
