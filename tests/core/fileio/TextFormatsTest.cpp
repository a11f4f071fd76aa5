#include "fileio/TextFormats.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "fileio/DataSetIO.h"
#include "fileio/FixedPoint.h"
#include "fileio/FormatTable.h"
#include "support/FakeUserInterface.h"
#include "core/fileio/FileioTestSupport.h"

namespace tapwright {
namespace {

using test::DataOf;
using test::FakeUserInterface;
using test::FormatOf;
using test::ValuesOf;

constexpr double kWordStep = 1.0 / 32768.0;

std::string Written(CDataFormat format, const CLumenData& data, std::int32_t second = -1) {
    const auto bytes = data.WriteBytes(format, 0, second);
    EXPECT_TRUE(bytes.has_value());
    return bytes.value_or("");
}

TEST(TextFormatsTest, DecimalLinesHoldBothChannelsWithTwelveDecimals) {
    FakeUserInterface ui;
    const CLumenData data = DataOf({0.5, -0.25}, {-1.0, 12.0625});
    EXPECT_EQ(Written(FormatOf(FormatCode::TextDecimal), data, 1),
              " 0.500000000000 -1.000000000000\r\n"
              "-0.250000000000  12.062500000000\r\n");
}

TEST(TextFormatsTest, DecimalCommaLineGivesInphaseAndQuadrature) {
    FakeUserInterface ui;
    CLumenData data;
    CDataFormat format = FormatOf(FormatCode::TextDecimal);
    ASSERT_EQ(data.ReadBytes(format, "0.5, -0.25\n", "f", 0, 1), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5}));
    EXPECT_EQ(ValuesOf(data.Quadrature()), std::vector<double>({-0.25}));
}

TEST(TextFormatsTest, BlankLineEndsDecimalReadButIsAZeroInBinaryText) {
    FakeUserInterface ui;
    CLumenData data;
    CDataFormat decimal = FormatOf(FormatCode::TextDecimal);
    ui.ExpectMessage(
        "Read 2 values from \"f\".\n"
        "Reading stopped at line 3, which is blank. 1 more line was not read.");
    ASSERT_EQ(data.ReadBytes(decimal, "0.1\r\n0.2\r\n\r\n0.3\r\n", "f", 0), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.1, 0.2}));

    CDataFormat binary = FormatOf(FormatCode::TextBinary);
    ASSERT_EQ(data.ReadBytes(binary, "0100000000000000\n\n1100000000000000 0000000000000001\n",
                             "f", 0, 1),
              1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5, 0.0, -0.5}));
    EXPECT_EQ(ValuesOf(data.Quadrature()), std::vector<double>({0.0, 0.0, kWordStep}));
}

TEST(TextFormatsTest, ReadersAcceptEveryLineEnd) {
    FakeUserInterface ui;
    for (const std::string text : {"0.5\n0.25\n", "0.5\r\n0.25\r\n", "0.5\r0.25", "0.5\n0.25"}) {
        CLumenData data;
        CDataFormat format = FormatOf(FormatCode::TextDecimal);
        ASSERT_EQ(data.ReadBytes(format, text, "f", 0), 1);
        EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5, 0.25})) << text;
    }
}

TEST(TextFormatsTest, OverlongLineIsOneRecordNotTwo) {
    FakeUserInterface ui;
    CLumenData data;
    CDataFormat format = FormatOf(FormatCode::TextDecimal);
    const std::string text = "0.5" + std::string(150, ' ') + "\n0.25\n";
    ASSERT_EQ(data.ReadBytes(format, text, "f", 0), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5, 0.25}));
}

