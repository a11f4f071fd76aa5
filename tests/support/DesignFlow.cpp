#include "support/DesignFlow.h"

#include "design/FirData.h"
#include "platform/UserInterface.h"

namespace tapwright {

bool DesignShowing(CFirData& filter) {
    const DesignOutcome outcome = filter.Design("");
    if (outcome.message) {
        ShowDesignMessage(*outcome.message);
    }
    return outcome.converged;
}

bool ValidateShowing(const CFirData& filter) {
    const auto refusal = filter.CheckSpecification();
    if (refusal) {
        Ui().ShowMessage(*refusal, MessageButtons::Ok, MessageIcon::Stop);
    }
    return !refusal;
}

std::int32_t EstimateShowing(const CFirData& filter) {
    if (const auto reason = filter.CannotEstimateReason()) {
        Ui().ShowMessage(*reason, MessageButtons::Ok, MessageIcon::Stop);
    }
    return filter.EstimateTaps();
}

bool OptimizeAsking(CFirData& filter, std::int32_t maxTaps) {
    const auto confirm = [](const std::string& question) {
        return Ui().ShowMessage(question, MessageButtons::YesNo, MessageIcon::Question) ==
               MessageResult::Yes;
    };
    const auto outcome = filter.Optimize(maxTaps, confirm);
    if (outcome) {
        Ui().ShowResult(outcome->text);
        Ui().ShowMessage(outcome->text, MessageButtons::Ok, outcome->icon);
    }
    return outcome.has_value();
}

}  // namespace tapwright
