#pragma once

class QWidget;

namespace tapwright {
class CAxisDlg;
class CPlotPropsDlg;
class CTitlesDlg;
}  // namespace tapwright

namespace tapwright::gui {

// Each shows the dialog of its plot record modally over parent and returns true on OK, with
// the record holding what the user confirmed; on Cancel the record is left as it was.
bool RunDialog(CAxisDlg& record, QWidget* parent);
bool RunDialog(CPlotPropsDlg& record, QWidget* parent);
bool RunDialog(CTitlesDlg& record, QWidget* parent);

}  // namespace tapwright::gui
