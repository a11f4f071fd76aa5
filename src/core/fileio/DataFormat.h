#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fileio/AsmOptionsDlg.h"
#include "fileio/COptionsDlg.h"
#include "fileio/FormatCodec.h"
#include "fileio/FormatTable.h"
#include "fileio/TitlesDlg.h"
#include "fileio/WaveHeader.h"

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;
class ByteCursor;

// A format combo's contents: the names offered, in table order, and the one selected.
struct FormatList {
    std::vector<std::string> names;
    std::int32_t selected = -1;  // index into names; -1 for no selection
};

// The format of a coefficient file together with its options: the code of the format table,
// the WAVE sample size and rate, the header of the last WAVE file read or written, and the
// option sets of the assembly, C and plot formats. Each file of the "Data Files" dialog, the
// data set's last import or export and the coefficient editor have one.
class CDataFormat {
public:
    static constexpr const char* kNoOptionsMessage = "This file format does not\nhave any options";

    FormatCode GetCode() const { return code_; }
    void SetCode(FormatCode code) { code_ = code; }

    // The table name of the code ("Binary:Wave" for both WAVE sample codes); empty for codes
    // that name no format.
    std::string_view GetName() const;

    std::int32_t GetWaveSizeIndex() const { return waveSizeIndex_; }
    std::int32_t GetWaveRateIndex() const { return waveRateIndex_; }
    void SetWaveSizeIndex(std::int32_t index) { waveSizeIndex_ = index; }
    void SetWaveRateIndex(std::int32_t index) { waveRateIndex_ = index; }
    const WaveHeader& GetWaveHeader() const { return waveHeader_; }
    void SetWaveHeader(const WaveHeader& header) { waveHeader_ = header; }

    CAsmOptionsDlg& AsmOptions() { return asmOptions_; }
    const CAsmOptionsDlg& AsmOptions() const { return asmOptions_; }
    CCOptionsDlg& COptions() { return cOptions_; }
    const CCOptionsDlg& COptions() const { return cOptions_; }
    CTitlesDlg& PlotTitles() { return plotTitles_; }
    const CTitlesDlg& PlotTitles() const { return plotTitles_; }

    // ---- The file layout of the code ----------------------------------------------------

    bool ReadHeader(ByteCursor& input, DeclaredPoints& declared);
    bool ReadsLines() const { return Codec().ReadsLines(); }
    std::optional<RecordValues> ReadRecord(ByteCursor& input, int wanted) const;
    void WriteHeader(std::string& out, int channels, std::int32_t points);
    void WriteRecord(std::string& out, std::int32_t index, std::span<const double> values) const;
    // True when the format wrote the whole file itself ("Text:C" and "Asm:TI Asm").
    bool WriteWhole(std::string& out, const WriteColumns& columns) const;
    std::optional<ValueLimits> GetOverflowLimits() const;

    // The channels of the file: the WAVE header's count for WAVE codes, otherwise 2.
    int GetChannelCount() const;

    // ---- Options and lists --------------------------------------------------------------

    bool HasOptions() const;

    // Runs the options dialog of the format and keeps its values on OK; a format without
    // options tells the user so. True when options were changed.
    bool ShowOptions();

    // The names whose directions include all the bits asked, with the current code selected
    // (WAVE codes as "Binary:Wave"); no selection when the code is not listed.
    FormatList FillFormatList(FormatDirection direction) const;

    // Takes the code of the row with exactly this name; other names change nothing.
    void SelectFormat(std::string_view name);

    // For WAVE codes, the sample frequency of the options in kHz.
    std::optional<double> GetSampleRate() const;

    // The rate index that stands for the project's own sampling frequency, and the number of
    // the common rates before it.
    static constexpr std::int32_t kProjectRateIndex = 9;

    // The common WAVE sample frequency in Hz that an index stands for: 0, 1 and 2 are
    // 11025, 22050 and 44100 Hz, as older projects store them, then 8, 16, 32, 48, 88.2 and
    // 96 kHz. Nothing for another index.
    static std::optional<std::uint32_t> CommonWaveRate(std::int32_t index);
    // The index of a common rate, or nothing.
    static std::optional<std::int32_t> CommonRateIndex(std::uint32_t rateHz);

    // The sample frequency in Hz of the WAVE files written: the common rate of the index, or
    // for the project's index the project's rate (44100 Hz while it is not known).
    std::uint32_t GetWaveRate() const;

    // The sampling frequency of the project the format belongs to, which the WAVE options
    // offer as a rate of its own. A rate a WAVE header cannot hold (not whole Hz) is none.
    void SetProjectRate(double rateHz);
    std::uint32_t GetProjectRate() const { return projectRateHz_; }

    // Takes the rate of a WAVE file read: its common index, or the project's index with the
    // file's rate as the project's.
    void TakeWaveRate(std::uint32_t rateHz);

    // Gives the assembly and C options the document title (each "." made "_") as their
    // names while these are still empty.
    void SetDefaultNames(const std::string& documentTitle);

    // ---- Project stream ------------------------------------------------------------------

    // The format record: WAVE size and rate indexes and the code as 16-bit values, the
    // assembly options from project version 4 on and the C options from version 5 on. The
    // writer always writes the newest layout; reading changes nothing unless the whole
    // record could be read.
    void Serialize(ArchiveWriter& archive) const;
    void Serialize(ArchiveReader& archive, int version);

private:
    const FormatCodec& Codec() const { return CodecFor(code_); }

    FormatCode code_ = FormatCode::None;
    std::int32_t waveSizeIndex_ = 0;
    std::int32_t waveRateIndex_ = 0;
    std::uint32_t projectRateHz_ = 0;  // not kept in project files
    WaveHeader waveHeader_;
    CAsmOptionsDlg asmOptions_;
    CCOptionsDlg cOptions_;
    CTitlesDlg plotTitles_;
};

}  // namespace tapwright
