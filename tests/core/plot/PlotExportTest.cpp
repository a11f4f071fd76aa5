#include "plot/PlotExport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "core/plot/PlotTestSupport.h"
#include "platform/Clipboard.h"
#include "platform/FileDlg.h"
#include "support/FakeUserInterface.h"
#include "support/RecordingDrawContext.h"

namespace tapwright {
namespace {

using test::FakeUserInterface;
using test::FakeViewWindow;
using test::TestPlot;

struct NumberCase {
    double value;
    const char* text;
};

class PlotNumberFormatTest : public testing::TestWithParam<NumberCase> {};

TEST_P(PlotNumberFormatTest, SixSignificantDigitsWithThreeDigitExponents) {
    EXPECT_EQ(FormatPlotNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, PlotNumberFormatTest,
                         testing::Values(NumberCase{0.5, "0.5"}, NumberCase{1000.0, "1000"},
                                         NumberCase{0.00000015, "1.5e-007"}, NumberCase{0.0, "0"},
                                         NumberCase{-2.5e-10, "-2.5e-010"},
                                         NumberCase{1234567.0, "1.23457e+006"},
                                         NumberCase{3.0e100, "3e+100"},
                                         NumberCase{0.0001, "0.0001"},
                                         NumberCase{123.4567, "123.457"}));

class PlotExportTest : public testing::Test {
protected:
    PlotExportTest() {
        plot.AttachWindow(&window);
        directory =
            std::filesystem::temp_directory_path() /
            ("tapwright-plot-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
    }
    ~PlotExportTest() override { std::filesystem::remove_all(directory); }

    // Scripts the save dialog to choose the path.
    void ChoosePath(const std::filesystem::path& path) {
        ui.ExpectDialog<CFileDlg>([path](CFileDlg& dialog) {
            dialog.chosenPath = path.string();
            return true;
        });
    }

    static std::string Contents(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    FakeUserInterface ui;
    FakeViewWindow window{Rect{0, 0, 320, 240}};
    TestPlot plot;
    std::filesystem::path directory;
};

TEST_F(PlotExportTest, CopyDataPutsTabSeparatedLinesOnTheClipboard) {
    plot.SetPoints({0.0, 1.5}, {-0.25, 2.0}, {1.0, 3.0});
    plot.OnCopyData();
    ASSERT_EQ(ui.RecordingClipboard().Texts().size(), 1U);
    EXPECT_EQ(ui.RecordingClipboard().Texts()[0],
              " 0.000000000\t-0.250000000\t 1.000000000\r\n"
              " 1.500000000\t 2.000000000\t 3.000000000\r\n");
}

TEST_F(PlotExportTest, PointsALogAxisCannotShowAreLeftOut) {
    plot.SetPoints({0.0, 10.0, 20.0, 30.0}, {1.0, 2.0, -1.0, 4.0});
    plot.XState().log = true;
    plot.OnCopyData();
    EXPECT_EQ(ui.RecordingClipboard().Texts()[0],
              "10.000000000\t 2.000000000\r\n20.000000000\t-1.000000000\r\n"
              "30.000000000\t 4.000000000\r\n");

    plot.YState().log = true;
    test::Fill(plot.Series().y2, {1.0, 1.0, 1.0, 0.0});
    EXPECT_EQ(PlotDataText(plot), "10.000000000\t 2.000000000\t 1.000000000\r\n");
}

TEST_F(PlotExportTest, CopyDataOfHugeValuesIsNotCut) {
    plot.SetPoints({1e70}, {1.0});
    const std::string text = PlotDataText(plot);
    EXPECT_EQ(text.size(), 71U + 10U + 1U + 12U + 2U);
    EXPECT_EQ(text.substr(text.size() - 14), " 1.000000000\r\n");
}

TEST_F(PlotExportTest, CopyImageDrawsThePlotIntoAPictureOfTheWindowSize) {
    plot.SetPoints({0.0, 1.0}, {0.0, 1.0});
    plot.OnCopyImage();
    const auto& clipboard = ui.RecordingClipboard();
    ASSERT_EQ(clipboard.PictureCount(), 1);
    EXPECT_EQ(clipboard.LastPictureSize(), (Size{320, 240}));
    EXPECT_FALSE(clipboard.LastPicture().Lines().empty());
    EXPECT_EQ(clipboard.LastPicture().Texts().front().font.height, 240 * 4 / 100);
    EXPECT_TRUE(plot.Series().IsEmpty());
    EXPECT_EQ(window.invalidations, 1);
}

// A clipboard that, like the desktop's, draws the picture twice: as a vector picture and as
// pixels.
class TwoFormatClipboard : public Clipboard {
public:
    void SetText(const std::string&) override {}
    void SetPicture(int, int, const std::function<void(DrawContext&)>& draw) override {
        test::RecordingDrawContext vector;
        draw(vector);
        test::RecordingDrawContext pixels;
        draw(pixels);
        renderings += 2;
    }
    int renderings = 0;
};

class TwoFormatUi : public FakeUserInterface {
public:
    Clipboard& GetClipboard() override { return clipboard; }
    TwoFormatClipboard clipboard;
};

TEST(PlotCopyImageTest, WarningOfBothRenderingsIsShownOnceAfterTheCopy) {
    TwoFormatUi ui;
    ui.ExpectMessage(
        "Tic increment will result in too many tics.\nTwo tics per label will be made.");
    FakeViewWindow window{Rect{0, 0, 320, 240}};
    TestPlot plot;
    plot.AttachWindow(&window);
    plot.SetPoints({0.0, 1.0}, {0.0, 1.0});
    plot.XState() = PlotAxisState{0.0, 1.0, 0.5, 0.01, 0.0, 0, 2, GridMode::OnTicMarks, false};
    plot.OnCopyImage();
    EXPECT_EQ(ui.clipboard.renderings, 2);
    EXPECT_EQ(ui.Messages().size(), 1U);
}

TEST_F(PlotExportTest, WriteDataAsksForTitlesAndWritesTheColumns) {
    const auto path = directory / "out.plt";
    ui.ExpectDialog<CFileDlg>([&](CFileDlg& dialog) {
        EXPECT_EQ(dialog.mode, FileDlgMode::Save);
        EXPECT_TRUE(dialog.promptOverwrite);
        EXPECT_TRUE(dialog.defaultExtension.empty());
        EXPECT_EQ(dialog.filters, (std::vector<FileFilter>{{"All Files (*.*)", "*.*"},
                                                           {"PlotFiles (*.plt)", "*.plt"}}));
        EXPECT_EQ(dialog.fileName, LastPlotFilePath());
        dialog.chosenPath = path.string();
        return true;
    });
    ui.ExpectMessage("Write titles to file?", MessageResult::Yes);
    plot.SetPoints({0.5, 1000.0}, {0.00000015, -2.0}, {1.0, 2.0});
    plot.OnWriteData();

    EXPECT_EQ(ui.Messages()[0].icon, MessageIcon::Question);
    EXPECT_EQ(ui.Messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(Contents(path),
              "Main Title\r\nY-Title\r\nX-Title\r\n"
              "0.5   1.5e-007   1\r\n1000   -2   2\r\n");
    EXPECT_EQ(LastPlotFilePath(), path.string());
}

TEST_F(PlotExportTest, WriteDataWithAnEmptyTitleAsksNothingAndWritesNoTitles) {
    const auto path = directory / "plain.plt";
    ChoosePath(path);
    plot.Titles().y.clear();
    plot.SetPoints({1.0, 2.0}, {3.0, 4.0});
    plot.OnWriteData();
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(Contents(path), "1   3\r\n2   4\r\n");
}

TEST_F(PlotExportTest, WriteDataAnsweredNoWritesOnlyTheNumbers) {
    const auto path = directory / "no.plt";
    ChoosePath(path);
    ui.ExpectMessage("Write titles to file?", MessageResult::No);
    plot.SetPoints({0.0, 10.0}, {1.0, 2.0});
    plot.XState().log = true;
    plot.OnWriteData();
    EXPECT_EQ(Contents(path), "10   2\r\n");
}

TEST_F(PlotExportTest, CancelledWriteDataWritesNothing) {
    ui.ExpectDialog<CFileDlg>([&](CFileDlg& dialog) {
        dialog.chosenPath = (directory / "never.plt").string();
        return false;
    });
    plot.SetPoints({1.0}, {1.0});
    plot.OnWriteData();
    EXPECT_TRUE(std::filesystem::is_empty(directory));
}

TEST_F(PlotExportTest, UnopenableFileIsReportedAndRemembered) {
    const auto path = directory / "missing" / "out.plt";
    ChoosePath(path);
    ui.ExpectMessage("Cannot open file \"" + path.string() + "\".");
    plot.SetPoints({1.0}, {1.0});
    plot.Titles().main.clear();
    plot.OnWriteData();
    EXPECT_EQ(ui.Messages()[0].icon, MessageIcon::Stop);
    EXPECT_EQ(LastPlotFilePath(), path.string());
}

TEST_F(PlotExportTest, DirectoryInTheWayIsReportedAndLeftAlone) {
    const auto path = directory / "taken";
    std::filesystem::create_directory(path);
    std::ofstream(path / "inside.txt") << "kept";
    ChoosePath(path);
    ui.ExpectMessage("Cannot open file \"" + path.string() + "\".");
    plot.Titles().x.clear();
    plot.SetPoints({1.0}, {1.0});
    plot.OnWriteData();
    EXPECT_EQ(Contents(path / "inside.txt"), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left behind";
}

TEST_F(PlotExportTest, WriteDataReplacesAnExistingFileWhole) {
    const auto path = directory / "old.plt";
    std::ofstream(path, std::ios::binary) << "a much longer old file\r\n1 2 3 4 5 6 7 8 9\r\n";
    ChoosePath(path);
    plot.Titles().main.clear();
    plot.SetPoints({7.0}, {8.0});
    plot.OnWriteData();
    EXPECT_EQ(Contents(path), "7   8\r\n");
}

TEST(FileDlgTest, FilterListSplitsIntoTrimmedPairs) {
    EXPECT_EQ(
        CFileDlg::ParseFilters("All Files (*.*) | *.* | PlotFiles (*.plt) | *.plt ||"),
        (std::vector<FileFilter>{{"All Files (*.*)", "*.*"}, {"PlotFiles (*.plt)", "*.plt"}}));
    EXPECT_EQ(CFileDlg::ParseFilters("Text|*.txt;*.dat"),
              (std::vector<FileFilter>{{"Text", "*.txt;*.dat"}}));
    EXPECT_TRUE(CFileDlg::ParseFilters("").empty());
    EXPECT_TRUE(CFileDlg::ParseFilters("Lonely description|").empty());
}

}  // namespace
}  // namespace tapwright
