#include "data/DoubleArray.h"

#include <gtest/gtest.h>

namespace tapwright {
namespace {

TEST(DoubleArrayTest, GrowingByIndexAllocatesOneThenAThousandMore) {
    CDoubleArray array;
    array.SetAtGrow(0, 1.5);
    EXPECT_EQ(array.GetSize(), 1);
    EXPECT_EQ(array.GetCapacity(), 1);
    array.SetAtGrow(1, 2.5);
    EXPECT_EQ(array.GetSize(), 2);
    EXPECT_EQ(array.GetCapacity(), 1025);
    EXPECT_DOUBLE_EQ(array[0], 1.5);
    EXPECT_DOUBLE_EQ(array[1], 2.5);
}

TEST(DoubleArrayTest, SizeZeroFreesTheStorageAndKeepsTheGrowthStep) {
    CDoubleArray array;
    array.SetSize(10, 64);
    array.SetSize(0);
    EXPECT_EQ(array.GetSize(), 0);
    EXPECT_EQ(array.GetCapacity(), 0);
    EXPECT_FALSE(array.HasStorage());
    EXPECT_EQ(array.GetGrowBy(), 64);
}

TEST(DoubleArrayTest, ShrinkingKeepsCapacityAndContents) {
    CDoubleArray array;
    for (int i = 0; i < 5; ++i) {
        array.Add(i);
    }
    array.SetSize(2);
    EXPECT_EQ(array.GetSize(), 2);
    EXPECT_EQ(array.GetCapacity(), 1025);
    EXPECT_DOUBLE_EQ(array[1], 1.0);
}

TEST(DoubleArrayTest, FindNearestPrefersTheLowerIndexOnATie) {
    CDoubleArray array;
    EXPECT_EQ(array.FindNearest(3.0), -1);
    array.Add(1.0);
    array.Add(3.0);
    array.Add(5.0);
    EXPECT_EQ(array.FindNearest(4.0), 1);
    EXPECT_EQ(array.FindNearest(-10.0), 0);
    EXPECT_EQ(array.FindNearest(4.9), 2);
}

}  // namespace
}  // namespace tapwright
