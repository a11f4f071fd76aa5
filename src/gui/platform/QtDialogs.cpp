#include "gui/platform/QtDialogs.h"

#include "gui/app/PrefsDialog.h"
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
#include "gui/platform/FileDialogBinding.h"
#include "gui/plot/AxisDialog.h"
#include "gui/plot/FontDialogBinding.h"
#include "gui/plot/PlotPropsDialog.h"
#include "gui/plot/TitlesDialog.h"

namespace tapwright::gui {

namespace {

// How the desktop shows each record: one row per record. The primary template has no
// definition, so a record of the list without a row here stops the build at its
// instantiation below.
template <class Record>
struct QtDialog;

// A record shown by a dialog class of its own, made from the record and the parent.
template <class Dialog>
struct ModalDialog {
    template <class Record>
    static bool Run(Record& record, QWidget* parent) {
        return ShowModal<Dialog>(record, parent);
    }
};

// A record shown by one of Qt's standard dialogs, set up and read by a binding function.
template <class Record, bool (*Show)(Record&, QWidget*)>
struct StandardDialog {
    static bool Run(Record& record, QWidget* parent) { return Show(record, parent); }
};

template <> struct QtDialog<CWindowDlg> : ModalDialog<WindowDialog> {};
template <> struct QtDialog<CScaleDlg> : ModalDialog<ScaleDialog> {};
template <> struct QtDialog<CQuantizeDlg> : ModalDialog<QuantizeDialog> {};
template <> struct QtDialog<CCombFill> : ModalDialog<FillDialog> {};
template <> struct QtDialog<CSineDlg> : ModalDialog<SineDialog> {};
template <> struct QtDialog<CMixDlg> : ModalDialog<MixDialog> {};
template <> struct QtDialog<CSampleRateDlg> : ModalDialog<SampleRateDialog> {};
template <> struct QtDialog<CMinDbDlg> : ModalDialog<MinDbDialog> {};
template <> struct QtDialog<CDataFilesDlg> : ModalDialog<DataFilesDialog> {};
template <> struct QtDialog<CWaveFormatDlg> : ModalDialog<WaveFormatDialog> {};
template <> struct QtDialog<CCOptionsDlg> : ModalDialog<COptionsDialog> {};
template <> struct QtDialog<CAsmOptionsDlg> : ModalDialog<AsmOptionsDialog> {};
template <> struct QtDialog<CTitlesDlg> : ModalDialog<TitlesDialog> {};
template <> struct QtDialog<CAxisDlg> : ModalDialog<AxisDialog> {};
template <> struct QtDialog<CPlotPropsDlg> : ModalDialog<PlotPropsDialog> {};
template <> struct QtDialog<CPrefsDlg> : ModalDialog<PrefsDialog> {};
template <> struct QtDialog<CNewProjectDlg> : ModalDialog<NewProjectDialog> {};
template <> struct QtDialog<CDataViewFormatDlg> : ModalDialog<DataViewFormatDialog> {};
template <> struct QtDialog<CFontDlg> : StandardDialog<CFontDlg, RunFontDialog> {};
template <> struct QtDialog<CFileDlg> : StandardDialog<CFileDlg, RunFileDialog> {};
template <> struct QtDialog<CWordLengthDlg> : ModalDialog<WordLengthDialog> {};

}  // namespace

template <class Record>
bool RunDialog(Record& record, QWidget* parent) {
    return QtDialog<Record>::Run(record, parent);
}

#define TAPWRIGHT_INSTANTIATE_RUN_DIALOG(Record) \
    template bool RunDialog<Record>(Record&, QWidget*);
TAPWRIGHT_DIALOG_RECORDS(TAPWRIGHT_INSTANTIATE_RUN_DIALOG)
#undef TAPWRIGHT_INSTANTIATE_RUN_DIALOG

}  // namespace tapwright::gui
