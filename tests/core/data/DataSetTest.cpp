#include "data/DataSet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Archive.h"

namespace tapwright {
namespace {

void Fill(CDataColumn& column, int count, double value = 1.0) {
    for (int i = 0; i < count; ++i) {
        column.Add(value);
    }
}

TEST(DataSetTest, PointCountIsThatOfTheShortestColumn) {
    CDataSet set;
    EXPECT_EQ(set.GetNumPoints(), 0);
    EXPECT_TRUE(set.IsEmpty());
    EXPECT_FALSE(set.OwnsColumns());

    Fill(set.AddColumn(), 10, 2.0);
    Fill(set.AddColumn(), 7, -3.0);
    EXPECT_TRUE(set.OwnsColumns());
    EXPECT_EQ(set.GetNumPoints(), 7);
    EXPECT_FALSE(set.IsEmpty());
    EXPECT_EQ(set.GetMin(), -3.0);
    EXPECT_EQ(set.GetMax(), 2.0);

    set.RemoveColumn(-1);
    EXPECT_EQ(set.GetNumColumns(), 1);
    EXPECT_EQ(set.GetNumPoints(), 10);
    set.RemoveColumn(5);
    EXPECT_EQ(set.GetNumColumns(), 1);
    set.RemoveAll();
    EXPECT_EQ(set.GetNumColumns(), 0);
    EXPECT_FALSE(set.OwnsColumns());
}

TEST(DataSetTest, ACopyHasItsOwnColumns) {
    CDataSet set;
    set.SetName("taps");
    Fill(set.AddColumn(), 2);
    CDataSet copy(set);
    copy.GetColumn(0).SetAt(0, 5.0);
    copy.AddPoint(0, 6.0);
    EXPECT_EQ(set.GetColumn(0).GetAt(0), 1.0);
    EXPECT_EQ(set.GetNumPoints(), 2);
    EXPECT_EQ(copy.GetName(), "taps");
    EXPECT_EQ(copy.GetNumPoints(), 3);
}

TEST(DataSetTest, RecordIsNameColumnCountAndColumns) {
    CDataSet set;
    set.SetName("ab");
    set.AddColumn().Add(0.5);
    set.AddColumn();
    ArchiveWriter writer;
    set.Serialize(writer);
    std::vector<std::uint8_t> expected;
    for (const std::vector<std::uint8_t>& part : {
             std::vector<std::uint8_t>{2, 'a', 'b'},                   // name
             std::vector<std::uint8_t>{2, 0, 0, 0},                    // two columns
             std::vector<std::uint8_t>{1, 0, 0, 0},                    // one sample:
             std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0xE0, 0x3F},  // 0.5
             std::vector<std::uint8_t>{0, 0, 0, 0},                    // no samples
         }) {
        expected.insert(expected.end(), part.begin(), part.end());
    }
    EXPECT_EQ(writer.Bytes(), expected);
}

TEST(DataSetTest, LongNameAndColumnsReadBack) {
    CDataSet set;
    set.SetName(std::string(300, 'n'));
    Fill(set.AddColumn(), 3, 1.5);
    Fill(set.AddColumn(), 300, -0.25);
    ArchiveWriter writer;
    set.Serialize(writer);
    const std::vector<std::uint8_t>& bytes = writer.Bytes();
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0x2C);
    EXPECT_EQ(bytes[2], 0x01);
    EXPECT_EQ(bytes.size(), 3 + 300 + 4 + (4 + 3 * 8) + (4 + 300 * 8));

    CDataSet loaded;
    Fill(loaded.AddColumn(), 9);
    ArchiveReader reader(bytes);
    loaded.Serialize(reader);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(loaded.GetName(), set.GetName());
    ASSERT_EQ(loaded.GetNumColumns(), 2);
    EXPECT_EQ(loaded.GetColumn(0).GetNumPoints(), 3);
    EXPECT_EQ(loaded.GetColumn(1).GetAt(299), -0.25);
    EXPECT_TRUE(loaded.OwnsColumns());
}

TEST(DataSetTest, FailedReadLeavesTheSetAsItWas) {
    CDataSet source;
    source.SetName("new");
    Fill(source.AddColumn(), 4);
    Fill(source.AddColumn(), 4);
    ArchiveWriter writer;
    source.Serialize(writer);
    std::vector<std::uint8_t> bytes = writer.TakeBytes();
    bytes.pop_back();

    CDataSet set;
    set.SetName("old");
    Fill(set.AddColumn(), 1, 8.0);
    ArchiveReader reader(bytes);
    EXPECT_THROW(set.Serialize(reader), ArchiveError);
    EXPECT_EQ(set.GetName(), "old");
    ASSERT_EQ(set.GetNumColumns(), 1);
    EXPECT_EQ(set.GetColumn(0).GetAt(0), 8.0);

    // A column count that the remaining bytes cannot hold is refused before reading on.
    const std::vector<std::uint8_t> manyColumns{0, 0xFF, 0xFF, 0xFF, 0x00, 0, 0, 0, 0};
    ArchiveReader shortReader(manyColumns);
    EXPECT_THROW(set.Serialize(shortReader), ArchiveError);
    EXPECT_EQ(set.GetNumColumns(), 1);
}

}  // namespace
}  // namespace tapwright
