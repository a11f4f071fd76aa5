#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

#include "document/CombFill.h"
#include "document/MixDlg.h"
#include "document/QuantizeDlg.h"
#include "document/ScaleDlg.h"
#include "document/SineDlg.h"
#include "document/WindowDlg.h"
#include "gui/GuiTestSupport.h"
#include "gui/dialogs/DialogTestSupport.h"
#include "gui/dialogs/FillDialog.h"
#include "gui/dialogs/MixDialog.h"
#include "gui/dialogs/QuantizeDialog.h"
#include "gui/dialogs/ScaleDialog.h"
#include "gui/dialogs/SineDialog.h"
#include "gui/dialogs/WindowDialog.h"
#include "gui/platform/QtDialogs.h"
#include "gui/platform/QtUserInterface.h"
#include "gui/widgets/DialogFrame.h"
#include "gui/widgets/NumberField.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::Button;
using test::Edit;
using test::FakeUserInterface;
using test::FocusInto;
using test::ModalScript;
using test::PressButton;
using test::ShowActive;

bool IsChecked(QWidget& dialog, const char* caption) {
    return Button(dialog, caption).isChecked();
}

TEST(WindowDialogTest, ShowsTheStoredChoiceAndAlphaFocusSelectsKaiserBessel) {
    FakeUserInterface ui;
    CWindowDlg record;
    record.type = WindowType::Hamming;
    record.alpha = 2.5f;
    gui::WindowDialog dialog(record);
    EXPECT_EQ(dialog.windowTitle(), "Window Filter Coefficients");
    ShowActive(dialog);
    EXPECT_TRUE(IsChecked(dialog, "Hamming"));
    EXPECT_EQ(Edit(dialog, "alpha").text(), "2.5");
    // Opening the dialog does not move into the alpha field by itself.
    EXPECT_FALSE(IsChecked(dialog, "Kaiser-Bessel, Alpha ="));

    FocusInto(Edit(dialog, "alpha"));
    EXPECT_TRUE(IsChecked(dialog, "Kaiser-Bessel, Alpha ="));
    EXPECT_FALSE(IsChecked(dialog, "Hamming"));
    Edit(dialog, "alpha").setText("6");
    PressButton(dialog, "OK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(record.type, WindowType::KaiserBessel);
    EXPECT_EQ(record.alpha, 6.0f);
}

TEST(WindowDialogTest, RefusedAlphaKeepsTheDialogOpenAndTheRecordUnchanged) {
    FakeUserInterface ui;
    CWindowDlg record;
    gui::WindowDialog dialog(record);
    dialog.show();
    Button(dialog, "Kaiser-Bessel, Alpha =").click();
    Edit(dialog, "alpha").setText("500");
    ui.ExpectMessage(kKaiserAlphaMessage);
    PressButton(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(record.type, WindowType::BlackmanHarris);
    EXPECT_EQ(record.alpha, 4.0f);
}

TEST(WindowDialogTest, RunDialogAnswersOkAndCancel) {
    FakeUserInterface ui;
    CWindowDlg record;
    ModalScript user;
    user.Then([](QWidget& dialog) {
        Button(dialog, "Gaussian").click();
        PressButton(dialog, "Cancel");
    });
    EXPECT_FALSE(gui::RunDialog(record, nullptr));
    EXPECT_EQ(record.type, WindowType::BlackmanHarris);

    user.Then([](QWidget& dialog) {
        Button(dialog, "Gaussian").click();
        PressButton(dialog, "OK");
    });
    EXPECT_TRUE(gui::RunDialog(record, nullptr));
    EXPECT_EQ(record.type, WindowType::Gaussian);
}

TEST(ScaleDialogTest, ShowsTheUnitBesideGainAtAndWritesEveryFieldBack) {
    FakeUserInterface ui;
    CScaleDlg record;
    record.unitLabel = "kHz";
    record.frequency = 1.5;
    gui::ScaleDialog dialog(record);
    EXPECT_TRUE(IsChecked(dialog, "Gain at DC (coefficient sum)"));
    EXPECT_EQ(Edit(dialog, "frequency").text(), "1.5");
    EXPECT_EQ(Edit(dialog, "value").text(), "0");
    EXPECT_TRUE(Button(dialog, "dB").isChecked());
    const auto labels = dialog.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](const QLabel* label) { return label->text() == "kHz"; }));

    Button(dialog, "Multiply coefficients by").click();
    Edit(dialog, "value").setText("2");
    Button(dialog, "dB").click();
    dialog.accept();
    EXPECT_EQ(record.mode, ScaleMode::Multiply);
    EXPECT_EQ(record.value, 2.0);
    EXPECT_FALSE(record.valueInDb);
}

