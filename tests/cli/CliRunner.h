#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tapwright::cli::test {

// What one run of the program left behind.
struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs tapwright-cli in a directory of its own that lives as long as the runner, so that
// relative file names in the arguments land there.
class CliRunner {
public:
    CliRunner();
    ~CliRunner();
    CliRunner(const CliRunner&) = delete;
    CliRunner& operator=(const CliRunner&) = delete;

    // Runs the program with the signals at their defaults; with a file size limit in bytes
    // the program runs as under "ulimit -f".
    CliResult Run(const std::vector<std::string>& arguments,
                  std::optional<std::uint64_t> fileSizeLimit = std::nullopt) const;

    std::filesystem::path PathOf(const std::string& name) const { return directory_ / name; }
    std::string ReadFile(const std::string& name) const;
    void WriteFile(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path directory_;
};

// The arguments of the lowpass whose tap estimate is 47: passband to 0.1 with 0.1 dB of
// ripple, stopband from 0.15 with 40 dB of attenuation, at Fs = 1.
std::vector<std::string> LowpassArguments();

// The lines of a text, without their line feeds.
std::vector<std::string> Lines(const std::string& text);

}  // namespace tapwright::cli::test
