#include "gui/dialogs/DataFilesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialogs/DialogParts.h"
#include "gui/platform/CoreText.h"

namespace tapwright::gui {

namespace {

// Wide enough for a file name of some length and for the longest format name.
constexpr int kTitleWidth = 260;

}  // namespace

DataFileGroup::DataFileGroup(const char* title, CDataFilesDlg& files, DataFileEntry& entry)
    : QGroupBox(title),
      files_(files),
      entry_(entry),
      title_(new QLineEdit(ToQString(entry.title))),
      formats_(new QComboBox),
      options_(new QPushButton("Options...")),
      grid_(new QGridLayout(this)) {
    title_->setObjectName("title");
    title_->setMinimumWidth(kTitleWidth);
    formats_->setObjectName("format");
    for (const std::string& name : entry_.formats.names) {
        formats_->addItem(ToQString(name));
    }
    formats_->setCurrentIndex(entry_.formats.selected);
    auto* browse = new QPushButton("Browse...");

    grid_->addWidget(title_, 0, 0);
    grid_->addWidget(browse, 0, 1);
    grid_->addWidget(formats_, 1, 0);
    grid_->addWidget(options_, 1, 1);

    options_->setEnabled(CDataFilesDlg::IsOptionsEnabled(entry_));
    connect(browse, &QPushButton::clicked, [this] { OnBrowse(); });
    connect(formats_, &QComboBox::currentIndexChanged,
            [this](int selected) { OnFormatChanged(selected); });
    connect(options_, &QPushButton::clicked, [this] { CDataFilesDlg::OnOptions(entry_); });
}

void DataFileGroup::StoreTitle() {
    entry_.title = EditedText(*title_, entry_.title);
}

void DataFileGroup::AddLine(QWidget* widget) {
    grid_->addWidget(widget, grid_->rowCount(), 0, 1, 2);
}

void DataFileGroup::OnBrowse() {
    // The file dialog proposes the name as it stands in the edit.
    StoreTitle();
    files_.OnBrowse(entry_);
    title_->setText(ToQString(entry_.title));
}

void DataFileGroup::OnFormatChanged(int selected) {
    CDataFilesDlg::OnFormatChanged(entry_, selected);
    options_->setEnabled(CDataFilesDlg::IsOptionsEnabled(entry_));
}

DataFilesDialog::DataFilesDialog(CDataFilesDlg& record, QWidget* parent)
    : RecordDialog(record.caption.empty() ? QString(kTitle) : ToQString(record.caption), parent),
      record_(record),
      edited_(record),
      inphase_(new DataFileGroup(CDataFilesDlg::kInphaseGroup, edited_, edited_.inphase)),
      quadrature_(new DataFileGroup(CDataFilesDlg::kQuadratureGroup, edited_, edited_.quadrature)),
      isComplex_(new QCheckBox(CDataFilesDlg::kIsComplexCaption)) {
    inphase_->setObjectName("inphase");
    quadrature_->setObjectName("quadrature");
    isComplex_->setChecked(edited_.isComplex);
    isComplex_->setEnabled(edited_.IsComplexEnabled());
    inphase_->AddLine(isComplex_);

    auto* content = new QVBoxLayout;
    content->addWidget(inphase_);
    content->addWidget(quadrature_);
    SetContent(WithRoomForTitle(*this, content));
}

bool DataFilesDialog::StoreFields() {
    inphase_->StoreTitle();
    quadrature_->StoreTitle();
    edited_.isComplex = isComplex_->isChecked();
    // The import or export runs here, so that after an error the dialog is still open with
    // the entries as typed.
    if (!edited_.Attempt()) {
        return false;
    }
    record_ = edited_;
    return true;
}

}  // namespace tapwright::gui
