#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>

#include "CliRunner.h"

namespace tapwright::cli::test {
namespace {

using Json = nlohmann::json;

int CountOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

class CliProjectFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<std::string> arguments = LowpassArguments();
        arguments.insert(arguments.end(), {"--project", "lowpass.tws", "--json"});
        const CliResult designed = cli.Run(arguments);
        ASSERT_EQ(designed.exitCode, 0) << designed.err;
        design = Json::parse(designed.out);
    }

    Json Report(const std::string& project) const {
        const CliResult result = cli.Run({"report", project, "--json"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return Json::parse(result.out);
    }

    CliRunner cli;
    Json design;
};

TEST_F(CliProjectFileTest, ReportOfTheSavedProjectGivesTheDesignedCoefficients) {
    const Json report = Report("lowpass.tws");
    EXPECT_EQ(report["coefficients"], design["coefficients"]);
    EXPECT_EQ(report["bands"], design["bands"]);
    EXPECT_EQ(report["taps"], 47);
    EXPECT_TRUE(report["meets_spec"]);
    // Projects do not keep which engine made the taps.
    EXPECT_TRUE(report["engine"].is_null());
    EXPECT_TRUE(report["equiripple_spread"].is_null());
}

TEST_F(CliProjectFileTest, ReadableReportShowsTheVerdictOfEveryBand) {
    const CliResult result = cli.Run({"report", "lowpass.tws"});
    EXPECT_EQ(result.exitCode, 0);
    int passingBands = 0;
    for (const std::string& line : Lines(result.out)) {
        const bool bandLine = line.rfind("   1 ", 0) == 0 || line.rfind("   2 ", 0) == 0;
        passingBands += bandLine && line.ends_with("  PASS") ? 1 : 0;
    }
    EXPECT_EQ(passingBands, 2) << result.out;
    EXPECT_NE(result.out.find("Verdict:        PASS\n"), std::string::npos);
}

struct RoundTrip {
    const char* format;
    double tolerance;
};

class CliRoundTripTest : public CliProjectFileTest,
                         public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(CliRoundTripTest, ExportThenImportGivesTheCoefficientsBack) {
    const RoundTrip trip = GetParam();
    const CliResult exported = cli.Run({"export", "lowpass.tws", "--format", trip.format, "-o",
                                        "coefficients", "--wave-bits", "16"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    const CliResult imported =
        cli.Run({"import", "coefficients", "--format", trip.format, "-o", "imported.twa"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;

    const Json report = Report("imported.twa");
    const auto& original = design["coefficients"]["inphase"];
    const auto& read = report["coefficients"]["inphase"];
    ASSERT_EQ(read.size(), original.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_NEAR(read[i].get<double>(), original[i].get<double>(), trip.tolerance) << i;
    }
    // Imported coefficients come without a specification.
    EXPECT_TRUE(report["bands"].empty());
    EXPECT_EQ(report["taps"], 47);
}

INSTANTIATE_TEST_SUITE_P(Formats, CliRoundTripTest,
                         ::testing::Values(RoundTrip{"Text:Decimal", 1e-12},
                                           RoundTrip{"Binary:double", 0.0},
                                           RoundTrip{"Binary:Wave", 1.5 / 32768.0}));

TEST_F(CliProjectFileTest, WaveImportTakesTheFilesSampleRate) {
    ASSERT_EQ(cli.Run({"export", "lowpass.tws", "--format", "Binary:Wave", "-o", "fir.wav",
                       "--wave-rate", "22050"})
                  .exitCode,
              0);
    ASSERT_EQ(cli.Run({"import", "fir.wav", "--format", "Binary:Wave", "-o", "wave.twa"}).exitCode,
              0);
    // A new project shows Hz, so the file's 22.05 kHz reads 22050.
    EXPECT_DOUBLE_EQ(Report("wave.twa")["fs"].get<double>(), 22050.0);
}

TEST_F(CliProjectFileTest, ImportWarnsOfWhatItDidNotRead) {
    cli.WriteFile("partial.txt", "0.1\n0.2\nabc\n0.3\n");
    const CliResult partial =
        cli.Run({"import", "partial.txt", "--format", "Text:Decimal", "-o", "partial.twa"});
    EXPECT_EQ(partial.exitCode, 0) << partial.err;
    EXPECT_EQ(partial.err,
              "warning: Read 2 values from \"partial.txt\".\n"
              "Reading stopped at line 3, which holds no number that can be read: \"abc\". "
              "1 more line was not read.\n");
    EXPECT_EQ(Report("partial.twa")["taps"], 2);

    // A Quadrature file that cannot be read fails the import, and no project is written.
    cli.WriteFile("q.wav", "RIFF but no more");
    const CliResult quadrature =
        cli.Run({"import", "partial.txt", "--format", "Text:Decimal", "--quadrature", "q.wav",
                 "--qformat", "Binary:Wave", "-o", "two.twa"});
    EXPECT_EQ(quadrature.exitCode, 2);
    EXPECT_NE(quadrature.err.find("error: this is not a valid WAVE file."), std::string::npos)
        << quadrature.err;
    EXPECT_FALSE(std::filesystem::exists(cli.PathOf("two.twa")));
}

TEST_F(CliProjectFileTest, WaveRatesAreTheCommonOnesAndTheProjectsOwn) {
    const CliResult exported = cli.Run({"export", "lowpass.tws", "--format", "Binary:Wave", "-o",
                                        "fir48.wav", "--wave-rate", "48000"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    const CliResult imported =
        cli.Run({"import", "fir48.wav", "--format", "Binary:Wave", "-o", "wave48.twa"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.err,
              "note: The sampling frequency is now 48000 Hz (it was 1 Hz): the sample rate of "
              "the WAVE file.\n");
    EXPECT_DOUBLE_EQ(Report("wave48.twa")["fs"].get<double>(), 48000.0);

    const CliResult uncommon = cli.Run({"export", "lowpass.tws", "--format", "Binary:Wave", "-o",
                                        "odd.wav", "--wave-rate", "12345"});
    EXPECT_EQ(uncommon.exitCode, 2);
    EXPECT_NE(uncommon.err.find("--wave-rate 12345 is neither a common rate nor the project's"),
              std::string::npos)
        << uncommon.err;
}

TEST_F(CliProjectFileTest, MalformedProjectExitsTwoWithOneMessage) {
    const std::string project = cli.ReadFile("lowpass.tws");
    cli.WriteFile("cut.tws", project.substr(0, project.size() / 2));
    const CliResult result = cli.Run({"report", "cut.tws"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(CountOf(result.err, "error: "), 1) << result.err;
    EXPECT_EQ(result.err.rfind("error: Cannot open the project \"cut.tws\".", 0), 0u);
}

TEST_F(CliProjectFileTest, FilesThatCannotBeReadOrWrittenExitThree) {
    EXPECT_EQ(cli.Run({"report", "missing.tws"}).exitCode, 3);
    EXPECT_EQ(
        cli.Run({"import", "missing.txt", "--format", "Text:Decimal", "-o", "x.twa"}).exitCode, 3);
    EXPECT_EQ(cli.Run({"export", "lowpass.tws", "--format", "Text:Decimal", "-o",
                       "no/such/directory/out.txt"})
                  .exitCode,
              3);
}

TEST_F(CliProjectFileTest, AFileSizeLimitFailsTheExportWithExitThreeAndNoTemporary) {
    // Smaller than the file: 47 decimal coefficients take about 900 bytes.
    const std::uint64_t limit = 512;
    const CliResult result =
        cli.Run({"export", "lowpass.tws", "--format", "Text:Decimal", "-o", "x.txt"}, limit);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_NE(result.err.find("File too large"), std::string::npos) << result.err;
    for (const auto& entry : std::filesystem::directory_iterator(cli.PathOf(""))) {
        EXPECT_FALSE(entry.path().filename().string().ends_with(".tmp")) << entry.path();
    }
    EXPECT_FALSE(std::filesystem::exists(cli.PathOf("x.txt")));
}

TEST_F(CliProjectFileTest, ANewerProjectIsReportedWithAWarning) {
    std::string project = cli.ReadFile("lowpass.tws");
    project[0] = 99;
    cli.WriteFile("newer.tws", project);
    const CliResult result = cli.Run({"report", "newer.tws"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err.rfind("warning: This Project file is for a newer version", 0), 0u)
        << result.err;
    EXPECT_EQ(CountOf(result.err, "error: "), 0) << result.err;
}

TEST_F(CliProjectFileTest, AGridDensityAboveTheLargestIsRefusedNamingIt) {
    for (const bool bands : {false, true}) {
        std::vector<std::string> arguments =
            bands ? std::vector<std::string>{"design", "--band", "0,0.1,pass,0.1", "--band",
                                             "0.15,0.5,stop,40", "--taps", "56"}
                  : LowpassArguments();
        const std::string project = bands ? "grid.twa" : "grid.tws";
        arguments.insert(arguments.end(), {"--grid", "1000000", "--project", project});
        const CliResult result = cli.Run(arguments);
        EXPECT_EQ(result.exitCode, 2) << bands;
        EXPECT_NE(result.err.find("Grid Density cannot be more than 1024."), std::string::npos)
            << result.err;
        EXPECT_FALSE(std::filesystem::exists(cli.PathOf(project)));
    }
}

TEST_F(CliProjectFileTest, FormatNamesAreThoseOfTheTableAndItsDirections) {
    const CliResult unknown =
        cli.Run({"export", "lowpass.tws", "--format", "Text:Nope", "-o", "out.txt"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("\"Text:Hex\""), std::string::npos);
    // "Text:Analyzer" can only be read, "Text:C" only written.
    EXPECT_EQ(
        cli.Run({"export", "lowpass.tws", "--format", "Text:Analyzer", "-o", "a.txt"}).exitCode, 2);
    EXPECT_EQ(cli.Run({"import", "lowpass.tws", "--format", "Text:C", "-o", "c.twa"}).exitCode, 2);
    const CliResult formats = cli.Run({"formats"});
    EXPECT_EQ(formats.exitCode, 0);
    EXPECT_EQ(Lines(formats.out).size(), 14u);  // a heading and thirteen formats
}

TEST_F(CliProjectFileTest, OverflowQuestionIsAnsweredNoUnlessYesIsGiven) {
    cli.WriteFile("big.txt", "1.0\n0.5\n");
    ASSERT_EQ(cli.Run({"import", "big.txt", "--format", "Text:Decimal", "-o", "big.twa"}).exitCode,
              0);
    const CliResult declined =
        cli.Run({"export", "big.twa", "--format", "Text:Fract", "-o", "fract.txt"});
    EXPECT_EQ(declined.exitCode, 2);
    EXPECT_NE(declined.err.find("note: The data that was read will overflow the write data "
                                "format.  Write anyway?\nnote: answered No"),
              std::string::npos)
        << declined.err;
    EXPECT_FALSE(std::filesystem::exists(cli.PathOf("fract.txt")));

    const CliResult accepted =
        cli.Run({"export", "big.twa", "--format", "Text:Fract", "-o", "fract.txt", "--yes"});
    EXPECT_EQ(accepted.exitCode, 0) << accepted.err;
    // 1.0 saturates at the largest word rather than wrapping to -1.0.
    EXPECT_EQ(cli.ReadFile("fract.txt"), " 32767\r\n 16384\r\n");
}

TEST_F(CliProjectFileTest, ComplexExportOfRealCoefficientsIsRefused) {
    const CliResult result =
        cli.Run({"export", "lowpass.tws", "--format", "Binary:double", "-o", "c.bin", "--complex"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(cli.PathOf("c.bin")));
}

}  // namespace
}  // namespace tapwright::cli::test
