#include "gui/platform/QtUserInterface.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include "gui/GuiTestSupport.h"

namespace tapwright {
namespace {

using gui::QtUserInterface;
using test::ModalScript;
using test::PressButton;

// Counts the paints a widget gets.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int paints = 0;
};

class QtUserInterfaceTest : public testing::Test {
protected:
    QtUserInterfaceTest() : installed(ui) {}

    QtUserInterface ui;
    ScopedUserInterface installed;
};

TEST_F(QtUserInterfaceTest, BoxShowsTheTextAsLinesAndAnswersWithThePressedButton) {
    ModalScript user;
    QString caption;
    QString text;
    user.Then([&](QWidget& box) {
        caption = box.windowTitle();
        text = static_cast<QMessageBox&>(box).text();
        EXPECT_EQ(static_cast<QMessageBox&>(box).icon(), QMessageBox::Question);
        PressButton(box, "No");
    });
    user.Then([](QWidget& box) { box.close(); });
    EXPECT_EQ(
        Ui().ShowMessage("Write titles\nto file?", MessageButtons::YesNo, MessageIcon::Question),
        MessageResult::No);
    EXPECT_EQ(caption, "Tapwright");
    EXPECT_EQ(text, "Write titles\nto file?");
    // Closing a box without a button is the same as cancelling it.
    EXPECT_EQ(Ui().ShowMessage("Add band?", MessageButtons::YesNoCancel), MessageResult::Cancel);
}

TEST_F(QtUserInterfaceTest, StatusTextIsPaintedAtOnceExceptDuringAPaint) {
    QWidget window;
    auto* pane = new QLabel(&window);
    window.show();
    QApplication::processEvents();
    ui.Attach(&window, pane);
    PaintCounter counter;
    pane->installEventFilter(&counter);

    ui.ShowStatus("Iteration 3");
    EXPECT_EQ(pane->text(), "Iteration 3");
    EXPECT_EQ(counter.paints, 1);
    {
        const QtUserInterface::PaintScope painting;
        ui.ShowStatus("Drawing graph...");
    }
    EXPECT_EQ(pane->text(), "Drawing graph...");
    EXPECT_EQ(counter.paints, 1);
}

}  // namespace
}  // namespace tapwright
