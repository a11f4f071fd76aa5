#pragma once

#include <cstdint>
#include <string>

#include "data/FreqUnits.h"
#include "fileio/DataSetIO.h"

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;
enum class ScaleMode : std::int32_t;
enum class WindowType : std::int32_t;

// What GetRangeMinMax measures per sample.
enum class RangeQuantity { Inphase = 0, Quadrature = 1, Power = 2, Phase = 3 };

// The quantity of one complex sample: a part, the power I^2 + Q^2, or the phase atan2(Q, I)
// in degrees, which is 0 when both parts are 0.
double QuantityOfSample(RangeQuantity quantity, double inphase, double quadrature);

struct ValueRange {
    double min = 0.0;
    double max = 0.0;
};

struct AxisRange {
    double first = 0.0;
    double last = 0.0;
};

// A complex signal: column 0 is the Inphase (real) channel, column 1 the Quadrature
// (imaginary) channel. It knows its sampling frequency and units, whether its index runs in
// time or in frequency, the visible index range, the window last applied, and how its powers
// become dB.
class CLumenData : public CDataSetIO {
public:
    // Two empty channels, real time data at 1 Hz.
    CLumenData();

    // The two channels. They always exist: should the columns have been rebuilt with fewer
    // than two, the missing ones are added empty on first use (and read as empty meanwhile).
    CDataColumn& Inphase() { return Channel(0); }
    CDataColumn& Quadrature() { return Channel(1); }
    const CDataColumn& Inphase() const { return Channel(0); }
    const CDataColumn& Quadrature() const { return Channel(1); }

    // Two empty channels, real data, no window, range 0 to 0.
    void Reset();

    // Takes the sampling frequency and its units, and derives the Nyquist frequency and the
    // axis step (1/Fs for time data, Fs/N for a spectrum, 0 for an empty spectrum).
    void SetFrequencyUnits(const CFreqUnits& units);

    // Derives N, N/2 and the visible range from the Inphase channel: all of it for time data,
    // the positive half of a real spectrum, both halves of a complex one.
    void UpdateRange();

    // Records whether the Quadrature channel was empty (real data), pads the shorter channel
    // with fill, derives the range, and returns the recorded flag.
    bool EqualizeChannels(double fill);

    // Axis value of an index; in a two-sided spectrum indexes above N/2 are the negative
    // frequencies.
    double IndexToAxis(std::int32_t index) const;
    // The index nearest to an axis value, clamped to the data.
    std::int32_t AxisToIndex(double x) const;

    // Sets the visible range. Returns false, leaving the range unchanged, when the request
    // breaks the rules: negative indexes only for complex data (and not when forbidNegative),
    // with strict no reversed or overlong range, and a span wider than minRangePoints when
    // the data is longer than that. Short data shows whole.
    bool SetRange(std::int32_t first, std::int32_t last, bool strict, bool forbidNegative);
    bool SetRangeAxis(double x1, double x2, bool strict, bool forbidNegative);
    AxisRange GetRangeAxis() const;

    // 10 log10(power) + dbOffset, with the power held at least at the smallest magnitude;
    // with floor, never below minDb.
    double ToDb(double power, bool floor) const;

    // Minimum and maximum of the quantity over the visible range. A negative index reads
    // index + N of a spectrum, and index 0 of time data.
    ValueRange GetRangeMinMax(RangeQuantity quantity) const;

    // The unit of the axis (time unit for time data, frequency unit for a spectrum) and the
    // unit an engineering exponent moves it to.
    std::string AxisUnit() const;
    UnitLabel AxisUnitLabel(int exponent) const;

    // Copies the visible range to the clipboard as text: the Inphase column, and the
    // Quadrature column too when the data is complex.
    void ExportRange() const;

    // The sampling frequency with up to six decimals and its unit: "1.0 Hz".
    std::string FormatSampleRate() const;

    bool IsTimeData() const { return isTimeData_; }
    void SetTimeData(bool isTimeData) { isTimeData_ = isTimeData; }
    bool IsReal() const { return isReal_; }
    void SetReal(bool isReal) { isReal_ = isReal; }

    double GetSampleRate() const { return sampleRate_; }
    double GetNyquist() const { return nyquist_; }
    double GetStep() const { return step_; }
    const CFreqUnits& GetFrequencyUnits() const { return frequencyUnits_; }

    // Window last applied, 0 to 4, or -1 for none.
    std::int32_t GetWindowType() const { return windowType_; }
    void SetWindowType(std::int32_t windowType) { windowType_ = windowType; }

