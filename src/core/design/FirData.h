#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "data/Preferences.h"
#include "design/DesignOutcome.h"
#include "design/LumenData.h"
#include "design/OptimizeOutcome.h"
#include "math/BandExtremes.h"
#include "math/EngineChoice.h"
#include "math/ResponseEvaluator.h"
#include "math/ResponseType.h"

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;

// A FIR filter: the coefficients (the Inphase channel holds the designed taps) together with
// the specification they are designed from: the response type, the tap count, the grid
// density and a table of bands. Band edges are in cycles per sample (a fraction of the
// sampling frequency, 0 to 0.5); each band has a desired linear gain (for a differentiator
// the desired slope) and a weight, the reciprocal 1/delta of its allowed deviation.
class CFirData : public CLumenData {
public:
    static constexpr std::int32_t kMaxTaps = 10000;
    static constexpr std::int32_t kDefaultBandCapacity = 32;
    // The largest band capacity a project file may ask for.
    static constexpr std::int32_t kMaxStoredBandCapacity = 32 * 1024;
    static constexpr std::int32_t kMinTaps = 3;
    static constexpr std::int32_t kMinGridDensity = 4;
    // The largest grid density: the design grid grows with it and with the tap count, and
    // at this density a design of a few hundred taps still takes seconds, not minutes.
    static constexpr std::int32_t kMaxGridDensity = 1024;
    static constexpr const char* kGridDensityTooLargeMessage =
        "Grid Density cannot be more than 1024.";

    static constexpr const char* kTooManyBandsMessage = "Error: Maximum number of bands exceeded.";
    static constexpr const char* kNegativeGainMessage =
        "Error: Linear Gain must be greater than or equal to zero.";
    static constexpr const char* kGainUnrepresentableMessage =
        "Error: The desired gain of this band is too large to be represented.";
    static constexpr const char* kWeightUnrepresentableMessage =
        "Error: The attenuation/ripple of this band gives a weight\n"
        "that cannot be represented.";

    // Takes the editor defaults (grid density, dB flags) from the preferences.
    explicit CFirData(const CPreferences& preferences = CPreferences());

    // ---- Specification ------------------------------------------------------------------

    // Sets the tap count and allocates the buffer that receives the designed taps; 0 leaves
    // the count unchanged with an empty buffer. A count that cannot be allocated (or a
    // negative one) leaves 0 taps. A count above kMaxTaps + 1, which the editors keep when
    // the user declines to design with kMaxTaps, is kept without a buffer: no design runs
    // with it.
    void SetNumTaps(std::int32_t numTaps);

    // Starts a new specification with no bands. A grid density below 4 is raised to 4 after
    // an information box.
    void SetSpecification(ResponseType type, std::int32_t numTaps, std::int32_t gridDensity);

    // Empties the band table and makes room for capacity bands; the capacity becomes 0 when
    // the room cannot be had, so that every later band is refused.
    void AllocateBands(std::int32_t capacity);

    // Appends a band entered by the user: edges in the unit of the sampling frequency when
    // inFsUnits is set, a gain in dB or linear, an attenuation or ripple in dB or as the
    // weight itself. A refused band (too many, overlapping the previous one, negative gain,
    // a value that is not a number, edges out of order, a gain or weight that no double
    // holds, a weight that is not above zero) shows an error box, leaves the table unchanged
    // and gives false. So every band held passes the checks a project file is read with.
    bool AddBand(double lower, double upper, double gain, double attnRipple, bool gainIsDb,
                 bool attnIsDb, bool inFsUnits);

    // Takes the tap count from the coefficients, after an import.
    void SyncTapsToData();

    // Whether a passband reaches Fs/2, which a linear-phase filter with an even tap count
    // cannot have.
    bool PassbandAtNyquist() const;

    // The first rule the specification breaks, as the error message that tells the user
    // why it cannot be designed; none when it can. An even tap count with a passband at
    // Fs/2 is one of the rules.
    std::optional<std::string> CheckSpecification() const;

    // Whether the specification can be designed, without a message: an even tap count with
    // a passband at Fs/2 is raised by one instead of refused (the tap buffer is not
    // reallocated: a design sets the tap count again first).
    bool Validate();

    // ---- A band as the user sees it -----------------------------------------------------

    // The desired gain in dB (-1000 for a stopband) or linear (0 below 0.00001).
    double GetDesiredDisplay(std::int32_t band, bool inDb) const;
    // The ripple (passband) or attenuation (stopband) in dB, or the weight itself.
    double GetAttnRippleDisplay(std::int32_t band, bool inDb) const;

    // True when there are no bands and no coefficients; the simple editor then keeps its
    // own defaults.
    virtual bool IsBlank() const;

    // The largest filter read, written or exported.
    std::int32_t GetMaxPoints() const override { return kMaxTaps; }

    // ---- Fields -------------------------------------------------------------------------

    ResponseType GetResponseType() const { return responseType_; }
    std::int32_t GetGridDensity() const { return gridDensity_; }
    std::int32_t GetNumTaps() const { return numTaps_; }

