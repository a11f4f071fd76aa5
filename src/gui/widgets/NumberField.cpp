#include "gui/widgets/NumberField.h"

#include <cmath>

#include "platform/UserInterface.h"

namespace tapwright::gui {

namespace {

constexpr int kSignificantDigits = 15;

// Puts the user back on the field that holds what could not be read.
void Refuse(QLineEdit& field, const char* message) {
    Ui().ShowMessage(message, MessageButtons::Ok, MessageIcon::Exclamation);
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
}

}  // namespace

DoubleField::DoubleField(QWidget* parent) : QLineEdit(parent) {}

void DoubleField::SetValue(double value) {
    setText(QString::number(value, 'g', kSignificantDigits));
}

std::optional<double> DoubleField::Value() const {
    bool ok = false;
    const double value = text().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

IntegerField::IntegerField(QWidget* parent) : QLineEdit(parent) {}

void IntegerField::SetValue(std::int32_t value) {
    setText(QString::number(value));
}

std::optional<std::int32_t> IntegerField::Value() const {
    bool ok = false;
    const int value = text().trimmed().toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

bool ReadField(DoubleField& field, double& value) {
    const std::optional<double> read = field.Value();
    if (!read) {
        Refuse(field, DoubleField::kNotANumberMessage);
        return false;
    }
    value = *read;
    return true;
}

bool ReadField(IntegerField& field, std::int32_t& value) {
    const std::optional<std::int32_t> read = field.Value();
    if (!read) {
        Refuse(field, IntegerField::kNotAnIntegerMessage);
        return false;
    }
    value = *read;
    return true;
}

}  // namespace tapwright::gui
