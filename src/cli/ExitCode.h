#pragma once

namespace tapwright::cli {

// What a command tells the shell that started it. Scripts rely on these numbers: a build
// step can tell a filter that no longer meets its specification from a broken command.
enum class ExitCode : int {
    Success = 0,  // the work is done and the filter meets its specification (or has none)
    SpecificationNotMet = 1,  // the work is done, but the filter misses its specification
    BadInput = 2,             // bad arguments, or input the core refused; a message says why
    FileError = 3,            // a file could not be read or written
};

inline int ToInt(ExitCode code) {
    return static_cast<int>(code);
}

}  // namespace tapwright::cli
