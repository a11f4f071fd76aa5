#include "gui/editors/SpecificationForm.h"

#include <QPushButton>

#include "gui/platform/CoreText.h"

namespace tapwright::gui {

SpecificationForm::SpecificationForm(CFirView& view, QWidget* parent)
    : QWidget(parent), view_(view), fsButton_(new QPushButton("FS", this)) {
    fsButton_->setObjectName("fsButton");
    // The sampling frequency is not read from the form, so the dialog may open whatever
    // the fields hold.
    connect(fsButton_, &QPushButton::clicked, this, [this] { view_.OnSamplingFrequency(); });
}

void SpecificationForm::Bind() {
    view_.AttachForm(this);
    ShowFsCaption();
}

QPushButton* SpecificationForm::AddClickButton(const QString& text, std::function<void()> click) {
    auto* button = new QPushButton(text, this);
    connect(button, &QPushButton::clicked, this, [this, click] { Forward(click); });
    clickButtons_.push_back(button);
    return button;
}

bool SpecificationForm::Forward(const std::function<void()>& click) {
    if (!checks_.AllReadable()) {
        return false;
    }
    click();
    return true;
}

void SpecificationForm::SetTabOrder(std::vector<QWidget*> widgets) const {
    widgets.insert(widgets.end(), clickButtons_.begin(), clickButtons_.end());
    for (std::size_t i = 1; i < widgets.size(); ++i) {
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
    }
}

void SpecificationForm::ShowFsCaption() {
    if (!view_.FsCaption().empty()) {
        fsButton_->setText(ToQString(view_.FsCaption()));
    }
}

}  // namespace tapwright::gui
