#include "plot/AxisDlg.h"

#include <gtest/gtest.h>

#include "core/plot/PlotTestSupport.h"
#include "plot/AxisPlot.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::FakeUserInterface;

CAxisDlg LinearDialog(double labelSpacing, double ticSpacing) {
    CAxis axis;
    axis.minimum = 0.0;
    axis.maximum = 100.0;
    axis.labelSpacing = labelSpacing;
    axis.ticSpacing = ticSpacing;
    return CAxisDlg(axis, "X-Axis");
}

TEST(AxisDlgTest, TooFineSpacingsAreCorrectedWithTheirMessagesInOrder) {
    FakeUserInterface ui;
    ui.ExpectMessage(
        "X-Axis: Specified Label Spacing will result in too many labels.\nTen labels will be "
        "used.");
    ui.ExpectMessage(
        "X-Axis: Specified Tic Spacing will result in too many tics.\nFive tics per label will "
        "be used.");
    CAxisDlg dialog = LinearDialog(0.5, 0.1);
    dialog.OnOK();
    EXPECT_DOUBLE_EQ(dialog.labelSpacing, 10.0);
    EXPECT_DOUBLE_EQ(dialog.ticSpacing, 2.0);
    EXPECT_EQ(ui.Messages()[0].icon, MessageIcon::None);
    EXPECT_EQ(dialog.powerOfTen, 0);  // automatic: chosen from the corrected spacing
}

TEST(AxisDlgTest, ZeroLabelSpacingCountsAsTooSmall) {
    FakeUserInterface ui;
    ui.ExpectMessage(
        "X-Axis: Specified Label Spacing will result in too many labels.\nTen labels will be "
        "used.");
    CAxisDlg dialog = LinearDialog(0.0, 10.0);
    dialog.OnOK();
    EXPECT_DOUBLE_EQ(dialog.labelSpacing, 10.0);
    EXPECT_DOUBLE_EQ(dialog.ticSpacing, 10.0);
}

TEST(AxisDlgTest, LogModeChecksNoSpacingAndTakesThePowerFromTheMinimum) {
    FakeUserInterface ui;
    CAxisDlg dialog = LinearDialog(0.0, 0.0);
    dialog.log = true;
    dialog.minimum = 2000.0;
    dialog.OnOK();
    EXPECT_DOUBLE_EQ(dialog.labelSpacing, 0.0);
    EXPECT_EQ(dialog.powerOfTen, 3);

    dialog.automaticPower = false;
    dialog.powerOfTen = -6;
    dialog.OnOK();
    EXPECT_EQ(dialog.powerOfTen, -6);  // the user's own power stays
}

TEST(AxisDlgTest, AutomaticAndLogModeClicksScaleToTheDataRange) {
    CAxis axis;
    axis.automatic = false;
    axis.minimum = 1.0;
    axis.maximum = 2.0;
    axis.dataMinimum = 0.0;
    axis.dataMaximum = 0.95;
    CAxisDlg dialog(axis, "Y-Axis");
    EXPECT_TRUE(dialog.IsScalingEditable());
    EXPECT_FALSE(dialog.IsPowerEditable());

    dialog.OnLogModeClicked(false);  // manual: nothing rescales
    EXPECT_DOUBLE_EQ(dialog.maximum, 2.0);

    dialog.OnAutomaticClicked(true);
    EXPECT_FALSE(dialog.IsScalingEditable());
    EXPECT_DOUBLE_EQ(dialog.minimum, 0.0);
    EXPECT_DOUBLE_EQ(dialog.maximum, 1.0);
    EXPECT_DOUBLE_EQ(dialog.labelSpacing, 0.1);

    dialog.OnLogModeClicked(true);
    EXPECT_DOUBLE_EQ(dialog.maximum, 1.0);
    EXPECT_DOUBLE_EQ(dialog.minimum, 0.001);
    EXPECT_DOUBLE_EQ(dialog.labelSpacing, 1.0);

    dialog.OnAutomaticClicked(false);  // unchecking keeps the values for editing
    EXPECT_DOUBLE_EQ(dialog.minimum, 0.001);
    dialog.OnAutomaticPowerClicked(false);
    EXPECT_TRUE(dialog.IsPowerEditable());
}

