#pragma once

#include "platform/DialogRecords.h"

class QWidget;

namespace tapwright::gui {

// Shows the Qt dialog of a dialog record modally over parent and returns true on OK, with the
// record holding what the user confirmed; on Cancel the record is left as it was. Defined for
// every record of TAPWRIGHT_DIALOG_RECORDS.
template <class Record>
bool RunDialog(Record& record, QWidget* parent);

}  // namespace tapwright::gui
