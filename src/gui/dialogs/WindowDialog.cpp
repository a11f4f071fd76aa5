#include "gui/dialogs/WindowDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/dialogs/DialogParts.h"

namespace tapwright::gui {

WindowDialog::WindowDialog(CWindowDlg& record, QWidget* parent)
    : RecordDialog(CWindowDlg::kTitle, parent),
      record_(record),
      edited_(record),
      types_(new QButtonGroup(this)),
      alpha_(new FloatField) {
    alpha_->setObjectName("alpha");
    auto* group = new QGroupBox(CWindowDlg::kPrompt);
    auto* grid = new QGridLayout(group);
    for (int type = 0; type < kNumWindowTypes; ++type) {
        grid->addWidget(AddRadioButton(*types_, CWindowDlg::kTypeCaptions[type], type), type, 0);
    }
    grid->addWidget(alpha_, kNumWindowTypes - 1, 1);

    auto* content = new QVBoxLayout;
    content->addWidget(group);
    SetContent(WithRoomForTitle(*this, content));

    CheckButton(*types_, static_cast<int>(edited_.type));
    alpha_->SetValue(edited_.alpha);
    connect(types_, &QButtonGroup::idClicked,
            [this](int type) { edited_.type = static_cast<WindowType>(type); });
    CallOnFocus(*alpha_, [this] { OnAlphaFocus(); });
    FocusCheckedButton(*types_);
}

void WindowDialog::OnAlphaFocus() {
    edited_.OnAlphaFocus();
    CheckButton(*types_, static_cast<int>(edited_.type));
}

bool WindowDialog::StoreFields() {
    if (!ReadField(*alpha_, edited_.alpha) || !edited_.OnOK()) {
        return false;
    }
    record_ = edited_;
    return true;
}

}  // namespace tapwright::gui