TEST(QuantizeDialogTest, BitCountTheRecordRefusesKeepsTheDialogOpen) {
    FakeUserInterface ui;
    CQuantizeDlg record;
    gui::QuantizeDialog dialog(record);
    dialog.show();
    EXPECT_EQ(Edit(dialog, "bits").text(), "16");
    Edit(dialog, "bits").setText("32");
    ui.ExpectMessage(kQuantizeBitsMessage);
    PressButton(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(record.bits, 16);

    Edit(dialog, "bits").setText("12");
    PressButton(dialog, "OK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(record.bits, 12);
}

// Without the unit a frequency of 1.5 could be 1.5 Hz or 1.5 kHz; without the rule the bit
// count tells nothing of the words it gives.
TEST(FrequencyDialogsTest, SineAndMixShowTheUnitBesideTheFrequencyAndQuantizeHowAWordIsMade) {
    FakeUserInterface ui;
    const auto unitBeside = [](QDialog& dialog, const char* field) {
        auto* unit = dialog.findChild<QLabel*>("unit");
        EXPECT_NE(unit, nullptr);
        if (unit == nullptr) {
            return QString();
        }
        test::ShowActive(dialog);
        const QRect fieldRect(Edit(dialog, field).mapTo(&dialog, QPoint(0, 0)),
                              Edit(dialog, field).size());
        const QRect unitRect(unit->mapTo(&dialog, QPoint(0, 0)), unit->size());
        EXPECT_GT(unitRect.left(), fieldRect.left());
        EXPECT_TRUE(unitRect.top() < fieldRect.bottom() && fieldRect.top() < unitRect.bottom());
        return unit->text();
    };
    CSineDlg sine;
    sine.unitLabel = "kHz";
    gui::SineDialog sineDialog(sine);
    EXPECT_EQ(unitBeside(sineDialog, "frequency"), "kHz");
    CMixDlg mix;
    mix.unitLabel = "MHz";
    gui::MixDialog mixDialog(mix);
    EXPECT_EQ(unitBeside(mixDialog, "frequency"), "MHz");

    CQuantizeDlg quantize;
    gui::QuantizeDialog quantizeDialog(quantize);
    auto* explanation = quantizeDialog.findChild<QLabel*>("explanation");
    ASSERT_NE(explanation, nullptr);
    EXPECT_TRUE(explanation->text().contains("k/2^(bits-1)"));
}

// Some window managers draw a minimise button on dialogs whatever their hints, and minimise the
// program's other windows with a modal box: the box must come back at once.
TEST(DialogFrameTest, AMinimisedDialogComesBackAtOnce) {
    QDialog dialog;
    gui::UseDialogFrame(dialog);
    dialog.show();
    dialog.showMinimized();
    ASSERT_TRUE(dialog.isMinimized());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isMinimized(); }, 1000));
    EXPECT_TRUE(dialog.isVisible());
}

// A modal box cannot be minimised or maximised: a minimised one would leave the program
// waiting for a window the user cannot see.
TEST(DialogFrameTest, DialogsAndMessageBoxesHaveNoMinimiseOrMaximiseButton) {
    FakeUserInterface ui;
    const auto noSizeButtons = [](const QWidget& window) {
        const Qt::WindowFlags flags = window.windowFlags();
        return flags.testFlag(Qt::CustomizeWindowHint) &&
               !flags.testFlag(Qt::WindowMinimizeButtonHint) &&
               !flags.testFlag(Qt::WindowMaximizeButtonHint) &&
               flags.testFlag(Qt::WindowCloseButtonHint);
    };
    CQuantizeDlg quantize;
    gui::QuantizeDialog dialog(quantize);
    EXPECT_TRUE(noSizeButtons(dialog));

    gui::QtUserInterface desktop;
    ModalScript user;
    bool boxChecked = false;
    user.Then([&](QWidget& box) {
        boxChecked = noSizeButtons(box);
        PressButton(box, "OK");
    });
    desktop.ShowMessage("Error: Maximum number of bands exceeded.", MessageButtons::Ok,
                        MessageIcon::Stop, "");
    EXPECT_EQ(user.WindowsSeen(), 1);
    EXPECT_TRUE(boxChecked);
}

