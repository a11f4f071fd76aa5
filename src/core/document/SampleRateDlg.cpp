#include "document/SampleRateDlg.h"

#include <cmath>

#include "document/CoefficientCommands.h"
#include "platform/UserInterface.h"

namespace tapwright {

std::vector<std::string> CSampleRateDlg::UnitRows() {
    std::vector<std::string> rows;
    for (std::int32_t row = 0; row < CFreqUnits::kNumUnits; ++row) {
        rows.push_back(CFreqUnits::UnitsText(row));
    }
    return rows;
}

bool CSampleRateDlg::OnOK() const {
    if (std::isfinite(frequency) && frequency > 0.0) {
        return true;
    }
    Ui().ShowMessage(kSampleRateMessage, MessageButtons::Ok, MessageIcon::Stop);
    return false;
}

}  // namespace tapwright
