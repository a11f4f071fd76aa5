#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QtEndian>

#include <cstdint>
#include <vector>

#include "document/FirDoc.h"
#include "editors/FirView.h"
#include "gui/app/MainFrame.h"
#include "gui/dialogs/DialogTestSupport.h"
#include "gui/frames/ProjectFrame.h"
#include "gui/frames/ShellFixture.h"
#include "platform/FrameFactory.h"

namespace tapwright::test {
namespace {

constexpr int kHzRow = 0;
constexpr int kKhzRow = 1;
constexpr QSize kScreenshotSize(1120, 600);

std::vector<double> InphaseOf(const CFirDoc& project) {
    std::vector<double> taps;
    const CDataColumn& inphase = project.Filter().Inphase();
    for (std::int32_t i = 0; i < inphase.GetNumPoints(); ++i) {
        taps.push_back(inphase.GetAt(i));
    }
    return taps;
}

QString MessageText(QWidget& box) {
    auto* message = qobject_cast<QMessageBox*>(&box);
    EXPECT_NE(message, nullptr) << "expected a message box, got "
                                << box.windowTitle().toStdString();
    return message != nullptr ? message->text() : QString();
}

// Answers a file dialog with a path, as typing it into the name field and pressing Save or
// Open does.
void ChooseFile(QWidget& dialog, const QString& path) {
    auto* files = qobject_cast<QFileDialog*>(&dialog);
    ASSERT_NE(files, nullptr) << "expected a file dialog, got "
                              << dialog.windowTitle().toStdString();
    auto& name = Edit(*files, "fileNameEdit");
    // The dialog fills its file list in the background and may change the name field while
    // it does, so the name is typed again until the dialog has taken it.
    constexpr int kAttempts = 200;
    for (int attempt = 0; attempt < kAttempts && files->isVisible(); ++attempt) {
        name.setText(path);
        if (files->selectedFiles() == QStringList{path}) {
            static_cast<QDialog*>(files)->accept();
        }
        if (files->isVisible()) {
            QTest::qWait(10);
        }
    }
    EXPECT_FALSE(files->isVisible()) << "the file dialog did not take " << path.toStdString();
}

// Answers the "Data Files" dialog with the format and, through "Browse...", the path of the
// Inphase file. The file dialog opens while this step runs, so a script of its own answers it.
void ChooseDataFile(QWidget& dialog, const QString& format, const QString& path) {
    QGroupBox& inphase = Child<QGroupBox>(dialog, "inphase");
    Child<QComboBox>(inphase, "format").setCurrentText(format);
    {
        ModalScript files;
        files.Then([path](QWidget& chooser) { ChooseFile(chooser, path); });
        Button(inphase, "Browse...").click();
    }
    PressButton(dialog, "OK");
}

// Answers "Set Sampling Frequency" with a frequency and a unit row.
void SetSamplingFrequency(QWidget& dialog, const QString& frequency, int unitRow) {
    Edit(dialog, "frequency").setText(frequency);
    Child<QListWidget>(dialog, "units").setCurrentRow(unitRow);
    PressButton(dialog, "OK");
}

// A mono 16-bit WAVE file at the rate with the samples, written byte by byte as another
// program would.
QByteArray WaveFile(std::uint32_t rate, const std::vector<std::int16_t>& samples) {
    QByteArray bytes;
    const auto add32 = [&bytes](std::uint32_t value) {
        const std::uint32_t little = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char*>(&little), 4);
    };
    const auto add16 = [&bytes](std::uint16_t value) {
        const std::uint16_t little = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char*>(&little), 2);
    };
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    bytes.append("RIFF");
    add32(36 + dataBytes);
    bytes.append("WAVEfmt ");
    add32(16);
    add16(1);  // PCM
    add16(1);  // channels
    add32(rate);
    add32(rate * 2);  // bytes per second
    add16(2);         // block align
    add16(16);        // bits per sample
    bytes.append("data");
    add32(dataBytes);
    for (const std::int16_t sample : samples) {
        add16(static_cast<std::uint16_t>(sample));
    }
    return bytes;
}

