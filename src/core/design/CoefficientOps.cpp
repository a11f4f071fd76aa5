#include "design/CoefficientOps.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <utility>

#include "design/LumenData.h"
#include "math/Constants.h"
#include "math/FixedPoint.h"
#include "math/ResponseEvaluator.h"
#include "math/Windowing.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

// The measures of one scale mode: c of the Inphase filter, e of the Quadrature filter, d of
// the complex filter (0 where the mode has no complex measure).
struct ChannelMeasures {
    double inphase = 0.0;
    double quadrature = 0.0;
    double complex = 0.0;
};

template <class Transform>
void TransformSamples(CDataColumn& channel, std::int32_t count, Transform transform) {
    for (std::int32_t i = 0; i < count; ++i) {
        channel.SetAt(i, transform(channel.GetAt(i)));
    }
}

std::span<const double> BlockSpan(const CDataColumn& channel, std::int32_t block) {
    if (block >= channel.GetNumBlocks()) {
        return {};
    }
    const CDoubleArray& samples = channel.GetBlock(block);
    return {samples.Data(), static_cast<std::size_t>(samples.GetSize())};
}

// |H| of one channel or the complex filter at nu cycles per sample; the filter length is that
// of the Inphase channel.
double MagnitudeAt(const CLumenData& data, ChannelSelection select, double nu) {
    ResponseEvaluator evaluator(select);
    for (std::int32_t block = 0; block < data.Inphase().GetNumBlocks(); ++block) {
        evaluator.AppendTaps(BlockSpan(data.Inphase(), block), BlockSpan(data.Quadrature(), block));
    }
    return std::sqrt(evaluator.Evaluate(nu, ResponseQuantity::Power));
}

ChannelMeasures MagnitudesAt(const CLumenData& data, double nu) {
    // A frequency over a sampling frequency of 0 measures nothing.
    if (!std::isfinite(nu)) {
        const double none = std::numeric_limits<double>::quiet_NaN();
        return {none, none, none};
    }
    return {MagnitudeAt(data, ChannelSelection::Inphase, nu),
            MagnitudeAt(data, ChannelSelection::Quadrature, nu),
            MagnitudeAt(data, ChannelSelection::ComplexFilter, nu)};
}

ChannelMeasures Measure(const CLumenData& data, ScaleMode mode, double frequency) {
    const CDataColumn& inphase = data.Inphase();
    const CDataColumn& quadrature = data.Quadrature();
    switch (mode) {
        case ScaleMode::GainAtDc:
            return MagnitudesAt(data, 0.0);
        case ScaleMode::GainAtFrequency:
            return MagnitudesAt(data, frequency / data.GetFrequencyUnits().GetSampleRate());
        case ScaleMode::MaxCoefficient:
            return {inphase.GetMax(), quadrature.GetMax(), 0.0};
        case ScaleMode::SumOfMagnitudes:
            return {inphase.GetSumAbs(), quadrature.GetSumAbs(), 0.0};
        case ScaleMode::SumOfSquares:
            return {inphase.GetSumSquares(), quadrature.GetSumSquares(), 0.0};
        case ScaleMode::Multiply:
            break;
    }
    return {1.0, 1.0, 1.0};
}

// Both channels are measured together by the complex measure, or by the larger channel
// measure where the mode has none.
double Reference(const ChannelMeasures& measures, bool inphase, bool quadrature) {
    if (inphase && quadrature) {
        return measures.complex != 0.0 ? measures.complex
                                       : std::max(measures.inphase, measures.quadrature);
    }
    return quadrature ? measures.quadrature : measures.inphase;
}

// Puts samples in place of the chosen channels. The samples are built before anything is
// replaced, so a fill that runs out of memory leaves the data as it was.
void ReplaceChannels(CLumenData& data, CDataColumn samples, bool inphase, bool quadrature) {
    if (inphase && quadrature) {
        data.Quadrature() = samples;
    }
    if (inphase) {
        data.Inphase() = std::move(samples);
    } else if (quadrature) {
        data.Quadrature() = std::move(samples);
    }
}

// cos on the Inphase and sin on the Quadrature channel, the angle advancing by step radians
// per point and kept below one turn.
void FillSineSteps(CLumenData& data, std::int32_t count, double step, bool inphase,
                   bool quadrature) {
    CDataColumn cosines;
    CDataColumn sines;
    double angle = 0.0;
    for (std::int32_t n = 0; n < count; ++n) {
        if (inphase) {
            cosines.Add(std::cos(angle));
        }
        if (quadrature) {
            sines.Add(std::sin(angle));
        }
        angle += step;
        if (angle > kTwoPi) {
            angle -= kTwoPi;
        }
    }
    if (inphase) {
        data.Inphase() = std::move(cosines);
    }
    if (quadrature) {
        data.Quadrature() = std::move(sines);
    }
    data.EqualizeChannels(0.0);
    if (quadrature) {
        data.SetReal(false);
    }
    data.SetWindowType(kNoWindow);
}

}  // namespace

