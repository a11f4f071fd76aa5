#include "fileio/CSourceWriter.h"
#include "fileio/TiAsmWriter.h"

#include <gtest/gtest.h>

#include <string>

#include "fileio/AsmOptionsDlg.h"
#include "fileio/DataSetIO.h"
#include "support/FakeUserInterface.h"
#include "core/fileio/FileioTestSupport.h"

namespace tapwright {
namespace {

using test::DataOf;
using test::FakeUserInterface;
using test::FormatOf;

CAsmOptionsDlg AsmOptions(AsmDataFormat dataFormat, bool showGraph) {
    CAsmOptionsDlg options;
    options.dataFormat = dataFormat;
    options.showGraph = showGraph;
    return options;
}

const std::string kGraphFor025 = std::string(11, ' ') + "      *     |           ";

TEST(TiAsmWriterTest, SampleLinesForAQuarterBetweenMinusAndPlusAHalf) {
    EXPECT_EQ(TiAsmDataLine(0.25, AsmOptions(AsmDataFormat::DecimalInt, false), -0.5, 0.5),
              "   .int   8192      ; = 02000h    0.250000");
    EXPECT_EQ(TiAsmDataLine(0.25, AsmOptions(AsmDataFormat::HexInt, false), -0.5, 0.5),
              "   .hex 02000h      ; =   8192    0.250000");
    EXPECT_EQ(TiAsmDataLine(0.25, AsmOptions(AsmDataFormat::Float, false), -0.5, 0.5),
              "   .float    0.250000000");
    EXPECT_EQ(TiAsmDataLine(0.25, AsmOptions(AsmDataFormat::DecimalInt, true), -0.5, 0.5),
              "   .int   8192      ; = 02000h    0.250000" + kGraphFor025);
}

TEST(TiAsmWriterTest, EveryLineWithAGraphIsSeventySevenLong) {
    for (const auto format : {AsmDataFormat::DecimalInt, AsmDataFormat::HexInt, AsmDataFormat::Float}) {
        for (const double x : {-0.5, 0.0, 0.25, 0.5}) {
            const std::string line = TiAsmDataLine(x, AsmOptions(format, true), -0.5, 0.5);
            EXPECT_EQ(line.size(), 77u) << line;
        }
        // At 0.0 the coefficient's mark covers the zero mark.
        EXPECT_EQ(TiAsmDataLine(0.0, AsmOptions(format, true), -0.5, 0.5).find('|'),
                  std::string::npos);
    }
    const std::string lowest = TiAsmDataLine(-0.5, AsmOptions(AsmDataFormat::Float, true), -0.5, 0.5);
    EXPECT_EQ(lowest.back(), '*');
    EXPECT_NE(lowest.find("; "), std::string::npos);
}

TEST(TiAsmWriterTest, WordsSaturateInsteadOfWrapping) {
    CAsmOptionsDlg options = AsmOptions(AsmDataFormat::DecimalInt, false);
    options.showFloat = false;
    EXPECT_EQ(TiAsmDataLine(1.0, options, 0.0, 0.0), "   .int  32767      ; = 07FFFh");
    EXPECT_EQ(TiAsmDataLine(-1.0, options, 0.0, 0.0), "   .int -32768      ; = 08000h");
    EXPECT_EQ(TiAsmDataLine(-0.5, options, 0.0, 0.0), "   .int -16384      ; = 0C000h");
    options.showOther = false;
    options.showFloat = true;
    EXPECT_EQ(TiAsmDataLine(4.0, options, 0.0, 0.0), "   .int  32767      ;     0.999969");
}

TEST(TiAsmWriterTest, EqualCoefficientsGetNoGraphOnlyTheGap) {
    const std::string line = TiAsmDataLine(0.1, AsmOptions(AsmDataFormat::HexInt, true), 0.1, 0.1);
    EXPECT_EQ(line, TiAsmDataLine(0.1, AsmOptions(AsmDataFormat::HexInt, false), 0.1, 0.1) +
                        std::string(11, ' '));
}

TEST(TiAsmWriterTest, FileHoldsTextEquatesLabelAndFinalLine) {
    FakeUserInterface ui;
    CDataFormat format = FormatOf(FormatCode::AsmTi);
    CAsmOptionsDlg& options = format.AsmOptions();
    options.name = "FIR";
    options.showGraph = false;
    options.showFloat = false;
    options.showOther = false;
    options.showRatio = true;
    options.ratioText = "4";
    const auto text = DataOf({0.25, -0.5, 0.5}).WriteBytes(format, 0);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text,
              "   .text\r\n\r\n"
              "FIR_LENGTH   .equ   3\r\n"
              "FIR_RATIO    .equ   4\r\n"
              "\r\n"
              "FIR_COEFFS:\r\n"
              "   .int   8192\r\n"
              "   .int -16384\r\n"
              "   .int  16384\r\n"
              "\r\n");
}

TEST(TiAsmWriterTest, ComplexFileHasTwoLabelsAndSharesTheGraphScale) {
    FakeUserInterface ui;
    CDataFormat format = FormatOf(FormatCode::AsmTi);
    CAsmOptionsDlg& options = format.AsmOptions();
    options.name = "";
    options.initialText = "";
    options.finalText = "   .end";
    const auto text = DataOf({0.25}, {-0.5}).WriteBytes(format, 0, 1);
    ASSERT_TRUE(text.has_value());
    const std::string expected =
        "\r\n\r\n_COEFFS_I:\r\n" +
        TiAsmDataLine(0.25, options, -0.5, 0.25) + "\r\n\r\n_COEFFS_Q:\r\n" +
        TiAsmDataLine(-0.5, options, -0.5, 0.25) + "\r\n   .end\r\n";
    EXPECT_EQ(*text, expected);
}

TEST(TiAsmWriterTest, OptionsDialogRules) {
    CAsmOptionsDlg options;
    EXPECT_TRUE(options.AreIntegerCommentsEnabled());
    options.dataFormat = AsmDataFormat::Float;
    EXPECT_FALSE(options.AreIntegerCommentsEnabled());

    FakeUserInterface ui;
    options.name = "  \t";
    ui.ExpectMessage(CAsmOptionsDlg::kEmptyNameMessage);
    EXPECT_FALSE(options.OnOK());
    EXPECT_EQ(options.name, "FIR");
    EXPECT_EQ(ui.Messages().front().icon, MessageIcon::Stop);
    options.name = "  lowpass ";
    EXPECT_TRUE(options.OnOK());
    EXPECT_EQ(options.name, "lowpass ");
}

TEST(CSourceWriterTest, ComplexExportOfTwoPoints) {
    FakeUserInterface ui;
    CDataFormat format = FormatOf(FormatCode::TextC);
    format.COptions().varName = "fir";
    const auto text = DataOf({0.5, -0.25}, {0.125, 0.0}).WriteBytes(format, 0, 1);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text,
              "#define FIR_LENGTH 2\r\n"
              "\r\n"
              "float fir_I[FIR_LENGTH] = {\r\n"
              "    0.500000000000,\r\n"
              "   -0.250000000000\r\n"
              "};\r\n"
              "\r\n"
              "float fir_Q[FIR_LENGTH] = {\r\n"
              "    0.125000000000,\r\n"
              "    0.000000000000\r\n"
              "};\r\n");
}

TEST(CSourceWriterTest, RealAndEmptyArraysAndNoOverflowQuestion) {
    FakeUserInterface ui;
    CDataFormat format = FormatOf(FormatCode::TextC);
    format.COptions().varName = "h";
    format.COptions().varType = "double";
    EXPECT_EQ(DataOf({2.0}).WriteBytes(format, 0).value_or(""),
              "#define H_LENGTH 1\r\n\r\ndouble h[H_LENGTH] = {\r\n    2.000000000000\r\n};\r\n");
    EXPECT_EQ(DataOf({}).WriteBytes(format, 0).value_or(""),
              "#define H_LENGTH 0\r\n\r\ndouble h[H_LENGTH] = {\r\n};\r\n");
}

}  // namespace
}  // namespace tapwright