// The desktop program driven the way a new user drives it: through its dialogs, the fields
// and buttons of its forms, and its menus.
class EndToEndTest : public ShellTest {
protected:
    // The specification editor of the project, wherever the focus is.
    QWidget& EditorForm(const CFirDoc& project) const {
        for (gui::ProjectFrame* frame : desktop.Frames().FramesOf(project)) {
            if (frame->Kind() == ViewKind::SimpleEditor) {
                return *frame->widget();
            }
        }
        ADD_FAILURE() << "the project has no specification editor";
        return CurrentWidget();
    }
    bool HasWindow(const CFirDoc& project, ViewKind kind) const {
        for (gui::ProjectFrame* frame : desktop.Frames().FramesOf(project)) {
            if (frame->Kind() == kind) {
                return true;
            }
        }
        return false;
    }
    CFirDoc* OnlyProject() {
        EXPECT_EQ(desktop.App().Documents().size(), 1u);
        return desktop.App().Documents().empty() ? nullptr
                                                 : desktop.App().Documents().front().get();
    }

    static void Type(QWidget& form, const char* field, const QString& text) {
        Edit(form, field).setText(text);
    }
    static void Click(QWidget& form, const QString& caption) {
        QTest::mouseClick(&static_cast<QPushButton&>(Button(form, caption)), Qt::LeftButton);
    }
    static QString Verdict(QWidget& form) { return Child<QGroupBox>(form, "actualsGroup").title(); }
    QPushButton& FsButton(const CFirDoc& project) const {
        return Child<QPushButton>(EditorForm(project), "fsButton");
    }
    QString FsCaption(const CFirDoc& project) const { return FsButton(project).text(); }

    void Run(const QString& menu, const QString& item) { Item(Menu(menu), item).trigger(); }

    // Saves the main window as a picture when TAPWRIGHT_SCREENSHOT names a file; the
    // screenshot of the README is made this way, from the state a new user reaches.
    void SaveScreenshotWhenAsked() {
        const QString path = qEnvironmentVariable("TAPWRIGHT_SCREENSHOT");
        if (path.isEmpty()) {
            return;
        }
        // A size that shows the whole form beside the response, tiled as Window > Tile does.
        Frame().showNormal();
        Frame().resize(kScreenshotSize);
        Run("&Window", "&Tile");
        QTest::qWait(200);
        EXPECT_TRUE(Frame().grab().save(path)) << path.toStdString();
    }
};

TEST_F(EndToEndTest, NewUserDesignsOptimizesExportsSavesAndReopensALowpass) {
    StartWithNewProject(NewProjectChoice::SimpleLowpass);
    CFirDoc* project = OnlyProject();
    ASSERT_NE(project, nullptr);
    QWidget* form = &EditorForm(*project);

    {
        ModalScript user;
        user.Then([](QWidget& dialog) { SetSamplingFrequency(dialog, "48000", kHzRow); });
        QTest::mouseClick(&FsButton(*project), Qt::LeftButton);
    }
    EXPECT_EQ(FsCaption(*project).toStdString(), "48000.0 Hz");
    Type(*form, "edge1", "10000");
    Type(*form, "edge2", "12000");
    Type(*form, "rippleDb", "0.5");
    Type(*form, "attenuationDb", "60");

    {
        ModalScript user;
        user.Then([](QWidget& box) {
            EXPECT_EQ(MessageText(box).toStdString(), CFirView::kTooFewTapsQuestion);
            PressButton(box, "Yes");
        });
        Click(*form, "Design");
    }
    const int estimated = project->Filter().GetNumTaps();
    EXPECT_GE(estimated, 3);
    EXPECT_EQ(project->Filter().GetNumPoints(), estimated);
    EXPECT_TRUE(HasWindow(*project, ViewKind::FrequencyResponse));

    QString outcome;
    {
        ModalScript user;
        user.Then([&outcome](QWidget& box) {
            outcome = MessageText(box);
            PressButton(box, "OK");
        });
        Click(*form, "Optimize");
    }
    const int taps = project->Filter().GetNumPoints();
    EXPECT_TRUE(outcome.startsWith(QString("Optimization succeeded using %1 taps.\n").arg(taps)))
        << outcome.toStdString();
    EXPECT_EQ(Verdict(*form).toStdString(), "Actuals - PASS");
    EXPECT_TRUE(project->Filter().MeetsSpec());
    const std::vector<double> designed = InphaseOf(*project);
    SaveScreenshotWhenAsked();

    const QString header = directory.filePath("lowpass.h");
    {
        ModalScript user;
        user.Then([header](QWidget& dialog) { ChooseDataFile(dialog, "Text:C", header); });
        Run("&File", "&Export Coefficients...");
    }
    QFile exported(header);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly)) << header.toStdString();
    const QString source = QString::fromLatin1(exported.readAll());
    const QRegularExpression length(R"(^#define (\w+)_LENGTH (\d+)\r?$)",
                                    QRegularExpression::MultilineOption);
    const QRegularExpressionMatch define = length.match(source);
    ASSERT_TRUE(define.hasMatch()) << source.toStdString();
    EXPECT_EQ(define.captured(2).toInt(), taps);
    // The array holds the taps in order, printed to the C format's precision.
    const QString array = source.mid(source.indexOf('{') + 1);
    const QStringList values = array.left(array.indexOf('}')).split(',');
    ASSERT_EQ(values.size(), taps);
    for (int i = 0; i < taps; ++i) {
        EXPECT_NEAR(values[i].trimmed().toDouble(), designed[static_cast<std::size_t>(i)], 1e-11)
            << "tap " << i;
    }

    const QString saved = directory.filePath("lowpass.tws");
    {
        ModalScript user;
        user.Then([saved](QWidget& dialog) { ChooseFile(dialog, saved); });
        Run("&File", "&Save Project\tCtrl+S");
    }
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_FALSE(project->IsModified());
    {
        ModalCounter noQuestion;
        Run("&File", "&Close Project");
        QApplication::processEvents();
        EXPECT_EQ(noQuestion.Count(), 0) << "a saved project closes without a question";
    }
    EXPECT_TRUE(desktop.App().Documents().empty());

    {
        ModalScript user;
        user.Then([saved](QWidget& dialog) { ChooseFile(dialog, saved); });
        Run("&File", "&Open...\tCtrl+O");
    }
    CFirDoc* reopened = OnlyProject();
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(InphaseOf(*reopened), designed);
    EXPECT_EQ(reopened->Filter().GetNumTaps(), taps);
    EXPECT_EQ(Verdict(EditorForm(*reopened)).toStdString(), "Actuals - PASS");
    EXPECT_EQ(FsCaption(*reopened).toStdString(), "48000.0 Hz");
    EXPECT_EQ(Edit(EditorForm(*reopened), "edge1").text().toStdString(), "10000");
    EXPECT_EQ(Edit(EditorForm(*reopened), "edge2").text().toStdString(), "12000");
}

