#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

TEST_F(SpecificationFormsTest, EditorWindowTakesTheSizeOfItsFormWhenActivated) {
    Open(NewProjectChoice::SimpleLowpass);
    gui::ProjectFrame* editor = Current();
    const QSize fitted = editor->size();
    editor->resize(fitted + QSize(300, 200));
    project->ViewFrequencyResponse(ResponseDisplay::Magnitude, FilterSelection::Inphase);
    ASSERT_NE(Current(), editor);

    project->ShowSpecifications();
    ASSERT_EQ(Current(), editor);
    EXPECT_EQ(editor->size(), fitted);
}

}  // namespace
}  // namespace tapwright::test
