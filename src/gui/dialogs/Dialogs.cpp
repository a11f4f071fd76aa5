#include "gui/dialogs/Dialogs.h"

#include "gui/dialogs/AsmOptionsDialog.h"
#include "gui/dialogs/COptionsDialog.h"
#include "gui/dialogs/DataFilesDialog.h"
#include "gui/dialogs/DataViewFormatDialog.h"
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

namespace tapwright::gui {

namespace {

template <class Dialog, class Record>
bool Show(Record& record, QWidget* parent) {
    Dialog dialog(record, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

bool RunDialog(CWindowDlg& record, QWidget* parent) {
    return Show<WindowDialog>(record, parent);
}

bool RunDialog(CScaleDlg& record, QWidget* parent) {
    return Show<ScaleDialog>(record, parent);
}

bool RunDialog(CQuantizeDlg& record, QWidget* parent) {
    return Show<QuantizeDialog>(record, parent);
}

bool RunDialog(CCombFill& record, QWidget* parent) {
    return Show<FillDialog>(record, parent);
}

bool RunDialog(CSineDlg& record, QWidget* parent) {
    return Show<SineDialog>(record, parent);
}

bool RunDialog(CMixDlg& record, QWidget* parent) {
    return Show<MixDialog>(record, parent);
}

bool RunDialog(CSampleRateDlg& record, QWidget* parent) {
    return Show<SampleRateDialog>(record, parent);
}

bool RunDialog(CMinDbDlg& record, QWidget* parent) {
    return Show<MinDbDialog>(record, parent);
}

bool RunDialog(CDataFilesDlg& record, QWidget* parent) {
    return Show<DataFilesDialog>(record, parent);
}

bool RunDialog(CWaveFormatDlg& record, QWidget* parent) {
    return Show<WaveFormatDialog>(record, parent);
}

bool RunDialog(CCOptionsDlg& record, QWidget* parent) {
    return Show<COptionsDialog>(record, parent);
}

bool RunDialog(CAsmOptionsDlg& record, QWidget* parent) {
    return Show<AsmOptionsDialog>(record, parent);
}

bool RunDialog(CNewProjectDlg& record, QWidget* parent) {
    return Show<NewProjectDialog>(record, parent);
}

bool RunDialog(CDataViewFormatDlg& record, QWidget* parent) {
    return Show<DataViewFormatDialog>(record, parent);
}

}  // namespace tapwright::gui
