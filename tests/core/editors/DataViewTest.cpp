#include "editors/DataView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/FirApp.h"
#include "core/editors/EditorTestSupport.h"
#include "editors/DataViewFormatDlg.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::ChannelValues;

// Chooses a format by its name in the dialog's combo; an empty name chooses none.
std::function<bool(CDataViewFormatDlg&)> Choose(const std::string& name, bool cancelAllowed) {
    return [name, cancelAllowed](CDataViewFormatDlg& dialog) {
        EXPECT_EQ(dialog.cancelAllowed, cancelAllowed);
        const auto& names = dialog.formats.names;
        const auto found = std::find(names.begin(), names.end(), name);
        if (!name.empty()) {
            EXPECT_NE(found, names.end()) << name;
            dialog.OnFormatChanged(static_cast<std::int32_t>(found - names.begin()));
        }
        return true;
    };
}

class DataViewTest : public testing::Test {
protected:
    // Opens a coefficient editor from the View menu, confirming the first format dialog.
    CDataView& Open(ChannelSelection channels, const std::string& format) {
        ui.ExpectDialog<CDataViewFormatDlg>(Choose(format, false));
        document.ViewCoefficients(channels);
        return *frames.All<CDataView>().back();
    }

    test::FakeUserInterface ui;
    test::EditorFrames frames;
    CFirApp app{frames};
    CFirDoc& document = *app.NewDocument(kTemplateAdvanced);
    CFirData& filter = document.Filter();
};

TEST_F(DataViewTest, HexOfThreeTapsShowsThreeLinesOfFourDigits) {
    test::SetCoefficients(filter, {0.25, -0.3, 0.5});
    ui.ExpectDialog<CDataViewFormatDlg>([](CDataViewFormatDlg& dialog) {
        const std::vector<std::string> offered = {
            "Text:Decimal", "Text:Plot",  "Text:FIR",     "Text:Fract",    "Text:Hex",
            "Text:Binary",  "Asm:ADI PM", "Binary:float", "Binary:double", "Binary:Wave"};
        EXPECT_EQ(dialog.formats.names, offered);
        EXPECT_EQ(dialog.formats.selected, -1);
        EXPECT_EQ(dialog.channel, ChannelSelection::Inphase);
        return Choose("Text:Hex", false)(dialog);
    });
    document.ViewCoefficients(ChannelSelection::Inphase);
    const CDataView& view = *frames.All<CDataView>().front();
    EXPECT_EQ(view.ViewData(), &filter);
    EXPECT_EQ(view.text, "2000\r\nD99B\r\n4000\r\n");
}

TEST_F(DataViewTest, EditedValueChangesThatCoefficientAndTheRestAsTheTextShowsThem) {
    test::SetCoefficients(filter, {0.1, 0.25, 0.75}, {0.125, 0.125, 0.125});
    CDataView& view = Open(ChannelSelection::Inphase, "Text:Hex");
    ASSERT_EQ(view.text, "0CCD\r\n2000\r\n6000\r\n");

    view.text = "0CCD\r\n1000\r\n6000\r\n";
    view.OnUpdateFilter();
    // The untouched values come back as the 16-bit fractions the text holds.
    EXPECT_EQ(ChannelValues(filter.Inphase()),
              (std::vector<double>{3277.0 / 32768.0, 0.125, 0.75}));
    EXPECT_EQ(ChannelValues(filter.Quadrature()), (std::vector<double>{0.125, 0.125, 0.125}));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(view.text, "0CCD\r\n1000\r\n6000\r\n");
}

TEST_F(DataViewTest, DeletedLinesBecomeZerosAndAddedLinesGrowTheQuadratureWithZeros) {
    test::SetCoefficients(filter, {0.25, 0.5, 0.25});
    CDataView& view = Open(ChannelSelection::Inphase, "Text:Fract");
    ASSERT_EQ(view.text, "  8192\r\n 16384\r\n  8192\r\n");

    view.text = "  8192\r\n 16384\r\n";
    view.OnUpdateFilter();
    EXPECT_EQ(ChannelValues(filter.Inphase()), (std::vector<double>{0.25, 0.5, 0.0}));
    EXPECT_EQ(filter.GetNumPoints(), 3);
    EXPECT_EQ(view.text, "  8192\r\n 16384\r\n     0\r\n");

    view.text += "4096\n";  // a line typed with a bare line feed reads as well
    view.OnUpdateFilter();
    EXPECT_EQ(ChannelValues(filter.Inphase()), (std::vector<double>{0.25, 0.5, 0.0, 0.125}));
    EXPECT_EQ(ChannelValues(filter.Quadrature()), (std::vector<double>{0.0, 0.0, 0.0, 0.0}));
}

