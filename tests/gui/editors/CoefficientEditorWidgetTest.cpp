#include "gui/editors/CoefficientEditorWidget.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextBlock>

#include <algorithm>
#include <cmath>
#include <vector>

#include "design/FirData.h"
#include "document/SerDoc.h"
#include "editors/DataViewFormatDlg.h"
#include "gui/dialogs/DialogTestSupport.h"
#include "plot/FontDlg.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using gui::CoefficientEditorWidget;

// A document that only carries views.
class ViewsDocument final : public CSerDoc {
    void WriteContents(ArchiveWriter&) const override {}
    void ReadContents(ArchiveReader&, int) override {}
};

std::vector<double> Values(const CDataColumn& column) {
    std::vector<double> values;
    for (std::int32_t i = 0; i < column.GetNumPoints(); ++i) {
        values.push_back(column.GetAt(i));
    }
    return values;
}

// Whether the numbers of consecutive lines stand in columns: every digit, hex letter, sign,
// point and the padding blank take one width. Whatever the font claims of itself, this is
// what a user reading coefficients needs.
bool CharactersLineUp(const QFont& font) {
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance('0');
    const QString characters = "0123456789ABCDEF-+. ";
    return std::all_of(characters.begin(), characters.end(), [&](QChar character) {
        return std::abs(metrics.horizontalAdvance(character) - width) < 0.01;
    });
}

QAction& MenuItem(QMenu& menu, const QString& text) {
    emit menu.aboutToShow();
    for (QAction* action : menu.actions()) {
        if (action->text() == text) {
            return *action;
        }
    }
    ADD_FAILURE() << "no item " << text.toStdString();
    throw std::runtime_error("missing menu item");
}

class CoefficientEditorWidgetTest : public testing::Test {
protected:
    CoefficientEditorWidgetTest() : widget(view) {
        document.AddView(view);
        for (const double tap : {0.25, -0.3, 0.5}) {
            filter.Inphase().Add(tap);
            filter.Quadrature().Add(0.0);
        }
        widget.resize(400, 300);
        widget.show();
    }
    ~CoefficientEditorWidgetTest() override { document.RemoveView(view); }

    // Opens the editor on the Inphase channel in the format, as the document's View menu does.
    void Open(const std::string& format) {
        ui.ExpectDialog<CDataViewFormatDlg>([format](CDataViewFormatDlg& dialog) {
            const auto& names = dialog.formats.names;
            const auto found = std::find(names.begin(), names.end(), format);
            EXPECT_NE(found, names.end());
            dialog.OnFormatChanged(static_cast<std::int32_t>(found - names.begin()));
            return true;
        });
        view.OnUpdate(nullptr, hint::kShowChannel + 16 * 1, &filter);
    }

    // Puts the text cursor at the start of a line, as a click there does.
    void GoToLine(int line) {
        QTextCursor cursor(widget.document()->findBlockByNumber(line));
        widget.setTextCursor(cursor);
    }

    test::FakeUserInterface ui;
    ViewsDocument document;
    CFirData filter;
    CDataView view{document};
    CoefficientEditorWidget widget;
};

TEST_F(CoefficientEditorWidgetTest, ReopenedEditorShowsItsFormatWithoutAskingForOne) {
    // No format dialog is scripted: the fake interface fails the test on one.
    view.PresetFormat("Text:Hex");
    view.OnUpdate(nullptr, hint::kShowChannel + 16 * 1, &filter);
    EXPECT_EQ(widget.toPlainText(), "2000\nD99B\n4000\n");
}

