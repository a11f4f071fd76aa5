#pragma once

namespace tapwright {

// The record of the "Plot Properties" dialog: the style buttons and the option boxes of a
// graph. The graph fills it before the dialog runs and takes the values back on OK.
class CPlotPropsDlg {
public:
    static constexpr const char* kCaption = "Plot Properties";
    // Captions of the style buttons, in style order (Line, Dot, Line and Dot, Bar).
    static constexpr const char* kStyleCaptions[] = {"Line", "Dot", "Line and Dot", "Bar"};
    static constexpr const char* kOriginAtZeroCaption = "Origin at Zero";
    static constexpr const char* kAutoTitlesCaption = "Auto Titles";
    static constexpr const char* kMagnitudeInDbCaption = "Magnitude in dB";
    static constexpr const char* kIntegerReductionCaption = "Integer Point Reduction";
    static constexpr const char* kSumFreqMagCaption = "Sum Freq Mag in Plot Lines";
    static constexpr const char* kZoomFullDecadeCaption = "Zoom Full Decade in Log Plot";

    // Whether one of the style buttons is selected.
    bool HasStyle() const { return style >= 0 && style <= 3; }

    int style = -1;  // 0 Line, 1 Dot, 2 Line and Dot, 3 Bar; -1 for no button selected
    bool originAtZero = false;
    bool autoTitles = false;
    bool magnitudeInDb = true;
    bool integerPointReduction = false;
    bool sumFreqMag = false;
    bool zoomFullDecade = false;
};

}  // namespace tapwright