TEST_F(DataViewTest, ComplexReadEndsAtTheLineThatLacksItsSecondNumber) {
    test::SetCoefficients(filter, {0.5, 0.25, 0.125}, {-0.5, -0.25, -0.125});
    CDataView& view = Open(ChannelSelection::InphaseAndQuadrature, "Text:Decimal");
    EXPECT_EQ(view.FormatDialog().channel, ChannelSelection::InphaseAndQuadrature);
    view.text = " 0.750000000000 -0.750000000000\r\n 0.250000000000\r\n 0.1 -0.1\r\n";
    ui.ExpectMessage(
        "Read 1 point (Inphase and Quadrature) from \"FIR Complex Coefficients\".\n"
        "Reading stopped at line 2, which holds one number where two are needed: "
        "\" 0.250000000000\". 1 more line was not read.");
    view.OnUpdateFilter();
    EXPECT_EQ(ChannelValues(filter.Inphase()), std::vector<double>{0.75});
    EXPECT_EQ(ChannelValues(filter.Quadrature()), std::vector<double>{-0.75});
}

TEST_F(DataViewTest, TextThatCannotBeWrittenOrReadLeavesTheFilterAlone) {
    test::SetCoefficients(filter, {1.0, 0.5});
    ui.ExpectMessage(CDataSetIO::kOverflowQuestion, MessageResult::No);
    CDataView& view = Open(ChannelSelection::Inphase, "Text:Hex");
    EXPECT_EQ(view.text, CDataView::kCannotWriteText);

    view.OnUpdateFilter();  // the explanation is no coefficient text
    EXPECT_EQ(ChannelValues(filter.Inphase()), (std::vector<double>{1.0, 0.5}));
    EXPECT_FALSE(document.IsModified());
    ASSERT_FALSE(ui.StatusTexts().empty());
    EXPECT_EQ(ui.StatusTexts().back(), CDataView::kNothingReadStatus);
}

// An update that changes nothing must not look like one that worked.
TEST_F(DataViewTest, UpdateSaysWhetherTheTextYieldedNumbers) {
    test::SetCoefficients(filter, {0.25, 0.5});
    CDataView& view = Open(ChannelSelection::Inphase, "Text:Decimal");
    view.text = "no numbers here\r\n";
    ui.ExpectMessage(
        "Read 0 values from \"FIR Inphase Coefficients\".\n"
        "Reading stopped at line 1, which holds no number that can be read: "
        "\"no numbers here\".");
    view.OnUpdateFilter();
    EXPECT_EQ(ChannelValues(filter.Inphase()), (std::vector<double>{0.25, 0.5}));
    ASSERT_FALSE(ui.StatusTexts().empty());
    EXPECT_EQ(ui.StatusTexts().back(), CDataView::kNothingReadStatus);

    view.text = " 0.75\r\n 0.125\r\n";
    view.OnUpdateFilter();
    EXPECT_EQ(ChannelValues(filter.Inphase()), (std::vector<double>{0.75, 0.125}));
    EXPECT_EQ(ui.StatusTexts().back(), "Filter updated from the editor: 2 values read.");
}

TEST_F(DataViewTest, NoFormatGivesAnEmptyTextAndAFormatChosenLaterShowsTheData) {
    test::SetCoefficients(filter, {0.25, 0.5});
    CDataView& view = Open(ChannelSelection::Inphase, "");
    EXPECT_EQ(view.text, "");

    ui.ExpectDialog<CDataViewFormatDlg>([](CDataViewFormatDlg&) { return false; });
    view.OnSelectFormat();
    EXPECT_EQ(view.text, "");
    ui.ExpectDialog<CDataViewFormatDlg>(Choose("Text:Fract", true));
    view.OnSelectFormat();
    EXPECT_EQ(view.text, "  8192\r\n 16384\r\n");
}

TEST_F(DataViewTest, NothingIsWrittenToTheCurrentDirectory) {
    const test::TempDir directory;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(directory.Path());
    test::SetCoefficients(filter, {0.25, 0.5, 0.25});
    CDataView& view = Open(ChannelSelection::Inphase, "Text:Decimal");
    view.text = " 0.5\r\n";
    view.OnUpdateFilter();
    std::filesystem::current_path(previous);
    EXPECT_EQ(ChannelValues(filter.Inphase()), (std::vector<double>{0.5, 0.0, 0.0}));
    EXPECT_TRUE(directory.Names().empty());
}

TEST(DataViewFormatDlgTest, TheRadiosNumberTheChannelsTheEditorCanShow) {
    const ChannelSelection radios[] = {ChannelSelection::Inphase, ChannelSelection::Quadrature,
                                       ChannelSelection::InphaseAndQuadrature};
    for (int index = 0; index < 3; ++index) {
        EXPECT_EQ(DataViewChannelIndex(radios[index]), index);
        EXPECT_EQ(DataViewChannelAt(index), radios[index]);
    }
    // The complex filter's coefficients are its two channels side by side.
    EXPECT_EQ(DataViewChannelIndex(ChannelSelection::ComplexFilter), 2);
    EXPECT_EQ(DataViewChannelAt(3), ChannelSelection::Inphase);
    EXPECT_EQ(DataViewChannelAt(-1), ChannelSelection::Inphase);
}

}  // namespace
}  // namespace tapwright
