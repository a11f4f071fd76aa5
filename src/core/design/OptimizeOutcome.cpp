#include "design/OptimizeOutcome.h"

#include "numtext/NumString.h"

namespace tapwright {

namespace {

// A margin above this on a filter longer than kFewTaps suggests that fewer taps would do.
constexpr double kGenerousMarginDb = 1.0;
constexpr std::int32_t kFewTaps = 10;

}  // namespace

OptimizeOutcome DescribeOptimizeOutcome(double designMargin, std::int32_t numTaps) {
    if (!(designMargin >= 0.0)) {
        return {"Optimization failed to converge.", MessageIcon::Stop};
    }
    const std::string margin = CNumString(designMargin, 3, Notation::Fixed).Text();
    if (designMargin > kGenerousMarginDb && numTaps > kFewTaps) {
        return {"Optimization converged, but design may not be optimum.\nDesign margin is " +
                    margin + " dB.",
                MessageIcon::Information};
    }
    return {"Optimization succeeded using " + CNumString(numTaps, 10, 0).Text() +
                " taps.\nDesign margin is " + margin + " dB.",
            MessageIcon::Information};
}

}  // namespace tapwright
