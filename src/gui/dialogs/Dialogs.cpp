#include "gui/dialogs/Dialogs.h"

#include "gui/dialogs/AsmOptionsDialog.h"
#include "gui/dialogs/COptionsDialog.h"
#include "gui/dialogs/DataFilesDialog.h"
#include "gui/dialogs/DataViewFormatDialog.h"
#include "gui/dialogs/DialogParts.h"
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
#include "gui/dialogs/WordLengthDialog.h"

namespace tapwright::gui {

bool RunDialog(CWindowDlg& record, QWidget* parent) {
    return ShowModal<WindowDialog>(record, parent);
}

bool RunDialog(CScaleDlg& record, QWidget* parent) {
    return ShowModal<ScaleDialog>(record, parent);
}

bool RunDialog(CQuantizeDlg& record, QWidget* parent) {
    return ShowModal<QuantizeDialog>(record, parent);
}

bool RunDialog(CCombFill& record, QWidget* parent) {
    return ShowModal<FillDialog>(record, parent);
}

bool RunDialog(CSineDlg& record, QWidget* parent) {
    return ShowModal<SineDialog>(record, parent);
}

bool RunDialog(CMixDlg& record, QWidget* parent) {
    return ShowModal<MixDialog>(record, parent);
}

bool RunDialog(CSampleRateDlg& record, QWidget* parent) {
    return ShowModal<SampleRateDialog>(record, parent);
}

bool RunDialog(CMinDbDlg& record, QWidget* parent) {
    return ShowModal<MinDbDialog>(record, parent);
}

bool RunDialog(CDataFilesDlg& record, QWidget* parent) {
    return ShowModal<DataFilesDialog>(record, parent);
}

bool RunDialog(CWaveFormatDlg& record, QWidget* parent) {
    return ShowModal<WaveFormatDialog>(record, parent);
}

bool RunDialog(CCOptionsDlg& record, QWidget* parent) {
    return ShowModal<COptionsDialog>(record, parent);
}

bool RunDialog(CAsmOptionsDlg& record, QWidget* parent) {
    return ShowModal<AsmOptionsDialog>(record, parent);
}

bool RunDialog(CNewProjectDlg& record, QWidget* parent) {
    return ShowModal<NewProjectDialog>(record, parent);
}

bool RunDialog(CDataViewFormatDlg& record, QWidget* parent) {
    return ShowModal<DataViewFormatDialog>(record, parent);
}

bool RunDialog(CWordLengthDlg& record, QWidget* parent) {
    return ShowModal<WordLengthDialog>(record, parent);
}

}  // namespace tapwright::gui
