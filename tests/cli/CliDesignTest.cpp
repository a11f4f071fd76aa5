#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>

#include "CliRunner.h"

namespace tapwright::cli::test {
namespace {

using Json = nlohmann::json;

std::vector<std::string> With(std::vector<std::string> arguments,
                              const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

std::string Printed17(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

class CliDesignTest : public ::testing::Test {
protected:
    CliRunner cli;
};

TEST_F(CliDesignTest, LowpassOfTheEstimateExampleDesignsWith47TapsAndPasses) {
    const CliResult result = cli.Run(With(LowpassArguments(), {"--json"}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const Json json = Json::parse(result.out);
    EXPECT_EQ(json["taps"], 47);
    EXPECT_EQ(json["response"], "filter");
    EXPECT_TRUE(json["meets_spec"]);
    // The grid exchange levels this short design: its taps are kept.
    EXPECT_EQ(json["engine"], "classic");
    EXPECT_LT(json["equiripple_spread"].get<double>(), 0.01);
    EXPECT_GE(json["design_margin_db"].get<double>(), 0.0);
    ASSERT_EQ(json["bands"].size(), 2u);
    EXPECT_EQ(json["bands"][0]["kind"], "pass");
    EXPECT_EQ(json["bands"][1]["kind"], "stop");
    EXPECT_DOUBLE_EQ(json["bands"][1]["weight"].get<double>(), 100.0);

    // A linear-phase design: the taps are symmetric, and each is written with 17
    // significant digits so that it reads back exactly.
    const auto& inphase = json["coefficients"]["inphase"];
    ASSERT_EQ(inphase.size(), 47u);
    for (std::size_t i = 0; i < inphase.size(); ++i) {
        EXPECT_EQ(inphase[i].get<double>(), inphase[46 - i].get<double>()) << i;
        EXPECT_NE(result.out.find(Printed17(inphase[i].get<double>())), std::string::npos);
    }
    EXPECT_EQ(json["coefficients"]["quadrature"], Json(std::vector<double>(47, 0.0)));
}

TEST_F(CliDesignTest, TooFewTapsForASpecificationWithoutEstimateFailsWithTheEditorsMessage) {
    const CliResult result =
        cli.Run({"design", "--band", "0,0.1,pass,0.5", "--band", "0.15,0.25,stop,40", "--band",
                 "0.3,0.5,pass,0.5", "--taps", "0", "--project", "three.twa"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "error: Cannot design FIR with less than 3 taps.\n");
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(std::filesystem::exists(cli.PathOf("three.twa")));
}

TEST_F(CliDesignTest, FilterThatMissesItsSpecificationExitsOne) {
    const CliResult result = cli.Run(With(LowpassArguments(), {"--taps", "11", "--json"}));
    EXPECT_EQ(result.exitCode, 1) << result.err;
    const Json json = Json::parse(result.out);
    EXPECT_EQ(json["taps"], 11);
    EXPECT_FALSE(json["meets_spec"]);
    EXPECT_LT(json["design_margin_db"].get<double>(), 0.0);
}

TEST_F(CliDesignTest, OptimizeFindsTheShortestPassingLengthAndSaysSo) {
    const CliResult result = cli.Run(With(LowpassArguments(), {"--optimize", "--json"}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Json json = Json::parse(result.out);
    const int taps = json["taps"];
    EXPECT_TRUE(json["meets_spec"]);
    EXPECT_EQ(result.err.rfind("note: Optimization succeeded using " + std::to_string(taps) +
                                   " taps.\nDesign margin is ",
                               0),
              0u)
        << result.err;
    // One tap fewer no longer meets the specification.
    const CliResult shorter =
        cli.Run(With(LowpassArguments(), {"--taps", std::to_string(taps - 1)}));
    EXPECT_EQ(shorter.exitCode, 1);
}

TEST_F(CliDesignTest, BandOptimizationWithoutTapsStartsFromTheEstimate) {
    const std::vector<std::string> bands{"design", "--band", "0,0.1,pass,0.5",
                                         "--band", "0.15,0.5,stop,40"};
    const CliResult result = cli.Run(With(bands, {"--optimize", "--json"}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Json json = Json::parse(result.out);
    EXPECT_TRUE(json["meets_spec"]);
    EXPECT_NE(result.err.find("Optimization succeeded using"), std::string::npos) << result.err;
    // Each band says where it is worst, in the unit of the sampling frequency.
    const double worst = json["bands"][1]["worst_frequency"];
    EXPECT_GE(worst, 0.15);
    EXPECT_LE(worst, 0.5);
}

TEST_F(CliDesignTest, EditorRefusalsExitTwoWithTheirMessage) {
    const CliResult zeros = cli.Run({"design", "--lowpass"});
    EXPECT_EQ(zeros.exitCode, 2);
    EXPECT_EQ(zeros.err, "error: All parameters must be greater than zero.\n");

    const CliResult touching =
        cli.Run({"design", "--band", "0,0.1,pass,0.5", "--band", "0.1,0.5,stop,40"});
    EXPECT_EQ(touching.exitCode, 2);
    EXPECT_NE(touching.err.find("error: Cannot add band this band becauses it touches"),
              std::string::npos);
}

TEST_F(CliDesignTest, OverlappingAndNegativeBandsAreRefusedOnceByName) {
    const CliResult overlapping = cli.Run(
        {"design", "--band", "0,0.2,pass,1", "--band", "0.1,0.3,stop,40", "--project", "o.twa"});
    EXPECT_EQ(overlapping.exitCode, 2);
    EXPECT_EQ(overlapping.err,
              "error: --band \"0.1,0.3,stop,40\" overlaps --band \"0,0.2,pass,1\".\n"
              "Give each band its own frequencies, with a transition band between them.\n");
    EXPECT_FALSE(std::filesystem::exists(cli.PathOf("o.twa")));

    const CliResult covering = cli.Run(
        {"design", "--band", "0.2,0.3,stop,40", "--band", "0,0.1,pass,1", "--band", "0.15,0.5,stop,40"});
    EXPECT_EQ(covering.exitCode, 2);
    EXPECT_NE(covering.err.find("\"0.15,0.5,stop,40\" overlaps --band \"0.2,0.3,stop,40\""),
              std::string::npos)
        << covering.err;

    const CliResult negative =
        cli.Run({"design", "--band", "-0.1,0.2,pass,1", "--band", "0.3,0.5,stop,40"});
    EXPECT_EQ(negative.exitCode, 2);
    EXPECT_EQ(negative.err,
              "error: --band \"-0.1,0.2,pass,1\" has a negative edge.\n"
              "Band edges run from 0 to half the sampling frequency.\n");
}

TEST_F(CliDesignTest, SamplingFrequencyAndUnitsScaleTheBandEdges) {
    const CliResult result =
        cli.Run({"design", "--lowpass", "--fs", "48", "--units", "kHz", "--edge1", "10", "--edge2",
                 "12", "--ripple", "0.5", "--atten", "60", "--json"});
    ASSERT_LE(result.exitCode, 1) << result.err;
    const Json json = Json::parse(result.out);
    EXPECT_EQ(json["fs"], 48.0);
    EXPECT_EQ(json["units"], "kHz");
    EXPECT_DOUBLE_EQ(json["bands"][0]["upper"].get<double>(), 10.0);
    EXPECT_DOUBLE_EQ(json["bands"][1]["lower"].get<double>(), 12.0);
    EXPECT_DOUBLE_EQ(json["bands"][1]["upper"].get<double>(), 24.0);
}

TEST_F(CliDesignTest, BandOptionsTakeLinearWeightsAndDbGains) {
    const CliResult result =
        cli.Run({"design", "--band", "0,0.1,0,10", "--band", "0.2,0.5,stop,1000", "--gain-db",
                 "--attn-linear", "--taps", "31", "--json"});
    ASSERT_LE(result.exitCode, 1) << result.err;
    const Json json = Json::parse(result.out);
    EXPECT_DOUBLE_EQ(json["bands"][0]["desired"].get<double>(), 1.0);  // 0 dB
    EXPECT_DOUBLE_EQ(json["bands"][0]["weight"].get<double>(), 10.0);
    EXPECT_DOUBLE_EQ(json["bands"][1]["desired"].get<double>(), 0.0);
    EXPECT_DOUBLE_EQ(json["bands"][1]["weight"].get<double>(), 1000.0);
}

TEST_F(CliDesignTest, BandBeyondHalfTheSamplingFrequencyIsRefusedEvenWithYes) {
    const CliResult result =
        cli.Run({"design", "--yes", "--band", "0,0.1,pass,0.5", "--band", "0.2,0.7,stop,40"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("note: Upper frequency is greater than Fs/2.\nSet sampling rate?."),
              std::string::npos)
        << result.err;
}

TEST_F(CliDesignTest, ProgressTextsAppearOnlyWhenVerbose) {
    const std::string success = "Design succeeded, with a margin of ";
    EXPECT_EQ(cli.Run(LowpassArguments()).err.find(success), std::string::npos);
    EXPECT_NE(cli.Run(With(LowpassArguments(), {"--verbose"})).err.find(success),
              std::string::npos);
}

TEST_F(CliDesignTest, EstimateBeforeADesignWithoutTapsIsNotedOnlyWhenVerbose) {
    const std::string note = "note: Too few taps were specified.\nEstimate and design?\n"
                             "note: answered Yes\n";
    const CliResult verbose = cli.Run(With(LowpassArguments(), {"--verbose"}));
    ASSERT_EQ(verbose.exitCode, 0) << verbose.err;
    EXPECT_EQ(verbose.err.rfind(note, 0), 0u) << verbose.err;
    // A given length is designed as it is.
    const CliResult given = cli.Run(With(LowpassArguments(), {"--taps", "47", "--verbose"}));
    EXPECT_EQ(given.err.find("Estimate and design?"), std::string::npos) << given.err;
}

TEST_F(CliDesignTest, ProjectExtensionMustMatchTheKindOfDesign) {
    const CliResult result = cli.Run(With(LowpassArguments(), {"--project", "lowpass.twa"}));
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(cli.PathOf("lowpass.twa")));
}

TEST_F(CliDesignTest, BadArgumentsExitTwoWithAnErrorLine) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"design"},
          {"design", "--lowpass", "--band", "0,0.1,1,1"},
          {"design", "--band", "0,zero,1,1"},
          {"design", "--lowpass", "--fs", "0"},
          {"design", "--no-such-option"},
          {"nonsense"}}) {
        const CliResult result = cli.Run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.back();
        EXPECT_EQ(result.err.rfind("error: ", 0), 0u) << result.err;
    }
}

TEST_F(CliDesignTest, CHeaderExportNamesTheArrayAndItsLength) {
    const CliResult result = cli.Run(With(
        LowpassArguments(), {"--export", "lowpass.h", "--format", "Text:C", "--c-name", "lp"}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> lines = Lines(cli.ReadFile("lowpass.h"));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "#define LP_LENGTH 47\r");
    EXPECT_EQ(lines[2], "float lp[LP_LENGTH] = {\r");
}

}  // namespace
}  // namespace tapwright::cli::test
