#pragma once

#include <optional>
#include <string>

#include "platform/UserInterface.h"

namespace tapwright {

// A message a design operation ends with. The operation only returns it; the flow that ran
// the operation shows it (a message box on the desktop, a line on the command line's error
// stream) or leaves it unshown when it designs quietly.
struct DesignMessage {
    std::string text;
    MessageIcon icon = MessageIcon::Stop;
};

// How one design ended: whether the engine reached a level (equiripple) result, and what the
// user is to be told: why the specification was refused, or that the engine failed to
// converge (as information when the taps meet the specification anyway).
struct DesignOutcome {
    bool converged = false;
    std::optional<DesignMessage> message;
};

// Shows a design message as an OK box with its icon.
inline void ShowDesignMessage(const DesignMessage& message) {
    Ui().ShowMessage(message.text, MessageButtons::Ok, message.icon);
}

}  // namespace tapwright
