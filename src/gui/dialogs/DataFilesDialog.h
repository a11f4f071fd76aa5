#pragma once

#include <QGroupBox>

#include "document/DataFilesDlg.h"
#include "gui/widgets/RecordDialog.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace tapwright::gui {

// One file of the "Data Files" dialog: its name with "Browse...", its format with
// "Options...". It works on an entry of the dialog's record; the record's rules decide what
// Browse and Options do and when Options is enabled.
class DataFileGroup final : public QGroupBox {
public:
    DataFileGroup(const char* title, CDataFilesDlg& files, DataFileEntry& entry);

    // Takes the edited name into the entry.
    void StoreTitle();

    // Puts a control on a line of its own below the file's controls.
    void AddLine(QWidget* widget);

private:
    void OnBrowse();
    void OnFormatChanged(int selected);

    CDataFilesDlg& files_;
    DataFileEntry& entry_;
    QLineEdit* title_;
    QComboBox* formats_;
    QPushButton* options_;
    QGridLayout* grid_;
};

// "Data Files", the dialog of Import Coefficients and Export Coefficients: the
// Inphase-or-complex file, the Quadrature file and "Is Complex". The record has been opened
// for the direction before it is shown; what OK does to the paths, and the import or export
// it tries before the dialog may close, are the record's.
class DataFilesDialog final : public RecordDialog {
public:
    // The caption when the record names none.
    static constexpr const char* kTitle = "Data Files";

    DataFilesDialog(CDataFilesDlg& record, QWidget* parent = nullptr);

private:
    bool StoreFields() override;

    CDataFilesDlg& record_;
    CDataFilesDlg edited_;
    DataFileGroup* inphase_;
    DataFileGroup* quadrature_;
    QCheckBox* isComplex_;
};

}  // namespace tapwright::gui