struct WaveImportCase {
    int unitRow;          // the unit the project shows before the import
    std::uint32_t rate;   // the WAVE file's rate in Hz
    const char* caption;  // the sampling frequency shown afterwards
};

class EndToEndImportTest : public EndToEndTest,
                           public testing::WithParamInterface<WaveImportCase> {};

// The WAVE file's rate becomes the project's sampling frequency, in the unit the project
// already shows: a rate of 22050 Hz reads 22050 Hz, not 22.05 Hz, in a project shown in Hz.
TEST_P(EndToEndImportTest, WaveFileSetsTheSamplingFrequencyInTheProjectsUnit) {
    const WaveImportCase& given = GetParam();
    const QString wave = directory.filePath("taps.wav");
    {
        QFile file(wave);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WaveFile(given.rate, {0, 16384, -16384, 8192, 0}));
    }
    StartWithNewProject(NewProjectChoice::SimpleLowpass);
    CFirDoc* project = OnlyProject();
    ASSERT_NE(project, nullptr);
    {
        ModalScript user;
        user.Then([&given](QWidget& dialog) { SetSamplingFrequency(dialog, "1", given.unitRow); });
        QTest::mouseClick(&FsButton(*project), Qt::LeftButton);
    }

    {
        ModalScript user;
        user.Then([wave](QWidget& dialog) { ChooseDataFile(dialog, "Binary:Wave", wave); });
        // The import says that it changed the sampling frequency.
        user.Then([](QWidget& box) { PressButton(box, "OK"); });
        Run("&File", "&Import Coefficients...");
    }
    EXPECT_EQ(InphaseOf(*project), (std::vector<double>{0.0, 0.5, -0.5, 0.25, 0.0}));
    EXPECT_EQ(project->Filter().GetNumTaps(), 5);
    EXPECT_EQ(project->Filter().GetFrequencyUnits().GetUnitIndex(), given.unitRow);
    EXPECT_EQ(FsCaption(*project).toStdString(), given.caption);
    EXPECT_TRUE(project->IsModified());
}

INSTANTIATE_TEST_SUITE_P(Rates, EndToEndImportTest,
                         testing::Values(WaveImportCase{kHzRow, 22050, "22050.0 Hz"},
                                         WaveImportCase{kKhzRow, 22050, "22.05 kHz"},
                                         WaveImportCase{kKhzRow, 11025, "11.025 kHz"}));

}  // namespace
}  // namespace tapwright::test
