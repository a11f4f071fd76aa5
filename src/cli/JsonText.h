#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace tapwright::cli {

using Json = nlohmann::ordered_json;

// The document as indented JSON text in which every floating-point number has 17
// significant digits, so that a coefficient read back is the very double that was written.
// Numbers that are not finite (an unmeasurable band) become null, as JSON has no word for
// them.
std::string JsonText(const Json& value);

}  // namespace tapwright::cli