    // The buffer the design engine writes the taps into: numTaps values after SetNumTaps.
    std::span<double> DesignTaps() { return designTaps_; }
    std::span<const double> DesignTaps() const { return designTaps_; }

    std::int32_t GetBandCapacity() const { return bandCapacity_; }
    std::int32_t GetNumBands() const { return static_cast<std::int32_t>(desiredGain_.size()); }

    // The band table as the engine takes it: lower and upper edge of each band in turn, then
    // one desired gain and one weight per band.
    std::span<const double> BandEdges() const { return bandEdges_; }
    std::span<const double> DesiredGains() const { return desiredGain_; }
    std::span<const double> BandWeights() const { return bandWeight_; }

    double GetLowerEdge(std::int32_t band) const { return bandEdges_[EdgeIndex(band)]; }
    double GetUpperEdge(std::int32_t band) const { return bandEdges_[EdgeIndex(band) + 1]; }
    double GetDesiredGain(std::int32_t band) const { return desiredGain_[Row(band)]; }
    double GetBandWeight(std::int32_t band) const { return bandWeight_[Row(band)]; }
    bool IsPassband(std::int32_t band) const { return GetDesiredGain(band) > 0.0; }

    // Whether the last band added was entered with its gain, and its attenuation or ripple,
    // in dB.
    bool IsGainInDb() const { return gainInDb_; }
    bool IsAttnInDb() const { return attnInDb_; }
    // The band editor switches the unit its table is shown in through these.
    void SetGainInDb(bool gainInDb) { gainInDb_ = gainInDb; }
    void SetAttnInDb(bool attnInDb) { attnInDb_ = attnInDb; }

    // The lowest dB level: a gain entered below it is a stopband; also the floor of the
    // response plots.
    double GetMinResponseDb() const { return minResponseDb_; }
    void SetMinResponseDb(double minResponseDb) { minResponseDb_ = minResponseDb; }

    // Whether an editor has designed this filter; the response plot draws the specification
    // masks only then.
    bool IsDesigned() const { return designed_; }
    void SetDesigned(bool designed) { designed_ = designed; }

    // ---- Project stream -----------------------------------------------------------------

    // The specification's fields of a project record, after the signal's: response type,
    // grid density, tap count, band capacity, band count, four doubles per band (lower and
    // upper edge, desired gain, weight), gain-in-dB flag, attenuation-in-dB flag, response
    // floor, designed flag. Reading checks every count against its limits and against the
    // bytes that remain, and changes nothing unless the whole group could be read; the tap
    // count is taken without allocating the tap buffer.
    void SerializeSpecification(ArchiveWriter& archive) const;
    void SerializeSpecification(ArchiveReader& archive);

    // Raises ArchiveError when the specification read from a file holds what no editor
    // makes: a grid density above kMaxGridDensity, a band edge, gain or weight that is not a
    // number, edges out of order, a negative gain or a weight that is not above zero. A
    // grid density below one is left to Validate.
    void RequireSoundSpecification() const;

    // ==== Frequency response (FirResponse.cpp) ===========================================

    // The response of the coefficients at one frequency: of the Inphase or the Quadrature
    // channel or of the complex filter (both channels side by side mean Inphase); the phase
    // in degrees (-180 to 180) when wantPhase, otherwise the power |H|^2; the frequency in
    // cycles per sample when normalized, otherwise in the unit of the sampling frequency. No
    // coefficients give 0.
    double GetResponse(ChannelSelection select, bool wantPhase, double frequency,
                       bool normalized) const;

    // What a response plot shows at a frequency in the unit of the sampling frequency: the
    // phase in degrees, or the power in dB held at least at the response floor. Both
    // channels side by side, which are two traces, give 0.
    double GetPlotValue(ChannelSelection select, bool wantPhase, double frequency) const;

    // GetPlotValue for min(frequencies.size(), values.size()) frequencies at once, copying
    // the coefficients only once.
    void GetPlotValues(ChannelSelection select, bool wantPhase, std::span<const double> frequencies,
                       std::span<double> values) const;

    // An evaluator holding a copy of the current coefficients of the selection, for callers
    // that evaluate many frequencies (in cycles per sample). Later changes of the
    // coefficients do not reach it.
    ResponseEvaluator GetResponseEvaluator(ChannelSelection select) const;

    // ==== Design driver (FirDesign.cpp) ==================================================

    // The longest filter the editors let an optimisation try unless the specification asks
    // for more.
    static constexpr std::int32_t kOptimizeMaxTaps = 513;

    // The question asked before a design longer than kMaxTaps is cut to kMaxTaps.
    static std::string TooManyTapsQuestion();

    // Why the tap count cannot be estimated, as the error message that tells the user; none
    // when it can: exactly one passband and one stopband of a Filter, covering 0 to Fs/2.
    std::optional<std::string> CannotEstimateReason() const;
    bool CanEstimate() const { return !CannotEstimateReason(); }

    // The estimated tap count, at least 3, also when it is beyond kMaxTaps (the limit applies
    // where a design is made); the current tap count when no estimate is possible.
    std::int32_t EstimateTaps() const;

