#pragma once

#include <QString>
#include <QStringList>

#include "platform/FileDlg.h"

class QFileDialog;
class QWidget;

namespace tapwright::gui {

// The name filter the file dialog shows for one entry of the record's type list. Patterns
// are written as on desktops where "*.*" means every file; here a name need not have a dot,
// so "*.*" becomes "*", and a pattern list "*.a;*.b" becomes "*.a *.b". The pattern the
// description already names in parentheses is not repeated.
QString NameFilterFor(const FileFilter& filter);

// Sets up the dialog from the record: mode, title, type list and the type shown first,
// directory, proposed name, default extension, overwrite question and whether the file
// must exist.
void ApplyFileDlg(const CFileDlg& record, QFileDialog& dialog);

// After OK: the chosen path and the type in use.
void ReadFileDlg(const QFileDialog& dialog, CFileDlg& record);

// Shows the dialog modally; true when the user chose a file.
bool RunFileDialog(CFileDlg& record, QWidget* parent);

}  // namespace tapwright::gui
