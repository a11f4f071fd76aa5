#include "fileio/DataSetIO.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "design/FirData.h"
#include "fileio/WaveFormatDlg.h"
#include "platform/FileSystem.h"
#include "platform/Archive.h"
#include "support/FakeUserInterface.h"
#include "core/fileio/FileioTestSupport.h"

namespace tapwright {
namespace {

using test::DataOf;
using test::FakeUserInterface;
using test::FormatOf;
using test::ReadBytesFrom;
using test::TempDir;
using test::ValuesOf;
using test::WriteBytesTo;

TEST(DataSetIOTest, NamesBeginningWithADotAreCompletedFromTheBasePath) {
    CDataSetIO set;
    set.SetBasePath("/work/filters/lowpass.twa");
    EXPECT_EQ(set.CompletePath(".txt"), "/work/filters/lowpass.txt");
    EXPECT_EQ(set.CompletePath("_i.hex"), "_i.hex");
    EXPECT_EQ(set.CompletePath(""), "");
    set.SetBasePath("/work/v1.2/lowpass");
    EXPECT_EQ(set.CompletePath(".txt"), "/work/v1.2/lowpass.txt");
    set.SetBasePath("");
    EXPECT_EQ(set.CompletePath("./taps.txt"), "./taps.txt");
}

TEST(DataSetIOTest, ReadFileReportsAMissingFileOnlyWhenTheFlagIsSet) {
    TempDir dir;
    const std::string missing = dir.File("missing.txt");
    CLumenData data = DataOf({0.5});
    CDataFormat format = FormatOf(FormatCode::TextDecimal);
    {
        FakeUserInterface quiet;
        EXPECT_EQ(data.ReadFile(format, missing, 0), 0);
    }
    FakeUserInterface ui;
    ui.ExpectMessage("Cannot open file \"" + missing + "\".");
    data.SetOpenErrorMessage(1);
    EXPECT_EQ(data.ReadFile(format, missing, 0), 0);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5}));
}

TEST(DataSetIOTest, FileWrittenAndReadBackThroughTheDisk) {
    FakeUserInterface ui;
    TempDir dir;
    const std::string path = dir.File("taps.dat");
    CDataFormat format = FormatOf(FormatCode::BinaryDouble);
    const CLumenData data = DataOf({0.5, -0.125});
    ASSERT_EQ(data.WriteFile(format, path, 0), 1);
    EXPECT_EQ(std::filesystem::file_size(path), 16u);
    EXPECT_EQ(dir.Names(), std::vector<std::string>({"taps.dat"}));

    CLumenData read;
    ASSERT_EQ(read.ReadFile(format, path, 1), 1);
    EXPECT_EQ(ValuesOf(read.Quadrature()), std::vector<double>({0.5, -0.125}));
    EXPECT_EQ(read.Inphase().GetNumPoints(), 0);
}

TEST(DataSetIOTest, DecliningTheOverflowQuestionKeepsTheOldFile) {
    FakeUserInterface ui;
    TempDir dir;
    const std::string path = dir.File("taps.hex");
    WriteBytesTo(path, "old contents\r\n");
    ui.ExpectMessage(CDataSetIO::kOverflowQuestion, MessageResult::No);
    CDataFormat format = FormatOf(FormatCode::TextHex);
    EXPECT_EQ(DataOf({1.5}).WriteFile(format, path, 0), 0);
    EXPECT_EQ(ReadBytesFrom(path), "old contents\r\n");
    EXPECT_EQ(dir.Names(), std::vector<std::string>({"taps.hex"}));
}

TEST(DataSetIOTest, WriteThatCannotOpenItsFileSaysSoAndChangesNothing) {
    FakeUserInterface ui;
    TempDir dir;
    const std::string intoMissingDir = dir.File("no/such/dir/taps.txt");
    ui.ExpectMessage("Cannot open file \"" + intoMissingDir + "\".");
    ui.ExpectMessage("Cannot open file \"" + dir.Path() + "/\".");
    CDataFormat format = FormatOf(FormatCode::TextDecimal);
    const CLumenData data = DataOf({0.5});
    EXPECT_EQ(data.WriteFile(format, intoMissingDir, 0), 0);
    EXPECT_EQ(data.WriteFile(format, dir.Path() + "/", 0), 0);
    EXPECT_EQ(ui.Messages().front().icon, MessageIcon::Stop);
    EXPECT_TRUE(dir.Names().empty());
    EXPECT_EQ(data.WriteFile(format, "", 0), 1);
}

