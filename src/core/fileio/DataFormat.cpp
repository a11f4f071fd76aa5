#include "fileio/DataFormat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "fileio/WaveFormatDlg.h"
#include "platform/Archive.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

// The common WAVE rates by index. The first three are the codes older projects store, so
// their order never changes; rates added later come after them.
constexpr std::array<std::uint32_t, 9> kWaveRates{11025, 22050, 44100, 8000, 16000,
                                                  32000, 48000, 88200, 96000};
constexpr std::uint32_t kFallbackWaveRate = 44100;
// The byte rate of a header (rate times up to four bytes a frame) must fit its 32 bits.
constexpr double kLargestProjectRate = 1073741823.0;
constexpr double kHzToKhz = 0.001;
// Project versions that brought the option records.
constexpr int kVersionWithAsmOptions = 4;
constexpr int kVersionWithCOptions = 5;

// Runs an options record on a copy and keeps it only on OK, so Cancel changes nothing.
template <class Dialog>
bool RunOnCopy(Dialog& options) {
    Dialog edited = options;
    if (!Ui().Run(edited)) {
        return false;
    }
    options = std::move(edited);
    return true;
}

// A rate in kHz as the options show it: 11.025, 44.1, 48.
std::string KhzText(std::uint32_t rateHz) {
    std::string text = std::to_string(rateHz / 1000);
    std::string fraction = std::to_string(1000 + rateHz % 1000).substr(1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return fraction.empty() ? text : text + "." + fraction;
}

std::string DefaultName(std::string title) {
    std::replace(title.begin(), title.end(), '.', '_');
    return title;
}

}  // namespace

std::string_view CDataFormat::GetName() const {
    const FormatTableRow* row = FindFormatRow(code_);
    return row != nullptr ? row->name : std::string_view();
}

bool CDataFormat::ReadHeader(ByteCursor& input, DeclaredPoints& declared) {
    return Codec().ReadHeader(input, *this, declared);
}

std::optional<RecordValues> CDataFormat::ReadRecord(ByteCursor& input, int wanted) const {
    return Codec().ReadRecord(input, *this, wanted);
}

void CDataFormat::WriteHeader(std::string& out, int channels, std::int32_t points) {
    Codec().WriteHeader(out, *this, channels, points);
}

void CDataFormat::WriteRecord(std::string& out, std::int32_t index,
                              std::span<const double> values) const {
    Codec().WriteRecord(out, *this, index, values);
}

bool CDataFormat::WriteWhole(std::string& out, const WriteColumns& columns) const {
    return Codec().WriteWhole(out, *this, columns);
}

std::optional<ValueLimits> CDataFormat::GetOverflowLimits() const {
    return Codec().OverflowLimits(*this);
}

int CDataFormat::GetChannelCount() const {
    return IsWaveCode(code_) ? waveHeader_.channels : 2;
}

bool CDataFormat::HasOptions() const {
    const FormatTableRow* row = FindFormatRow(code_);
    return row != nullptr && row->options != FormatOptions::None;
}

bool CDataFormat::ShowOptions() {
    const FormatTableRow* row = FindFormatRow(code_);
    switch (row != nullptr ? row->options : FormatOptions::None) {
        case FormatOptions::Titles:
            return RunOnCopy(plotTitles_);
        case FormatOptions::COutput:
            return RunOnCopy(cOptions_);
        case FormatOptions::TiAsm:
            return RunOnCopy(asmOptions_);
        case FormatOptions::Wave: {
            CWaveFormatDlg wave;
            wave.sizeIndex = waveSizeIndex_;
            wave.rateIndex = waveRateIndex_;
            wave.projectRateHz = projectRateHz_;
            if (!Ui().Run(wave)) {
                return false;
            }
            waveSizeIndex_ = wave.sizeIndex;
            waveRateIndex_ = wave.rateIndex;
            return true;
        }
        case FormatOptions::None:
            break;
    }
    Ui().ShowMessage(kNoOptionsMessage, MessageButtons::Ok, MessageIcon::Stop);
    return false;
}

