#pragma once

#include <functional>
#include <string_view>

#include "document/CombFill.h"
#include "document/MixDlg.h"
#include "document/QuantizeDlg.h"
#include "document/ScaleDlg.h"
#include "document/SineDlg.h"
#include "document/WindowDlg.h"
#include "math/ChannelSelection.h"

namespace tapwright {

class CFirData;
class CPreferences;

// The channels a Filter command works on.
struct ChannelFlags {
    bool inphase = false;
    bool quadrature = false;
};

// Both channels side by side and the complex filter both work on the two channels.
ChannelFlags ResolveChannels(ChannelSelection channels);

// The Filter dialogs whose last settings a project keeps between uses and saves.
struct CoefficientDialogs {
    CSineDlg sine;
    CMixDlg mix;
    CScaleDlg scale;
    CCombFill fill;
    CWindowDlg window;
    CQuantizeDlg quantize;
};

// What the document does once a command has changed the filter.
struct CoefficientCommandHooks {
    // Set the modified flag and update all views.
    std::function<void()> dataChanged;
    // Open or activate the filter's frequency response view and set the modified flag.
    std::function<void()> showFrequencyResponse;
};

inline constexpr const char* kWindowAgainQuestion =
    "The time data has already been windowed.  Window again?";
inline constexpr const char* kWindowingStatus = "Windowing Time Data...";
inline constexpr const char* kGeneratingCoefficients = "Generating Coefficients";
inline constexpr const char* kGeneratingStatus = "Generating Coeffients...";
inline constexpr const char* kSampleRateMessage =
    "The sampling frequency must be greater than zero.";

// The Filter commands that rewrite the coefficients: each asks what it must, runs its
// dialog with the settings kept from the last use, works on the filter and tells the
// document through the hooks. A cancelled dialog or a declined question changes nothing.
// Each returns true when it has told the document that the filter changed.
class CoefficientCommands {
public:
    CoefficientCommands(CFirData& filter, CoefficientDialogs& dialogs,
                        const CPreferences& preferences, CoefficientCommandHooks hooks = {});

    // Asks before windowing again, runs the window dialog and windows the visible range.
    // The filter is no longer the designed one.
    bool Window(ChannelSelection channels);

    // Runs the scale dialog and scales to its value.
    bool Scale(ChannelSelection channels);

    // Runs the quantize dialog and quantizes to its bit count.
    bool Quantize(ChannelSelection channels);

    // Runs the fill dialog until it is cancelled or gives a usable tap count, fills, and
    // shows the frequency response.
    bool FillConstant(ChannelSelection channels);

    // Asks before replacing a filter that is not blank, runs the sine generator until it is
    // cancelled or gives a usable count, fills, and shows the frequency response. The
    // filter is no longer the designed one.
    bool FillSine(ChannelSelection channels);

    // Runs the mix dialog and mixes both channels; the filter is no longer the designed
    // one. Scales afterwards (default channels) when the preferences ask for it.
    bool Mix();

    bool CopyInphaseToQuadrature();
    bool CopyQuadratureToInphase();
    bool SwapChannels();

private:
    // Shows a stop message and gives false unless the sampling frequency is above 0.
    bool HasUsableSampleRate() const;
    // Shows a stop message and gives false unless 0 < count <= the filter's largest size;
    // noun names the count in the message ("fill taps").
    bool IsUsableFillCount(std::int32_t count, std::string_view noun) const;
    void DataChanged();
    void ShowFrequencyResponse();

    CFirData& filter_;
    CoefficientDialogs& dialogs_;
    const CPreferences& preferences_;
    CoefficientCommandHooks hooks_;
};

// The question before an operation replaces the whole filter: none when the filter is
// blank (no bands and no coefficients), otherwise the operation's name followed by " will
// overwrite all current data." with OK and Cancel. True to go ahead.
bool ConfirmOverwrite(const CFirData& filter, std::string_view operation);

}  // namespace tapwright
