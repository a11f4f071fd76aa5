#include "document/MinDbDlg.h"

#include <cmath>

#include "platform/UserInterface.h"

namespace tapwright {

bool CMinDbDlg::OnOK() const {
    if (std::isfinite(minDb)) {
        return true;
    }
    Ui().ShowMessage(kNotANumberMessage, MessageButtons::Ok, MessageIcon::Stop);
    return false;
}

}  // namespace tapwright