TEST(TextFormatsTest, FixedPointWordsRoundTowardZeroAfterTheHalfAndSaturate) {
    // -0.3 * 32768 + 0.5 = -9829.9, truncated to -9829 = 0xD99B.
    EXPECT_EQ(ToFixedWord(-0.3), -9829);
    EXPECT_EQ(ToFixedWord(0.5), 16384);
    EXPECT_EQ(ToFixedWord(-0.5), -16383);
    // Beyond the range a word keeps its sign: the largest or smallest word.
    EXPECT_EQ(ToFixedWord(1.0), 32767);
    EXPECT_EQ(ToFixedWord(1.5), 32767);
    EXPECT_EQ(ToFixedWord(3.0), 32767);
    EXPECT_EQ(ToFixedWord(1e300), 32767);
    EXPECT_EQ(ToFixedWord(-1.0), -32767);  // -32767.5 truncated toward zero
    EXPECT_EQ(ToFixedWord(-1.5), -32768);
    EXPECT_EQ(ToFixedWord(-1e300), -32768);
}

TEST(TextFormatsTest, HexFractBinaryAndAdiWordsOfOnePoint) {
    FakeUserInterface ui;
    const CLumenData data = DataOf({-0.3}, {0.5});
    EXPECT_EQ(Written(FormatOf(FormatCode::TextHex), data), "D99B\r\n");
    EXPECT_EQ(Written(FormatOf(FormatCode::TextHex), data, 1), "D99B 4000\r\n");
    EXPECT_EQ(Written(FormatOf(FormatCode::TextFract), data, 1), " -9829  16384\r\n");
    EXPECT_EQ(Written(FormatOf(FormatCode::TextBinary), data, 1),
              "1101100110011011 0100000000000000\r\n");
    EXPECT_EQ(Written(FormatOf(FormatCode::AsmAdiPm), data, 1), "D99B00 400000\r\n");
}

TEST(TextFormatsTest, OverflowQuestionDecidesWhetherFractIsWritten) {
    const CLumenData data = DataOf({1.0});
    {
        FakeUserInterface ui;
        ui.ExpectMessage(CDataSetIO::kOverflowQuestion, MessageResult::Yes);
        EXPECT_EQ(Written(FormatOf(FormatCode::TextFract), data), " 32767\r\n");
        EXPECT_EQ(ui.Messages().front().icon, MessageIcon::Question);
        EXPECT_EQ(ui.Messages().front().buttons, MessageButtons::YesNo);
    }
    FakeUserInterface ui;
    ui.ExpectMessage(CDataSetIO::kOverflowQuestion, MessageResult::No);
    CDataFormat format = FormatOf(FormatCode::TextFract);
    EXPECT_FALSE(data.WriteBytes(format, 0).has_value());
}

TEST(TextFormatsTest, OutOfRangeValuesKeepTheirSignInEveryFixedPointFormat) {
    const CLumenData data = DataOf({1.0, 1.5, -1.5});
    const auto yes = [](FakeUserInterface& ui) {
        ui.ExpectMessage(CDataSetIO::kOverflowQuestion, MessageResult::Yes);
    };
    FakeUserInterface ui;
    yes(ui);
    EXPECT_EQ(Written(FormatOf(FormatCode::TextFract), data),
              " 32767\r\n 32767\r\n-32768\r\n");
    yes(ui);
    EXPECT_EQ(Written(FormatOf(FormatCode::TextHex), data), "7FFF\r\n7FFF\r\n8000\r\n");
    yes(ui);
    EXPECT_EQ(Written(FormatOf(FormatCode::TextBinary), data),
              "0111111111111111\r\n0111111111111111\r\n1000000000000000\r\n");
    yes(ui);
    EXPECT_EQ(Written(FormatOf(FormatCode::AsmAdiPm), data), "7FFF00\r\n7FFF00\r\n800000\r\n");

    CDataFormat wave = FormatOf(FormatCode::BinaryWave);
    wave.SetWaveSizeIndex(1);
    yes(ui);
    EXPECT_EQ(Written(wave, data).substr(46), std::string("\xFF\x7F\xFF\x7F\x00\x80", 6));
    wave = FormatOf(FormatCode::BinaryWave);
    yes(ui);
    EXPECT_EQ(Written(wave, data).substr(46), std::string("\xFF\xFF\x00", 3));
}

