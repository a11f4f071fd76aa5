#include "editors/BandTable.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using Edges = std::pair<double, double>;

std::vector<Edges> EdgesOf(const BandTable& table) {
    std::vector<Edges> edges;
    for (const BandRow& row : table.Rows()) {
        edges.emplace_back(BandTable::NumberOf(row.lower), BandTable::NumberOf(row.upper));
    }
    return edges;
}

struct InsertCase {
    const char* name;
    std::vector<Edges> rows;
    Edges added;
    bool touches;
    std::vector<Edges> expected;
};

class BandTableInsertTest : public testing::TestWithParam<InsertCase> {};

TEST_P(BandTableInsertTest, KeepsRowsSortedAndApart) {
    const InsertCase& c = GetParam();
    test::FakeUserInterface ui;
    BandTable table;
    for (const Edges& row : c.rows) {
        ASSERT_TRUE(table.Insert(row.first, row.second, 1.0, 40.0, {}));
    }
    if (c.touches) {
        ui.ExpectMessage(BandTable::kTouchingMessage);
    }
    EXPECT_EQ(table.Insert(c.added.first, c.added.second, 1.0, 40.0, {}), !c.touches);
    EXPECT_EQ(EdgesOf(table), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BandTableInsertTest,
    testing::Values(
        InsertCase{"TouchingBelow", {{1000, 2000}}, {0, 1000}, true, {{1000, 2000}}},
        InsertCase{
            "ApartBelowSortsFirst", {{1000, 2000}}, {0, 999}, false, {{0, 999}, {1000, 2000}}},
        InsertCase{"ApartAboveSortsLast",
                   {{1000, 2000}},
                   {2500, 3000},
                   false,
                   {{1000, 2000}, {2500, 3000}}},
        InsertCase{"OverlapReplaces", {{1000, 2000}}, {1500, 2500}, false, {{1500, 2500}}},
        InsertCase{
            "CoverReplacesBoth", {{1000, 2000}, {2200, 2400}}, {500, 3000}, false, {{500, 3000}}},
        // The first row is overlapped, the second touched: neither may be lost.
        InsertCase{"TouchAfterOverlapLosesNothing",
                   {{1000, 2000}, {3000, 3500}},
                   {1500, 3000},
                   true,
                   {{1000, 2000}, {3000, 3500}}}),
    [](const testing::TestParamInfo<InsertCase>& info) { return std::string(info.param.name); });

struct DesiredCase {
    const char* text;
    bool gainInDb;
    double value;
};

class BandTableDesiredTest : public testing::TestWithParam<DesiredCase> {};

TEST_P(BandTableDesiredTest, WordsStandForThePassAndStopValuesOfTheUnit) {
    const DesiredCase& c = GetParam();
    const TypedNumber read = BandTable::ParseDesired(c.text, c.gainInDb);
    ASSERT_TRUE(read.IsNumber()) << '"' << c.text << '"';
    EXPECT_EQ(read.value, c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BandTableDesiredTest,
    testing::Values(DesiredCase{"P", false, 1.0}, DesiredCase{"  pass", false, 1.0},
                    DesiredCase{"P", true, 0.0}, DesiredCase{"  pass", true, 0.0},
                    DesiredCase{"stop", false, 0.0}, DesiredCase{"stop", true, -1000.0},
                    DesiredCase{" Stopband", true, -1000.0}, DesiredCase{"   0.5", false, 0.5}));

struct TypedCase {
    const char* text;
    TypedNumber::Status status;
    double value;
};

class BandTableTypedTest : public testing::TestWithParam<TypedCase> {};

TEST_P(BandTableTypedTest, TakesWholeNumbersADoubleHoldsAndNothingElse) {
    const TypedCase& c = GetParam();
    const TypedNumber read = BandTable::ReadTyped(c.text);
    EXPECT_EQ(read.status, c.status) << '"' << c.text << '"';
    if (c.status == TypedNumber::Status::Number) {
        EXPECT_EQ(read.value, c.value) << '"' << c.text << '"';
    }
}

using S = TypedNumber::Status;
INSTANTIATE_TEST_SUITE_P(
    Texts, BandTableTypedTest,
    testing::Values(TypedCase{"  0.123456789 ", S::Number, 0.123456789},
                    TypedCase{"1e200", S::Number, 1e200}, TypedCase{"-1e-300", S::Number, -1e-300},
                    TypedCase{"+40", S::Number, 40.0}, TypedCase{"0", S::Number, 0.0},
                    TypedCase{"abc", S::NotANumber, 0}, TypedCase{"0.3x", S::NotANumber, 0},
                    TypedCase{"0,3", S::NotANumber, 0}, TypedCase{"", S::NotANumber, 0},
                    TypedCase{"nan", S::NotANumber, 0}, TypedCase{"+-1", S::NotANumber, 0},
                    TypedCase{"1e999", S::Unrepresentable, 0},
                    TypedCase{"-inf", S::Unrepresentable, 0},
                    TypedCase{"1e-310", S::Unrepresentable, 0}));

// The texts a row shows read back as what was typed, where six decimals would not.
TEST(BandTableTest, RowTextsKeepTheDigitsSixDecimalsWouldLose) {
    for (const double value : {0.123456789, 1e200, 1e-300, 1000.12345678, -2.5e-7}) {
        EXPECT_EQ(BandTable::NumberOf(BandTable::NumberText(value)), value) << value;
    }
    EXPECT_EQ(BandTable::NumberText(800.0), "  800.0");
    // A level that went through a weight and back shows as the number it was typed as.
    EXPECT_EQ(BandTable::NumberText(0.49999999999996), "    0.5");
}

TEST(BandTableTest, RowTextsKeepTheirLeadingBlanksAndShowWordsOnlyWhenAsked) {
    EXPECT_EQ(BandTable::NumberText(0.125), "    0.125");
    EXPECT_EQ(BandTable::LevelText(-0.25), " -0.25");

    const DesiredStyle linearWords{false, true};
    const DesiredStyle dbWords{true, true};
    const DesiredStyle dbNumbers{true, false};
    EXPECT_EQ(BandTable::DesiredText(1.0, linearWords), BandTable::kPassbandWord);
    EXPECT_EQ(BandTable::DesiredText(0.0, linearWords), BandTable::kStopbandWord);
    EXPECT_EQ(BandTable::DesiredText(0.0, dbWords), BandTable::kPassbandWord);
    EXPECT_EQ(BandTable::DesiredText(-6.0, dbWords), "   -6.0");
    // A dB stopband is shown as the word even when words are not asked for.
    EXPECT_EQ(BandTable::DesiredText(-1000.0, dbNumbers), BandTable::kStopbandWord);
    EXPECT_EQ(BandTable::DesiredText(1.0, DesiredStyle{}), "    1.0");
}

}  // namespace
}  // namespace tapwright
