#include "data/DataColumn.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/Archive.h"

namespace tapwright {
namespace {

CDataColumn ColumnOf(const std::vector<double>& values) {
    CDataColumn column;
    for (double value : values) {
        column.Add(value);
    }
    return column;
}

std::vector<double> ValuesOf(const CDataColumn& column) {
    std::vector<double> values;
    for (std::int32_t i = 0; i < column.GetNumPoints(); ++i) {
        values.push_back(column.GetAt(i));
    }
    return values;
}

TEST(DataColumnTest, TheSampleAfterAFullBlockStartsTheNextBlock) {
    CDataColumn column;
    for (std::int32_t i = 0; i <= CDataColumn::kBlockSize; ++i) {
        column.Add(i);
    }
    EXPECT_EQ(column.GetNumPoints(), 65537);
    ASSERT_EQ(column.GetNumBlocks(), 2);
    EXPECT_EQ(column.GetBlock(0).GetSize(), 65536);
    EXPECT_EQ(column.GetBlock(1).GetSize(), 1);
    EXPECT_EQ(column.GetBlock(1)[0], 65536.0);
    EXPECT_EQ(column.GetAt(65536), 65536.0);
    EXPECT_EQ(column.GetAt(65535), 65535.0);

    column.SetAt(65536, -1.0);
    EXPECT_EQ(column.GetBlock(1)[0], -1.0);
}

TEST(DataColumnTest, RemoveAllLeavesOneEmptyBlockWithoutStorage) {
    CDataColumn column;
    for (std::int32_t i = 0; i < 3 * CDataColumn::kBlockSize; ++i) {
        column.Add(1.0);
    }
    column.RemoveAll();
    EXPECT_EQ(column.GetNumPoints(), 0);
    ASSERT_EQ(column.GetNumBlocks(), 1);
    EXPECT_FALSE(column.GetBlock(0).HasStorage());
    column.Add(2.0);
    EXPECT_EQ(ValuesOf(column), std::vector<double>{2.0});
}

TEST(DataColumnTest, CopyAndSwapTouchOnlyTheCommonSamples) {
    CDataColumn five = ColumnOf({1, 2, 3, 4, 5});
    CDataColumn three = ColumnOf({-1, -2, -3});
    five.SwapWith(three);
    EXPECT_EQ(ValuesOf(five), (std::vector<double>{-1, -2, -3, 4, 5}));
    EXPECT_EQ(ValuesOf(three), (std::vector<double>{1, 2, 3}));

    three.CopyFrom(ColumnOf({9, 9, 9, 9, 9}));
    EXPECT_EQ(ValuesOf(three), (std::vector<double>{9, 9, 9}));
    five.CopyFrom(three);
    EXPECT_EQ(ValuesOf(five), (std::vector<double>{9, 9, 9, 4, 5}));
}

TEST(DataColumnTest, CopyAcrossTheBlockBoundaryCoversEveryBlock) {
    CDataColumn longer;
    CDataColumn shorter;
    for (std::int32_t i = 0; i < CDataColumn::kBlockSize + 10; ++i) {
        longer.Add(i);
        shorter.Add(0.0);
    }
    shorter.CopyFrom(longer);
    EXPECT_EQ(shorter.GetAt(CDataColumn::kBlockSize + 9), CDataColumn::kBlockSize + 9.0);
}

TEST(DataColumnTest, StatisticsOfEmptyAndFilledColumns) {
    const CDataColumn empty;
    EXPECT_EQ(empty.GetMin(), 0.0);
    EXPECT_EQ(empty.GetMax(), 0.0);
    EXPECT_EQ(empty.GetSumSquares(), 0.0);

    CDataColumn column = ColumnOf({3, -4, 2});
    EXPECT_EQ(column.GetMin(), -4.0);
    EXPECT_EQ(column.GetMax(), 3.0);
    EXPECT_EQ(column.GetSumAbs(), 9.0);
    EXPECT_EQ(column.GetSumSquares(), 29.0);
    EXPECT_EQ(column.Zero(), 3);
    EXPECT_EQ(ValuesOf(column), (std::vector<double>{0, 0, 0}));
}

TEST(DataColumnTest, RecordIsTheCountThenTheDoubles) {
    ArchiveWriter writer;
    ColumnOf({1.0, -2.0}).Serialize(writer);
    std::vector<std::uint8_t> expected{2, 0, 0, 0};
    const std::vector<std::uint8_t> one{0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    const std::vector<std::uint8_t> minusTwo{0, 0, 0, 0, 0, 0, 0, 0xC0};
    expected.insert(expected.end(), one.begin(), one.end());
    expected.insert(expected.end(), minusTwo.begin(), minusTwo.end());
    EXPECT_EQ(writer.Bytes(), expected);
}

TEST(DataColumnTest, RecordOverSeveralBlocksReadsBackWhole) {
    CDataColumn column;
    for (std::int32_t i = 0; i < 2 * CDataColumn::kBlockSize + 3; ++i) {
        column.Add(i * 0.5);
    }
    ArchiveWriter writer;
    column.Serialize(writer);
    EXPECT_EQ(writer.Bytes().size(), 4 + 8 * static_cast<std::size_t>(column.GetNumPoints()));

    CDataColumn loaded = ColumnOf({7.0});
    ArchiveReader reader(writer.Bytes());
    loaded.Serialize(reader);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(ValuesOf(loaded), ValuesOf(column));
    EXPECT_EQ(loaded.GetNumBlocks(), 3);
}

ArchiveErrorKind LoadFails(CDataColumn& column, const std::vector<std::uint8_t>& bytes) {
    ArchiveReader reader(bytes);
    try {
        column.Serialize(reader);
    } catch (const ArchiveError& error) {
        return error.Kind();
    }
    ADD_FAILURE() << "loading did not fail";
    return ArchiveErrorKind::EndOfFile;
}

TEST(DataColumnTest, ImpossibleOrTruncatedCountsFailAndKeepTheColumn) {
    CDataColumn column = ColumnOf({1.0, 2.0});

    // Four billion samples announced in a 100-byte stream: refused before any allocation.
    std::vector<std::uint8_t> huge(100, 0);
    huge[0] = 0x00;
    huge[1] = 0x28;
    huge[2] = 0x6B;
    huge[3] = 0xEE;
    EXPECT_EQ(LoadFails(column, huge), ArchiveErrorKind::Malformed);

    // A plausible count whose samples the stream does not hold.
    std::vector<std::uint8_t> truncated{3, 0, 0, 0};
    truncated.resize(4 + 2 * 8, 0);
    EXPECT_EQ(LoadFails(column, truncated), ArchiveErrorKind::EndOfFile);

    EXPECT_EQ(ValuesOf(column), (std::vector<double>{1.0, 2.0}));
}

}  // namespace
}  // namespace tapwright
