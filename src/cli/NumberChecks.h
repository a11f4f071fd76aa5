#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

namespace tapwright::cli {

// The value of a text that is a finite number and nothing else.
std::optional<double> FiniteNumber(const std::string& text);

// Argument checks: a finite number, and one above 0. Infinities and "nan" would reach the
// core as frequencies no axis or grid can hold.
const CLI::Validator& FiniteNumberCheck();
const CLI::Validator& PositiveNumberCheck();

}  // namespace tapwright::cli
