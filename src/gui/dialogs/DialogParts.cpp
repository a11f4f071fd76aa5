#include "gui/dialogs/DialogParts.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

#include "gui/platform/CoreText.h"
#include "gui/widgets/NumberField.h"
#include "platform/UserInterface.h"

namespace tapwright::gui {

namespace {

// Nine significant digits tell every float apart; fewer suffice for most values.
constexpr int kFewestDigits = 6;
constexpr int kMostDigits = 9;

// Room in a title bar beside the title: the window's icon and its buttons.
constexpr int kTitleBarButtonsWidth = 120;

class FocusHook final : public QObject {
public:
    FocusHook(QWidget& widget, std::function<void()> action)
        : QObject(&widget), action_(std::move(action)) {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            action_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

}  // namespace

FloatField::FloatField(QWidget* parent) : QLineEdit(parent) {}

void FloatField::SetValue(float value) {
    QString text;
    for (int digits = kFewestDigits; digits <= kMostDigits; ++digits) {
        text = QString::number(static_cast<double>(value), 'g', digits);
        if (static_cast<float>(text.toDouble()) == value) {
            break;
        }
    }
    setText(text);
}

std::optional<float> FloatField::Value() const {
    bool ok = false;
    const float value = static_cast<float>(text().trimmed().toDouble(&ok));
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool ReadField(FloatField& field, float& value) {
    const std::optional<float> read = field.Value();
    if (!read) {
        Ui().ShowMessage(DoubleField::kNotANumberMessage, MessageButtons::Ok,
                         MessageIcon::Exclamation);
        field.setFocus(Qt::OtherFocusReason);
        field.selectAll();
        return false;
    }
    value = *read;
    return true;
}

std::string EditedText(const QLineEdit& edit, const std::string& original) {
    const QString text = edit.text();
    return text == ToQString(original) ? original : ToCoreString(text);
}

QLabel* UnitLabel(const std::string& unit) {
    auto* label = new QLabel(ToQString(unit));
    label->setObjectName("unit");
    return label;
}

void CallOnFocus(QWidget& widget, std::function<void()> action) {
    new FocusHook(widget, std::move(action));
}

QLayout* WithRoomForTitle(const QDialog& dialog, QLayout* content) {
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(content);
    // Title bars often use a bold face; measure the title in one.
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    column->addStrut(QFontMetrics(titleFont).horizontalAdvance(dialog.windowTitle()) +
                     kTitleBarButtonsWidth);
    return column;
}

QRadioButton* AddRadioButton(QButtonGroup& group, const char* caption, int id) {
    auto* button = new QRadioButton(caption);
    group.addButton(button, id);
    return button;
}

void CheckButton(QButtonGroup& group, int id) {
    if (QAbstractButton* button = group.button(id)) {
        button->setChecked(true);
    }
}

void FocusCheckedButton(QButtonGroup& group) {
    if (QAbstractButton* button = group.checkedButton()) {
        button->setFocus();
    }
}

}  // namespace tapwright::gui
