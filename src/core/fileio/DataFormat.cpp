#include "fileio/DataFormat.h"

#include <algorithm>
#include <array>

#include "fileio/WaveFormatDlg.h"
#include "platform/Archive.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

constexpr std::array<std::uint32_t, 3> kWaveRates{11025, 22050, 44100};
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

std::uint32_t CDataFormat::WaveRateOfIndex(std::int32_t index) {
    const auto last = static_cast<std::int32_t>(kWaveRates.size()) - 1;
    return kWaveRates[static_cast<std::size_t>(std::clamp(index, 0, last))];
}

std::optional<double> CDataFormat::GetSampleRate() const {
    if (!IsWaveCode(code_)) {
        return std::nullopt;
    }
    return WaveRateOfIndex(waveRateIndex_) * kHzToKhz;
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
