#include <gtest/gtest.h>

#include <QDialog>
#include <QTableWidget>

#include <vector>

#include "document/WordLengthDlg.h"
#include "gui/GuiTestSupport.h"
#include "gui/dialogs/DialogTestSupport.h"
#include "gui/dialogs/WordLengthDialog.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::FakeUserInterface;
using test::PressButton;

std::vector<WordLengthRow> Rows() {
    WordLengthRow none;
    none.taps = 40;
    WordLengthRow found;
    found.taps = 41;
    found.bitsRounding = 14;
    found.bits = 12;
    found.integers.assign(41, 0);
    found.designMarginDb = 0.25;
    return {none, found};
}

TEST(WordLengthDialogTest, ShowsTheTableAndStartsOnTheFirstRowFound) {
    FakeUserInterface ui;
    CWordLengthDlg record(Rows());
    gui::WordLengthDialog dialog(record);
    dialog.show();
    auto& table = test::Child<QTableWidget>(dialog, "rows");
    ASSERT_EQ(table.rowCount(), 2);
    ASSERT_EQ(table.columnCount(), 4);
    EXPECT_EQ(table.horizontalHeaderItem(1)->text(), "Bits by Rounding");
    EXPECT_EQ(table.item(0, 2)->text(), "-");
    EXPECT_EQ(table.item(1, 1)->text(), "14");
    EXPECT_EQ(table.item(1, 2)->text(), "12");
    EXPECT_EQ(table.item(1, 3)->text(), "0.250");
    EXPECT_EQ(table.currentRow(), 1);
}

TEST(WordLengthDialogTest, RowWithoutBitsKeepsTheDialogOpenAndTheRecordUnchanged) {
    FakeUserInterface ui;
    CWordLengthDlg record(Rows());
    gui::WordLengthDialog dialog(record);
    dialog.show();
    auto& table = test::Child<QTableWidget>(dialog, "rows");
    table.selectRow(0);
    ui.ExpectMessage("No word length meets the specification with 40 taps.\nChoose another row.");
    PressButton(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(record.chosen, 1);

    table.selectRow(1);
    PressButton(dialog, "OK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(record.chosen, 1);
}

TEST(WordLengthDialogTest, CancelLeavesTheRecordAsItWas) {
    FakeUserInterface ui;
    std::vector<WordLengthRow> rows = Rows();
    rows.push_back(rows[1]);
    rows.back().taps = 42;
    CWordLengthDlg record(rows);
    gui::WordLengthDialog dialog(record);
    dialog.show();
    test::Child<QTableWidget>(dialog, "rows").selectRow(2);
    PressButton(dialog, "Cancel");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(record.chosen, 1);
}

}  // namespace
}  // namespace tapwright
