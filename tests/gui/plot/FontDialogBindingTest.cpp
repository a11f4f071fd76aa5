#include "gui/plot/FontDialogBinding.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontDialog>

namespace tapwright {
namespace {

using gui::ApplyFontDlg;
using gui::ReadFontDlg;

class FontDialogBindingTest : public testing::Test {
protected:
    FontDialogBindingTest() : record(FontDescription{20, 700, false, false, "DejaVu Sans", 900}) {
        dialog.setOption(QFontDialog::DontUseNativeDialog);
        ApplyFontDlg(record, dialog);
    }

    CFontDlg record;
    QFontDialog dialog;
};

TEST_F(FontDialogBindingTest, UnchangedFontComesBackAsItWent) {
    EXPECT_TRUE(dialog.testOption(QFontDialog::ScalableFonts));
    ReadFontDlg(dialog, record);
    EXPECT_EQ(record.font.height, 20);
    EXPECT_EQ(record.font.weight, 700);
    EXPECT_FALSE(record.font.italic);
    EXPECT_EQ(record.font.faceName, "DejaVu Sans");
    EXPECT_EQ(record.font.escapement, 900);
}

TEST_F(FontDialogBindingTest, ChosenSizeAndStyleReachTheRecordInPixels) {
    // The style the user would pick from the dialog's list: slanted, not bold.
    const QString family = dialog.currentFont().family();
    const double points = dialog.currentFont().pointSizeF() * 2.0;
    QFont chosen;
    for (const QString& style : QFontDatabase::styles(family)) {
        const QFont candidate = QFontDatabase::font(family, style, 12);
        if (candidate.italic() && candidate.weight() == QFont::Normal) {
            chosen = candidate;
        }
    }
    ASSERT_TRUE(chosen.italic());
    chosen.setPointSizeF(points);
    dialog.setCurrentFont(chosen);
    ReadFontDlg(dialog, record);
    EXPECT_EQ(record.font.height, 40);
    EXPECT_TRUE(record.font.italic);
    EXPECT_EQ(record.font.weight, 400);
    EXPECT_EQ(record.font.escapement, 900);
}

}  // namespace
}  // namespace tapwright
