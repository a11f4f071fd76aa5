#pragma once

class QWidget;

namespace tapwright {

class CWindowDlg;
class CScaleDlg;
class CQuantizeDlg;
class CCombFill;
class CSineDlg;
class CMixDlg;
class CSampleRateDlg;
class CMinDbDlg;
class CDataFilesDlg;
class CWaveFormatDlg;
class CCOptionsDlg;
class CAsmOptionsDlg;
class CNewProjectDlg;
class CDataViewFormatDlg;
class CWordLengthDlg;

}  // namespace tapwright

namespace tapwright::gui {

// Each shows the dialog of its record modally over parent and returns true on OK, with the
// record holding what the user confirmed; on Cancel the record is left as it was.
bool RunDialog(CWindowDlg& record, QWidget* parent);
bool RunDialog(CScaleDlg& record, QWidget* parent);
bool RunDialog(CQuantizeDlg& record, QWidget* parent);
bool RunDialog(CCombFill& record, QWidget* parent);
bool RunDialog(CSineDlg& record, QWidget* parent);
bool RunDialog(CMixDlg& record, QWidget* parent);
bool RunDialog(CSampleRateDlg& record, QWidget* parent);
bool RunDialog(CMinDbDlg& record, QWidget* parent);
bool RunDialog(CDataFilesDlg& record, QWidget* parent);
bool RunDialog(CWaveFormatDlg& record, QWidget* parent);
bool RunDialog(CCOptionsDlg& record, QWidget* parent);
bool RunDialog(CAsmOptionsDlg& record, QWidget* parent);
bool RunDialog(CNewProjectDlg& record, QWidget* parent);
bool RunDialog(CDataViewFormatDlg& record, QWidget* parent);
bool RunDialog(CWordLengthDlg& record, QWidget* parent);

}  // namespace tapwright::gui
