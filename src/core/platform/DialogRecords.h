#pragma once

// The modal dialog records, listed once. A record is a plain class of the core that holds a
// dialog's fields and its own rules; each user interface shows it in its own way. The
// records live in the folders of the documents and editors that run them, so this list only
// names them: TAPWRIGHT_DIALOG_RECORDS(X) expands X(Record) for each record, and the user
// interface, its Qt implementation and the scripted test fake are all made from it. Adding a
// record is one line here plus the record and its Qt dialog.
#define TAPWRIGHT_DIALOG_RECORDS(X) \
    X(CWindowDlg)                   \
    X(CScaleDlg)                    \
    X(CQuantizeDlg)                 \
    X(CCombFill)                    \
    X(CSineDlg)                     \
    X(CMixDlg)                      \
    X(CSampleRateDlg)               \
    X(CMinDbDlg)                    \
    X(CDataFilesDlg)                \
    X(CWaveFormatDlg)               \
    X(CCOptionsDlg)                 \
    X(CAsmOptionsDlg)               \
    X(CTitlesDlg)                   \
    X(CAxisDlg)                     \
    X(CPlotPropsDlg)                \
    X(CPrefsDlg)                    \
    X(CNewProjectDlg)               \
    X(CDataViewFormatDlg)           \
    X(CFontDlg)                     \
    X(CFileDlg)                     \
    X(CWordLengthDlg)

namespace tapwright {

#define TAPWRIGHT_DECLARE_DIALOG_RECORD(Record) class Record;
TAPWRIGHT_DIALOG_RECORDS(TAPWRIGHT_DECLARE_DIALOG_RECORD)
#undef TAPWRIGHT_DECLARE_DIALOG_RECORD

}  // namespace tapwright
