#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/GuiTestSupport.h"
#include "gui/dialogs/DialogTestSupport.h"
#include "gui/plot/AxisDialog.h"
#include "gui/plot/ExportPictureDialog.h"
#include "gui/plot/PlotPropsDialog.h"
#include "gui/plot/TitlesDialog.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::Button;
using test::Edit;
using test::PressButton;

bool IsChecked(QWidget& dialog, const QString& caption) {
    return Button(dialog, caption).isChecked();
}

class PlotDialogsTest : public testing::Test {
protected:
    // A manual X axis from 0 to 100 over data from 0.3 to 97.
    static CAxis ManualAxis() {
        CAxis axis;
        axis.minimum = 0.0;
        axis.maximum = 100.0;
        axis.labelSpacing = 10.0;
        axis.ticSpacing = 2.0;
        axis.automatic = false;
        axis.dataMinimum = 0.3;
        axis.dataMaximum = 97.0;
        return axis;
    }

    test::FakeUserInterface ui;
};

TEST_F(PlotDialogsTest, AxisDialogRefusesTextThatIsNoNumberAndStaysOpen) {
    CAxisDlg record(ManualAxis(), "X-Axis");
    gui::AxisDialog dialog(record);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "X-Axis");
    EXPECT_EQ(Edit(dialog, "maximum").text(), "100");

    Edit(dialog, "minimum").setText("five");
    ui.ExpectMessage("Please enter a number.");
    PressButton(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());

    Edit(dialog, "minimum").setText(" 5 ");
    Edit(dialog, "decimalDigits").setText("1.5");
    ui.ExpectMessage("Please enter an integer.");
    PressButton(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(record.minimum, 0.0);

    Edit(dialog, "decimalDigits").setText("4");
    Button(dialog, "On Labels").click();
    Button(dialog, "&Log Mode").click();
    PressButton(dialog, "OK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(record.minimum, 5.0);
    EXPECT_EQ(record.decimalDigits, 4);
    EXPECT_EQ(record.gridChoice, 2);
    EXPECT_TRUE(record.log);
}

TEST_F(PlotDialogsTest, AxisDialogAutomaticScalesAtOnceAndLocksTheScaling) {
    CAxisDlg record(ManualAxis(), "Y-Axis");
    gui::AxisDialog dialog(record);
    dialog.show();
    QLineEdit& minimum = Edit(dialog, "minimum");
    QPushButton& once = static_cast<QPushButton&>(Button(dialog, "Autoscale Once"));
    EXPECT_TRUE(minimum.isEnabled());

    Button(dialog, "&Automatic").click();
    CAxis scaled;
    scaled.Autoscale(0.3, 97.0, false);
    EXPECT_FALSE(minimum.isEnabled());
    EXPECT_FALSE(once.isEnabled());
    EXPECT_EQ(minimum.text().toDouble(), scaled.minimum);
    EXPECT_EQ(Edit(dialog, "maximum").text().toDouble(), scaled.maximum);

    // Unchecked, the edits come back with the values they show.
    Button(dialog, "&Automatic").click();
    EXPECT_TRUE(minimum.isEnabled());
    EXPECT_EQ(minimum.text().toDouble(), scaled.minimum);

    // The power of ten is the user's only while the label scaling is not automatic.
    EXPECT_FALSE(Edit(dialog, "powerOfTen").isEnabled());
    Button(dialog, "Automatic").click();
    EXPECT_TRUE(Edit(dialog, "powerOfTen").isEnabled());
}

TEST_F(PlotDialogsTest, AxisDialogCancelLeavesTheRecord) {
    CAxisDlg record(ManualAxis(), "X-Axis");
    gui::AxisDialog dialog(record);
    dialog.show();
    Edit(dialog, "maximum").setText("50");
    Button(dialog, "&Automatic").click();
    PressButton(dialog, "Cancel");
    EXPECT_EQ(record.maximum, 100.0);
    EXPECT_FALSE(record.automatic);
}

TEST_F(PlotDialogsTest, PlotPropertiesShowTheStyleAndStoreTheChosenOne) {
    CPlotPropsDlg record;
    record.style = 3;
    record.originAtZero = true;
    gui::PlotPropsDialog dialog(record);
    dialog.show();
    EXPECT_TRUE(IsChecked(dialog, "Bar"));
    EXPECT_TRUE(IsChecked(dialog, "Origin at Zero"));
    EXPECT_TRUE(IsChecked(dialog, "Magnitude in dB"));

    Button(dialog, "Dot").click();
    Button(dialog, "Zoom Full Decade in Log Plot").click();
    Button(dialog, "Origin at Zero").click();
    PressButton(dialog, "OK");
    EXPECT_EQ(record.style, 1);
    EXPECT_TRUE(record.zoomFullDecade);
    EXPECT_FALSE(record.originAtZero);
}

TEST_F(PlotDialogsTest, PlotPropertiesWithoutAStyleSelectNoneAndKeepIt) {
    CPlotPropsDlg record;
    gui::PlotPropsDialog dialog(record);
    dialog.show();
    for (const char* caption : CPlotPropsDlg::kStyleCaptions) {
        EXPECT_FALSE(IsChecked(dialog, caption)) << caption;
    }
    PressButton(dialog, "OK");
    EXPECT_FALSE(record.HasStyle());
}

TEST_F(PlotDialogsTest, TitlesEditedToEmptyTextsGiveEmptyTitles) {
    CTitlesDlg record;
    record.mainTitle = "Lowpass";
    record.xTitle = "Frequency in kHz";
    record.yTitle = "Magnitude in dB";
    gui::TitlesDialog dialog(record);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Titles");
    EXPECT_EQ(Edit(dialog, "xTitle").text(), "Frequency in kHz");
    for (const char* name : {"mainTitle", "xTitle", "yTitle"}) {
        Edit(dialog, name).clear();
    }
    PressButton(dialog, "OK");
    EXPECT_TRUE(record.AllEmpty());
}

TEST_F(PlotDialogsTest, ExportPictureChecksTheSizeAndCompletesTheFileName) {
    gui::PictureRequest request{"plot.png", gui::PictureFormat::Png, 640, 420};
    gui::ExportPictureDialog dialog(request);
    dialog.show();
    auto& format = test::Child<QComboBox>(dialog, "format");
    format.setCurrentIndex(format.findText("SVG Drawing"));
    EXPECT_EQ(Edit(dialog, "path").text(), "plot.svg");

    Edit(dialog, "width").setText("20");
    ui.ExpectMessage(gui::ExportPictureDialog::kSizeMessage);
    PressButton(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());

    Edit(dialog, "width").setText("1600");
    Edit(dialog, "path").setText("response");
    PressButton(dialog, "OK");
    EXPECT_EQ(request.path, "response.svg");
    EXPECT_EQ(request.format, gui::PictureFormat::Svg);
    EXPECT_EQ(request.width, 1600);
    EXPECT_EQ(request.height, 420);
}

}  // namespace
}  // namespace tapwright