TEST(FillDialogTest, ReciprocalFollowsTheTapCountOnlyWhileTheBoxIsChecked) {
    FakeUserInterface ui;
    CCombFill record;
    record.oneOverTaps = false;
    record.constant = 0.5;
    gui::FillDialog dialog(record);
    QLineEdit& taps = Edit(dialog, "taps");
    QLineEdit& constant = Edit(dialog, "constant");

    taps.clear();
    QTest::keyClicks(&taps, "8");
    EXPECT_EQ(constant.text(), "0.5");

    // Checking the box takes the count as typed, also with a constant typed just before.
    constant.setText("3");
    Button(dialog, "= 1 / NTaps").click();
    EXPECT_EQ(constant.text(), "0.125");
    QTest::keyClicks(&taps, "0");
    EXPECT_EQ(constant.text(), "0.0125");
    // A count still being typed leaves the constant alone.
    taps.clear();
    QTest::keyClicks(&taps, "-");
    EXPECT_EQ(constant.text(), "0.0125");

    taps.setText("80");
    dialog.accept();
    EXPECT_EQ(record.taps, 80);
    EXPECT_DOUBLE_EQ(record.constant, 0.0125);
    EXPECT_TRUE(record.oneOverTaps);
}

TEST(SineDialogTest, FocusSelectsTheWayTheSineIsGiven) {
    FakeUserInterface ui;
    CSineDlg record;
    gui::SineDialog dialog(record);
    ShowActive(dialog);
    EXPECT_EQ(Edit(dialog, "count").text(), "256");
    EXPECT_EQ(Edit(dialog, "frequency").text(), "0.125");
    EXPECT_EQ(Edit(dialog, "cycles").text(), "4");
    EXPECT_TRUE(IsChecked(dialog, "Frequency"));

    FocusInto(Edit(dialog, "cycles"));
    EXPECT_TRUE(IsChecked(dialog, "Number of Cycles"));
    FocusInto(Edit(dialog, "frequency"));
    EXPECT_TRUE(IsChecked(dialog, "Frequency"));
    FocusInto(Edit(dialog, "cycles"));
    Edit(dialog, "cycles").setText("0.1");
    dialog.accept();
    EXPECT_EQ(record.mode, SineMode::Cycles);
    EXPECT_EQ(record.cycles, 0.1f);
}

// The records keep floats and the project file refuses values that are not finite.
TEST(SineDialogTest, NumberBeyondTheRangeOfAFloatIsRefused) {
    FakeUserInterface ui;
    CSineDlg record;
    gui::SineDialog dialog(record);
    dialog.show();
    Edit(dialog, "frequency").setText("1e39");
    ui.ExpectMessage(gui::DoubleField::kNotANumberMessage);
    PressButton(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(record.frequency, 0.125f);
}

TEST(MixDialogTest, FocusOnEachFieldSelectsItsMode) {
    FakeUserInterface ui;
    CMixDlg record;
    record.PrepareForRun(8000.0, 31);
    gui::MixDialog dialog(record);
    ShowActive(dialog);
    EXPECT_EQ(Edit(dialog, "frequency").text(), "2000");
    EXPECT_EQ(Edit(dialog, "divisor").text(), "4");
    EXPECT_EQ(Edit(dialog, "multiplier").text(), "0.25");
    EXPECT_TRUE(IsChecked(dialog, "Frequency "));
    EXPECT_TRUE(IsChecked(dialog, "Set automatically for linear phase"));

    FocusInto(Edit(dialog, "divisor"));
    EXPECT_TRUE(IsChecked(dialog, "Fs divided by"));
    FocusInto(Edit(dialog, "multiplier"));
    EXPECT_TRUE(IsChecked(dialog, "Fs multiplied by"));
    FocusInto(Edit(dialog, "degrees"));
    EXPECT_TRUE(IsChecked(dialog, "Degrees"));
    FocusInto(Edit(dialog, "divisor"));
    Edit(dialog, "divisor").setText("8");
    Edit(dialog, "degrees").setText("90");
    PressButton(dialog, "OK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(record.frequencyMode, MixFrequencyMode::FsDividedBy);
    EXPECT_DOUBLE_EQ(record.MixingFrequency(), 1000.0);
    EXPECT_NEAR(record.InitialPhase(), 1.5707963267948966, 1e-6);
}

TEST(MixDialogTest, RefusedOrDeclinedOkKeepsTheDialogOpen) {
    FakeUserInterface ui;
    CMixDlg record;
    record.PrepareForRun(8000.0, 31);
    gui::MixDialog dialog(record);
    dialog.show();
    Button(dialog, "Fs divided by").click();
    Edit(dialog, "divisor").setText("0");
    ui.ExpectMessage(CMixDlg::kZeroDivisorMessage);
    PressButton(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());

    Button(dialog, "Fs multiplied by").click();
    Edit(dialog, "multiplier").setText("0.75");
    ui.ExpectMessage(CMixDlg::kOutsideRangeQuestion, MessageResult::No);
    PressButton(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(record.frequencyMode, MixFrequencyMode::Frequency);

    ui.ExpectMessage(CMixDlg::kOutsideRangeQuestion, MessageResult::Yes);
    PressButton(dialog, "OK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(record.MixingFrequency(), 6000.0);
}

}  // namespace
}  // namespace tapwright