TEST(DataSetIOTest, ReplacedFileKeepsItsPermissions) {
    FakeUserInterface ui;
    TempDir dir;
    const std::string path = dir.File("taps.txt");
    WriteBytesTo(path, "old");
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    CDataFormat format = FormatOf(FormatCode::TextDecimal);
    ASSERT_EQ(DataOf({0.5}).WriteFile(format, path, 0), 1);
    EXPECT_EQ(ReadBytesFrom(path), " 0.500000000000\r\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(DataSetIOTest, ReadThatYieldsNoPointLeavesTheColumnsAsTheyWere) {
    FakeUserInterface ui;
    CLumenData data = DataOf({0.5, 0.25}, {0.125, 0.0});
    CDataFormat format = FormatOf(FormatCode::TextDecimal);
    ui.ExpectMessage(
        "Read 0 points (Inphase and Quadrature) from \"f\".\n"
        "Reading stopped at line 1, which holds no number that can be read: \"not a number\".");
    EXPECT_EQ(data.ReadBytes(format, "not a number\n", "f", 0, 1), 0);
    EXPECT_EQ(data.ReadBytes(format, "", "f", 0), 0);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5, 0.25}));
    EXPECT_EQ(ValuesOf(data.Quadrature()), std::vector<double>({0.125, 0.0}));
}

class TwoPointSet : public CDataSetIO {
public:
    TwoPointSet() {
        AddColumn();
        for (const double value : {0.1, 0.2, 0.3}) {
            GetColumn(0).Add(value);
        }
    }
    std::int32_t GetMaxPoints() const override { return 2; }
};

TEST(DataSetIOTest, MaxPointsCapsReadingAndWriting) {
    FakeUserInterface ui;
    TwoPointSet set;
    CDataFormat format = FormatOf(FormatCode::TextDecimal);
    EXPECT_EQ(set.WriteBytes(format, 0).value_or(""), " 0.100000000000\r\n 0.200000000000\r\n");
    ui.ExpectMessage(
        "Read 2 values from \"f\".\n"
        "Reading stopped at line 3: at most 2 points can be read. 2 lines were not read.");
    ASSERT_EQ(set.ReadBytes(format, "1\n2\n3\n4\n", "f", 0), 1);
    EXPECT_EQ(ValuesOf(set.GetColumn(0)), std::vector<double>({1.0, 2.0}));
    EXPECT_FALSE(set.WriteBytes(format, 1).has_value());
}

TEST(DataSetIOTest, AWaveFileBeyondTheReadLimitIsReadUpToTheLargestFilter) {
    FakeUserInterface ui;
    TempDir dir;
    const std::string path = dir.File("long.wav");
    CDataFormat wave = FormatOf(FormatCode::BinaryWave);
    wave.SetWaveSizeIndex(1);
    std::string header = DataOf({0.0}).WriteBytes(wave, 0).value_or("");
    ASSERT_EQ(header.size(), 48u);
    header.resize(42);
    header += std::string("\xF0\xFF\xFF\x7F", 4);  // a data chunk of 2 GiB
    WriteBytesTo(path, header);
    // The rest reads as zeros without taking the disk space.
    std::filesystem::resize_file(path, kMaxReadFileBytes + 1024);

    CFirData filter;
    CDataFormat reading = FormatOf(FormatCode::BinaryWave);
    ui.ExpectMessage("Read 10000 values from \"" + path +
                     "\".\nReading stopped at record 10001: at most 10000 points can be read. "
                     "The file holds 1073741816 records.");
    ASSERT_EQ(filter.ReadFile(reading, path, 0), 1);
    EXPECT_EQ(filter.Inphase().GetNumPoints(), CFirData::kMaxTaps);
}

