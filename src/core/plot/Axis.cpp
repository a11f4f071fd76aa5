#include "plot/Axis.h"

#include <algorithm>
#include <cmath>

#include "numtext/NumString.h"

namespace tapwright {

namespace {

// Round steps: 1, 2, 2.5, 4 or 5 times a power of ten, the smallest not below the mantissa.
double NiceMantissa(double mantissa) {
    if (mantissa <= 1.00001) {
        return 1.0;
    }
    if (mantissa <= 2.0) {
        return 2.0;
    }
    if (mantissa <= 2.5) {
        return 2.5;
    }
    if (mantissa <= 4.0) {
        return 4.0;
    }
    if (mantissa <= 5.0) {
        return 5.0;
    }
    return 10.0;
}

struct LinearScale {
    double minimum;
    double maximum;
    double step;
};

LinearScale ScaleWithIntervals(double dataMin, double dataMax, int intervals) {
    const double roughStep = (dataMax - dataMin) / intervals;
    const double exponent = std::floor(std::log10(roughStep));
    const double decade = std::pow(10.0, exponent);
    const double step = NiceMantissa(roughStep / decade) * decade;

    double minimum = 0.0;
    if (dataMin != 0.0) {
        const double k = std::trunc(dataMin / step + 0.001);
        minimum = k * step;
        if (minimum > dataMin) {
            minimum = (k - 1.0) * step;
        }
    }
    return {minimum, minimum + intervals * step, step};
}

bool Covers(const LinearScale& scale, double dataMin, double dataMax) {
    return scale.minimum <= dataMin + 0.01 * scale.step &&
           scale.maximum >= dataMax - 0.01 * scale.step;
}

}  // namespace

void CAxis::SetDataRange(double newMinimum, double newMaximum) {
    if (newMinimum == newMaximum) {
        if (newMaximum > 0.0) {
            newMinimum = 0.0;
            newMaximum *= 2.0;
        } else {
            newMinimum *= 2.0;
            newMaximum = 0.0;
        }
    }
    const bool outside = newMaximum < dataMinimum || newMinimum > dataMaximum;
    if (!automatic && !outside) {
        return;
    }
    dataMinimum = newMinimum;
    dataMaximum = newMaximum;
    Autoscale(dataMinimum, dataMaximum, log);
    if (!manualPower) {
        powerOfTen = EngineeringExponent(log ? minimum : labelSpacing);
    }
}

void CAxis::Autoscale(double dataMin, double dataMax, bool logAxis) {
    if (dataMin == 0.0 && dataMax == 0.0) {
        dataMin = -0.5;
        dataMax = 0.5;
    } else {
        const double big = std::max(std::fabs(dataMin), std::fabs(dataMax));
        if ((dataMax - dataMin) / big < 1e-6) {
            if (dataMax > 0.0) {
                dataMin = 0.0;
            } else {
                dataMax = 0.0;
            }
        }
    }

    if (logAxis) {
        if (dataMax <= 0.0) {
            dataMax = 1.0;
        }
        const double top = PowerOfTenFloor(dataMax);
        maximum = dataMax <= 1.001 * top ? top : 10.0 * top;
        minimum =
            dataMin <= 0.0 ? maximum * 0.001 : std::min(PowerOfTenFloor(dataMin), maximum / 10.0);
        labelSpacing = 1.0;
        ticSpacing = 0.1;
        return;
    }

    // Ten intervals, or nine when ten round steps miss the data; nine stands either way.
    int intervals = 10;
    LinearScale scale = ScaleWithIntervals(dataMin, dataMax, intervals);
    if (!Covers(scale, dataMin, dataMax)) {
        intervals = 9;
        scale = ScaleWithIntervals(dataMin, dataMax, intervals);
    }
    // Drop whole empty intervals at the top; there are fewer than `intervals` of them.
    for (int i = 0; i < intervals && scale.maximum - scale.step >= dataMax; ++i) {
        scale.maximum -= scale.step;
    }
    minimum = scale.minimum;
    maximum = scale.maximum;
    labelSpacing = scale.step;
    ticSpacing = scale.step;
}

}  // namespace tapwright
