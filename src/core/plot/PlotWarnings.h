#pragma once

#include <string>
#include <vector>

#include "platform/UserInterface.h"

namespace tapwright {

// A note that a drawing corrected a setting it could not draw with (too many labels, too
// many grid lines, log axes on a polar plot). Drawing never shows it: it hands it back, and
// the window or command that asked for the drawing shows it once the drawing is over, so
// that no message box opens in the middle of a paint.
struct PlotWarning {
    std::string text;
    MessageIcon icon = MessageIcon::None;

    bool operator==(const PlotWarning&) const = default;
};

// The warnings of one drawing, or of several drawings shown together (the two renderings of
// a copied picture, the redraws of one paint), in the order they were met. A text already
// present is not added again: the user needs to read it once.
class PlotWarnings {
public:
    void Add(PlotWarning warning);
    void Add(const PlotWarnings& more);

    bool IsEmpty() const { return items_.empty(); }
    const std::vector<PlotWarning>& Items() const { return items_; }

private:
    std::vector<PlotWarning> items_;
};

// Shows each warning in a box with an OK button, one after the other.
void ShowWarnings(const PlotWarnings& warnings);

}  // namespace tapwright