TEST(DataSetIOTest, ClipboardTextHasOneLinePerRow) {
    FakeUserInterface ui;
    const CLumenData real = DataOf({0.0, 1.0, 2.0, 3.0});
    real.ExportRange();
    const CLumenData complex = DataOf({0.5, -0.25}, {1.5, 0.0});
    complex.ExportRange();
    complex.CopyToClipboard(1, 1, 1, 1);
    complex.CopyToClipboard(0, 2, 0, 1);
    complex.CopyToClipboard(0, 1, 1, 0);
    complex.CopyToClipboard(0, 1, 0, 2);
    const auto& texts = ui.RecordingClipboard().Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0],
              " 0.000000000\r\n 1.000000000\r\n 2.000000000\r\n 3.000000000\r\n");
    EXPECT_EQ(texts[1], " 0.500000000\t 1.500000000\r\n-0.250000000\t 0.000000000\r\n");
    EXPECT_EQ(texts[2], " 0.000000000\r\n");
}

TEST(DataSetIOTest, ProjectRecordKeepsFormatBasePathAndFlag) {
    CDataSetIO set;
    set.SetName("FIR Design");
    set.AddColumn().Add(0.5);
    set.SetBasePath("/p/x.twa");
    set.SetOpenErrorMessage(3);
    set.GetFormat().SetCode(FormatCode::AsmTi);
    set.GetFormat().AsmOptions().name = "lp";
    set.GetFormat().COptions().varType = "q15";
    ArchiveWriter writer;
    set.Serialize(writer, 5);

    CDataSetIO loaded;
    ArchiveReader reader(writer.Bytes());
    loaded.Serialize(reader, 5);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(loaded.GetName(), "FIR Design");
    EXPECT_EQ(ValuesOf(loaded.GetColumn(0)), std::vector<double>({0.5}));
    EXPECT_EQ(loaded.GetBasePath(), "/p/x.twa");
    EXPECT_EQ(loaded.GetOpenErrorMessage(), 3);
    EXPECT_EQ(loaded.GetFormat().GetCode(), FormatCode::AsmTi);
    EXPECT_EQ(loaded.GetFormat().AsmOptions().name, "lp");
    EXPECT_EQ(loaded.GetFormat().COptions().varType, "q15");

    ArchiveReader cut(std::span(writer.Bytes()).first(writer.Bytes().size() - 1));
    CDataSetIO untouched;
    untouched.SetBasePath("kept");
    EXPECT_THROW(untouched.Serialize(cut, 5), ArchiveError);
    EXPECT_EQ(untouched.GetBasePath(), "kept");
    EXPECT_EQ(untouched.GetNumColumns(), 0);
}

TEST(DataFormatTest, FormatRecordFollowsTheProjectVersion) {
    CDataFormat format;
    format.SetWaveSizeIndex(1);
    format.SetWaveRateIndex(2);
    format.COptions().varName = "c";
    ArchiveWriter writer;
    format.Serialize(writer);
    const std::vector<std::uint8_t>& bytes = writer.Bytes();
    // Indexes and code, then the assembly options (text "", text "", graph, "   .text", ...).
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 6),
              std::vector<std::uint8_t>({1, 0, 2, 0, 0xFF, 0xFF}));

    for (const int version : {3, 4, 5}) {
        ArchiveWriter older;
        older.WriteI16(0);
        older.WriteI16(1);
        older.WriteI16(4);
        if (version >= 4) {
            CAsmOptionsDlg asmOptions;
            asmOptions.name = "v4";
            asmOptions.Serialize(older);
        }
        if (version >= 5) {
            CCOptionsDlg cOptions;
            cOptions.varName = "v5";
            cOptions.Serialize(older);
        }
        CDataFormat loaded;
        ArchiveReader reader(older.Bytes());
        loaded.Serialize(reader, version);
        EXPECT_TRUE(reader.AtEnd()) << version;
        EXPECT_EQ(loaded.GetCode(), FormatCode::TextHex);
        EXPECT_EQ(loaded.GetWaveRateIndex(), 1);
        EXPECT_EQ(loaded.AsmOptions().name, version >= 4 ? "v4" : "");
        EXPECT_EQ(loaded.COptions().varName, version >= 5 ? "v5" : "");
    }
    CDataFormat none;
    ArchiveWriter noneWriter;
    none.Serialize(noneWriter);
    CDataFormat back;
    back.SetCode(FormatCode::TextDecimal);
    ArchiveReader noneReader(noneWriter.Bytes());
    back.Serialize(noneReader, 5);
    EXPECT_EQ(back.GetCode(), FormatCode::None);
}