struct FieldCase {
    AxisDlgTexts texts;
    const char* message;  // null: every field reads
};

class AxisDlgFieldsTest : public testing::TestWithParam<FieldCase> {};

TEST_P(AxisDlgFieldsTest, EditsMustHoldNumbersOfTheirKind) {
    FakeUserInterface ui;
    CAxisDlg dialog = LinearDialog(10.0, 1.0);
    const FieldCase& c = GetParam();
    if (c.message != nullptr) {
        ui.ExpectMessage(c.message);
    }
    EXPECT_EQ(dialog.ReadControls(c.texts), c.message == nullptr);
    // A refused read leaves every field as it was.
    EXPECT_DOUBLE_EQ(dialog.maximum, c.message == nullptr ? 5.0 : 100.0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AxisDlgFieldsTest,
    testing::Values(FieldCase{{"-1", "5", "0.5", "1", "0", "2"}, nullptr},
                    FieldCase{{" -1 ", "5e0", "0.5", "1", "-3", "2"}, nullptr},
                    FieldCase{{"-1", "5", "0.5", "1,5", "0", "2"}, "Please enter a number."},
                    FieldCase{{"", "5", "0.5", "1", "0", "2"}, "Please enter a number."},
                    FieldCase{{"-1", "5", "0.5", "1", "1.5", "2"}, "Please enter an integer."},
                    FieldCase{{"-1", "5", "0.5", "1", "0", "99999999999"},
                              "Please enter an integer."}));

TEST(AxisDlgTest, ControlTextsShowFifteenSignificantDigits) {
    CAxis axis;
    axis.minimum = 0.1 + 0.2;
    axis.powerOfTen = -3;
    const AxisDlgTexts texts = CAxisDlg(axis, "X-Axis").ControlTexts();
    EXPECT_EQ(texts.minimum, "0.3");
    EXPECT_EQ(texts.powerOfTen, "-3");
}

TEST(AxisDlgTest, AxisCommandStoresTheEditedAxisAndRedraws) {
    FakeUserInterface ui;
    test::TestPlot plot;
    test::FakeViewWindow window{Rect{0, 0, 100, 100}};
    plot.AttachWindow(&window);
    plot.SetPoints({1.0}, {1.0});
    plot.YAxis().gridMode = GridMode::OnLabels;
    ui.ExpectDialog<CAxisDlg>([](CAxisDlg& dialog) {
        EXPECT_EQ(dialog.Caption(), "Y-Axis");
        EXPECT_EQ(dialog.gridChoice, 2);
        dialog.gridChoice = -1;  // no button: the grid mode stays
        dialog.automatic = false;
        dialog.minimum = -5.0;
        dialog.maximum = 5.0;
        dialog.labelSpacing = 1.0;
        dialog.ticSpacing = 0.5;
        dialog.automaticPower = false;
        dialog.powerOfTen = 3;
        return true;
    });
    EXPECT_TRUE(EditPlotAxis(plot, AxisId::Y));
    EXPECT_FALSE(plot.YAxis().automatic);
    EXPECT_TRUE(plot.YAxis().manualPower);
    EXPECT_EQ(plot.YAxis().gridMode, GridMode::OnLabels);
    EXPECT_DOUBLE_EQ(plot.YState().minimum, -5.0);
    EXPECT_EQ(plot.YState().powerOfTen, 3);
    EXPECT_TRUE(plot.Series().IsEmpty());
    EXPECT_EQ(window.invalidations, 1);

    ui.ExpectDialog<CAxisDlg>([](CAxisDlg& dialog) {
        dialog.minimum = 42.0;
        return false;
    });
    EXPECT_FALSE(EditPlotAxis(plot, AxisId::Y));
    EXPECT_DOUBLE_EQ(plot.YAxis().minimum, -5.0);
}

}  // namespace
}  // namespace tapwright
