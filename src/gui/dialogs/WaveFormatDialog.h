#pragma once

#include "fileio/WaveFormatDlg.h"
#include "gui/widgets/RecordDialog.h"

class QButtonGroup;

namespace tapwright::gui {

// "Wave File Format": the sample size and the sample frequency of the WAVE files written.
class WaveFormatDialog final : public RecordDialog {
public:
    WaveFormatDialog(CWaveFormatDlg& record, QWidget* parent = nullptr);

private:
    bool StoreFields() override;

    CWaveFormatDlg& record_;
    QButtonGroup* sizes_;
    QButtonGroup* rates_;
};

}  // namespace tapwright::gui
