#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QTest>
#include <string>
#include <vector>

#include "document/DataFilesDlg.h"
#include "editors/DataViewFormatDlg.h"
#include "fileio/AsmOptionsDlg.h"
#include "fileio/COptionsDlg.h"
#include "fileio/WaveFormatDlg.h"
#include "gui/GuiTestSupport.h"
#include "gui/dialogs/AsmOptionsDialog.h"
#include "gui/dialogs/COptionsDialog.h"
#include "gui/dialogs/DataFilesDialog.h"
#include "gui/dialogs/DataViewFormatDialog.h"
#include "gui/dialogs/DialogTestSupport.h"
#include "gui/dialogs/WaveFormatDialog.h"
#include "platform/FileDlg.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::Button;
using test::Child;
using test::Edit;
using test::FakeUserInterface;
using test::PressButton;

CDataFilesDlg OpenedForExport(bool isRealData) {
    CDataFilesDlg record;
    record.inphase.format.SetCode(FormatCode::TextDecimal);
    record.Open(false, isRealData, "Export Coefficients", "lowpass.tws");
    return record;
}

QGroupBox& FileGroup(QWidget& dialog, const char* name) {
    return Child<QGroupBox>(dialog, name);
}

TEST(DataFilesDialogTest, ShowsTheCaptionGroupsFormatsAndEnablesOfTheRecord) {
    FakeUserInterface ui;
    CDataFilesDlg record = OpenedForExport(true);
    gui::DataFilesDialog dialog(record);
    EXPECT_EQ(dialog.windowTitle(), "Export Coefficients");
    QGroupBox& inphase = FileGroup(dialog, "inphase");
    EXPECT_EQ(inphase.title(), "Inphase or Complex File Name and  Format");
    EXPECT_EQ(FileGroup(dialog, "quadrature").title(), "Quadrature  File Name and Format");

    auto& formats = Child<QComboBox>(inphase, "format");
    ASSERT_EQ(formats.count(), static_cast<int>(record.inphase.formats.names.size()));
    EXPECT_EQ(formats.currentText(), "Text:Decimal");
    EXPECT_EQ(Child<QComboBox>(FileGroup(dialog, "quadrature"), "format").currentIndex(), -1);
    EXPECT_FALSE(Button(inphase, "Options...").isEnabled());
    // Real data cannot be exported as one complex file.
    EXPECT_FALSE(Button(dialog, "Is Complex").isEnabled());

    formats.setCurrentText("Binary:Wave");
    EXPECT_TRUE(Button(inphase, "Options...").isEnabled());
    formats.setCurrentText("Text:Hex");
    EXPECT_FALSE(Button(inphase, "Options...").isEnabled());
}

TEST(DataFilesDialogTest, OptionsEditTheFormatChosenAndOnlyOkKeepsThem) {
    for (const bool pressOk : {false, true}) {
        FakeUserInterface ui;
        CDataFilesDlg record = OpenedForExport(false);
        gui::DataFilesDialog dialog(record);
        dialog.show();
        QGroupBox& inphase = FileGroup(dialog, "inphase");
        Child<QComboBox>(inphase, "format").setCurrentText("Binary:Wave");
        ui.ExpectDialog<CWaveFormatDlg>([](CWaveFormatDlg& wave) {
            wave.sizeIndex = 1;
            wave.rateIndex = 2;
            return true;
        });
        Button(inphase, "Options...").click();
        Edit(inphase, "title").setText("out.wav");
        Button(dialog, "Is Complex").click();
        PressButton(dialog, pressOk ? "OK" : "Cancel");

        EXPECT_EQ(record.inphase.format.GetCode(),
                  pressOk ? FormatCode::BinaryWave : FormatCode::TextDecimal);
        EXPECT_EQ(record.inphase.format.GetWaveSizeIndex(), pressOk ? 1 : 0);
        EXPECT_EQ(record.inphase.format.GetWaveRateIndex(), pressOk ? 2 : 0);
        EXPECT_EQ(record.inphase.title, pressOk ? "out.wav" : "");
        EXPECT_EQ(record.isComplex, pressOk);
    }
}

