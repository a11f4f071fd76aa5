#include "plot/PlotLabels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tapwright {

namespace {

constexpr int kMostIntervals = 100;

constexpr const char* kTooManyLabelsMessage =
    "Label increment results in too many labels.\nTen labels will be made.";

// Repeated additions land a hair beyond the last label; this much past the end still counts.
constexpr double kEndTolerance = 1e-9;

std::string FixedText(double value, int digits) {
    char format[8];
    std::snprintf(format, sizeof format, "%%0.%df", digits);
    const int length = std::snprintf(nullptr, 0, format, value);
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    std::snprintf(text.data(), text.size() + 1, format, value);
    return text;
}

std::string LogText(int exponent) {
    char text[24];
    std::snprintf(text, sizeof text, "1.0E%+d", exponent);
    return text;
}

// How many characters trimming would take off the end of a fixed-point label: trailing zeros
// after the point, then the point itself when no decimal is left. Text without a point has
// none to spare (the zeros of "100" are digits).
std::size_t SpareCharacters(const std::string& text) {
    if (text.find('.') == std::string::npos) {
        return 0;
    }
    std::size_t length = text.size();
    while (length > 1 && text[length - 1] == '0') {
        --length;
    }
    if (length > 1 && text[length - 1] == '.') {
        --length;
    }
    return text.size() - length;
}

// Cuts the same number of trailing characters off every label: as many as the label at the
// axis minimum and every later label can spare, so that all keep the same decimals.
void CutCommonTrailingZeros(std::vector<CPlotLabel>& labels, const std::vector<double>& values,
                            double minimum) {
    std::size_t cut = 0;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const std::size_t spare = SpareCharacters(labels[i].text);
        if (values[i] == minimum) {
            cut = spare;
        } else {
            cut = std::min(cut, spare);
        }
    }
    for (auto& label : labels) {
        label.text.resize(label.text.size() - std::min(cut, label.text.size()));
    }
}

// Whether labels one spacing apart, printed with the decimals, read their exact values and
// so differ from each other.
bool ShowsSpacing(double spacing, int digits) {
    const double steps = spacing * std::pow(10.0, digits);
    return steps >= 1.0 - 1e-9 && std::fabs(steps - std::round(steps)) <= 1e-6 * steps;
}

int FirstLogExponent(double minimum) {
    const double decades = std::log10(minimum);
    return static_cast<int>(decades < 0.0 ? decades - 0.0001 : decades + 0.0001);
}

}  // namespace

AxisLabels BuildLabels(double minimum, double maximum, double& labelSpacing, int& powerOfTen,
                       int decimalDigits, bool log, int unitPower) {
    AxisLabels built;
    if (!(labelSpacing > 0.0) || maximum < minimum || !std::isfinite(minimum) ||
        !std::isfinite(maximum)) {
        return built;
    }
    const int digits = std::clamp(decimalDigits, 0, 9);

    double factor = 0.0;
    if (log) {
        factor = std::pow(10.0, labelSpacing);
        if (maximum <= 0.0) {
            maximum = 1.0;
        }
        if (minimum <= 0.0) {
            minimum = maximum * 0.001;
        }
    }

    const double intervals =
        log ? std::log(maximum / minimum) / std::log(factor) : (maximum - minimum) / labelSpacing;
    // More than 100 whole intervals (also catches a spacing too small to count with).
    if (!(intervals + 0.001 < kMostIntervals + 1)) {
        built.warning = PlotWarning{kTooManyLabelsMessage};
        if (log) {
            // The spacing of a log axis is in decades: ten labels over its decades.
            labelSpacing = std::log10(maximum / minimum) * 0.1;
            factor = std::pow(10.0, labelSpacing);
        } else {
            labelSpacing = (maximum - minimum) * 0.1;
        }
    }

    // A small negative power is left out of the title when the labels can carry it as
    // decimals; labels that would round to the same text keep it.
    const double unitDivisor = std::pow(10.0, unitPower);
    if (powerOfTen >= -3 && powerOfTen <= -1 &&
        (log || ShowsSpacing(labelSpacing / unitDivisor, digits))) {
        powerOfTen = 0;
    }
    const double divisor = unitDivisor * std::pow(10.0, powerOfTen);

    std::vector<CPlotLabel>& labels = built.labels;
    std::vector<double> values;
    const double last =
        log ? maximum * (1.0 + kEndTolerance) : maximum + labelSpacing * kEndTolerance;
    int exponent = log ? FirstLogExponent(minimum) : 0;
    bool snapped = false;
    for (double v = minimum; v <= last;) {
        if (!log && !snapped && std::fabs(v) < labelSpacing * 0.001) {
            v = 0.0;
            snapped = true;
        }
        labels.push_back(
            {log ? LogText(exponent++) : FixedText(v / divisor, digits), static_cast<float>(v)});
        values.push_back(v);
        const double next = log ? v * factor : v + labelSpacing;
        if (!(next > v)) {
            break;  // the spacing is lost in the magnitude of the values
        }
        v = next;
    }
    if (!log) {
        CutCommonTrailingZeros(labels, values, minimum);
    }
    return built;
}

}  // namespace tapwright