    std::int32_t GetRangeFirst() const { return rangeFirst_; }
    std::int32_t GetRangeLast() const { return rangeLast_; }
    // N and N/2 as UpdateRange last derived them; the axis mapping and the range rules use
    // these, not the current channel length.
    std::int32_t GetRangeNumPoints() const { return numPoints_; }
    std::int32_t GetHalfPoints() const { return halfPoints_; }

    std::int32_t GetMinRangePoints() const { return minRangePoints_; }
    void SetMinRangePoints(std::int32_t points) { minRangePoints_ = points; }

    float GetMinDb() const { return minDb_; }
    void SetMinDb(float minDb) { minDb_ = minDb; }
    double GetDbOffset() const { return dbOffset_; }
    void SetDbOffset(double offset) { dbOffset_ = offset; }
    const std::string& GetDbLabel() const { return dbLabel_; }
    void SetDbLabel(std::string label) { dbLabel_ = std::move(label); }

    // The signal's fields of a project record, after the data set's own: isTimeData,
    // isReal, sampleRate, nyquist, step, windowType (16 bits), rangeFirst, rangeLast,
    // numPoints, halfPoints and the units text. Reading changes nothing unless the whole
    // group could be read; the sample rate also goes into the units, and a units text that
    // names no unit selects Hz.
    void SerializeLumenFields(ArchiveWriter& archive) const;
    void SerializeLumenFields(ArchiveReader& archive);

    // ---- Coefficient operations ---------------------------------------------------------
    // Each takes an Inphase and a Quadrature flag. While the data is real, window, scale and
    // quantize leave the Quadrature channel alone whatever its flag says; the fills use the
    // flags as given.

    // Multiplies the samples of the visible range by the window's weights (see DataWindow)
    // and records the window. A Kaiser-Bessel alpha beyond kMaxKaiserAlpha is refused with
    // a stop message, changing nothing.
    bool Window(WindowType type, double alpha, bool inphase, bool quadrature);

    // Multiplies every sample by factor. A factor of 0 asks first; false when the user
    // declines.
    bool Scale(double factor, bool inphase, bool quadrature);

    // Scales so that the mode's measure becomes value: the complex measure (or the larger
    // channel measure) with both channels, otherwise that of the one channel. frequency
    // (in the unit of the sampling frequency) is read by GainAtFrequency only. A zero or
    // non-finite measure is reported and changes nothing.
    bool ScaleTo(ScaleMode mode, double value, double frequency, bool inphase, bool quadrature);

    // Rounds every sample to a multiple of 2^-(bits - 1) within the words of that many
    // bits. A bit count outside 1 to 31 is refused with a stop message, changing nothing.
    bool Quantize(std::int32_t bits, bool inphase, bool quadrature);

    // The chosen channels become count copies of constant; the other is padded with zeros
    // (EqualizeChannels); the window record is cleared.
    void FillConstant(std::int32_t count, double constant, bool inphase, bool quadrature);

    // The chosen channels become count points of cos (Inphase) and sin (Quadrature) of a
    // sine at frequency (in the unit of the sampling frequency), or with the given number of
    // cycles over the count; a Quadrature fill makes the data complex.
    void FillSine(std::int32_t count, double frequency, bool inphase, bool quadrature);
    void FillSineCycles(std::int32_t count, double cycles, bool inphase, bool quadrature);

    // Multiplies the complex samples by e^(j(phase + n 2 pi frequency / Fs)), then marks the
    // data real (zeroing the Quadrature channel) when what is left there is rounding.
    void Mix(double frequency, double phase);

    // Copy or exchange the first min(N_I, N_Q) samples of the channels; the data becomes
    // complex.
    void CopyInphaseToQuadrature();
    void CopyQuadratureToInphase();
    void SwapChannels();

private:
    CDataColumn& Channel(std::int32_t index);
    const CDataColumn& Channel(std::int32_t index) const;

    // Sample i of the channel, 0.0 where the channel has no sample i.
    static double SampleOrZero(const CDataColumn& channel, std::int32_t index);
    double Quantity(RangeQuantity quantity, std::int32_t index) const;

    bool isTimeData_ = true;
    bool isReal_ = true;
    double sampleRate_ = 1.0;
    double nyquist_ = 0.5;
    double step_ = 1.0;
    std::int32_t windowType_ = -1;
    std::int32_t rangeFirst_ = 0;
    std::int32_t rangeLast_ = 0;
    std::int32_t numPoints_ = 0;
    std::int32_t halfPoints_ = 0;
    CFreqUnits frequencyUnits_;
    std::int32_t minRangePoints_ = 4;
    float minDb_ = -110.0f;
    double dbOffset_ = 0.0;
    std::string dbLabel_ = "dB";
};

}  // namespace tapwright
