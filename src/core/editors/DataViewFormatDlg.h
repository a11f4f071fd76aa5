#pragma once

#include <cstdint>

#include "fileio/DataFormat.h"

namespace tapwright {

// The channels the coefficient editor can show, as the "View Coefficients:" radios number
// them.
enum class DataViewChannel : std::int32_t { Inphase = 0, Quadrature = 1, Complex = 2 };

// The record of the "Data View Format" dialog: which channel the coefficient editor shows,
// and in which of the formats that can be both written and read.
class CDataViewFormatDlg {
public:
    static constexpr const char* kTitle = "Data View Format";
    static constexpr const char* kChannelGroup = "View Coefficients:";
    static constexpr const char* kFormatGroup = "In Format:";

    DataViewChannel channel = DataViewChannel::Inphase;
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
