#include "plot/PlotWarnings.h"

#include <algorithm>
#include <utility>

namespace tapwright {

void PlotWarnings::Add(PlotWarning warning) {
    if (std::find(items_.begin(), items_.end(), warning) == items_.end()) {
        items_.push_back(std::move(warning));
    }
}

void PlotWarnings::Add(const PlotWarnings& more) {
    for (const PlotWarning& warning : more.items_) {
        Add(warning);
    }
}

void ShowWarnings(const PlotWarnings& warnings) {
    for (const PlotWarning& warning : warnings.Items()) {
        Ui().ShowMessage(warning.text, MessageButtons::Ok, warning.icon);
    }
}

}  // namespace tapwright
