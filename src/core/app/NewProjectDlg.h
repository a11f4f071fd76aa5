#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "data/Preferences.h"

namespace tapwright {

// The five kinds of new project, in the order of the dialog's buttons.
enum class NewProjectChoice : std::int32_t {
    SimpleLowpass = 0,
    SimpleHighpass = 1,
    SimpleBandpass = 2,
    SimpleBandstop = 3,
    Advanced = 4,
};

// The record of the "New FIR Filter Design Project" dialog: one button per kind of project,
// the one chosen last preselected.
class CNewProjectDlg {
public:
    static constexpr const char* kTitle = "New FIR Filter Design Project";
    static constexpr std::array<const char*, 5> kChoiceCaptions = {
        "Simple Lowpass", "Simple Highpass", "Simple Bandpass", "Simple Bandstop", "Advanced"};

    explicit CNewProjectDlg(NewProjectChoice preselected) : choice(preselected) {}

    // The simple filter kind a choice stands for; nothing for "Advanced".
    static std::optional<SimpleFilterKind> SimpleKindOf(NewProjectChoice choice);

    NewProjectChoice choice;
};

}  // namespace tapwright
