#include "design/DesignProgress.h"

#include <charconv>

#include "platform/UserInterface.h"

namespace tapwright {

ExchangeProgress StatusLineProgress(const std::string& prefix) {
    return [prefix, text = std::string()](int iteration) mutable {
        char digits[16];
        const auto written = std::to_chars(digits, digits + sizeof digits, iteration);
        text.assign(prefix).append("Doing design iteration number ").append(digits, written.ptr);
        text.append(".");
        Ui().ShowStatus(text);
    };
}

}  // namespace tapwright
