#include <gtest/gtest.h>

#include <QListWidget>

#include "app/NewProjectDlg.h"
#include "document/CoefficientCommands.h"
#include "document/MinDbDlg.h"
#include "document/SampleRateDlg.h"
#include "gui/GuiTestSupport.h"
#include "gui/dialogs/DialogTestSupport.h"
#include "gui/dialogs/MinDbDialog.h"
#include "gui/dialogs/NewProjectDialog.h"
#include "gui/dialogs/SampleRateDialog.h"
#include "gui/platform/QtDialogs.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::Button;
using test::Child;
using test::Edit;
using test::FakeUserInterface;
using test::ModalScript;
using test::PressButton;

TEST(SampleRateDialogTest, ListsTheUnitRowsAndWritesBackTheChosenOne) {
    FakeUserInterface ui;
    CSampleRateDlg record(CFreqUnits(44.1, 1));
    gui::SampleRateDialog dialog(record);
    EXPECT_EQ(dialog.windowTitle(), "Set Sampling Frequency");
    EXPECT_EQ(Edit(dialog, "frequency").text(), "44.1");
    auto& units = Child<QListWidget>(dialog, "units");
    ASSERT_EQ(units.count(), 4);
    EXPECT_EQ(units.item(0)->text(), "Hz,sec");
    EXPECT_EQ(units.item(3)->text(), "GHz,ns");
    EXPECT_EQ(units.currentRow(), 1);

    units.setCurrentRow(2);
    Edit(dialog, "frequency").setText("2.5");
    dialog.accept();
    EXPECT_EQ(record.Units().GetUnitIndex(), 2);
    EXPECT_EQ(record.Units().GetSampleRate(), 2.5);
}

TEST(SampleRateDialogTest, FrequencyTheRecordRefusesKeepsTheDialogOpen) {
    FakeUserInterface ui;
    CSampleRateDlg record(CFreqUnits(8.0, 0));
    gui::SampleRateDialog dialog(record);
    dialog.show();
    Edit(dialog, "frequency").setText("0");
    ui.ExpectMessage(kSampleRateMessage);
    PressButton(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(record.frequency, 8.0);
}

TEST(MinDbDialogTest, RunDialogWritesTheFloorBackOnlyOnOk) {
    FakeUserInterface ui;
    CMinDbDlg record(-110.0);
    ModalScript user;
    user.Then([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Set Minimum Decibels");
        EXPECT_EQ(Edit(dialog, "minDb").text(), "-110");
        Edit(dialog, "minDb").setText("-80");
        PressButton(dialog, "Cancel");
    });
    EXPECT_FALSE(gui::RunDialog(record, nullptr));
    EXPECT_EQ(record.minDb, -110.0);

    user.Then([](QWidget& dialog) {
        Edit(dialog, "minDb").setText("-80");
        PressButton(dialog, "OK");
    });
    EXPECT_TRUE(gui::RunDialog(record, nullptr));
    EXPECT_EQ(record.minDb, -80.0);
}

TEST(NewProjectDialogTest, PreselectsTheRecordsChoiceAndReturnsTheOneClicked) {
    CNewProjectDlg record(NewProjectChoice::SimpleBandpass);
    gui::NewProjectDialog dialog(record);
    EXPECT_EQ(dialog.windowTitle(), "New FIR Filter Design Project");
    EXPECT_TRUE(Button(dialog, "Simple Bandpass").isChecked());
    Button(dialog, "Advanced").click();
    dialog.accept();
    EXPECT_EQ(record.choice, NewProjectChoice::Advanced);
}

}  // namespace
}  // namespace tapwright
