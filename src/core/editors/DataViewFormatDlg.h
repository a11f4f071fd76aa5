#pragma once

#include <cstdint>

#include "fileio/DataFormat.h"
#include "math/ChannelSelection.h"

namespace tapwright {

// The channels the coefficient editor shows, as the "View Coefficients:" radios number them:
// 0 Inphase, 1 Quadrature, 2 both side by side. The complex filter's coefficients are its two
// channels.
constexpr int DataViewChannelIndex(ChannelSelection channels) {
    switch (channels) {
        case ChannelSelection::Quadrature:
            return 1;
        case ChannelSelection::InphaseAndQuadrature:
        case ChannelSelection::ComplexFilter:
            return 2;
        case ChannelSelection::Inphase:
            break;
    }
    return 0;
}

// The channels of a radio; any other index means Inphase.
constexpr ChannelSelection DataViewChannelAt(int index) {
    switch (index) {
        case 1:
            return ChannelSelection::Quadrature;
        case 2:
            return ChannelSelection::InphaseAndQuadrature;
        default:
            return ChannelSelection::Inphase;
    }
}

// The record of the "Data View Format" dialog: which channel the coefficient editor shows,
// and in which of the formats that can be both written and read.
class CDataViewFormatDlg {
public:
    static constexpr const char* kTitle = "Data View Format";
    static constexpr const char* kChannelGroup = "View Coefficients:";
    static constexpr const char* kFormatGroup = "In Format:";

    ChannelSelection channel = ChannelSelection::Inphase;
    CDataFormat format;  // no format until one is chosen
    // Whether Cancel can be pressed: not on the first showing, where a format must be chosen.
    bool cancelAllowed = true;
    FormatList formats;  // the format combo

    // Prepares the dialog for showing: the formats offered, with the current one selected.
    void Open();

    // A new selection in the format combo; the format object follows at once, so that
    // "Options..." edits the options of the format chosen.
    void OnFormatChanged(std::int32_t selected);
    bool IsOptionsEnabled() const { return format.HasOptions(); }
    void OnOptions() { format.ShowOptions(); }

    // OK: the format takes the combo's selection; with nothing selected it keeps its own.
    void OnOK() { OnFormatChanged(formats.selected); }
};

}  // namespace tapwright
