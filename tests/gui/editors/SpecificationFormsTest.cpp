#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTest>

#include "document/FirDoc.h"
#include "gui/app/MainFrame.h"
#include "gui/frames/ProjectFrame.h"
#include "gui/frames/ShellFixture.h"
#include "gui/widgets/NumberField.h"

namespace tapwright::test {
namespace {

// Records the text a label shows each time it is painted: what the user saw.
class PaintedTexts : public QObject {
public:
    explicit PaintedTexts(QLabel& label) : label_(label) { label.installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &label_ && event->type() == QEvent::Paint) {
            texts << label_.text();
        }
        return false;
    }
    QStringList texts;

private:
    QLabel& label_;
};

class SpecificationFormsTest : public ShellTest {
protected:
    void Open(NewProjectChoice choice) {
        StartWithNewProject(choice);
        project = desktop.App().Documents().front().get();
        form = &CurrentWidget();
    }

    void Type(const char* field, const QString& text) const {
        auto* edit = form->findChild<QLineEdit*>(field);
        ASSERT_NE(edit, nullptr) << field;
        edit->setText(text);
    }
    QString Text(const char* field) const { return form->findChild<QLineEdit*>(field)->text(); }
    QPushButton& Button(const QString& text) const {
        for (QPushButton* button : form->findChildren<QPushButton*>()) {
            if (button->text() == text) {
                return *button;
            }
        }
        ADD_FAILURE() << "no button " << text.toStdString();
        return *form->findChildren<QPushButton*>().front();
    }
    QString Caption(const char* name) const {
        if (const auto* group = form->findChild<QGroupBox*>(name)) {
            return group->title();
        }
        return form->findChild<QLabel*>(name)->text();
    }
    // The caption shown before a field.
    QString CaptionOf(const char* field) const {
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            if (label->buddy() == form->findChild<QLineEdit*>(field)) {
                return label->text();
            }
        }
        return {};
    }
    CFirDoc* project = nullptr;
    QWidget* form = nullptr;
};

TEST_F(SpecificationFormsTest, SimpleDesignGoesFromTheFormThroughTheEditorToTheStatusLine) {
    Open(NewProjectChoice::SimpleLowpass);
    Type("numTaps", "61");
    Type("edge1", "0.1");
    Type("edge2", "0.15");
    Type("rippleDb", "0.5");
    Type("attenuationDb", "60");
    // A plot opened after the design would put its own status there once it has drawn.
    desktop.App().Preferences().m_bDesignViewFreq = false;
    PaintedTexts statusLine(*Frame().MessagePane());
    QTest::mouseClick(&Button("Design"), Qt::LeftButton);

    ASSERT_FALSE(statusLine.texts.isEmpty());
    EXPECT_TRUE(statusLine.texts.front().startsWith("Doing design iteration number "));
    EXPECT_TRUE(statusLine.texts.back().startsWith("Design succeeded, with a margin of "))
        << statusLine.texts.back().toStdString();
    EXPECT_TRUE(statusLine.texts.back().endsWith(" dB."));
    const CFirData& filter = project->Filter();
    ASSERT_EQ(filter.GetNumBands(), 2);
    EXPECT_DOUBLE_EQ(filter.GetUpperEdge(0), 0.1);
    EXPECT_DOUBLE_EQ(filter.GetLowerEdge(1), 0.15);
    EXPECT_EQ(filter.GetNumPoints(), 61);
    EXPECT_EQ(Caption("actualsGroup"), "Actuals - PASS");
    EXPECT_TRUE(Caption("actualRipple").endsWith(" dB"));
    EXPECT_TRUE(Caption("actualAttenuation").endsWith(" dB"));
}

