#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "data/DataSet.h"
#include "platform/Archive.h"
#include "platform/FrameFactory.h"
#include "platform/View.h"

namespace tapwright::test {

// A view that records what its document tells it and attaches to the data of the first
// hint that carries data for its kind, as the real views do.
class TestView : public CView {
public:
    struct Update {
        std::uint32_t hint;
        CDataSet* object;
    };

    TestView(CSerDoc& document, ViewKind kind) : document_(&document), kind_(kind) {}

    void OnUpdate(CView* /*sender*/, std::uint32_t value, CDataSet* object) override {
        updates.push_back({value, object});
        if (data_ == nullptr && object != nullptr && hint::Action(value) == AttachAction()) {
            data_ = object;
        }
    }
    void OnInitialUpdate() override {
        ++initialUpdates;
        CView::OnInitialUpdate();
    }
    ViewKind Kind() const override { return kind_; }
    const CDataSet* ViewData() const override { return data_; }
    void ResetZoom() override { ++zoomResets; }

    CSerDoc* Document() const { return document_; }

    std::vector<Update> updates;
    int initialUpdates = 0;
    int zoomResets = 0;

private:
    std::uint32_t AttachAction() const {
        switch (kind_) {
            case ViewKind::AdvancedEditor:
            case ViewKind::SimpleEditor:
                return hint::kDesignLoaded;
            case ViewKind::FrequencyResponse:
                return hint::kOpenResponse;
            case ViewKind::Graph:
            case ViewKind::CoefficientEditor:
            case ViewKind::Other:
                break;
        }
        return hint::kShowChannel;
    }

    CSerDoc* document_;
    ViewKind kind_;
    const CDataSet* data_ = nullptr;
};

// Frames as plain objects: each holds one TestView and lives until it is destroyed.
class TestFrames : public FrameFactory {
public:
    CView* CreateFrame(CSerDoc& document, ViewKind kind) override {
        if (refuseFrames) {
            return nullptr;
        }
        views_.push_back(std::make_unique<TestView>(document, kind));
        return views_.back().get();
    }
    void ActivateFrame(CView& view) override { activated.push_back(&view); }
    void DestroyFrame(CView& view) override {
        std::erase_if(views_, [&view](const auto& held) { return held.get() == &view; });
    }

    std::vector<TestView*> Views(ViewKind kind) const {
        std::vector<TestView*> found;
        for (const auto& view : views_) {
            if (view->Kind() == kind) {
                found.push_back(view.get());
            }
        }
        return found;
    }
    std::size_t Count() const { return views_.size(); }

