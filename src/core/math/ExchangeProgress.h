#pragma once

#include <functional>

namespace tapwright {

// Called with a running count at the start of every exchange iteration, so that the caller can
// report progress; the engines themselves never show anything. May be empty.
using ExchangeProgress = std::function<void(int iteration)>;

}  // namespace tapwright