TEST(TextFormatsTest, ValuesThatAreNotNumbersAreWrittenByNoFormat) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const CLumenData real = DataOf({0.5, nan, inf});
    const CLumenData complex = DataOf({0.5, 0.25}, {0.0, -inf});
    for (const FormatTableRow& row : FormatTable()) {
        if (!row.Offers(FormatDirection::Write)) {
            continue;
        }
        FakeUserInterface ui;
        ui.ExpectMessage(
            "Nothing was written: coefficient 1 is not a number (counting from 0).\n"
            "Only finite numbers can be written to a coefficient file.");
        CDataFormat format = FormatOf(row.code);
        EXPECT_FALSE(real.WriteBytes(format, 0).has_value()) << row.name;
        EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Stop);
        ui.ExpectMessage(
            "Nothing was written: Quadrature coefficient 1 is -infinity (counting from 0).\n"
            "Only finite numbers can be written to a coefficient file.");
        EXPECT_FALSE(complex.WriteBytes(format, 0, 1).has_value()) << row.name;
    }
}

TEST(TextFormatsTest, FractReadsIntegersByTheCRules) {
    FakeUserInterface ui;
    CLumenData data;
    CDataFormat format = FormatOf(FormatCode::TextFract);
    // A word of more than 16 bits keeps its low bits, and the user is told.
    ui.ExpectMessage(
        "Read 4 values from \"f\".\n"
        "1 line held a word too long for its bits, which kept only its low bits (line 4: "
        "\"65537\").");
    ASSERT_EQ(data.ReadBytes(format, "010\n0x10\n-8\n65537\n", "f", 0), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()),
              std::vector<double>({8 * kWordStep, 16 * kWordStep, -8 * kWordStep, kWordStep}));
}

TEST(TextFormatsTest, HexAndAdiReadTheirWords) {
    FakeUserInterface ui;
    CLumenData data;
    CDataFormat hex = FormatOf(FormatCode::TextHex);
    ASSERT_EQ(data.ReadBytes(hex, "d99b 4000\n", "f", 0, 1), 1);
    EXPECT_EQ(data.Inphase().GetAt(0), -9829 * kWordStep);
    EXPECT_EQ(data.Quadrature().GetAt(0), 0.5);

    CDataFormat adi = FormatOf(FormatCode::AsmAdiPm);
    ASSERT_EQ(data.ReadBytes(adi, "C00000\n7FFF00\n", "f", 0), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({-0.5, 32767 * kWordStep}));
}

TEST(TextFormatsTest, PlotFileWithoutTitlesReadsItsFirstLinesAsData) {
    FakeUserInterface ui;
    const CLumenData data = DataOf({0.5, -0.5, 0.25, 0.125});
    const std::string text = Written(FormatOf(FormatCode::TextPlot), data);
    EXPECT_EQ(text.substr(0, 20), "0  0.500000000000\r\n1");

    CLumenData read;
    CDataFormat format = FormatOf(FormatCode::TextPlot);
    format.PlotTitles().mainTitle = "left over";
    ASSERT_EQ(read.ReadBytes(format, text, "f", 0), 1);
    EXPECT_EQ(ValuesOf(read.Inphase()), std::vector<double>({0.5, -0.5, 0.25, 0.125}));
    EXPECT_TRUE(format.PlotTitles().AllEmpty());
}

TEST(TextFormatsTest, PlotTitlesAreWrittenMainYXAndReadBack) {
    FakeUserInterface ui;
    CDataFormat format = FormatOf(FormatCode::TextPlot);
    format.PlotTitles().mainTitle = "Taps";
    format.PlotTitles().xTitle = "n";
    const std::string text = Written(format, DataOf({0.5}));
    EXPECT_EQ(text, "Taps\r\n\r\nn\r\n0  0.500000000000\r\n");

    CLumenData read;
    CDataFormat other = FormatOf(FormatCode::TextPlot);
    ASSERT_EQ(read.ReadBytes(other, text, "f", 0), 1);
    EXPECT_EQ(other.PlotTitles().mainTitle, "Taps");
    EXPECT_EQ(other.PlotTitles().yTitle, "");
    EXPECT_EQ(other.PlotTitles().xTitle, "n");
}

