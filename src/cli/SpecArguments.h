#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <vector>

#include "data/FreqUnits.h"
#include "data/Preferences.h"
#include "design/SimpleSpec.h"

namespace tapwright::cli {

class CliSession;

// A band of the advanced editor as --band gives it: the four texts of a table row.
struct BandArgument {
    std::string lower;
    std::string upper;
    std::string desired;  // a number, or a word beginning with "p" (pass) or "s" (stop)
    std::string value;    // attenuation or ripple
};

// The specification options of design: the simple editor's fields, or the band editor's
// rows, with the sampling frequency and the design settings both share.
class SpecArguments {
public:
    // Declares the options on the design subcommand.
    void AddTo(CLI::App& app);

    // Checks what the parser cannot: that the options describe one kind of specification,
    // that every --band is four fields, numbers where numbers belong, with edges that are
    // not negative, and that no two bands overlap. False after a message.
    bool Check(CliSession& session);

    bool IsAdvanced() const { return !bands_.empty() || responseName_.has_value(); }

    // The simple specification of --lowpass, --highpass, --bandpass or --bandstop.
    SimpleSpec Simple() const;

    // 0 Filter, 1 Differentiator, 2 Hilbert: the row of the editor's response type radios.
    int ResponseTypeIndex() const;
    const std::vector<BandArgument>& Bands() const { return rows_; }
    bool GainInDb() const { return gainDb_; }
    bool AttnLinear() const { return attnLinear_; }

    // The sampling frequency when --fs or --units asks for one.
    std::optional<CFreqUnits> SampleRate() const;

    std::optional<int> Taps() const { return taps_; }
    std::optional<int> Grid() const { return grid_; }
    bool Optimize() const { return optimize_; }

private:
    std::optional<BandArgument> ParseBand(CliSession& session, const std::string& text) const;
    // Refuses two bands that overlap, naming both.
    bool CheckBandsApart(CliSession& session) const;

    bool lowpass_ = false;
    bool highpass_ = false;
    bool bandpass_ = false;
    bool bandstop_ = false;
    SimpleFilterKind kind_ = SimpleFilterKind::Lowpass;
    double edge1_ = 0.0;
    double edge2_ = 0.0;
    double center_ = 0.0;
    float ripple_ = 0.0f;
    float atten_ = 0.0f;

    std::optional<std::string> responseName_;
    std::vector<std::string> bands_;
    std::vector<BandArgument> rows_;
    bool gainDb_ = false;
    bool attnLinear_ = false;

    double fs_ = 1.0;
    std::optional<std::string> units_;
    CLI::Option* fsOption_ = nullptr;
    std::optional<int> taps_;
    std::optional<int> grid_;
    bool optimize_ = false;
};

}  // namespace tapwright::cli
