#include "CliRunner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace tapwright::cli::test {

namespace {

std::filesystem::path NewDirectory() {
    std::random_device random;
    const auto directory =
        std::filesystem::temp_directory_path() / ("tapwright-cli-test-" + std::to_string(random()));
    std::filesystem::create_directories(directory);
    return directory;
}

// Sets the soft file size limit of this process, which a child started now inherits, and
// puts it back when it ends.
class InheritedFileSizeLimit {
public:
    explicit InheritedFileSizeLimit(std::optional<std::uint64_t> bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        if (bytes) {
            rlimit limited = saved_;
            limited.rlim_cur = static_cast<rlim_t>(*bytes);
            ::setrlimit(RLIMIT_FSIZE, &limited);
        }
    }
    ~InheritedFileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }
    InheritedFileSizeLimit(const InheritedFileSizeLimit&) = delete;
    InheritedFileSizeLimit& operator=(const InheritedFileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

}  // namespace

CliRunner::CliRunner() : directory_(NewDirectory()) {}

CliRunner::~CliRunner() {
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}

CliResult CliRunner::Run(const std::vector<std::string>& arguments,
                         std::optional<std::uint64_t> fileSizeLimit) const {
    const std::string outPath = PathOf(".stdout");
    const std::string errPath = PathOf(".stderr");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, directory_.c_str());

    std::vector<std::string> argv = {TAPWRIGHT_CLI_PATH};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (std::string& argument : argv) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);

    // The program must cope with signals as a shell leaves them, whatever this process does.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigfillset(&defaults);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

    pid_t child = 0;
    int spawned = 0;
    {
        const InheritedFileSizeLimit limit(fileSizeLimit);
        spawned = posix_spawn(&child, TAPWRIGHT_CLI_PATH, &actions, &attributes, pointers.data(),
                              environ);
    }
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + std::string(TAPWRIGHT_CLI_PATH));
    }
    int status = 0;
    waitpid(child, &status, 0);

    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFile(".stdout");
    result.err = ReadFile(".stderr");
    return result;
}

std::string CliRunner::ReadFile(const std::string& name) const {
    std::ifstream file(PathOf(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void CliRunner::WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
}

std::vector<std::string> LowpassArguments() {
    return {"design", "--lowpass", "--edge1", "0.1",     "--edge2",
            "0.15",   "--ripple",  "0.1",     "--atten", "40"};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace tapwright::cli::test
