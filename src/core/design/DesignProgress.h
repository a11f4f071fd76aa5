#pragma once

#include <string>

#include "math/ExchangeProgress.h"

namespace tapwright {

// The design engines' progress as the status line shows it: prefix + "Doing design iteration
// number <n>." at the start of every iteration.
ExchangeProgress StatusLineProgress(const std::string& prefix);

}  // namespace tapwright
