#include "design/LumenData.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "math/Constants.h"
#include "numtext/NumString.h"
#include "platform/Archive.h"

namespace tapwright {

namespace {

constexpr std::int32_t kNumChannels = 2;

// x rounded to the nearest integer, halves away from zero, held within 32 bits; a value that
// is not a number (an axis step of 0) gives 0.
std::int64_t RoundToIndex(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    const double limit = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int64_t>(std::round(std::clamp(x, -limit, limit)));
}

}  // namespace

CLumenData::CLumenData() {
    Reset();
}

CDataColumn& CLumenData::Channel(std::int32_t index) {
    while (GetNumColumns() < kNumChannels) {
        AddColumn();
    }
    return GetColumn(index);
}

const CDataColumn& CLumenData::Channel(std::int32_t index) const {
    static const CDataColumn kMissingChannel;
    return index < GetNumColumns() ? GetColumn(index) : kMissingChannel;
}

void CLumenData::Reset() {
    RemoveAll();
    for (std::int32_t i = 0; i < kNumChannels; ++i) {
        AddColumn();
    }
    windowType_ = -1;
    isReal_ = true;
    rangeFirst_ = 0;
    rangeLast_ = 0;
}

void CLumenData::SetFrequencyUnits(const CFreqUnits& units) {
    frequencyUnits_ = units;
    sampleRate_ = units.GetSampleRate();
    nyquist_ = sampleRate_ * 0.5;
    if (isTimeData_) {
        step_ = 1.0 / sampleRate_;
    } else {
        step_ = numPoints_ > 0 ? sampleRate_ / numPoints_ : 0.0;
    }
}

void CLumenData::UpdateRange() {
    const std::int32_t n = Inphase().GetNumPoints();
    numPoints_ = n;
    halfPoints_ = n / 2;
    if (isTimeData_) {
        rangeFirst_ = 0;
        rangeLast_ = n - 1;
    } else {
        rangeLast_ = n / 2 - 1;
        rangeFirst_ = isReal_ ? 0 : -(n / 2);
    }
    rangeLast_ = std::max(rangeLast_, 0);
}

bool CLumenData::EqualizeChannels(double fill) {
    CDataColumn& inphase = Inphase();
    CDataColumn& quadrature = Quadrature();
    isReal_ = quadrature.GetNumPoints() == 0;
    while (inphase.GetNumPoints() < quadrature.GetNumPoints()) {
        inphase.Add(fill);
    }
    while (quadrature.GetNumPoints() < inphase.GetNumPoints()) {
        quadrature.Add(fill);
    }
    UpdateRange();
    return isReal_;
}

double CLumenData::IndexToAxis(std::int32_t index) const {
    if (!isTimeData_ && rangeFirst_ < 0 && index > halfPoints_) {
        return (static_cast<double>(index) - numPoints_) * step_;
    }
    return index * step_;
}

std::int32_t CLumenData::AxisToIndex(double x) const {
    const double lowest = isTimeData_ ? 0.0 : -halfPoints_ * step_;
    const double highest = isTimeData_ ? (numPoints_ - 1.0) * step_ : (halfPoints_ - 1.0) * step_;
    x = std::max(std::min(x, highest), lowest);
    std::int64_t index = RoundToIndex(x / step_);
    if (!isTimeData_ && index > halfPoints_) {
        index -= numPoints_;
    }
    return static_cast<std::int32_t>(std::min<std::int64_t>(index, numPoints_ - 1));
}

bool CLumenData::SetRange(std::int32_t first, std::int32_t last, bool strict, bool forbidNegative) {
    const std::int32_t n = numPoints_;
    if (first < 0 && (isReal_ || forbidNegative)) {
        return false;
    }
    if (last < 0) {
        if (isReal_) {
            return false;
        }
        last += n;
    }
    if (last < first) {
        if (strict) {
            return false;
        }
        first = 0;
    }
    if (last >= n) {
        if (strict) {
            return false;
        }
        last = n - 1;
    }
    if (minRangePoints_ < n) {
        if (static_cast<std::int64_t>(last) - first <= minRangePoints_) {
            return false;
        }
    } else {
        first = 0;
        last = n - 1;
    }
    rangeFirst_ = first;
    rangeLast_ = last;
    return true;
}

bool CLumenData::SetRangeAxis(double x1, double x2, bool strict, bool forbidNegative) {
    return SetRange(AxisToIndex(x1), AxisToIndex(x2), strict, forbidNegative);
}

AxisRange CLumenData::GetRangeAxis() const {
    return {IndexToAxis(rangeFirst_), IndexToAxis(rangeLast_)};
}

double CLumenData::ToDb(double power, bool floor) const {
    const double db =
        10.0 * std::log10(std::max(power, static_cast<double>(kSmallestMagnitude))) + dbOffset_;
    return floor && db < minDb_ ? static_cast<double>(minDb_) : db;
}

double CLumenData::SampleOrZero(const CDataColumn& channel, std::int32_t index) {
    return index < channel.GetNumPoints() ? channel.GetAt(index) : 0.0;
}

double QuantityOfSample(RangeQuantity quantity, double i, double q) {
    switch (quantity) {
        case RangeQuantity::Inphase:
            return i;
        case RangeQuantity::Quadrature:
            return q;
        case RangeQuantity::Power:
            return i * i + q * q;
        case RangeQuantity::Phase:
            break;
    }
    return i == 0.0 && q == 0.0 ? 0.0 : std::atan2(q, i) * kDegreesPerRadian;
}

double CLumenData::Quantity(RangeQuantity quantity, std::int32_t index) const {
    return QuantityOfSample(quantity, SampleOrZero(Inphase(), index),
                            SampleOrZero(Quadrature(), index));
}

ValueRange CLumenData::GetRangeMinMax(RangeQuantity quantity) const {
    // The stored range need not match the channels (it comes from files too): only indexes
    // that hold a sample are read, and the loop never walks past the data.
    const std::int64_t count = Inphase().GetNumPoints();
    const std::int64_t lowest =
        isTimeData_ ? -1 : -static_cast<std::int64_t>(std::max(numPoints_, 0));
    const std::int64_t first = std::max<std::int64_t>(rangeFirst_, lowest);
    const std::int64_t last = std::min<std::int64_t>(rangeLast_, count - 1);

    ValueRange range;
    bool found = false;
    for (std::int64_t i = first; i <= last; ++i) {
        std::int64_t index = i;
        if (index < 0) {
            index = isTimeData_ ? 0 : index + numPoints_;
        }
        if (index < 0 || index >= count) {
            continue;
        }
        const double value = Quantity(quantity, static_cast<std::int32_t>(index));
        if (!found) {
            range = {value, value};
            found = true;
        } else {
            range.min = std::min(range.min, value);
            range.max = std::max(range.max, value);
        }
    }
    return range;
}

std::string CLumenData::AxisUnit() const {
    return isTimeData_ ? frequencyUnits_.TimeUnit() : frequencyUnits_.FrequencyUnit();
}

UnitLabel CLumenData::AxisUnitLabel(int exponent) const {
    return isTimeData_ ? frequencyUnits_.TimeLabel(exponent)
                       : frequencyUnits_.FrequencyLabel(exponent);
}

void CLumenData::ExportRange() const {
    CopyToClipboard(0, isReal_ ? 0 : 1, rangeFirst_, rangeLast_);
}

std::string CLumenData::FormatSampleRate() const {
    CNumString text(sampleRate_, 6, Notation::Fixed);
    return text.TrimZeros().Text() + " " + frequencyUnits_.FrequencyUnit();
}

void CLumenData::SerializeLumenFields(ArchiveWriter& archive) const {
    archive.WriteI32(isTimeData_ ? 1 : 0);
    archive.WriteI32(isReal_ ? 1 : 0);
    archive.WriteF64(sampleRate_);
    archive.WriteF64(nyquist_);
    archive.WriteF64(step_);
    archive.WriteI16(static_cast<std::int16_t>(windowType_));
    archive.WriteI32(rangeFirst_);
    archive.WriteI32(rangeLast_);
    archive.WriteI32(numPoints_);
    archive.WriteI32(halfPoints_);
    archive.WriteText(frequencyUnits_.GetText());
}

void CLumenData::SerializeLumenFields(ArchiveReader& archive) {
    const bool isTimeData = archive.ReadI32() != 0;
    const bool isReal = archive.ReadI32() != 0;
    const double sampleRate = archive.ReadF64();
    const double nyquist = archive.ReadF64();
    const double step = archive.ReadF64();
    const std::int32_t windowType = archive.ReadI16();
    const std::int32_t rangeFirst = archive.ReadI32();
    const std::int32_t rangeLast = archive.ReadI32();
    const std::int32_t numPoints = archive.ReadI32();
    const std::int32_t halfPoints = archive.ReadI32();
    CFreqUnits units(sampleRate, 0);
    units.SetText(archive.ReadText());

    isTimeData_ = isTimeData;
    isReal_ = isReal;
    sampleRate_ = sampleRate;
    nyquist_ = nyquist;
    step_ = step;
    windowType_ = windowType;
    rangeFirst_ = rangeFirst;
    rangeLast_ = rangeLast;
    numPoints_ = numPoints;
    halfPoints_ = halfPoints;
    frequencyUnits_ = units;
}

}  // namespace tapwright