TEST_F(CoefficientEditorWidgetTest, ShowsHexLinesAndUpdatingTheFilterReadsTheEditedOne) {
    Open("Text:Hex");
    EXPECT_EQ(widget.toPlainText(), "2000\nD99B\n4000\n");
    EXPECT_TRUE(CharactersLineUp(widget.font()));

    // The user replaces the second line by typing over it.
    GoToLine(1);
    QTest::keyClick(&widget, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClicks(&widget, "1000");
    QMenu* menu = widget.CreateEditorMenu();
    MenuItem(*menu, "&Update Filter From Editor").trigger();

    EXPECT_EQ(Values(filter.Inphase()), (std::vector<double>{0.25, 0.125, 0.5}));
    EXPECT_EQ(Values(filter.Quadrature()), (std::vector<double>{0.0, 0.0, 0.0}));
    EXPECT_TRUE(document.IsModified());
    // Every view, this one too, shows the filter as it now is.
    EXPECT_EQ(widget.toPlainText(), "2000\n1000\n4000\n");
    EXPECT_FALSE(widget.document()->isModified());
}

TEST_F(CoefficientEditorWidgetTest, BinaryFormatTextGoesBackByteForByteAfterAnEdit) {
    // Doubles whose bytes hold zeros, line feeds and carriage returns.
    filter.Inphase().SetAt(0, 1.0 + 0x0A0D * 1e-16);
    filter.Inphase().SetAt(1, -3.0e-300);
    const std::vector<double> before = Values(filter.Inphase());
    Open("Binary:double");
    EXPECT_EQ(widget.toPlainText().count('\n'), 0);

    // Typing a character at the end and taking it back leaves the text edited.
    widget.moveCursor(QTextCursor::End);
    QTest::keyClicks(&widget, "x");
    QTest::keyClick(&widget, Qt::Key_Backspace);
    ASSERT_TRUE(widget.document()->isModified());
    MenuItem(*widget.CreateEditorMenu(), "&Update Filter From Editor").trigger();

    EXPECT_EQ(Values(filter.Inphase()), before);
}

TEST_F(CoefficientEditorWidgetTest, EditorMenuHasTheEditCommandsEnabledByTheText) {
    Open("Text:Decimal");
    QMenu* menu = widget.CreateEditorMenu();
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts << action->text();
        }
    }
    EXPECT_EQ(texts,
              (QStringList{"&Select Filter and Data Format...", "Chose &Font...", "&Undo", "Cu&t",
                           "&Copy", "&Paste", "C&lear", "Select &All", "&Find...", "Replace...",
                           "&Repeat Last Find/Replace", "&Update Filter From Editor"}));
    EXPECT_FALSE(MenuItem(*menu, "&Undo").isEnabled());
    EXPECT_FALSE(MenuItem(*menu, "Cu&t").isEnabled());
    EXPECT_FALSE(MenuItem(*menu, "&Repeat Last Find/Replace").isEnabled());

    MenuItem(*menu, "Select &All").trigger();
    EXPECT_TRUE(MenuItem(*menu, "Cu&t").isEnabled());
    MenuItem(*menu, "C&lear").trigger();
    EXPECT_TRUE(widget.toPlainText().isEmpty());
    EXPECT_TRUE(MenuItem(*menu, "&Undo").isEnabled());
    MenuItem(*menu, "&Undo").trigger();
    EXPECT_FALSE(widget.toPlainText().isEmpty());
}

TEST_F(CoefficientEditorWidgetTest, ReplaceAllIsOneEditAndRepeatFindsTheNextMatch) {
    Open("Text:Hex");
    widget.ShowReplace();
    auto& dialog = *widget.findChild<gui::FindReplaceDialog*>();
    test::Edit(dialog, "findWhat").setText("00");
    test::Edit(dialog, "replaceWith").setText("11");
    test::Button(dialog, "Replace &All").click();
    EXPECT_EQ(widget.toPlainText(), "2110\nD99B\n4110\n");
    widget.undo();
    EXPECT_EQ(widget.toPlainText(), "2000\nD99B\n4000\n");

    // The last search goes on from the cursor, and from the top past the end.
    widget.moveCursor(QTextCursor::Start);
    widget.RepeatLastSearch();
    EXPECT_EQ(widget.textCursor().blockNumber(), 0);
    widget.RepeatLastSearch();
    EXPECT_EQ(widget.textCursor().blockNumber(), 2);
    widget.RepeatLastSearch();
    EXPECT_EQ(widget.textCursor().blockNumber(), 0);
    EXPECT_EQ(widget.textCursor().selectedText(), "00");

    test::Edit(dialog, "findWhat").setText("7");
    test::Button(dialog, "&Find Next").click();
    EXPECT_EQ(ui.StatusTexts().back(), "Cannot find \"7\".");
}

TEST_F(CoefficientEditorWidgetTest, ChosenFontLastsUntilTheWindowIsActivatedAgain) {
    Open("Text:Decimal");
    ui.ExpectDialog<CFontDlg>([](CFontDlg& dialog) {
        dialog.font.faceName = "DejaVu Serif";
        dialog.font.height = 30;
        return true;
    });
    MenuItem(*widget.CreateEditorMenu(), "Chose &Font...").trigger();
    const int chosenHeight = QFontMetrics(widget.font()).height();
    EXPECT_LE(chosenHeight, 30);
    EXPECT_GT(chosenHeight, 24);

    view.OnActivateFrame();
    EXPECT_TRUE(CharactersLineUp(widget.font()));
    EXPECT_LT(QFontMetrics(widget.font()).height(), chosenHeight);
}

}  // namespace
}  // namespace tapwright
