#include "gui/plot/PlotDialogs.h"

#include "gui/plot/AxisDialog.h"
#include "gui/plot/PlotPropsDialog.h"
#include "gui/plot/TitlesDialog.h"

namespace tapwright::gui {

namespace {

template <class Dialog, class Record>
bool Show(Record& record, QWidget* parent) {
    Dialog dialog(record, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

bool RunDialog(CAxisDlg& record, QWidget* parent) {
    return Show<AxisDialog>(record, parent);
}

bool RunDialog(CPlotPropsDlg& record, QWidget* parent) {
    return Show<PlotPropsDialog>(record, parent);
}

bool RunDialog(CTitlesDlg& record, QWidget* parent) {
    return Show<TitlesDialog>(record, parent);
}

}  // namespace tapwright::gui
