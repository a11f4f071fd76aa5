#include "cli/SpecArguments.h"

#include <cctype>

#include "cli/CliSession.h"
#include "cli/NumberChecks.h"

namespace tapwright::cli {

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsNumber(const std::string& text) {
    return FiniteNumber(text).has_value();
}

// The words the band editor's Desired column understands: it goes by the first letter.
bool IsPassOrStop(const std::string& text) {
    if (text.empty()) {
        return false;
    }
    const char first = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
    return first == 'p' || first == 's';
}

std::vector<std::string> Fields(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const auto comma = text.find(',', start);
        fields.push_back(Trimmed(text.substr(start, comma - start)));
        if (comma == std::string::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

}  // namespace

void SpecArguments::AddTo(CLI::App& app) {
    CLI::Option_group* simple = app.add_option_group(
        "Simple specification", "The simple editor's fields; frequencies in the unit of Fs");
    simple->add_flag("--lowpass", lowpass_, "Lowpass");
    simple->add_flag("--highpass", highpass_, "Highpass");
    simple->add_flag("--bandpass", bandpass_, "Bandpass");
    simple->add_flag("--bandstop", bandstop_, "Bandstop");
    simple
        ->add_option("--edge1", edge1_,
                     "Passband edge (lowpass, highpass), or the bandwidth at the top "
                     "(bandpass, bandstop)")
        ->check(FiniteNumberCheck());
    simple->add_option("--edge2", edge2_, "Stopband edge, or the bandwidth at the bottom")
        ->check(FiniteNumberCheck());
    simple->add_option("--center", center_, "Centre of a bandpass or bandstop")
        ->check(FiniteNumberCheck());
    simple->add_option("--ripple", ripple_, "Passband ripple in dB")->check(FiniteNumberCheck());
    simple->add_option("--atten", atten_, "Stopband attenuation in dB")->check(FiniteNumberCheck());

    CLI::Option_group* advanced =
        app.add_option_group("Band specification", "The band editor's rows");
    advanced->add_option("--response", responseName_, "filter, differentiator or hilbert")
        ->check(CLI::IsMember({"filter", "differentiator", "hilbert"}).description(""))
        ->type_name("TYPE");
    advanced
        ->add_option("--band", bands_,
                     "A band LOWER,UPPER,DESIRED,VALUE, repeated per band: edges in the unit "
                     "of Fs, DESIRED a gain, pass or stop, VALUE an attenuation or ripple")
        ->allow_extra_args(false)
        ->type_name("BAND");
    advanced->add_flag("--gain-db", gainDb_, "DESIRED is in dB");
    advanced->add_flag("--attn-linear", attnLinear_, "VALUE is the weight 1/delta, not dB");
    simple->excludes(advanced);

    fsOption_ =
        app.add_option("--fs", fs_, "Sampling frequency (default 1)")->check(PositiveNumberCheck());
    app.add_option("--units", units_, "Unit of the sampling frequency: Hz, kHz, MHz or GHz")
        ->check(CLI::IsMember({"Hz", "kHz", "MHz", "GHz"}, CLI::ignore_case).description(""))
        ->type_name("UNIT");
    app.add_option("--taps", taps_, "Number of taps (absent or below 3: estimate first)")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--grid", grid_, "Grid density of the design");
    app.add_flag("--optimize", optimize_,
                 "Search for the smallest number of taps that meets the specification");
}

bool SpecArguments::Check(CliSession& session) {
    if (!IsAdvanced()) {
        const int kinds = int{lowpass_} + int{highpass_} + int{bandpass_} + int{bandstop_};
        if (kinds != 1) {
            session.Error(
                "Give one filter kind (--lowpass, --highpass, --bandpass or "
                "--bandstop), or the bands of the specification (--band).");
            return false;
        }
        kind_ = highpass_   ? SimpleFilterKind::Highpass
                : bandpass_ ? SimpleFilterKind::Bandpass
                : bandstop_ ? SimpleFilterKind::Bandstop
                            : SimpleFilterKind::Lowpass;
        return true;
    }
    rows_.clear();
    for (const std::string& text : bands_) {
        const auto row = ParseBand(session, text);
        if (!row) {
            return false;
        }
        rows_.push_back(*row);
    }
    return CheckBandsApart(session);
}

bool SpecArguments::CheckBandsApart(CliSession& session) const {
    // The band table replaces a band that a new one overlaps, which the command line would
    // do without a word; bands that only touch are left to the table, which refuses them.
    for (std::size_t later = 0; later < rows_.size(); ++later) {
        const double lower = *FiniteNumber(rows_[later].lower);
        const double upper = *FiniteNumber(rows_[later].upper);
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            const double otherLower = *FiniteNumber(rows_[earlier].lower);
            const double otherUpper = *FiniteNumber(rows_[earlier].upper);
            const bool touches = otherUpper == lower || upper == otherLower;
            if (!touches && lower <= otherUpper && otherLower <= upper) {
                session.Error("--band \"" + bands_[later] + "\" overlaps --band \"" +
                              bands_[earlier] +
                              "\".\nGive each band its own frequencies, with a transition "
                              "band between them.");
                return false;
            }
        }
    }
    return true;
}

std::optional<BandArgument> SpecArguments::ParseBand(CliSession& session,
                                                     const std::string& text) const {
    const std::vector<std::string> fields = Fields(text);
    if (fields.size() == 4 && IsNumber(fields[0]) && IsNumber(fields[1]) &&
        (IsNumber(fields[2]) || IsPassOrStop(fields[2])) && IsNumber(fields[3])) {
        if (*FiniteNumber(fields[0]) < 0.0 || *FiniteNumber(fields[1]) < 0.0) {
            session.Error("--band \"" + text +
                          "\" has a negative edge.\nBand edges run from 0 to half the "
                          "sampling frequency.");
            return std::nullopt;
        }
        return BandArgument{fields[0], fields[1], fields[2], fields[3]};
    }
    session.Error("--band \"" + text +
                  "\" is not a band.\nGive LOWER,UPPER,DESIRED,VALUE: three numbers, and "
                  "DESIRED a number, pass or stop.");
    return std::nullopt;
}

int SpecArguments::ResponseTypeIndex() const {
    if (responseName_ == "differentiator") {
        return 1;
    }
    return responseName_ == "hilbert" ? 2 : 0;
}

SimpleSpec SpecArguments::Simple() const {
    SimpleSpec spec;
    spec.kind = kind_;
    spec.edge1 = edge1_;
    spec.edge2 = edge2_;
    spec.center = center_;
    spec.rippleDb = ripple_;
    spec.attenuationDb = atten_;
    spec.gridDensity = grid_.value_or(spec.gridDensity);
    return spec;
}

std::optional<CFreqUnits> SpecArguments::SampleRate() const {
    if (fsOption_->count() == 0 && !units_) {
        return std::nullopt;
    }
    CFreqUnits units;
    if (units_) {
        units.SetText(*units_);
    }
    units.SetSampleRate(fs_);
    return units;
}

}  // namespace tapwright::cli
