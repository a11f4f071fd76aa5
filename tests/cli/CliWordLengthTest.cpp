#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <string>
#include <vector>

#include "CliRunner.h"

namespace tapwright::cli::test {
namespace {

using Json = nlohmann::json;

// The lowpass with a passband to 0.1 (0.1 dB) and a 40 dB stopband from 0.15, saved as a
// project.
class CliWordLengthTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<std::string> arguments = LowpassArguments();
        arguments.insert(arguments.end(), {"--project", "lowpass.tws"});
        ASSERT_EQ(cli.Run(arguments).exitCode, 0);
    }

    Json Report(const std::vector<std::string>& arguments, int expectedExit) const {
        const CliResult result = cli.Run(arguments);
        EXPECT_EQ(result.exitCode, expectedExit) << result.err;
        return Json::parse(result.out);
    }

    CliRunner cli;
};

TEST_F(CliWordLengthTest, ReportWithBitsJudgesTheQuantizedCopyOnly) {
    const Json coarse = Report({"report", "lowpass.tws", "--bits", "6", "--json"}, 1);
    EXPECT_FALSE(coarse["meets_spec"]);
    for (const Json& value : coarse["coefficients"]["inphase"]) {
        const double word = value.get<double>() * 32.0;
        EXPECT_EQ(word, std::round(word));
    }
    EXPECT_TRUE(Report({"report", "lowpass.tws", "--bits", "20", "--json"}, 0)["meets_spec"]);
    // The project still holds its unquantized coefficients.
    const Json plain = Report({"report", "lowpass.tws", "--json"}, 0);
    EXPECT_NE(plain["coefficients"], coarse["coefficients"]);

    const CliResult refused = cli.Run({"report", "lowpass.tws", "--bits", "32"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("The number of bits must be from 1 to 31."), std::string::npos);
}

TEST_F(CliWordLengthTest, TableHasOneRowPerLengthWithWordsThatMeetTheSpecification) {
    const Json table = Report({"wordlength", "lowpass.tws", "--extra-taps", "2", "--json"}, 0);
    const Json& rows = table["rows"];
    ASSERT_EQ(rows.size(), 3u);
    const Json project = Report({"report", "lowpass.tws", "--json"}, 0);
    EXPECT_EQ(rows[0]["taps"], project["taps"]);
    EXPECT_EQ(rows[0]["coefficients"], project["coefficients"]["inphase"]);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Json& row = rows[i];
        EXPECT_EQ(row["taps"], project["taps"].get<int>() + static_cast<int>(i));
        EXPECT_EQ(row["integers"].size(), row["taps"].get<std::size_t>());
        EXPECT_EQ(row["coefficients"].size(), row["taps"].get<std::size_t>());
        EXPECT_LE(row["bits"].get<int>(), row["bits_rounding"].get<int>());
        EXPECT_GE(row["design_margin_db"].get<double>(), 0.0);
    }
}

TEST_F(CliWordLengthTest, NoWordLengthUpToTheMaximumIsNullWithAMessage) {
    const CliResult result =
        cli.Run({"wordlength", "lowpass.tws", "--max-bits", "4", "--extra-taps", "0", "--json"});
    EXPECT_EQ(result.exitCode, 1);
    const Json row = Json::parse(result.out)["rows"][0];
    EXPECT_TRUE(row["bits"].is_null());
    EXPECT_TRUE(row["bits_rounding"].is_null());
    EXPECT_TRUE(row["design_margin_db"].is_null());
    EXPECT_NE(result.err.find("No word length up to 4 bits meets the specification."),
              std::string::npos);
}

TEST_F(CliWordLengthTest, SavedProjectReopensWithTheChosenRowsQuantizedCoefficients) {
    const Json table = Report({"wordlength", "lowpass.tws", "--extra-taps", "1", "--json",
                               "--project", "quantized.tws", "--taps", "48"},
                              0);
    const Json& row = table["rows"][1];
    ASSERT_EQ(row["taps"], 48);
    const double scale = std::pow(2.0, row["bits"].get<int>() - 1);
    const Json saved = Report({"report", "quantized.tws", "--json"}, 0);
    EXPECT_EQ(saved["taps"], 48);
    ASSERT_EQ(saved["coefficients"]["inphase"].size(), 48u);
    for (std::size_t n = 0; n < 48; ++n) {
        EXPECT_EQ(saved["coefficients"]["inphase"][n].get<double>(),
                  row["integers"][n].get<double>() / scale);
    }
    EXPECT_TRUE(saved["meets_spec"]);

    const CliResult missing = cli.Run(
        {"wordlength", "lowpass.tws", "--extra-taps", "0", "--project", "x.tws", "--taps", "60"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(cli.PathOf("x.tws")));
    const CliResult wrongKind =
        cli.Run({"wordlength", "lowpass.tws", "--extra-taps", "0", "--project", "x.twa"});
    EXPECT_EQ(wrongKind.exitCode, 2);
}

}  // namespace
}  // namespace tapwright::cli::test
