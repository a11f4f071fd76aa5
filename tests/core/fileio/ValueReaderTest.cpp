#include "fileio/ValueReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fileio/DataSetIO.h"
#include "support/FakeUserInterface.h"
#include "core/fileio/FileioTestSupport.h"

namespace tapwright {
namespace {

using test::DataOf;
using test::FakeUserInterface;
using test::FormatOf;
using test::ValuesOf;

struct ReadCase {
    const char* what;
    FormatCode code;
    std::string bytes;
    std::vector<double> values;
    std::string message;  // empty: the read is silent
};

class ValueReaderTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ValueReaderTest, KeepsWhatWasReadAndSaysWhatWasNot) {
    const ReadCase& c = GetParam();
    FakeUserInterface ui;
    if (!c.message.empty()) {
        ui.ExpectMessage(c.message);
    }
    CLumenData data = DataOf({0.75});
    CDataFormat format = FormatOf(c.code);
    EXPECT_EQ(data.ReadBytes(format, c.bytes, "f.txt", 0), c.values.empty() ? 0 : 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), c.values.empty() ? std::vector<double>{0.75} : c.values);
    ASSERT_EQ(ui.Messages().size(), c.message.empty() ? 0u : 1u);
    if (!c.message.empty()) {
        EXPECT_EQ(ui.Messages().front().icon, MessageIcon::Exclamation);
    }
}

const std::string kRead2 = "Read 2 values from \"f.txt\".\n";

INSTANTIATE_TEST_SUITE_P(
    Reads, ValueReaderTest,
    testing::Values(
        ReadCase{"complete", FormatCode::TextDecimal, "0.1\r\n0.2\r\n\r\n\r\n", {0.1, 0.2}, ""},
        ReadCase{"a line that is no number", FormatCode::TextDecimal, "0.1\n0.2\nabc\n0.3\n",
                 {0.1, 0.2},
                 kRead2 + "Reading stopped at line 3, which holds no number that can be read: "
                          "\"abc\". 1 more line was not read."},
        ReadCase{"a number beyond a double", FormatCode::TextDecimal, "0.1\n0.2\n1e999\n",
                 {0.1, 0.2},
                 kRead2 + "Reading stopped at line 3, which holds no number that can be read: "
                          "\"1e999\"."},
        ReadCase{"not finite", FormatCode::TextDecimal, "0.1\n0.2\n-inf\n0.3\n0.4\n",
                 {0.1, 0.2},
                 kRead2 + "Reading stopped at line 3, which holds a value that is not a finite "
                          "number: \"-inf\". 2 more lines were not read."},
        ReadCase{"decimal comma and trailing text", FormatCode::TextDecimal,
                 "0,3\n0.3x\n0.5\n1 2 3\n", {0.0, 0.3, 0.5, 1.0},
                 "Read 4 values from \"f.txt\".\n"
                 "2 lines held more numbers than were read, and the others were passed over "
                 "(the first is line 1: \"0,3\").\n"
                 "1 line held text that is not part of a number, which was passed over (line 2: "
                 "\"0.3x\")."},
        ReadCase{"a count that differs", FormatCode::TextFir, "3\n0.1\n0.2\n", {0.1, 0.2},
                 kRead2 + "The file announces 3 values."},
        ReadCase{"a count that holds", FormatCode::TextFir, "2\r\n0.1\r\n0.2\r\n", {0.1, 0.2},
                 ""},
        ReadCase{"hex words too long", FormatCode::TextHex, "4000\n14000\nFFFF\n",
                 {0.5, 0.5, -1.0 / 32768},
                 "Read 3 values from \"f.txt\".\n1 line held a word too long for its bits, which "
                 "kept only its low bits (line 2: \"14000\")."},
        ReadCase{"binary digits among others", FormatCode::TextBinary,
                 "0100000000000000\n0100_0000_0000_0000\n", {0.5, 0.5},
                 kRead2 + "1 line held text that is not part of a number, which was passed "
                          "over (line 2: \"0100_0000_0000_0000\")."}),
    [](const testing::TestParamInfo<ReadCase>& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(ValueReaderRefusalTest, FilesThatAreNotTheFormatAtAllAreRefused) {
    FakeUserInterface ui;
    CLumenData data = DataOf({0.75});
    // "01" in UTF-16: the digits each followed by a NUL byte.
    const std::string utf16("\xFF\xFE" "0\0" "1\0" "\n\0", 8);
    CDataFormat binary = FormatOf(FormatCode::TextBinary);
    ui.ExpectMessage("File \"f.txt\" is not a text file: it holds NUL bytes.");
    EXPECT_EQ(data.ReadBytes(binary, utf16, "f.txt", 0), 0);

    ui.ExpectMessage(
        "File \"f.txt\" holds no line of binary digits only: it is not a \"Text:Binary\" file.");
    EXPECT_EQ(data.ReadBytes(binary, "0.5\n-0.25\n", "f.txt", 0), 0);

    CDataFormat fir = FormatOf(FormatCode::TextFir);
    ui.ExpectMessage("File \"f.txt\" does not have a valid header.");
    EXPECT_EQ(data.ReadBytes(fir, "0.5\n0.25\n", "f.txt", 0), 0);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>{0.75});
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Stop);
}

TEST(ValueReaderRefusalTest, BinaryValuesThatAreNotFiniteEndTheRead) {
    FakeUserInterface ui;
    CLumenData data;
    const std::string bytes = std::string("\x00\x00\x00\x3F", 4) +
                              std::string("\x00\x00\xC0\x7F", 4) + std::string("\x00\x00\x80\x3E", 4);
    CDataFormat format = FormatOf(FormatCode::BinaryFloat);
    ui.ExpectMessage(
        "Read 1 value from \"f.bin\".\nReading stopped at record 2, which holds a value that "
        "is not a finite number. 4 more bytes were not read.");
    ASSERT_EQ(data.ReadBytes(format, bytes, "f.bin", 0), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>{0.5});
}

}  // namespace
}  // namespace tapwright
