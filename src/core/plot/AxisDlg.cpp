#include "plot/AxisDlg.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "numtext/NumString.h"
#include "platform/UserInterface.h"
#include "plot/AxisPlot.h"

namespace tapwright {

namespace {

std::string DoubleText(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The text without the blanks around it, which an edit may hold.
std::string Trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) {
        ++first;
    }
    while (last > first && IsBlank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

}  // namespace

CAxisDlg::CAxisDlg(const CAxis& axis, std::string caption)
    : minimum(axis.minimum),
      maximum(axis.maximum),
      ticSpacing(axis.ticSpacing),
      labelSpacing(axis.labelSpacing),
      automatic(axis.automatic),
      powerOfTen(axis.powerOfTen),
      decimalDigits(axis.decimalDigits),
      automaticPower(!axis.manualPower),
      gridChoice(static_cast<int>(axis.gridMode)),
      log(axis.log),
      dataMinimum(axis.dataMinimum),
      dataMaximum(axis.dataMaximum),
      caption_(std::move(caption)) {}

AxisDlgTexts CAxisDlg::ControlTexts() const {
    return {DoubleText(minimum),      DoubleText(maximum),        DoubleText(ticSpacing),
            DoubleText(labelSpacing), std::to_string(powerOfTen), std::to_string(decimalDigits)};
}

std::optional<double> CAxisDlg::ReadNumber(const std::string& text) {
    const std::string number = Trimmed(text);
    if (number.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> CAxisDlg::ReadInteger(const std::string& text) {
    const std::string number = Trimmed(text);
    if (number.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(number.c_str(), &end, 10);
    if (end != number.c_str() + number.size() || errno == ERANGE ||
        value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

bool CAxisDlg::ReadControls(const AxisDlgTexts& texts) {
    const auto number = [](const std::string& text) {
        const std::optional<double> value = ReadNumber(text);
        if (!value) {
            Ui().ShowMessage(kNumberMessage, MessageButtons::Ok, MessageIcon::Exclamation);
        }
        return value;
    };
    const auto integer = [](const std::string& text) {
        const std::optional<int> value = ReadInteger(text);
        if (!value) {
            Ui().ShowMessage(kIntegerMessage, MessageButtons::Ok, MessageIcon::Exclamation);
        }
        return value;
    };
    // In the order of the controls, stopping at the first bad one as the dialog does.
    const std::optional<double> min = number(texts.minimum);
    if (!min) {
        return false;
    }
    const std::optional<double> max = number(texts.maximum);
    if (!max) {
        return false;
    }
    const std::optional<double> tic = number(texts.ticSpacing);
    if (!tic) {
        return false;
    }
    const std::optional<double> label = number(texts.labelSpacing);
    if (!label) {
        return false;
    }
    const std::optional<int> power = integer(texts.powerOfTen);
    if (!power) {
        return false;
    }
    const std::optional<int> digits = integer(texts.decimalDigits);
    if (!digits) {
        return false;
    }
    minimum = *min;
    maximum = *max;
    ticSpacing = *tic;
    labelSpacing = *label;
    powerOfTen = *power;
    decimalDigits = *digits;
    return true;
}

void CAxisDlg::OnAutoscaleOnce() {
    CAxis scaled;
    scaled.Autoscale(dataMinimum, dataMaximum, log);
    minimum = scaled.minimum;
    maximum = scaled.maximum;
    labelSpacing = scaled.labelSpacing;
    ticSpacing = scaled.ticSpacing;
}

void CAxisDlg::OnAutomaticClicked(bool checked) {
    automatic = checked;
    if (automatic) {
        OnAutoscaleOnce();
    }
}

void CAxisDlg::OnLogModeClicked(bool checked) {
    log = checked;
    if (automatic) {
        OnAutoscaleOnce();
    }
}

void CAxisDlg::OnOK() {
    if (!log) {
        const double range = maximum - minimum;
        // A spacing of 0 divides to infinity and so counts as too small.
        if (range / labelSpacing > kMostIntervals) {
            Ui().ShowMessage(caption_ +
                             ": Specified Label Spacing will result in too many labels.\nTen "
                             "labels will be used.");
            labelSpacing = range * 0.1;
        }
        if (range / ticSpacing > kMostIntervals) {
            Ui().ShowMessage(caption_ +
                             ": Specified Tic Spacing will result in too many tics.\nFive tics "
                             "per label will be used.");
            ticSpacing = labelSpacing * 0.2;
        }
    }
    if (automaticPower) {
        powerOfTen = EngineeringExponent(log ? minimum : labelSpacing);
    }
}

void CAxisDlg::StoreInto(CAxis& axis) const {
    axis.minimum = minimum;
    axis.maximum = maximum;
    axis.ticSpacing = ticSpacing;
    axis.labelSpacing = labelSpacing;
    axis.log = log;
    axis.automatic = automatic;
    axis.decimalDigits = decimalDigits;
    axis.powerOfTen = powerOfTen;
    if (gridChoice >= 0 && gridChoice <= 3) {
        axis.gridMode = static_cast<GridMode>(gridChoice);
    }
    axis.manualPower = !automaticPower;
}

bool EditPlotAxis(CAxisPlot& plot, AxisId axis) {
    CAxis& record = axis == AxisId::X ? plot.XAxis() : plot.YAxis();
    CAxisDlg dialog(record, axis == AxisId::X ? "X-Axis" : "Y-Axis");
    if (!Ui().Run(dialog)) {
        return false;
    }
    dialog.OnOK();
    dialog.StoreInto(record);
    plot.OnAxisEdited(axis);
    return true;
}

}  // namespace tapwright
