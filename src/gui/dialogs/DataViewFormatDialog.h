#pragma once

#include "editors/DataViewFormatDlg.h"
#include "gui/widgets/RecordDialog.h"

class QButtonGroup;
class QComboBox;
class QPushButton;

namespace tapwright::gui {

// "Data View Format": the channel the coefficient editor shows and the format it shows it in,
// with the options of that format. When the record allows no Cancel (the editor's first
// showing, where a format must be confirmed), neither the Cancel button nor Escape nor the
// window's close button ends the dialog.
class DataViewFormatDialog final : public RecordDialog {
public:
    DataViewFormatDialog(CDataViewFormatDlg& record, QWidget* parent = nullptr);

    void reject() override;

private:
    void OnFormatChanged(int selected);
    bool StoreFields() override;

    CDataViewFormatDlg& record_;
    CDataViewFormatDlg edited_;
    QButtonGroup* channels_;
    QComboBox* formats_;
    QPushButton* options_;
};

}  // namespace tapwright::gui
