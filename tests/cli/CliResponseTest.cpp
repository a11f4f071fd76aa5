#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "CliRunner.h"

namespace tapwright::cli::test {
namespace {

// The numbers of one tab-separated line.
std::vector<double> Columns(const std::string& line) {
    std::vector<double> values;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');) {
        values.push_back(std::stod(field));
    }
    return values;
}

class CliResponseTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<std::string> arguments = LowpassArguments();
        arguments.insert(arguments.end(), {"--project", "lowpass.tws"});
        ASSERT_EQ(cli.Run(arguments).exitCode, 0);
    }

    std::vector<std::vector<double>> Table(const std::vector<std::string>& arguments) const {
        const CliResult result = cli.Run(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        std::vector<std::vector<double>> rows;
        for (const std::string& line : Lines(result.out)) {
            rows.push_back(Columns(line));
        }
        return rows;
    }

    CliRunner cli;
};

TEST_F(CliResponseTest, MagnitudeTableSpansZeroToHalfFsAndMeetsTheBands) {
    const auto rows = Table({"response", "lowpass.tws"});
    ASSERT_EQ(rows.size(), 512u);
    EXPECT_EQ(rows.front()[0], 0.0);
    EXPECT_EQ(rows.back()[0], 0.5);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 2u);
        if (row[0] <= 0.1) {
            EXPECT_NEAR(row[1], 0.0, 0.1) << row[0];
        } else if (row[0] >= 0.15) {
            EXPECT_LT(row[1], -40.0) << row[0];
        }
    }
}

TEST_F(CliResponseTest, GroupDelayOfTheLinearPhaseLowpassIsHalfItsLength) {
    // 47 symmetric taps delay every frequency by 23 samples.
    for (const auto& row : Table({"response", "lowpass.tws", "--kind", "group-delay", "--from",
                                  "0.01", "--to", "0.09", "--points", "9"})) {
        EXPECT_NEAR(row[1], 23.0, 1e-6) << row[0];
    }
}

TEST_F(CliResponseTest, ComplexFilterTabulatesBothSidesOrBothChannels) {
    cli.WriteFile("i.txt", "1.0\n");
    cli.WriteFile("q.txt", "1.0\n");
    ASSERT_EQ(cli.Run({"import", "i.txt", "--format", "Text:Decimal", "--quadrature", "q.txt",
                       "--qformat", "Text:Decimal", "-o", "complex.twa"})
                  .exitCode,
              0);
    // h = 1 + j: |H|^2 = 2 and a phase of 45 degrees at every frequency.
    const auto complex = Table({"response", "complex.twa", "--select", "complex", "--points", "3"});
    ASSERT_EQ(complex.size(), 3u);
    EXPECT_EQ(complex.front()[0], -0.5);
    EXPECT_EQ(complex.back()[0], 0.5);
    EXPECT_NEAR(complex[1][1], 10.0 * std::log10(2.0), 1e-12);
    const auto phase = Table(
        {"response", "complex.twa", "--select", "complex", "--kind", "phase", "--points", "2"});
    EXPECT_NEAR(phase[0][1], 45.0, 1e-9);

    const auto both = Table({"response", "complex.twa", "--select", "both", "--points", "2"});
    ASSERT_EQ(both[0].size(), 3u);
    EXPECT_NEAR(both[0][1], 0.0, 1e-12);
    EXPECT_NEAR(both[0][2], 0.0, 1e-12);
}

TEST_F(CliResponseTest, SelectionsThatNeedComplexCoefficientsAndBadGridsAreRefused) {
    EXPECT_EQ(cli.Run({"response", "lowpass.tws", "--select", "quadrature"}).exitCode, 2);
    EXPECT_EQ(cli.Run({"response", "lowpass.tws", "--from", "0.3", "--to", "0.1"}).exitCode, 2);
    EXPECT_EQ(cli.Run({"response", "lowpass.tws", "--points", "0"}).exitCode, 2);
    EXPECT_EQ(cli.Run({"response", "lowpass.tws", "--kind", "loudness"}).exitCode, 2);
}

class CliHelpTest : public ::testing::TestWithParam<const char*> {
protected:
    CliRunner cli;
};

TEST_P(CliHelpTest, HelpDescribesTheSubcommandAndExitsZero) {
    const CliResult result = cli.Run({GetParam(), "--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find(std::string("Usage: tapwright-cli ") + GetParam()), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("--yes"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Subcommands, CliHelpTest,
                         ::testing::Values("design", "report", "export", "import", "response",
                                           "formats"));

}  // namespace
}  // namespace tapwright::cli::test