TEST(DataFormatTest, ListsOptionsAndSelection) {
    CDataFormat format = FormatOf(FormatCode::Wave16Bit);
    const FormatList writing = format.FillFormatList(FormatDirection::Write);
    EXPECT_EQ(writing.names,
              std::vector<std::string>({"Text:Decimal", "Text:Plot", "Text:FIR", "Text:Fract",
                                        "Text:Hex", "Text:Binary", "Text:C", "Asm:TI Asm",
                                        "Asm:ADI PM", "Binary:float", "Binary:double",
                                        "Binary:Wave"}));
    EXPECT_EQ(writing.selected, 11);
    const FormatList both = format.FillFormatList(FormatDirection::Both);
    EXPECT_EQ(both.names.size(), 10u);

    format.SelectFormat("Text:C");
    EXPECT_EQ(format.GetCode(), FormatCode::TextC);
    EXPECT_EQ(format.FillFormatList(FormatDirection::Read).selected, -1);
    EXPECT_EQ(format.FillFormatList(FormatDirection::Read).names.at(6), "Text:Analyzer");
    format.SelectFormat("Text:c");
    EXPECT_EQ(format.GetCode(), FormatCode::TextC);

    for (const FormatTableRow& row : FormatTable()) {
        const bool expected = row.code == FormatCode::TextPlot || row.code == FormatCode::TextC ||
                              row.code == FormatCode::BinaryWave || row.code == FormatCode::AsmTi;
        EXPECT_EQ(FormatOf(row.code).HasOptions(), expected) << row.name;
    }
    EXPECT_TRUE(FormatOf(FormatCode::Wave8Bit).HasOptions());
    EXPECT_FALSE(FormatOf(FormatCode::None).HasOptions());
    EXPECT_EQ(FormatOf(FormatCode::TextHex).GetChannelCount(), 2);
}

TEST(DataFormatTest, OptionsDialogsKeepTheirValuesOnlyOnOk) {
    FakeUserInterface ui;
    CDataFormat wave = FormatOf(FormatCode::BinaryWave);
    ui.ExpectDialog<CWaveFormatDlg>([](CWaveFormatDlg& d) {
        EXPECT_EQ(d.sizeIndex, 0);
        d.sizeIndex = 1;
        d.rateIndex = 2;
        return true;
    });
    EXPECT_TRUE(wave.ShowOptions());
    EXPECT_EQ(wave.GetWaveSizeIndex(), 1);
    EXPECT_EQ(wave.GetWaveRateIndex(), 2);

    CDataFormat plot = FormatOf(FormatCode::TextPlot);
    ui.ExpectDialog<CTitlesDlg>([](CTitlesDlg& d) {
        d.mainTitle = "changed";
        return false;
    });
    EXPECT_FALSE(plot.ShowOptions());
    EXPECT_EQ(plot.PlotTitles().mainTitle, "");

    ui.ExpectMessage(CDataFormat::kNoOptionsMessage);
    CDataFormat hex = FormatOf(FormatCode::TextHex);
    EXPECT_FALSE(hex.ShowOptions());
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Stop);
}

TEST(DataFormatTest, DefaultNamesComeFromTheDocumentTitle) {
    CDataFormat format;
    format.SetDefaultNames("low.pass.tws");
    EXPECT_EQ(format.AsmOptions().name, "low_pass_tws");
    EXPECT_EQ(format.COptions().varName, "low_pass_tws");
    format.SetDefaultNames("other");
    EXPECT_EQ(format.COptions().varName, "low_pass_tws");
}

}  // namespace
}  // namespace tapwright
