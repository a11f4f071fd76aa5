#pragma once

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "design/LumenData.h"
#include "fileio/DataFormat.h"

namespace tapwright::test {

// A directory of its own under the system's temporary directory, removed with everything in
// it when the test ends.
class TempDir {
public:
    TempDir()
        : path_(std::filesystem::temp_directory_path() /
                ("tapwright-fileio-" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path() const { return path_.string(); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

    // The names of the files in the directory, to check that no temporary file stayed.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

private:
    std::filesystem::path path_;
};

inline void WriteBytesTo(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytesFrom(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Real data when quadrature is empty, otherwise complex; both channels of equal length.
inline CLumenData DataOf(std::initializer_list<double> inphase,
                         std::initializer_list<double> quadrature = {}) {
    CLumenData data;
    for (const double value : inphase) {
        data.Inphase().Add(value);
    }
    for (const double value : quadrature) {
        data.Quadrature().Add(value);
    }
    data.EqualizeChannels(0.0);
    return data;
}

inline std::vector<double> ValuesOf(const CDataColumn& column) {
    std::vector<double> values;
    for (std::int32_t i = 0; i < column.GetNumPoints(); ++i) {
        values.push_back(column.GetAt(i));
    }
    return values;
}

inline CDataFormat FormatOf(FormatCode code) {
    CDataFormat format;
    format.SetCode(code);
    return format;
}

}  // namespace tapwright::test
