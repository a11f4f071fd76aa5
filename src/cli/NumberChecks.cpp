#include "cli/NumberChecks.h"

#include <cmath>
#include <cstdlib>

namespace tapwright::cli {

std::optional<double> FiniteNumber(const std::string& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

const CLI::Validator& FiniteNumberCheck() {
    static const CLI::Validator check(
        [](const std::string& text) {
            return FiniteNumber(text) ? std::string() : std::string("must be a finite number");
        },
        "NUMBER");
    return check;
}

const CLI::Validator& PositiveNumberCheck() {
    static const CLI::Validator check(
        [](const std::string& text) {
            const auto value = FiniteNumber(text);
            return value && *value > 0.0 ? std::string() : std::string("must be a number above 0");
        },
        "POSITIVE");
    return check;
}

}  // namespace tapwright::cli
