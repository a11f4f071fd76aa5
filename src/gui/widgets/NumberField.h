#pragma once

#include <QLineEdit>

#include <cstdint>
#include <optional>

namespace tapwright::gui {

// An edit field for a double of a dialog record. Values show with up to 15 significant
// digits, and are always written and read with a decimal point, whatever the desktop's
// language.
class DoubleField : public QLineEdit {
public:
    static constexpr const char* kNotANumberMessage = "Please enter a number.";

    explicit DoubleField(QWidget* parent = nullptr);

    void SetValue(double value);
    // The finite number the field holds; nothing for other text.
    std::optional<double> Value() const;
};

// An edit field for a 32-bit integer of a dialog record.
class IntegerField : public QLineEdit {
public:
    static constexpr const char* kNotAnIntegerMessage = "Please enter an integer.";

    explicit IntegerField(QWidget* parent = nullptr);

    void SetValue(std::int32_t value);
    std::optional<std::int32_t> Value() const;
};

// Reads a field into a record member on OK. Text that is no number is reported, the field
// gets the focus with its text selected, and the member keeps its value; false then.
bool ReadField(DoubleField& field, double& value);
bool ReadField(IntegerField& field, std::int32_t& value);

}  // namespace tapwright::gui
