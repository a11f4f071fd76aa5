#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "gui/dialogs/DialogParts.h"
#include "gui/widgets/NumberField.h"

namespace tapwright::gui {

// Reads a number field of a form into its editor field. Text that is no number leaves the
// editor field as it was and shows its value again, so the form always shows what the
// editor works with.
template <class Field, class Value>
void ReadInto(Field& field, Value& value) {
    if (const auto read = field.Value()) {
        value = *read;
    } else {
        field.SetValue(value);
    }
}

// The number fields of a form, checked before a click hands the form to its editor: a
// field the user left holding no number is refused with a message and gets the focus, and
// the click does nothing, rather than going on with the value the field held before.
class NumberFieldChecks {
public:
    template <class Field>
    void Add(Field& field) {
        checks_.push_back([&field] {
            typename decltype(field.Value())::value_type value{};
            return ReadField(field, value);
        });
    }

    // True when every field holds a number; otherwise the first that does not is refused.
    bool AllReadable() const {
        for (const auto& check : checks_) {
            if (!check()) {
                return false;
            }
        }
        return true;
    }

private:
    std::vector<std::function<bool()>> checks_;
};

}  // namespace tapwright::gui
