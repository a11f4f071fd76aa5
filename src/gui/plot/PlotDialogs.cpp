#include "gui/plot/PlotDialogs.h"

#include "gui/dialogs/DialogParts.h"
#include "gui/plot/AxisDialog.h"
#include "gui/plot/PlotPropsDialog.h"
#include "gui/plot/TitlesDialog.h"

namespace tapwright::gui {

bool RunDialog(CAxisDlg& record, QWidget* parent) {
    return ShowModal<AxisDialog>(record, parent);
}

bool RunDialog(CPlotPropsDlg& record, QWidget* parent) {
    return ShowModal<PlotPropsDialog>(record, parent);
}

bool RunDialog(CTitlesDlg& record, QWidget* parent) {
    return ShowModal<TitlesDialog>(record, parent);
}

}  // namespace tapwright::gui