FormatList CDataFormat::FillFormatList(FormatDirection direction) const {
    FormatList list;
    const FormatTableRow* current = FindFormatRow(code_);
    for (const FormatTableRow& row : FormatTable()) {
        if (!row.Offers(direction)) {
            continue;
        }
        if (&row == current) {
            list.selected = static_cast<std::int32_t>(list.names.size());
        }
        list.names.emplace_back(row.name);
    }
    return list;
}

void CDataFormat::SelectFormat(std::string_view name) {
    if (const FormatTableRow* row = FindFormatRow(name)) {
        code_ = row->code;
    }
}

std::optional<std::uint32_t> CDataFormat::CommonWaveRate(std::int32_t index) {
    if (index < 0 || index >= static_cast<std::int32_t>(kWaveRates.size())) {
        return std::nullopt;
    }
    return kWaveRates[static_cast<std::size_t>(index)];
}

std::optional<std::int32_t> CDataFormat::CommonRateIndex(std::uint32_t rateHz) {
    const auto found = std::find(kWaveRates.begin(), kWaveRates.end(), rateHz);
    if (found == kWaveRates.end()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(found - kWaveRates.begin());
}

std::uint32_t CDataFormat::GetWaveRate() const {
    if (waveRateIndex_ == kProjectRateIndex && projectRateHz_ != 0) {
        return projectRateHz_;
    }
    return CommonWaveRate(waveRateIndex_).value_or(kFallbackWaveRate);
}

void CDataFormat::SetProjectRate(double rateHz) {
    const bool wholeHz = std::isfinite(rateHz) && rateHz >= 1.0 &&
                         rateHz <= kLargestProjectRate &&
                         rateHz == std::floor(rateHz);
    projectRateHz_ = wholeHz ? static_cast<std::uint32_t>(rateHz) : 0;
}

void CDataFormat::TakeWaveRate(std::uint32_t rateHz) {
    if (const auto index = CommonRateIndex(rateHz)) {
        waveRateIndex_ = *index;
        return;
    }
    waveRateIndex_ = kProjectRateIndex;
    projectRateHz_ = rateHz;
}

std::optional<double> CDataFormat::GetSampleRate() const {
    if (!IsWaveCode(code_)) {
        return std::nullopt;
    }
    return GetWaveRate() * kHzToKhz;
}

std::vector<WaveRateChoice> CWaveFormatDlg::RateChoices() const {
    std::vector<std::pair<std::uint32_t, std::int32_t>> rates;
    for (std::int32_t index = 0; const std::uint32_t rate : kWaveRates) {
        rates.emplace_back(rate, index++);
    }
    std::sort(rates.begin(), rates.end());
    std::vector<WaveRateChoice> choices;
    for (const auto& [rate, index] : rates) {
        choices.push_back({index, KhzText(rate)});
    }
    if (projectRateHz != 0) {
        choices.push_back(
            {CDataFormat::kProjectRateIndex, KhzText(projectRateHz) + " (the project's)"});
    }
    return choices;
}

void CDataFormat::SetDefaultNames(const std::string& documentTitle) {
    if (asmOptions_.name.empty()) {
        asmOptions_.name = DefaultName(documentTitle);
    }
    if (cOptions_.varName.empty()) {
        cOptions_.varName = DefaultName(documentTitle);
    }
}

void CDataFormat::Serialize(ArchiveWriter& archive) const {
    archive.WriteI16(static_cast<std::int16_t>(waveSizeIndex_));
    archive.WriteI16(static_cast<std::int16_t>(waveRateIndex_));
    archive.WriteI16(static_cast<std::int16_t>(code_));
    asmOptions_.Serialize(archive);
    cOptions_.Serialize(archive);
}

void CDataFormat::Serialize(ArchiveReader& archive, int version) {
    CDataFormat read = *this;
    read.waveSizeIndex_ = archive.ReadI16();
    read.waveRateIndex_ = archive.ReadI16();
    read.code_ = static_cast<FormatCode>(archive.ReadI16());
    if (version >= kVersionWithAsmOptions) {
        read.asmOptions_.Serialize(archive);
    }
    if (version >= kVersionWithCOptions) {
        read.cOptions_.Serialize(archive);
    }
    *this = std::move(read);
}

}  // namespace tapwright
