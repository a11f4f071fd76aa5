#include "gui/editors/EditorText.h"

#include <gtest/gtest.h>

#include <string>

namespace tapwright {
namespace {

using gui::BytesOf;
using gui::ShowBytes;
using gui::TextForm;

struct TextCase {
    const char* name;
    std::string bytes;
    TextForm form;
    QString shown;
};

class EditorTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(EditorTextTest, BytesShowInTheirFormAndComeBackUnchanged) {
    const TextCase& c = GetParam();
    const gui::ShownText shown = ShowBytes(c.bytes);
    EXPECT_EQ(shown.form, c.form);
    if (!c.shown.isNull()) {
        EXPECT_EQ(shown.text, c.shown);
    }
    EXPECT_EQ(BytesOf(shown.text, shown.form), c.bytes);
}

std::string AllByteValues() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, EditorTextTest,
    testing::Values(
        TextCase{"CrLfLines", "2000\r\nD99B\r\n", TextForm::CrLfLines, "2000\nD99B\n"},
        TextCase{"LfLines", "0.25\t1\n", TextForm::Lines, "0.25\t1\n"},
        TextCase{"Utf8Title", "Gain \xC2\xB5V\r\n", TextForm::CrLfLines, QString("Gain µV\n")},
        // A carriage return inside a line, or mixed line ends, cannot be shown as lines.
        TextCase{"BareCarriageReturn", "1\r2\r\n", TextForm::ByteForByte, QString()},
        TextCase{"MixedLineEnds", "1\r\n2\n", TextForm::ByteForByte, QString()},
        TextCase{"Latin1Title", "Gain \xB5V\r\n", TextForm::ByteForByte, QString()},
        TextCase{"EveryByteValue", AllByteValues(), TextForm::ByteForByte, QString()}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST(EditorTextBytesTest, BinaryTextKeepsItsLineAndControlBytesAsSingleCharacters) {
    const std::string bytes("\x00\x0A\x0D\x41\xFF", 5);
    const gui::ShownText shown = ShowBytes(bytes);
    ASSERT_EQ(shown.text.size(), 5);
    // No line break the editor could change, and printable bytes as themselves.
    EXPECT_FALSE(shown.text.contains('\n'));
    EXPECT_FALSE(shown.text.contains('\r'));
    EXPECT_EQ(shown.text[3], QChar('A'));
    EXPECT_EQ(shown.text[4], QChar(0xFF));
}

TEST(EditorTextBytesTest, TypedTextBeyondLatin1InBinaryTextBecomesUtf8) {
    const gui::ShownText shown = ShowBytes(std::string("\x01", 1));
    const std::string bytes =
        BytesOf(shown.text + QString::fromUtf8("\xE2\x82\xAC\xF0\x9F\x98\x80"), shown.form);
    EXPECT_EQ(bytes, std::string("\x01\xE2\x82\xAC\xF0\x9F\x98\x80"));
}

}  // namespace
}  // namespace tapwright