    // Checks the specification, runs the design engine with the progress prefix on the
    // status line, and stores its taps, also when the engine fails. The outcome says
    // whether the engine succeeded and carries the message for the user: the refusal of the
    // specification (nothing designed), or the engine's failure, as information when the
    // taps meet the specification anyway.
    DesignOutcome Design(const std::string& prefix);

    // Replaces the coefficients by the designed taps: a real time signal whose Quadrature
    // channel is zero.
    void StoreDesign();

    // The smallest and largest power |H|^2 of the Inphase coefficients over the whole
    // continuous band, both edges included, and where they lie (cycles per sample). A
    // differentiator's passband gives instead the power relative to its desired slope D,
    // |H(f)|^2 / (D f)^2.
    struct BandLevels {
        double minPower = 0.0;
        double maxPower = 0.0;
        double minFrequency = 0.0;
        double maxFrequency = 0.0;
    };
    BandLevels GetBandLevels(std::int32_t band) const;

    // One band judged against its specification: the actual ripple or attenuation in dB, the
    // margin in dB, and the frequency (cycles per sample) of the band's worst point.
    struct BandMeasurement {
        BandLevels levels;
        double actualDb = 0.0;
        double marginDb = 0.0;
        double worstFrequency = 0.0;
    };
    // Every band judged at once, the design margin and the verdict.
    struct SpecMeasurement {
        std::vector<BandMeasurement> bands;
        double designMarginDb = 0.0;
        bool meetsSpec = false;
    };
    // The specification measured on the Inphase coefficients, or on any other taps (for
    // example a quantized copy); nothing of the filter changes.
    SpecMeasurement MeasureSpecification() const;
    SpecMeasurement MeasureSpecification(std::span<const double> taps) const;
    BandMeasurement MeasureBand(std::int32_t band) const;

    // The Inphase coefficients as one contiguous array.
    std::vector<double> InphaseTaps() const;

    // The peak-to-peak ripple of a passband or the attenuation of a stopband, in dB. A
    // passband without any response has an infinite ripple.
    double GetBandActualDb(std::int32_t band) const;

    // How far a band is inside its specification, in dB; 0 or more passes.
    double GetBandMargin(std::int32_t band) const;

    // The smallest band margin: -120 without coefficients or bands, not a number when some
    // band cannot be measured.
    double GetDesignMargin() const;

    // Whether there are coefficients and every band passes.
    bool MeetsSpec() const;

    // Designs quietly with numTaps taps (at least 3) and tells whether the result meets the
    // specification.
    bool DesignWithTaps(std::int32_t numTaps);

    // Answers a question an optimisation asks before it goes on (a larger cap than it was
    // given); true goes on.
    using OptimizeConfirm = std::function<bool(const std::string& question)>;

    // Searches for the smallest tap count that meets the specification, up to maxTaps (or
    // the current count, or a larger cap that confirm accepts when the estimate asks for
    // more, but never past kMaxTaps), and returns the outcome to tell the user. None when
    // the specification cannot be designed or confirm declined the larger cap; nothing has
    // then been designed.
    std::optional<OptimizeOutcome> Optimize(std::int32_t maxTaps, const OptimizeConfirm& confirm);

    // Whether some engine reached a level (equiripple) result in the last design (false when
    // that design's specification was refused). Not stored in projects.
    bool EngineConverged() const { return lastEngine_.level; }
    // Which engine made the last design and how level its error is.
    const EngineOutcome& LastEngine() const { return lastEngine_; }

private:
    static std::size_t Row(std::int32_t band) { return static_cast<std::size_t>(band); }
    static std::size_t EdgeIndex(std::int32_t band) { return 2 * Row(band); }

    // The weight 1/delta of a passband ripple or a stopband attenuation given in dB.
    static double RippleDbToWeight(double rippleDb);
    static double AttenuationDbToWeight(double attenuationDb);

    // The first rule of CheckSpecification that no change of the tap count by one mends.
    std::optional<std::string> FirstBrokenRule() const;
    bool EvenTapsAtNyquist() const;

    BandInterval MeasuredInterval(std::int32_t band) const;
    BandLevels LevelsFrom(std::int32_t band, const BandExtremes& extremes) const;
    BandMeasurement Judge(std::int32_t band, const BandLevels& levels) const;

    ResponseType responseType_ = ResponseType::Filter;
    std::int32_t gridDensity_;
    std::int32_t numTaps_ = 0;
    std::vector<double> designTaps_;
    std::int32_t bandCapacity_ = 0;
    // One entry (two for the edges) per band in use; room for bandCapacity_ bands is
    // reserved, so appending a band does not allocate.
    std::vector<double> bandEdges_;
    std::vector<double> desiredGain_;
    std::vector<double> bandWeight_;
    bool attnInDb_;
    bool gainInDb_;
    double minResponseDb_ = -120.0;
    bool designed_ = false;
    EngineOutcome lastEngine_;
};

}  // namespace tapwright