TEST(TextFormatsTest, PlotReadsTheDataFilesOfThePlots) {
    FakeUserInterface ui;
    CLumenData read;
    CDataFormat format = FormatOf(FormatCode::TextPlot);
    const std::string file =
        "Main Title\r\nY-Title\r\nX-Title\r\n0   0.5   -1\r\n1000   1.5e-007   2\r\n";
    ASSERT_EQ(read.ReadBytes(format, file, "GRAPH.PLT", 0, 1), 1);
    EXPECT_EQ(ValuesOf(read.Inphase()), std::vector<double>({0.5, 1.5e-7}));
    EXPECT_EQ(ValuesOf(read.Quadrature()), std::vector<double>({-1.0, 2.0}));
    EXPECT_EQ(format.PlotTitles().yTitle, "Y-Title");
}

TEST(TextFormatsTest, ShortPlotFileWithoutTitlesKeepsItsData) {
    FakeUserInterface ui;
    CLumenData read;
    CDataFormat format = FormatOf(FormatCode::TextPlot);
    ASSERT_EQ(read.ReadBytes(format, "0 0.5\r\n1 0.25\r\n", "f", 0), 1);
    EXPECT_EQ(ValuesOf(read.Inphase()), std::vector<double>({0.5, 0.25}));
}

TEST(TextFormatsTest, FirAndAnalyzerSkipTheirHeaderLines) {
    FakeUserInterface ui;
    CDataFormat fir = FormatOf(FormatCode::TextFir);
    const std::string firText = Written(fir, DataOf({0.5, 0.25}));
    EXPECT_EQ(firText, "2\r\n 0.500000000000\r\n 0.250000000000\r\n");
    CLumenData read;
    ASSERT_EQ(read.ReadBytes(fir, firText, "f", 0), 1);
    EXPECT_EQ(ValuesOf(read.Inphase()), std::vector<double>({0.5, 0.25}));

    CDataFormat analyzer = FormatOf(FormatCode::TextAnalyzer);
    const std::string analyzerText = "a\nb\nc\nd\ne\nf\ng\n0.0, 0.5, -0.5\n1.0, 0.25, 0.75\n";
    ASSERT_EQ(read.ReadBytes(analyzer, analyzerText, "f", 0, 1), 1);
    EXPECT_EQ(ValuesOf(read.Inphase()), std::vector<double>({0.5, 0.25}));
    EXPECT_EQ(ValuesOf(read.Quadrature()), std::vector<double>({-0.5, 0.75}));
}

TEST(TextFormatsTest, MissingHeaderLinesAreReportedAndChangeNothing) {
    FakeUserInterface ui;
    ui.ExpectMessage("File \"short.txt\" does not have a valid header.");
    CLumenData data = DataOf({0.75});
    CDataFormat analyzer = FormatOf(FormatCode::TextAnalyzer);
    EXPECT_EQ(data.ReadBytes(analyzer, "one\ntwo\n", "short.txt", 0), 0);
    EXPECT_EQ(ui.Messages().front().icon, MessageIcon::Stop);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.75}));
}

TEST(TextFormatsTest, FormatsWithoutAWriterOrReaderProduceNothing) {
    FakeUserInterface ui;
    const CLumenData data = DataOf({0.5});
    EXPECT_EQ(Written(FormatOf(FormatCode::None), data), "");
    EXPECT_EQ(Written(FormatOf(FormatCode::TextAnalyzer), data), "");
    CLumenData read = DataOf({0.75});
    CDataFormat cSource = FormatOf(FormatCode::TextC);
    EXPECT_EQ(read.ReadBytes(cSource, "0.5\n", "f", 0), 0);
    EXPECT_EQ(ValuesOf(read.Inphase()), std::vector<double>({0.75}));
}

}  // namespace
}  // namespace tapwright