// The result of a design stays on the status line, on one line, until the next command:
// the plot the design opens draws after the result is shown, and an optimisation's result
// has two lines.
TEST_F(SpecificationFormsTest, DesignResultStaysOnOneStatusLineUntilTheNextCommand) {
    Open(NewProjectChoice::SimpleLowpass);
    Type("numTaps", "61");
    Type("edge1", "0.1");
    Type("edge2", "0.15");
    Type("rippleDb", "0.5");
    Type("attenuationDb", "60");
    gui::ProjectFrame* editor = Current();
    QTest::mouseClick(&Button("Design"), Qt::LeftButton);
    gui::ProjectFrame* plot = Current();
    ASSERT_NE(plot, editor);
    plot->widget()->repaint();
    QApplication::processEvents();
    QLabel& pane = *Frame().MessagePane();
    EXPECT_TRUE(pane.text().startsWith("Design succeeded, with a margin of "))
        << pane.text().toStdString();

    desktop.App().Preferences().m_bDesignViewFreq = true;
    ModalScript user;
    user.Then([](QWidget& box) { PressButton(box, "OK"); });
    desktop.Frames().ActivateFrame(editor->View());
    form = &CurrentWidget();
    QTest::mouseClick(&Button("Optimize"), Qt::LeftButton);
    EXPECT_EQ(user.WindowsSeen(), 1);
    plot->widget()->repaint();
    QApplication::processEvents();
    EXPECT_FALSE(pane.text().isEmpty());
    EXPECT_FALSE(pane.text().contains('\n')) << pane.text().toStdString();
    EXPECT_FALSE(pane.text().startsWith("Design succeeded")) << pane.text().toStdString();
    EXPECT_NE(pane.text(), "Ready");
    const QString optimized = pane.text();

    // A menu prompt passes over it and gives it back.
    QStatusTipEvent prompt("Open an existing project");
    QApplication::sendEvent(&Frame(), &prompt);
    QStatusTipEvent promptEnds("");
    QApplication::sendEvent(&Frame(), &promptEnds);
    EXPECT_EQ(pane.text(), optimized);

    // The next command is the user's: from then on the plot's own texts show again.
    QTest::mouseClick(plot->widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    project->UpdateAllViews(nullptr, 0, nullptr);
    plot->widget()->repaint();
    EXPECT_NE(pane.text(), optimized);
}

TEST_F(SpecificationFormsTest, FieldWithoutANumberStopsTheClickBeforeTheEditor) {
    Open(NewProjectChoice::SimpleLowpass);
    Type("numTaps", "61");
    Type("edge1", "0.1x");
    Type("edge2", "0.15");
    Type("rippleDb", "0.5");
    Type("attenuationDb", "60");
    ModalScript user;
    user.Then([](QWidget& box) {
        EXPECT_EQ(box.findChild<QLabel*>("qt_msgbox_label")->text(), "Please enter a number.");
        PressButton(box, "OK");
    });
    QTest::mouseClick(&Button("Design"), Qt::LeftButton);

    EXPECT_EQ(user.WindowsSeen(), 1);
    EXPECT_EQ(project->Filter().GetNumBands(), 0);
    EXPECT_EQ(project->Filter().GetNumPoints(), 0);
    EXPECT_EQ(form->window()->focusWidget(), form->findChild<QLineEdit*>("edge1"));
    EXPECT_EQ(Text("edge1"), "0.1x");
}

TEST_F(SpecificationFormsTest, KindRadiosReorderTheFrequenciesAndRetitleTheForm) {
    Open(NewProjectChoice::SimpleLowpass);
    EXPECT_EQ(CaptionOf("edge1"), "Passband Upper Frequency:");
    EXPECT_FALSE(form->findChild<QLineEdit*>("centerFrequency")->isEnabled());
    Type("edge1", "1000");
    Type("edge2", "1500");

    Choose(*form, "Highpass");
    EXPECT_EQ(Text("edge1"), "1500");
    EXPECT_EQ(Text("edge2"), "1000");
    EXPECT_EQ(CaptionOf("edge1"), "Passband Lower Frequency:");
    EXPECT_EQ(CaptionOf("edge2"), "Stopband Upper Frequency:");

    Choose(*form, "Bandstop");
    EXPECT_EQ(Caption("centerGroup"), "Bandstop Center");
    EXPECT_TRUE(form->findChild<QLineEdit*>("centerFrequency")->isEnabled());
    EXPECT_FALSE(Button("Estimate").isEnabled());

    Choose(*form, "Bandpass");
    EXPECT_EQ(Text("edge1"), "1000");
    EXPECT_EQ(Text("edge2"), "1500");
    EXPECT_EQ(CaptionOf("edge1"), "Passband Bandwidth at Top:");
    EXPECT_EQ(Caption("centerGroup"), "Bandpass Center");
}

TEST_F(SpecificationFormsTest, AdvancedBandsAreTypedBelowTheTableAndAddedWithReturn) {
    Open(NewProjectChoice::Advanced);
    auto* table = form->findChild<QTableWidget*>("bandTable");
    ASSERT_NE(table, nullptr);
    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column) {
        headers << table->horizontalHeaderItem(column)->text();
    }
    EXPECT_EQ(headers, (QStringList{"Band", "Lower\nFrequency", "Upper\nFrequency", "Desired",
                                    "Attn/Ripple", "Actual\nin dB"}));
    EXPECT_TRUE(Button("Add").isDefault());
    EXPECT_FALSE(Button("Est.").isEnabled());
    EXPECT_FALSE(Button("Optimize").isEnabled());

    const auto addWithReturn = [this](const char* lower, const char* upper, const char* value) {
        Type("lowerEntry", lower);
        Type("upperEntry", upper);
        Type("attnEntry", value);
        QTest::keyClick(form->findChild<QLineEdit*>("attnEntry"), Qt::Key_Return);
    };
    addWithReturn("0", "0.1", "0.5");
    Type("numTaps", "41");
    addWithReturn("0.15", "0.5", "-60");

    ASSERT_EQ(table->rowCount(), 2);
    const auto row = [table](int index) {
        QStringList cells;
        for (int column = 0; column < 5; ++column) {
            cells << table->item(index, column)->text();
        }
        return cells;
    };
    EXPECT_EQ(row(0), (QStringList{"1", "0.0", "0.1", "1.0", "0.5"}));
    EXPECT_EQ(row(1), (QStringList{"2", "0.15", "0.5", "0.0", "60.0"}));
    EXPECT_TRUE(Text("lowerEntry").isEmpty());
    EXPECT_EQ(form->window()->focusWidget(), form->findChild<QLineEdit*>("lowerEntry"));
    EXPECT_TRUE(Button("Est.").isEnabled());
    EXPECT_TRUE(Button("Optimize").isEnabled());
    EXPECT_EQ(project->Filter().GetNumBands(), 2);

    // A row chosen in the table comes back into the fields.
    table->selectRow(1);
    EXPECT_EQ(Text("lowerEntry").trimmed(), "0.15");
    EXPECT_EQ(Text("attnEntry").trimmed(), "60.0");
    QTest::mouseClick(&Button("Clear Entry"), Qt::LeftButton);
    EXPECT_TRUE(table->selectedItems().isEmpty());

    QTest::mouseClick(&Button("Design"), Qt::LeftButton);
    EXPECT_EQ(project->Filter().GetNumPoints(), 41);
    const QString verdict = Caption("verdict");
    EXPECT_TRUE(verdict == "PASS" || verdict == "FAIL") << verdict.toStdString();
    EXPECT_FALSE(table->item(0, 5)->text().isEmpty());
}

