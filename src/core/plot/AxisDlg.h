#pragma once

#include <optional>
#include <string>

#include "plot/Axis.h"

namespace tapwright {

class CAxisPlot;
enum class AxisId;

// The texts of the dialog's edit fields, as the desktop dialog shows and reads them.
struct AxisDlgTexts {
    std::string minimum;
    std::string maximum;
    std::string ticSpacing;
    std::string labelSpacing;
    std::string powerOfTen;
    std::string decimalDigits;
};

// The record of the axis dialog: the range, spacings and label scaling of one CAxis, with
// the rules of the dialog's controls. The desktop dialog shows ControlTexts() and the flags,
// reads the edits back through ReadControls() before every click handler and before it
// closes with OK; the command then runs OnOK() and stores the record into the axis.
class CAxisDlg {
public:
    static constexpr const char* kNumberMessage = "Please enter a number.";
    static constexpr const char* kIntegerMessage = "Please enter an integer.";
    // Captions of the grid radio buttons, in grid mode order.
    static constexpr const char* kGridCaptions[] = {"None", "On Tic Marks", "On Labels", "On Zero"};
    // More label (tic) intervals than this across a linear axis are too many.
    static constexpr double kMostIntervals = 101.0;

    // Filled from the axis; the caption is the axis name ("X-Axis" or "Y-Axis").
    CAxisDlg(const CAxis& axis, std::string caption);

    const std::string& Caption() const { return caption_; }

    // Enable rules: the four scaling edits and Autoscale Once only while the scaling is not
    // automatic, the power of ten only while the label scaling is not automatic.
    bool IsScalingEditable() const { return !automatic; }
    bool IsPowerEditable() const { return !automaticPower; }

    // The edit texts; doubles show up to 15 significant digits.
    AxisDlgTexts ControlTexts() const;

    // Reads the edit texts into the fields. The first one that does not hold a number (an
    // integer for the two integer edits) is reported and nothing is read; false then keeps
    // the dialog open.
    bool ReadControls(const AxisDlgTexts& texts);

    // One edit's check, for dialogs that read their edits one by one.
    static std::optional<double> ReadNumber(const std::string& text);
    static std::optional<int> ReadInteger(const std::string& text);

    // "Autoscale Once": scales the range and spacings to the axis's data range in the
    // current log mode. The power of ten stays.
    void OnAutoscaleOnce();
    // The "&Automatic" box: checking it scales at once.
    void OnAutomaticClicked(bool checked);
    // The label scaling "Automatic" box.
    void OnAutomaticPowerClicked(bool checked) { automaticPower = checked; }
    // "&Log Mode": an automatic axis is scaled again for the new mode.
    void OnLogModeClicked(bool checked);

    // What OK does once the dialog has closed: on a linear axis, label and tic spacings that
    // would make more than 101 intervals are reported and corrected; an automatic power of
    // ten is chosen from the minimum (log) or the label spacing.
    void OnOK();

    // Copies the fields into the axis. The grid mode only changes when a grid button is
    // selected.
    void StoreInto(CAxis& axis) const;

    double minimum = 0.0;
    double maximum = 0.0;
    double ticSpacing = 0.0;
    double labelSpacing = 0.0;
    bool automatic = true;
    int powerOfTen = 0;
    int decimalDigits = 3;
    bool automaticPower = true;  // the label scaling "Automatic" box: not a manual power
    int gridChoice = -1;         // 0 to 3, -1 for no button selected
    bool log = false;
    // The axis's data range, which Autoscale Once scales to.
    double dataMinimum = 0.0;
    double dataMaximum = 0.0;

private:
    std::string caption_;
};

// The X-Axis and Y-Axis commands of a plot: the axis dialog on that axis, captioned
// "X-Axis" or "Y-Axis"; on OK the axis is stored, applied alone and drawn anew. True when
// the user pressed OK.
bool EditPlotAxis(CAxisPlot& plot, AxisId axis);

}  // namespace tapwright