TEST(DataFilesDialogTest, BrowseProposesTheTypedNameAndShowsTheChosenOne) {
    FakeUserInterface ui;
    CDataFilesDlg record = OpenedForExport(true);
    gui::DataFilesDialog dialog(record);
    QGroupBox& quadrature = FileGroup(dialog, "quadrature");
    Edit(quadrature, "title").setText("typed.txt");
    ui.ExpectDialog<CFileDlg>([](CFileDlg& files) {
        EXPECT_EQ(files.mode, FileDlgMode::Save);
        EXPECT_EQ(files.fileName, "typed.txt");
        files.chosenPath = "/data/filters/chosen.dat";
        return true;
    });
    Button(quadrature, "Browse...").click();
    EXPECT_EQ(Edit(quadrature, "title").text(), "chosen.dat");

    dialog.accept();
    EXPECT_EQ(record.quadrature.path, "/data/filters/chosen.dat");
    EXPECT_EQ(record.quadrature.title, "chosen.dat");
}

// OK tries the import or export while the dialog is open: after an error the user corrects
// the entry as typed instead of meeting a new dialog.
TEST(DataFilesDialogTest, StaysOpenWithTheEntriesAsTypedWhenOkFails) {
    FakeUserInterface ui;
    CDataFilesDlg record = OpenedForExport(true);
    std::vector<std::string> tried;
    record.attempt = [&tried](const CDataFilesDlg& entries) {
        tried.push_back(entries.inphase.title);
        return entries.inphase.title == "good.txt";
    };
    gui::DataFilesDialog dialog(record);
    dialog.show();
    QGroupBox& inphase = FileGroup(dialog, "inphase");
    Edit(inphase, "title").setText(" bad/ name.txt");
    PressButton(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Edit(inphase, "title").text(), " bad/ name.txt");
    EXPECT_EQ(record.inphase.title, "");

    // Return in the name is OK, even after "Browse..." has had the focus.
    Button(inphase, "Browse...").setFocus();
    Edit(inphase, "title").setText("good.txt");
    Edit(inphase, "title").setFocus();
    QTest::keyClick(&Edit(inphase, "title"), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(tried, (std::vector<std::string>{" bad/ name.txt", "good.txt"}));
    EXPECT_EQ(record.inphase.title, "good.txt");
}

TEST(WaveFormatDialogTest, ShowsAndWritesBackBothIndexes) {
    CWaveFormatDlg record;
    record.sizeIndex = 1;
    record.rateIndex = 2;
    gui::WaveFormatDialog dialog(record);
    EXPECT_EQ(dialog.windowTitle(), "Wave File Format");
    EXPECT_TRUE(Button(dialog, "16").isChecked());
    EXPECT_TRUE(Button(dialog, "44.1").isChecked());
    Button(dialog, "8").click();
    Button(dialog, "22.05").click();
    dialog.accept();
    EXPECT_EQ(record.sizeIndex, 0);
    EXPECT_EQ(record.rateIndex, 1);
}

TEST(WaveFormatDialogTest, OffersTheCommonRatesAndTheProjectsOwn) {
    CWaveFormatDlg record;
    record.projectRateHz = 12000;
    record.rateIndex = CDataFormat::kProjectRateIndex;
    gui::WaveFormatDialog dialog(record);
    EXPECT_TRUE(Button(dialog, "12 (the project's)").isChecked());
    Button(dialog, "48").click();
    dialog.accept();
    EXPECT_EQ(record.rateIndex, 6);
}

TEST(COptionsDialogTest, KeepsTheBytesOfAnUntouchedNameAndTakesTheEditedType) {
    CCOptionsDlg record;
    record.varName = "coef\xE9";  // a Latin-1 name from an older project file
    gui::COptionsDialog dialog(record);
    EXPECT_EQ(Edit(dialog, "varType").text(), "float");
    Edit(dialog, "varType").setText("const double");
    dialog.accept();
    EXPECT_EQ(record.varName, "coef\xE9");
    EXPECT_EQ(record.varType, "const double");
}

TEST(AsmOptionsDialogTest, CommentBoxesFollowTheDataFormat) {
    CAsmOptionsDlg record;
    record.name = "LOWPASS";
    record.dataFormat = AsmDataFormat::Float;
    gui::AsmOptionsDialog dialog(record);
    EXPECT_FALSE(Button(dialog, "Show Floating Point").isEnabled());
    EXPECT_FALSE(Button(dialog, "Show Other Format").isEnabled());
    Button(dialog, "Hex Int").click();
    EXPECT_TRUE(Button(dialog, "Show Floating Point").isEnabled());
    EXPECT_TRUE(Button(dialog, "Show Other Format").isEnabled());

    // The ratio takes digits only.
    Edit(dialog, "ratioText").clear();
    QTest::keyClicks(&Edit(dialog, "ratioText"), "1x6");
    EXPECT_EQ(Edit(dialog, "ratioText").text(), "16");
    Button(dialog, "Show Ratio: ").click();
    Button(dialog, "Show Graph").click();
    dialog.accept();
    EXPECT_EQ(record.dataFormat, AsmDataFormat::HexInt);
    EXPECT_EQ(record.ratioText, "16");
    EXPECT_TRUE(record.showRatio);
    EXPECT_FALSE(record.showGraph);
    EXPECT_EQ(record.initialText, "   .text");
}

TEST(AsmOptionsDialogTest, EmptyNameShowsTheDefaultNameAndKeepsTheDialogOpen) {
    FakeUserInterface ui;
    CAsmOptionsDlg record;
    record.name = "LOWPASS";
    gui::AsmOptionsDialog dialog(record);
    dialog.show();
    Edit(dialog, "name").setText("   ");
    ui.ExpectMessage(CAsmOptionsDlg::kEmptyNameMessage);
    PressButton(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Edit(dialog, "name").text(), "FIR");
    EXPECT_EQ(record.name, "LOWPASS");

    PressButton(dialog, "OK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(record.name, "FIR");
}

TEST(DataViewFormatDialogTest, WithoutCancelOnlyOkEndsTheDialog) {
    CDataViewFormatDlg record;
    record.cancelAllowed = false;
    record.Open();
    gui::DataViewFormatDialog dialog(record);
    dialog.show();
    EXPECT_EQ(Child<QComboBox>(dialog, "format").currentIndex(), -1);
    EXPECT_FALSE(Button(dialog, "Cancel").isEnabled());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());

    Button(dialog, "Complex").click();
    Child<QComboBox>(dialog, "format").setCurrentText("Text:Hex");
    EXPECT_FALSE(Button(dialog, "Options...").isEnabled());
    Child<QComboBox>(dialog, "format").setCurrentText("Text:Plot");
    EXPECT_TRUE(Button(dialog, "Options...").isEnabled());
    PressButton(dialog, "OK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(record.channel, ChannelSelection::InphaseAndQuadrature);
    EXPECT_EQ(record.format.GetCode(), FormatCode::TextPlot);
}

TEST(DataViewFormatDialogTest, CancelLeavesTheRecordAsItWas) {
    CDataViewFormatDlg record;
    record.format.SetCode(FormatCode::TextFract);
    record.Open();
    gui::DataViewFormatDialog dialog(record);
    dialog.show();
    EXPECT_EQ(Child<QComboBox>(dialog, "format").currentText(), "Text:Fract");
    Button(dialog, "Quadrature").click();
    Child<QComboBox>(dialog, "format").setCurrentText("Binary:float");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(record.channel, ChannelSelection::Inphase);
    EXPECT_EQ(record.format.GetCode(), FormatCode::TextFract);
}

}  // namespace
}  // namespace tapwright