// Clearing the entry after the design puts the focus back on the entry field, which must not
// bring the editor back in front of the plot the design has just opened.
TEST_F(SpecificationFormsTest, AdvancedDesignBringsItsPlotToTheFront) {
    Open(NewProjectChoice::Advanced);
    gui::ProjectFrame* editor = Current();
    Type("lowerEntry", "0");
    Type("upperEntry", "0.1");
    Type("attnEntry", "0.5");
    QTest::mouseClick(&Button("Add"), Qt::LeftButton);
    Type("lowerEntry", "0.15");
    Type("upperEntry", "0.5");
    Type("attnEntry", "-60");
    QTest::mouseClick(&Button("Add"), Qt::LeftButton);
    Type("numTaps", "41");
    QTest::mouseClick(&Button("Design"), Qt::LeftButton);
    QApplication::processEvents();

    gui::ProjectFrame* plot = Current();
    ASSERT_NE(plot, editor);
    EXPECT_EQ(plot->Kind(), ViewKind::FrequencyResponse);
    EXPECT_EQ(Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder).back(), plot);
}

TEST_F(SpecificationFormsTest, EditorWindowTakesTheSizeOfItsFormWhenActivated) {
    Open(NewProjectChoice::SimpleLowpass);
    gui::ProjectFrame* editor = Current();
    const QSize fitted = editor->size();
    editor->resize(fitted + QSize(300, 200));
    project->ViewFrequencyResponse(ResponseDisplay::Magnitude, ChannelSelection::Inphase);
    ASSERT_NE(Current(), editor);

    project->ShowSpecifications();
    ASSERT_EQ(Current(), editor);
    EXPECT_EQ(editor->size(), fitted);
}

}  // namespace
}  // namespace tapwright::test
