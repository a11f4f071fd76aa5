#include "gui/platform/FileDialogBinding.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QTemporaryDir>

namespace tapwright {
namespace {

using gui::ApplyFileDlg;
using gui::NameFilterFor;
using gui::ReadFileDlg;

struct FilterCase {
    const char* name;
    FileFilter filter;
    const char* shown;
};

class NameFilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(NameFilterTest, PatternsMatchTheFilesTheyStandFor) {
    EXPECT_EQ(NameFilterFor(GetParam().filter), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, NameFilterTest,
    testing::Values(
        // "*.*" stands for every file, also one without a dot in its name.
        FilterCase{"EveryFile", {"All Files (*.*)", "*.*"}, "All Files (*)"},
        FilterCase{"OnePattern", {"PlotFiles (*.plt)", "*.plt"}, "PlotFiles (*.plt)"},
        FilterCase{
            "PatternList", {"Coefficient Text", "*.txt;*.dat"}, "Coefficient Text (*.txt *.dat)"},
        FilterCase{"PatternWithBlanks",
                   {"Tapwright Advanced Filter Files (*.twa)", " *.twa "},
                   "Tapwright Advanced Filter Files (*.twa)"}),
    [](const testing::TestParamInfo<FilterCase>& info) { return info.param.name; });

TEST(FileDialogBindingTest, SaveDialogTakesTheRecordAndReturnsTheChoice) {
    QTemporaryDir folder;
    CFileDlg record(FileDlgMode::Save);
    record.filters = CFileDlg::ParseFilters("All Files (*.*) | *.* | PlotFiles (*.plt) | *.plt ||");
    record.filterIndex = 1;
    record.fileName = "GRAPH.PLT";
    record.initialDirectory = folder.path().toStdString();
    record.defaultExtension = ".plt";
    record.promptOverwrite = true;

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    ApplyFileDlg(record, dialog);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.windowTitle(), "Save As");
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog.nameFilters(), (QStringList{"All Files (*)", "PlotFiles (*.plt)"}));
    EXPECT_EQ(dialog.selectedNameFilter(), "PlotFiles (*.plt)");
    EXPECT_EQ(dialog.defaultSuffix(), "plt");
    EXPECT_EQ(dialog.directory().absolutePath(), QDir(folder.path()).absolutePath());

    dialog.selectNameFilter("All Files (*)");
    dialog.selectFile(folder.filePath("response.plt"));
    ReadFileDlg(dialog, record);
    EXPECT_EQ(record.chosenPath, folder.filePath("response.plt").toStdString());
    EXPECT_EQ(record.filterIndex, 0);
}

TEST(FileDialogBindingTest, OpenDialogAsksForAnExistingFileWhenTheRecordSaysSo) {
    CFileDlg record(FileDlgMode::Open);
    record.title = "Import Coefficients";
    record.fileMustExist = true;
    record.filterIndex = 7;  // beyond the list: the first type shows
    record.filters = {{"Text", "*.txt"}, {"Binary", "*.bin"}};
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    ApplyFileDlg(record, dialog);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.windowTitle(), "Import Coefficients");
    EXPECT_EQ(dialog.selectedNameFilter(), "Text (*.txt)");
}

}  // namespace
}  // namespace tapwright
