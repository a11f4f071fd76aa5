#include "design/SimpleSpec.h"

#include <cmath>
#include <string_view>

#include "design/FirData.h"

namespace tapwright {

namespace {

bool IsBandKind(SimpleFilterKind kind) {
    return kind == SimpleFilterKind::Bandpass || kind == SimpleFilterKind::Bandstop;
}

}  // namespace

const char* SimpleSpec::FirstRefusal(double sampleRate) const {
    const bool allPositive =
        edge1 > 0.0 && rippleDb > 0.0f && edge2 > 0.0 && attenuationDb > 0.0f && gridDensity > 0;
    if (!allPositive) {
        return kNotPositiveMessage;
    }
    if (gridDensity > CFirData::kMaxGridDensity) {
        return CFirData::kGridDensityTooLargeMessage;
    }
    if (attenuationDb < rippleDb) {
        return kAttenuationBelowRippleMessage;
    }
    const double half = sampleRate / 2.0;
    if (IsBandKind(kind)) {
        if (!(std::fabs(edge1) < sampleRate && std::fabs(edge2) < sampleRate)) {
            return kBandwidthOutsideFsMessage;
        }
    } else if (!(std::fabs(edge1) < half && std::fabs(edge2) < half)) {
        return kEdgeOutsideHalfFsMessage;
    }

    const double half1 = edge1 / 2.0;
    const double half2 = edge2 / 2.0;
    switch (kind) {
        case SimpleFilterKind::Highpass:
            return edge1 > edge2 ? nullptr : kHighpassOrderMessage;
        case SimpleFilterKind::Bandpass:
            if (!(edge1 < edge2)) {
                return kBandpassOrderMessage;
            }
            if (!(center - half2 >= 0.0)) {
                return kBelowZeroMessage;
            }
            return center + half2 <= half ? nullptr : kAboveHalfFsMessage;
        case SimpleFilterKind::Bandstop:
            if (!(half2 < half1)) {
                return kBandstopOrderMessage;
            }
            if (!(center - half1 >= 0.0)) {
                return kBelowZeroMessage;
            }
            return center + half1 <= half ? nullptr : kAboveHalfFsMessage;
        case SimpleFilterKind::Lowpass:
            break;
    }
    return edge1 < edge2 ? nullptr : kLowpassOrderMessage;
}

bool SimpleSpec::IsBeyondFs(const char* refusal) {
    // Compared by text: the same literal need not have one address in every unit that names it.
    if (refusal == nullptr) {
        return false;
    }
    const std::string_view text(refusal);
    return text == kBandwidthOutsideFsMessage || text == kEdgeOutsideHalfFsMessage ||
           text == kAboveHalfFsMessage;
}

std::vector<SimpleSpec::Band> SimpleSpec::Bands(double sampleRate) const {
    const double half = sampleRate / 2.0;
    const double half1 = edge1 / 2.0;
    const double half2 = edge2 / 2.0;
    switch (kind) {
        case SimpleFilterKind::Highpass:
            return {{0.0, edge2, 0.0, attenuationDb}, {edge1, half, 1.0, rippleDb}};
        case SimpleFilterKind::Bandpass:
            return {{0.0, center - half2, 0.0, attenuationDb},
                    {center - half1, center + half1, 1.0, rippleDb},
                    {center + half2, half, 0.0, attenuationDb}};
        case SimpleFilterKind::Bandstop:
            return {{0.0, center - half1, 1.0, rippleDb},
                    {center - half2, center + half2, 0.0, attenuationDb},
                    {center + half1, half, 1.0, rippleDb}};
        case SimpleFilterKind::Lowpass:
            break;
    }
    return {{0.0, edge1, 1.0, rippleDb}, {edge2, half, 0.0, attenuationDb}};
}

bool SimpleSpec::Apply(CFirData& filter, std::int32_t numTaps) const {
    filter.SetSpecification(ResponseType::Filter, numTaps, gridDensity);
    for (const Band& band : Bands(filter.GetSampleRate())) {
        if (!filter.AddBand(band.lower, band.upper, band.gain, band.db, false, true, true)) {
            return false;
        }
    }
    return true;
}

}  // namespace tapwright
