// CLumenData::Window: a data window applied to the coefficients of the active range.
#include "design/LumenData.h"

#include <algorithm>
#include <cstdint>

#include "math/Windowing.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

// Calls visit(i, index) for each point i of a range of n points starting at index first
// whose sample exists among count samples. In a two-sided spectrum (spectrumPoints N > 0)
// the negative indexes are the negative frequencies, stored at index + N; in time data they
// hold no sample.
template <class Visit>
void ForRangeSamples(std::int64_t first, std::int64_t n, std::int64_t count,
                     std::int64_t spectrumPoints, Visit visit) {
    // Range indexes lowIndex <= first + i < highIndex, read at first + i + shift.
    const auto walk = [&](std::int64_t lowIndex, std::int64_t highIndex, std::int64_t shift) {
        const std::int64_t begin = std::max<std::int64_t>(0, lowIndex - first);
        const std::int64_t end = std::min<std::int64_t>(n, highIndex - first);
        for (std::int64_t i = begin; i < end; ++i) {
            const std::int64_t index = first + i + shift;
            if (index >= 0 && index < count) {
                visit(i, static_cast<std::int32_t>(index));
            }
        }
    };
    walk(-spectrumPoints, 0, spectrumPoints);
    walk(0, count, 0);
}

}  // namespace

bool CLumenData::Window(WindowType type, double alpha, bool inphase, bool quadrature) {
    if (type == WindowType::KaiserBessel && !IsUsableKaiserAlpha(alpha)) {
        Ui().ShowMessage(kKaiserAlphaMessage, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    const std::int64_t n =
        GetNumPoints() > 0 ? static_cast<std::int64_t>(rangeLast_) - rangeFirst_ + 1 : 0;
    const DataWindow window(type, alpha, n);
    CDataColumn& inphaseChannel = Inphase();
    CDataColumn& quadratureChannel = Quadrature();
    const bool windowQuadrature = quadrature && !isReal_;
    const std::int64_t count =
        std::max(inphaseChannel.GetNumPoints(), quadratureChannel.GetNumPoints());

    // The stored range need not match the channels (it comes from files too), so only
    // indexes that hold a sample are touched.
    ForRangeSamples(rangeFirst_, n, count, isTimeData_ ? 0 : numPoints_,
                    [&](std::int64_t i, std::int32_t index) {
                        const double w = window.At(i);
                        if (inphase && index < inphaseChannel.GetNumPoints()) {
                            inphaseChannel.SetAt(index, inphaseChannel.GetAt(index) * w);
                        }
                        if (windowQuadrature && index < quadratureChannel.GetNumPoints()) {
                            quadratureChannel.SetAt(index, quadratureChannel.GetAt(index) * w);
                        }
                    });
    windowType_ = static_cast<std::int32_t>(type);
    return true;
}

}  // namespace tapwright
