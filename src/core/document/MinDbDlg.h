#pragma once

namespace tapwright {

// The record of the "Set Minimum Decibels" dialog: the field "Minimum dB:", the floor of the
// response plots. It starts with the filter's floor.
class CMinDbDlg {
public:
    static constexpr const char* kTitle = "Set Minimum Decibels";
    static constexpr const char* kMinDbLabel = "Minimum dB:";
    static constexpr const char* kNotANumberMessage = "The minimum dB must be a number.";

    explicit CMinDbDlg(double floorDb) : minDb(floorDb) {}

    // What OK checks: a floor that is not a finite number is refused with a stop message and
    // the dialog stays open (false).
    bool OnOK() const;

    double minDb;
};

}  // namespace tapwright
