#pragma once

#include "document/SampleRateDlg.h"
#include "gui/widgets/RecordDialog.h"

class QListWidget;

namespace tapwright::gui {

class DoubleField;

// "Set Sampling Frequency": the frequency and the row of units it is given in.
class SampleRateDialog final : public RecordDialog {
public:
    SampleRateDialog(CSampleRateDlg& record, QWidget* parent = nullptr);

private:
    bool StoreFields() override;

    CSampleRateDlg& record_;
    DoubleField* frequency_;
    QListWidget* units_;
};

}  // namespace tapwright::gui