bool CLumenData::Scale(double factor, bool inphase, bool quadrature) {
    if (factor == 0.0 && Ui().ShowMessage(kScaleByZeroQuestion, MessageButtons::YesNo,
                                          MessageIcon::Exclamation) != MessageResult::Yes) {
        return false;
    }
    const std::int32_t count = GetNumPoints();
    const auto multiply = [factor](double x) { return x * factor; };
    if (inphase) {
        TransformSamples(Inphase(), count, multiply);
    }
    if (quadrature && !isReal_) {
        TransformSamples(Quadrature(), count, multiply);
    }
    return true;
}

bool CLumenData::ScaleTo(ScaleMode mode, double value, double frequency, bool inphase,
                         bool quadrature) {
    // Real data has no Quadrature channel to measure or scale.
    quadrature = quadrature && !isReal_;
    const double reference = Reference(Measure(*this, mode, frequency), inphase, quadrature);
    if (reference == 0.0) {
        Ui().ShowMessage(kScaleZeroReferenceMessage, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    // A sampling frequency of 0 or coefficients that are not numbers would turn every
    // coefficient into not-a-number.
    if (!std::isfinite(reference)) {
        Ui().ShowMessage(kScaleNotANumberMessage, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    return Scale(value / reference, inphase, quadrature);
}

bool CLumenData::Quantize(std::int32_t bits, bool inphase, bool quadrature) {
    if (bits < kMinQuantizeBits || bits > kMaxQuantizeBits) {
        Ui().ShowMessage(kQuantizeBitsMessage, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    const double scale = QuantizationScale(bits);
    const auto quantize = [scale](double x) { return QuantizedWord(x, scale) / scale; };
    if (inphase) {
        TransformSamples(Inphase(), Inphase().GetNumPoints(), quantize);
    }
    if (quadrature && !isReal_) {
        TransformSamples(Quadrature(), Quadrature().GetNumPoints(), quantize);
    }
    return true;
}

void CLumenData::FillConstant(std::int32_t count, double constant, bool inphase, bool quadrature) {
    CDataColumn samples;
    for (std::int32_t n = 0; n < count; ++n) {
        samples.Add(constant);
    }
    ReplaceChannels(*this, std::move(samples), inphase, quadrature);
    EqualizeChannels(0.0);
    windowType_ = kNoWindow;
}

void CLumenData::FillSine(std::int32_t count, double frequency, bool inphase, bool quadrature) {
    FillSineSteps(*this, count, frequency * kTwoPi / frequencyUnits_.GetSampleRate(), inphase,
                  quadrature);
}

void CLumenData::FillSineCycles(std::int32_t count, double cycles, bool inphase, bool quadrature) {
    // The frequency Fs * cycles / count in radians per sample: the sampling frequency
    // cancels, so it is left out rather than multiplied in and divided out again.
    FillSineSteps(*this, count, kTwoPi * cycles / count, inphase, quadrature);
}

void CLumenData::Mix(double frequency, double phase) {
    const double step = frequency * kTwoPi / frequencyUnits_.GetSampleRate();
    CDataColumn& inphase = Inphase();
    CDataColumn& quadrature = Quadrature();
    const std::int32_t count = GetNumPoints();
    for (std::int32_t n = 0; n < count; ++n) {
        const double i = inphase.GetAt(n);
        const double q = quadrature.GetAt(n);
        const double c = std::cos(phase);
        const double s = std::sin(phase);
        inphase.SetAt(n, i * c - q * s);
        quadrature.SetAt(n, i * s + q * c);
        phase += step;
        if (phase > kPi) {
            phase -= kTwoPi;
        } else if (phase < -kPi) {
            phase += kTwoPi;
        }
    }

    // A Quadrature channel that is no more than rounding next to the Inphase swing makes
    // the data real again.
    const double tolerance = (inphase.GetMax() - inphase.GetMin()) * 1e-6;
    const double qMin = quadrature.GetMin();
    const double qMax = quadrature.GetMax();
    isReal_ = qMax - qMin < tolerance && std::fabs(qMin) < tolerance && std::fabs(qMax) < tolerance;
    if (isReal_) {
        quadrature.Zero();
    }
}

void CLumenData::CopyInphaseToQuadrature() {
    Quadrature().CopyFrom(Inphase());
    isReal_ = false;
}

void CLumenData::CopyQuadratureToInphase() {
    Inphase().CopyFrom(Quadrature());
    isReal_ = false;
}

void CLumenData::SwapChannels() {
    Inphase().SwapWith(Quadrature());
    isReal_ = false;
}

}  // namespace tapwright
