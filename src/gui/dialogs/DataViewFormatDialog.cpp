#include "gui/dialogs/DataViewFormatDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

#include "gui/dialogs/DialogParts.h"
#include "gui/platform/CoreText.h"

namespace tapwright::gui {

namespace {

// Captions in the order of the channel numbers.
constexpr std::array<const char*, 3> kChannelCaptions = {"Inphase", "Quadrature", "Complex"};

}  // namespace

DataViewFormatDialog::DataViewFormatDialog(CDataViewFormatDlg& record, QWidget* parent)
    : RecordDialog(CDataViewFormatDlg::kTitle, parent),
      record_(record),
      edited_(record),
      channels_(new QButtonGroup(this)),
      formats_(new QComboBox),
      options_(new QPushButton("Options...")) {
    formats_->setObjectName("format");
    auto* channelGroup = new QGroupBox(CDataViewFormatDlg::kChannelGroup);
    auto* channelColumn = new QVBoxLayout(channelGroup);
    for (std::size_t channel = 0; channel < kChannelCaptions.size(); ++channel) {
        channelColumn->addWidget(
            AddRadioButton(*channels_, kChannelCaptions[channel], static_cast<int>(channel)));
    }
    auto* formatGroup = new QGroupBox(CDataViewFormatDlg::kFormatGroup);
    auto* formatRow = new QHBoxLayout(formatGroup);
    formatRow->addWidget(formats_, 1);
    formatRow->addWidget(options_);

    auto* content = new QVBoxLayout;
    content->addWidget(channelGroup);
    content->addWidget(formatGroup);
    SetContent(WithRoomForTitle(*this, content));

    for (const std::string& name : edited_.formats.names) {
        formats_->addItem(ToQString(name));
    }
    formats_->setCurrentIndex(edited_.formats.selected);
    options_->setEnabled(edited_.IsOptionsEnabled());
    CheckButton(*channels_, DataViewChannelIndex(edited_.channel));
    findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->setEnabled(
        edited_.cancelAllowed);

    connect(channels_, &QButtonGroup::idClicked,
            [this](int channel) { edited_.channel = DataViewChannelAt(channel); });
    connect(formats_, &QComboBox::currentIndexChanged,
            [this](int selected) { OnFormatChanged(selected); });
    connect(options_, &QPushButton::clicked, [this] { edited_.OnOptions(); });
    FocusCheckedButton(*channels_);
}

void DataViewFormatDialog::reject() {
    if (edited_.cancelAllowed) {
        RecordDialog::reject();
    }
}

void DataViewFormatDialog::OnFormatChanged(int selected) {
    edited_.OnFormatChanged(selected);
    options_->setEnabled(edited_.IsOptionsEnabled());
}

bool DataViewFormatDialog::StoreFields() {
    record_ = edited_;
    return true;
}

}  // namespace tapwright::gui
