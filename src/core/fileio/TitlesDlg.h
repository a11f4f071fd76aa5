#pragma once

#include <string>

namespace tapwright {

// The "Titles" dialog: a plot's main, X and Y titles. It edits the titles option of the
// "Text:Plot" format, which are the titles a plot data file carries in its first three lines.
class CTitlesDlg {
public:
    static constexpr const char* kCaption = "Titles";

    std::string mainTitle;
    std::string xTitle;
    std::string yTitle;

    bool AllEmpty() const { return mainTitle.empty() && xTitle.empty() && yTitle.empty(); }
};

}  // namespace tapwright
