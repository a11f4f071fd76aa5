#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <functional>
#include <memory>

#include "app/NewProjectDlg.h"
#include "document/CombFill.h"
#include "document/DataFilesDlg.h"
#include "document/MinDbDlg.h"
#include "document/MixDlg.h"
#include "document/QuantizeDlg.h"
#include "document/SampleRateDlg.h"
#include "document/ScaleDlg.h"
#include "document/SineDlg.h"
#include "document/WindowDlg.h"
#include "editors/DataViewFormatDlg.h"
#include "gui/dialogs/AsmOptionsDialog.h"
#include "gui/dialogs/COptionsDialog.h"
#include "gui/dialogs/DataFilesDialog.h"
#include "gui/dialogs/DataViewFormatDialog.h"
#include "gui/dialogs/DialogTestSupport.h"
#include "gui/dialogs/FillDialog.h"
#include "gui/dialogs/MinDbDialog.h"
#include "gui/dialogs/MixDialog.h"
#include "gui/dialogs/NewProjectDialog.h"
#include "gui/dialogs/QuantizeDialog.h"
#include "gui/dialogs/SampleRateDialog.h"
#include "gui/dialogs/ScaleDialog.h"
#include "gui/dialogs/SineDialog.h"
#include "gui/dialogs/WaveFormatDialog.h"
#include "gui/dialogs/WindowDialog.h"

namespace tapwright {
namespace {

// One of each record, alive while its dialog is looked at.
struct Records {
    CWindowDlg window;
    CScaleDlg scale;
    CQuantizeDlg quantize;
    CCombFill fill;
    CSineDlg sine;
    CMixDlg mix;
    CSampleRateDlg sampleRate{CFreqUnits(44.1, 1)};
    CMinDbDlg minDb{-110.0};
    CDataFilesDlg dataFiles;
    CWaveFormatDlg wave;
    CCOptionsDlg cOptions;
    CAsmOptionsDlg asmOptions;
    CNewProjectDlg newProject{NewProjectChoice::SimpleLowpass};
    CDataViewFormatDlg dataViewFormat;
};

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>(Records&)> make;
};

template <class Dialog, class Record>
DialogCase Case(const char* name, Record Records::*record) {
    return {name, [record](Records& records) { return std::make_unique<Dialog>(records.*record); }};
}

QRect RectIn(const QWidget& widget, const QWidget& dialog) {
    return QRect(widget.mapTo(&dialog, QPoint(0, 0)), widget.size());
}

// The controls the user reads or types into; group boxes and plain containers hold them.
std::vector<QWidget*> Controls(QWidget& dialog) {
    std::vector<QWidget*> controls;
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        const bool isControl = qobject_cast<QAbstractButton*>(child) ||
                               qobject_cast<QLabel*>(child) || qobject_cast<QLineEdit*>(child) ||
                               qobject_cast<QComboBox*>(child) ||
                               qobject_cast<QListWidget*>(child);
        const bool isPartOfAnother = qobject_cast<QComboBox*>(child->parentWidget()) ||
                                     qobject_cast<QListWidget*>(child->parentWidget());
        if (isControl && !isPartOfAnother && child->isVisible()) {
            controls.push_back(child);
        }
    }
    return controls;
}

class DialogLayoutTest : public testing::TestWithParam<DialogCase> {};

// Every text shows whole (the title too), no two controls overlap, and every control lies inside the window.
// With TAPWRIGHT_DIALOG_SHOTS naming a folder the dialogs are also saved there as pictures.
TEST_P(DialogLayoutTest, TextsShowWholeAndControlsDoNotOverlap) {
    Records records;
    records.mix.PrepareForRun(8000.0, 31);
    records.dataFiles.Open(true, false, "Import Coefficients", "lowpass.tws");
    records.dataViewFormat.Open();
    const std::unique_ptr<QDialog> dialog = GetParam().make(records);
    test::ShowActive(*dialog);

    QFont titleFont = dialog->font();
    titleFont.setBold(true);
    EXPECT_GT(dialog->width(), QFontMetrics(titleFont).horizontalAdvance(dialog->windowTitle()))
        << "the title bar cannot show the whole title";

    const QRect window = dialog->rect();
    const std::vector<QWidget*> controls = Controls(*dialog);
    for (QWidget* control : controls) {
        const QRect rect = RectIn(*control, *dialog);
        EXPECT_TRUE(window.contains(rect)) << control->objectName().toStdString();
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLabel*>(control)) {
            EXPECT_GE(control->width(), control->sizeHint().width())
                << "clipped: " << control->property("text").toString().toStdString();
        }
        for (QWidget* other : controls) {
            if (other != control) {
                EXPECT_FALSE(rect.intersects(RectIn(*other, *dialog)))
                    << control->property("text").toString().toStdString() << " overlaps "
                    << other->property("text").toString().toStdString();
            }
        }
    }
    for (QGroupBox* group : dialog->findChildren<QGroupBox*>()) {
        EXPECT_GE(group->width(), group->fontMetrics().horizontalAdvance(group->title()))
            << "clipped: " << group->title().toStdString();
    }
    for (QListWidget* list : dialog->findChildren<QListWidget*>()) {
        const QRect last = list->visualItemRect(list->item(list->count() - 1));
        EXPECT_TRUE(list->viewport()->rect().contains(last)) << "the list needs scrolling";
    }

    const QString shots = qEnvironmentVariable("TAPWRIGHT_DIALOG_SHOTS");
    if (!shots.isEmpty()) {
        dialog->grab().save(QDir(shots).filePath(QString(GetParam().name) + ".png"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, DialogLayoutTest,
    testing::Values(Case<gui::WindowDialog>("Window", &Records::window),
                    Case<gui::ScaleDialog>("Scale", &Records::scale),
                    Case<gui::QuantizeDialog>("Quantize", &Records::quantize),
                    Case<gui::FillDialog>("Fill", &Records::fill),
                    Case<gui::SineDialog>("Sine", &Records::sine),
                    Case<gui::MixDialog>("Mix", &Records::mix),
                    Case<gui::SampleRateDialog>("SampleRate", &Records::sampleRate),
                    Case<gui::MinDbDialog>("MinDb", &Records::minDb),
                    Case<gui::DataFilesDialog>("DataFiles", &Records::dataFiles),
                    Case<gui::WaveFormatDialog>("WaveFormat", &Records::wave),
                    Case<gui::COptionsDialog>("COptions", &Records::cOptions),
                    Case<gui::AsmOptionsDialog>("AsmOptions", &Records::asmOptions),
                    Case<gui::NewProjectDialog>("NewProject", &Records::newProject),
                    Case<gui::DataViewFormatDialog>("DataViewFormat", &Records::dataViewFormat)),
    [](const testing::TestParamInfo<DialogCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tapwright
