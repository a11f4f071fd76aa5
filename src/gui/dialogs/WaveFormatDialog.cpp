#include "gui/dialogs/WaveFormatDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <vector>

#include "gui/dialogs/DialogParts.h"

namespace tapwright::gui {

namespace {

// Captions in the order of the record's indexes.
constexpr std::array<const char*, 2> kSizeCaptions = {"8", "16"};

QGroupBox* MakeChoiceGroup(const char* title, const std::vector<WaveRateChoice>& choices,
                           QButtonGroup& buttons) {
    auto* group = new QGroupBox(title);
    auto* column = new QVBoxLayout(group);
    for (const WaveRateChoice& choice : choices) {
        column->addWidget(AddRadioButton(buttons, choice.caption.c_str(), choice.index));
    }
    column->addStretch();
    return group;
}

std::vector<WaveRateChoice> SizeChoices() {
    std::vector<WaveRateChoice> choices;
    for (std::size_t index = 0; index < kSizeCaptions.size(); ++index) {
        choices.push_back({static_cast<std::int32_t>(index), kSizeCaptions[index]});
    }
    return choices;
}

}  // namespace

WaveFormatDialog::WaveFormatDialog(CWaveFormatDlg& record, QWidget* parent)
    : RecordDialog(CWaveFormatDlg::kCaption, parent),
      record_(record),
      sizes_(new QButtonGroup(this)),
      rates_(new QButtonGroup(this)) {
    auto* content = new QHBoxLayout;
    content->addWidget(MakeChoiceGroup("Data Size", SizeChoices(), *sizes_));
    content->addWidget(
        MakeChoiceGroup("WAVE Sample Frequency (kHz)", record_.RateChoices(), *rates_));
    SetContent(WithRoomForTitle(*this, content));
    CheckButton(*sizes_, record_.sizeIndex);
    CheckButton(*rates_, record_.rateIndex);
    FocusCheckedButton(*sizes_);
}

bool WaveFormatDialog::StoreFields() {
    // A group left without a checked button (an index a file brought in that has no button)
    // keeps its index.
    if (sizes_->checkedId() >= 0) {
        record_.sizeIndex = sizes_->checkedId();
    }
    if (rates_->checkedId() >= 0) {
        record_.rateIndex = rates_->checkedId();
    }
    return true;
}

}  // namespace tapwright::gui
