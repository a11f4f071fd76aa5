#include "platform/Archive.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tapwright {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ArchiveTest, NumbersAreLittleEndianWithoutPadding) {
    ArchiveWriter writer;
    writer.WriteU16(0x1234);
    writer.WriteI16(-1);
    writer.WriteI32(-2);
    writer.WriteU32(0xA1B2C3D4u);
    writer.WriteF32(1.0f);
    writer.WriteF64(-2.0);
    const Bytes expected{0x34, 0x12, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xD4, 0xC3, 0xB2, 0xA1,
                         0x00, 0x00, 0x80, 0x3F, 0,    0,    0,    0,    0,    0,    0,    0xC0};
    EXPECT_EQ(writer.Bytes(), expected);

    ArchiveReader reader(writer.Bytes());
    EXPECT_EQ(reader.ReadU16(), 0x1234);
    EXPECT_EQ(reader.ReadI16(), -1);
    EXPECT_EQ(reader.ReadI32(), -2);
    EXPECT_EQ(reader.ReadU32(), 0xA1B2C3D4u);
    EXPECT_EQ(reader.ReadF32(), 1.0f);
    EXPECT_EQ(reader.ReadF64(), -2.0);
    EXPECT_TRUE(reader.AtEnd());
}

struct TextCase {
    std::size_t length;
    Bytes prefix;
};

class ArchiveTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ArchiveTextTest, LengthPrefixGrowsWithTheTextAndReadsBack) {
    const TextCase& c = GetParam();
    const std::string text(c.length, 'x');
    ArchiveWriter writer;
    writer.WriteText(text);
    const Bytes& bytes = writer.Bytes();
    ASSERT_EQ(bytes.size(), c.prefix.size() + c.length);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(c.prefix.size())), c.prefix);

    ArchiveReader reader(bytes);
    EXPECT_EQ(reader.ReadText(), text);
    EXPECT_TRUE(reader.AtEnd());
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, ArchiveTextTest,
    testing::Values(TextCase{0, {0x00}}, TextCase{254, {0xFE}}, TextCase{255, {0xFF, 0xFF, 0x00}},
                    TextCase{300, {0xFF, 0x2C, 0x01}}, TextCase{65533, {0xFF, 0xFD, 0xFF}},
                    TextCase{65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
                    TextCase{70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}}));

ArchiveErrorKind KindOfFailure(const std::function<void()>& read) {
    try {
        read();
    } catch (const ArchiveError& error) {
        return error.Kind();
    }
    ADD_FAILURE() << "the read did not fail";
    return ArchiveErrorKind::Malformed;
}

TEST(ArchiveTest, ReadingPastTheEndFailsAndKeepsThePosition) {
    const Bytes bytes{0x01, 0x02, 0x03};
    ArchiveReader reader(bytes);
    EXPECT_EQ(KindOfFailure([&] { reader.ReadI32(); }), ArchiveErrorKind::EndOfFile);
    EXPECT_EQ(reader.Remaining(), 3u);
    EXPECT_EQ(reader.ReadU16(), 0x0201);
    EXPECT_EQ(KindOfFailure([&] { reader.Skip(2); }), ArchiveErrorKind::EndOfFile);
    EXPECT_EQ(reader.ReadU8(), 0x03);
}

TEST(ArchiveTest, TextLongerThanTheStreamFailsBeforeReading) {
    // A 32-bit length of four billion characters followed by three.
    const Bytes huge{0xFF, 0xFF, 0xFF, 0x00, 0x28, 0x6B, 0xEE, 'a', 'b', 'c'};
    ArchiveReader reader(huge);
    EXPECT_EQ(KindOfFailure([&] { reader.ReadText(); }), ArchiveErrorKind::EndOfFile);
    EXPECT_EQ(reader.Remaining(), huge.size());

    const Bytes unknownKind{0xFF, 0xFE, 0xFF, 0x01, 'a'};
    ArchiveReader other(unknownKind);
    EXPECT_EQ(KindOfFailure([&] { other.ReadText(); }), ArchiveErrorKind::Malformed);
}

}  // namespace
}  // namespace tapwright
