#include "app/NewProjectDlg.h"

namespace tapwright {

std::optional<SimpleFilterKind> CNewProjectDlg::SimpleKindOf(NewProjectChoice choice) {
    switch (choice) {
        case NewProjectChoice::SimpleLowpass:
            return SimpleFilterKind::Lowpass;
        case NewProjectChoice::SimpleHighpass:
            return SimpleFilterKind::Highpass;
        case NewProjectChoice::SimpleBandpass:
            return SimpleFilterKind::Bandpass;
        case NewProjectChoice::SimpleBandstop:
            return SimpleFilterKind::Bandstop;
        case NewProjectChoice::Advanced:
            break;
    }
    return std::nullopt;
}

}  // namespace tapwright