    bool refuseFrames = false;
    std::vector<CView*> activated;

private:
    std::vector<std::unique_ptr<TestView>> views_;
};

// A project stream written field by field as the file layout describes it, independently of
// the document's own writer. The defaults are those of a new project.
struct ProjectFields {
    int version = 7;
    std::string name;
    std::uint32_t columnCount = 2;
    std::vector<std::vector<double>> columns = {{}, {}};
    std::int16_t filterFormatCode = -1;
    std::int32_t isTimeData = 1;
    std::int32_t isReal = 1;
    double sampleRate = 1.0;
    double nyquist = 0.5;
    double step = 1.0;
    std::int16_t filterWindowType = -1;
    std::int32_t rangeFirst = 0;
    std::int32_t rangeLast = 0;
    std::int32_t numPoints = 0;
    std::int32_t halfPoints = 0;
    std::string units = "Hz,sec";
    std::int32_t responseType = 1;
    std::int32_t gridDensity = 16;
    std::int32_t numTaps = 0;
    std::int32_t bandCapacity = 32;
    std::int32_t bandCount = -1;  // -1: the number of bands given
    std::vector<std::array<double, 4>> bands;
    std::int32_t gainInDb = 0;
    std::int32_t attnInDb = 1;
    double floorDb = -110.0;
    std::int32_t designed = 0;
    std::int32_t sineCount = 256;
    float sineCycles = 4.0f;
    std::int32_t mixFrequencyMode = 0;
    std::array<float, 3> mixFrequencies = {0.0f, 0.0f, 0.0f};
    std::int32_t mixPhaseMode = 0;
    float mixDegrees = 0.0f;
    double scaleFrequency = 0.0;
    std::int32_t scaleMode = 0;
    double scaleValue = 0.0;
    std::int32_t scaleInDb = 1;
    std::int32_t fillTaps = 0;
    double fillConstant = 0.0;
    std::int32_t fillOneOverTaps = 1;
    std::string inphasePath;
    std::string quadraturePath;
    std::int16_t windowType = 0;
    float kaiserAlpha = 4.0f;
    std::int32_t storedFlag = 1;
    double storedValue = 10.0;
    std::int32_t quantizeBits = 16;
    // Version 6 on: the windows record, here without windows.
    std::vector<std::uint8_t> windowRecord = {0, 0, 0, 0};
};

// A windows record of one normal window at (0, 0) with no size and no zoom: its count, then
// the kind, the hint, four frame numbers, the zoom flag and four ranges, and from version 7
// on the state and the format name.
inline std::vector<std::uint8_t> OneWindowRecord(std::int32_t kind, std::uint32_t hint,
                                                 int version = 7, std::string_view format = {}) {
    ArchiveWriter out;
    out.WriteU32(1);
    out.WriteI32(kind);
    out.WriteU32(hint);
    for (int i = 0; i < 5; ++i) {
        out.WriteI32(0);
    }
    for (int i = 0; i < 4; ++i) {
        out.WriteF64(0.0);
    }
    if (version >= 7) {
        out.WriteI32(0);
        out.WriteText(format);
    }
    return out.TakeBytes();
}

inline void WriteFormatRecord(ArchiveWriter& out, int version, std::int16_t code) {
    out.WriteI16(0);
    out.WriteI16(0);
    out.WriteI16(code);
    if (version >= 4) {
        out.WriteText("");
        out.WriteText("");
        out.WriteI32(1);
        out.WriteText("   .text");
        out.WriteI32(1);
        out.WriteI32(0);
        out.WriteText("");
        out.WriteI32(0);
        out.WriteI32(1);
        out.WriteI32(1);
    }
    if (version >= 5) {
        out.WriteText("");
        out.WriteText("float");
    }
}

inline std::vector<std::uint8_t> BuildProject(const ProjectFields& f) {
    ArchiveWriter out;
    out.WriteU16(static_cast<std::uint16_t>(f.version));
    out.WriteText(f.name);
    out.WriteU32(f.columnCount);
    for (std::uint32_t c = 0; c < f.columnCount && c < f.columns.size(); ++c) {
        out.WriteU32(static_cast<std::uint32_t>(f.columns[c].size()));
        for (const double sample : f.columns[c]) {
            out.WriteF64(sample);
        }
    }
    WriteFormatRecord(out, f.version, f.filterFormatCode);
    out.WriteText("");  // base path
    out.WriteI32(0);    // open-error message flag
    out.WriteI32(f.isTimeData);
    out.WriteI32(f.isReal);
    out.WriteF64(f.sampleRate);
    out.WriteF64(f.nyquist);
    out.WriteF64(f.step);
    out.WriteI16(f.filterWindowType);
    out.WriteI32(f.rangeFirst);
    out.WriteI32(f.rangeLast);
    out.WriteI32(f.numPoints);
    out.WriteI32(f.halfPoints);
    out.WriteText(f.units);
    out.WriteI32(f.responseType);
    out.WriteI32(f.gridDensity);
    out.WriteI32(f.numTaps);
    out.WriteI32(f.bandCapacity);
    out.WriteI32(f.bandCount >= 0 ? f.bandCount : static_cast<std::int32_t>(f.bands.size()));
    for (const auto& band : f.bands) {
        for (const double value : band) {
            out.WriteF64(value);
        }
    }
    out.WriteI32(f.gainInDb);
    out.WriteI32(f.attnInDb);
    out.WriteF64(f.floorDb);
    out.WriteI32(f.designed);
    out.WriteI32(f.sineCount);
    out.WriteF32(f.sineCycles);
    out.WriteI32(f.mixFrequencyMode);
    for (const float value : f.mixFrequencies) {
        out.WriteF32(value);
    }
    out.WriteI32(f.mixPhaseMode);
    out.WriteF32(f.mixDegrees);
    out.WriteF64(f.scaleFrequency);
    out.WriteI32(f.scaleMode);
    out.WriteF64(f.scaleValue);
    out.WriteI32(f.scaleInDb);
    out.WriteI32(f.fillTaps);
    out.WriteF64(f.fillConstant);
    out.WriteI32(f.fillOneOverTaps);
    if (f.version >= 4) {
        out.WriteText(f.inphasePath);
        out.WriteText(f.quadraturePath);
        WriteFormatRecord(out, f.version, -1);
        WriteFormatRecord(out, f.version, -1);
    }
    out.WriteI16(f.windowType);
    out.WriteF32(f.kaiserAlpha);
    out.WriteI32(f.storedFlag);
    out.WriteF64(f.storedValue);
    out.WriteI32(f.quantizeBits);
    if (f.version == 3) {
        out.WriteF32(0.0f);
    }
    std::vector<std::uint8_t> bytes = out.TakeBytes();
    if (f.version >= 6) {
        bytes.insert(bytes.end(), f.windowRecord.begin(), f.windowRecord.end());
    }
    return bytes;
}

// A directory of its own under the system's temporary directory, removed with its contents.
class TempDir {
public:
    TempDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("tapwright-document-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

    // The names in the directory.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace tapwright::test
