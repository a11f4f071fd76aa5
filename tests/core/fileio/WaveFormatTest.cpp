#include "fileio/WaveFormat.h"
#include "fileio/WaveFormatDlg.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <tuple>

#include "fileio/DataSetIO.h"
#include "support/FakeUserInterface.h"
#include "core/fileio/FileioTestSupport.h"

namespace tapwright {
namespace {

using test::DataOf;
using test::FakeUserInterface;
using test::FormatOf;
using test::ValuesOf;

std::string U16(std::uint32_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

std::string U32(std::uint32_t value) { return U16(value & 0xFFFF) + U16(value >> 16); }

// A WAVE file put together field by field, so that each test can break one field.
struct WaveParts {
    std::uint16_t tag = 1;
    std::uint16_t channels = 1;
    std::uint32_t rate = 22050;
    std::uint16_t bits = 16;
    int blockAlign = -1;  // -1: channels x bytes per sample
    std::uint32_t formatLength = 16;
    std::uint16_t extraSize = 0;
    std::string beforeData;  // further chunks between the format chunk and "data"
    std::string samples;
    long dataBytes = -1;  // -1: the size of the samples

    std::string Bytes() const {
        const std::uint32_t align =
            blockAlign >= 0 ? static_cast<std::uint32_t>(blockAlign) : channels * (bits / 8u);
        std::string format = U16(tag) + U16(channels) + U32(rate) + U32(rate * align) +
                             U16(align) + U16(bits) + U16(extraSize);
        format.resize(formatLength, '\0');
        const auto size = dataBytes >= 0 ? static_cast<std::uint32_t>(dataBytes)
                                         : static_cast<std::uint32_t>(samples.size());
        const std::string body = "WAVEfmt " + U32(formatLength) + format + beforeData + "data" +
                                 U32(size) + samples;
        return "RIFF" + U32(static_cast<std::uint32_t>(body.size())) + body;
    }
};

std::string Words(std::initializer_list<std::uint16_t> words) {
    std::string bytes;
    for (const std::uint16_t word : words) {
        bytes += U16(word);
    }
    return bytes;
}

std::string WrittenWave(std::int32_t sizeIndex, std::int32_t rateIndex, const CLumenData& data,
                        std::int32_t second = -1) {
    CDataFormat format = FormatOf(FormatCode::BinaryWave);
    format.SetWaveSizeIndex(sizeIndex);
    format.SetWaveRateIndex(rateIndex);
    return data.WriteBytes(format, 0, second).value_or("");
}

TEST(WaveFormatTest, EightBitFileOfThreePointsIsFortyNineBytes) {
    FakeUserInterface ui;
    const std::string expected = "RIFF" + U32(41) + "WAVEfmt " + U32(18) + U16(1) + U16(1) +
                                 U32(22050) + U32(22050) + U16(1) + U16(8) + U16(0) + "data" +
                                 U32(3) + "\x80\xC0\x40";
    const std::string bytes = WrittenWave(0, 1, DataOf({0.0, 0.5, -0.5}));
    EXPECT_EQ(bytes.size(), 49u);
    EXPECT_EQ(bytes, expected);
}

TEST(WaveFormatTest, SixteenBitTwinHoldsTheWords) {
    FakeUserInterface ui;
    const std::string expected = "RIFF" + U32(44) + "WAVEfmt " + U32(18) + U16(1) + U16(1) +
                                 U32(22050) + U32(44100) + U16(2) + U16(16) + U16(0) + "data" +
                                 U32(6) + std::string("\x00\x00\x00\x40\x01\xC0", 6);
    EXPECT_EQ(WrittenWave(1, 1, DataOf({0.0, 0.5, -0.5})), expected);
}

TEST(WaveFormatTest, WritingSetsTheSampleCodeAndStereoInterleaves) {
    FakeUserInterface ui;
    CDataFormat format = FormatOf(FormatCode::BinaryWave);
    format.SetWaveSizeIndex(1);
    format.SetWaveRateIndex(2);
    const auto bytes = DataOf({0.5}, {-0.5}).WriteBytes(format, 0, 1);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(format.GetCode(), FormatCode::Wave16Bit);
    EXPECT_EQ(bytes->substr(22, 2), U16(2));
    EXPECT_EQ(bytes->substr(28, 4), U32(44100 * 4));
    EXPECT_EQ(bytes->substr(46), Words({0x4000, 0xC001}));
}

TEST(WaveFormatTest, EightBitSamplesOverflowBelowSixteenBitOnes) {
    FakeUserInterface ui;
    ui.ExpectMessage(CDataSetIO::kOverflowQuestion, MessageResult::No);
    EXPECT_EQ(WrittenWave(0, 0, DataOf({0.995})), "");
    EXPECT_EQ(WrittenWave(1, 0, DataOf({0.995})).size(), 48u);
}

TEST(WaveFormatTest, StereoFileReadIntoOneColumnTakesTheLeftChannel) {
    FakeUserInterface ui;
    WaveParts parts;
    parts.channels = 2;
    parts.samples = Words({0x4000, 0xC000, 0x2000, 0x1000});
    CLumenData data;
    CDataFormat format = FormatOf(FormatCode::BinaryWave);
    ASSERT_EQ(data.ReadBytes(format, parts.Bytes(), "s.wav", 0), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5, 0.25}));
    EXPECT_EQ(format.GetCode(), FormatCode::Wave16Bit);
    EXPECT_EQ(format.GetChannelCount(), 2);
}

TEST(WaveFormatTest, ExtraChannelsAreSkippedWhenTwoAreRead) {
    FakeUserInterface ui;
    WaveParts parts;
    parts.channels = 3;
    parts.bits = 8;
    parts.samples = std::string("\x80\xC0\x00\x40\x80\xFF", 6);
    CLumenData data;
    CDataFormat format = FormatOf(FormatCode::BinaryWave);
    ASSERT_EQ(data.ReadBytes(format, parts.Bytes(), "s.wav", 0, 1), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.0, -0.5}));
    EXPECT_EQ(ValuesOf(data.Quadrature()), std::vector<double>({0.5, 0.0}));
}

TEST(WaveFormatTest, MonoFileAskedForTwoColumnsReadsOne) {
    FakeUserInterface ui;
    ui.ExpectMessage(CDataSetIO::kOneChannelMessage);
    WaveParts parts;
    parts.samples = Words({0x4000});
    CLumenData data = DataOf({}, {0.75});
    CDataFormat format = FormatOf(FormatCode::BinaryWave);
    ASSERT_EQ(data.ReadBytes(format, parts.Bytes(), "m.wav", 0, 1), 1);
    EXPECT_EQ(ui.Messages().front().icon, MessageIcon::Exclamation);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5}));
    EXPECT_EQ(ValuesOf(data.Quadrature()), std::vector<double>({0.75}));
}

TEST(WaveFormatTest, RatesKeepTheirValueAndTheStoredIndexesTheirMeaning) {
    FakeUserInterface ui;
    // Indexes 0 to 2 are those older projects store; an uncommon rate becomes the project's.
    for (const auto& [rate, index, khz] : {std::tuple{11025u, 0, 11.025},
                                           std::tuple{22050u, 1, 22.05},
                                           std::tuple{44100u, 2, 44.1},
                                           std::tuple{8000u, 3, 8.0},
                                           std::tuple{48000u, 6, 48.0},
                                           std::tuple{96000u, 8, 96.0},
                                           std::tuple{12345u, 9, 12.345}}) {
        WaveParts parts;
        parts.rate = rate;
        parts.bits = 8;
        parts.samples = "\x80";
        CLumenData data;
        CDataFormat format = FormatOf(FormatCode::BinaryWave);
        ASSERT_EQ(data.ReadBytes(format, parts.Bytes(), "r.wav", 0), 1);
        EXPECT_EQ(format.GetWaveRateIndex(), index);
        EXPECT_EQ(format.GetWaveSizeIndex(), 0);
        EXPECT_DOUBLE_EQ(format.GetSampleRate().value_or(0.0), khz);
    }
    EXPECT_FALSE(FormatOf(FormatCode::TextDecimal).GetSampleRate().has_value());
}

TEST(WaveFormatTest, A48KilohertzFileIsWrittenAndReadAt48Kilohertz) {
    FakeUserInterface ui;
    const CLumenData data = DataOf({0.5, 0.25});
    CDataFormat format = FormatOf(FormatCode::BinaryWave);
    format.SetWaveSizeIndex(1);
    format.SetWaveRateIndex(6);
    const std::string bytes = data.WriteBytes(format, 0).value_or("");
    ASSERT_EQ(bytes.size(), 50u);
    EXPECT_EQ(bytes.substr(24, 8), std::string("\x80\xBB\x00\x00\x00\x77\x01\x00", 8));

    CLumenData read;
    CDataFormat reading = FormatOf(FormatCode::BinaryWave);
    ASSERT_EQ(read.ReadBytes(reading, bytes, "r.wav", 0), 1);
    EXPECT_EQ(ValuesOf(read.Inphase()), std::vector<double>({0.5, 0.25}));
    EXPECT_DOUBLE_EQ(reading.GetSampleRate().value_or(0.0), 48.0);
    EXPECT_EQ(reading.GetWaveRateIndex(), 6);
}

TEST(WaveFormatTest, OptionsOfferTheCommonRatesLowestFirstAndTheProjectsOwn) {
    CWaveFormatDlg options;
    std::vector<std::string> captions;
    for (const WaveRateChoice& choice : options.RateChoices()) {
        captions.push_back(choice.caption);
        CDataFormat format = FormatOf(FormatCode::BinaryWave);
        format.SetWaveRateIndex(choice.index);
        EXPECT_EQ(format.GetSampleRate().value_or(0.0), std::stod(choice.caption));
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"8", "11.025", "16", "22.05", "32", "44.1", "48",
                                                  "88.2", "96"}));
    options.projectRateHz = 12000;
    EXPECT_EQ(options.RateChoices().back().caption, "12 (the project's)");
    EXPECT_EQ(options.RateChoices().back().index, CDataFormat::kProjectRateIndex);

    // A project's rate that a WAVE header cannot hold is not offered.
    CDataFormat format = FormatOf(FormatCode::BinaryWave);
    format.SetProjectRate(22.5);
    EXPECT_EQ(format.GetProjectRate(), 0u);
    format.SetProjectRate(12000.0);
    format.SetWaveRateIndex(CDataFormat::kProjectRateIndex);
    EXPECT_EQ(format.GetWaveRate(), 12000u);
}

TEST(WaveFormatTest, OtherChunksBeforeDataAreSkipped) {
    FakeUserInterface ui;
    WaveParts parts;
    parts.formatLength = 18;
    parts.beforeData = "LIST" + U32(4) + "INFO" + "fact" + U32(3) + "abc";
    parts.samples = Words({0xC000});
    CLumenData data;
    CDataFormat format = FormatOf(FormatCode::BinaryWave);
    ASSERT_EQ(data.ReadBytes(format, parts.Bytes(), "l.wav", 0), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({-0.5}));
}

TEST(WaveFormatTest, DeclaredSizeOnlyLimitsWhatIsRead) {
    FakeUserInterface ui;
    WaveParts longer;
    longer.samples = Words({0x4000, 0x2000, 0x1000});
    longer.dataBytes = 0x7FFFFFF0;
    CLumenData data;
    CDataFormat format = FormatOf(FormatCode::BinaryWave);
    ASSERT_EQ(data.ReadBytes(format, longer.Bytes(), "w.wav", 0), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5, 0.25, 0.125}));

    WaveParts shorter = longer;
    shorter.dataBytes = 4;
    ASSERT_EQ(data.ReadBytes(format, shorter.Bytes(), "w.wav", 0), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5, 0.25}));
}

TEST(WaveFormatTest, FrameCutShortAtTheEndIsDropped) {
    FakeUserInterface ui;
    WaveParts parts;
    parts.channels = 2;
    parts.samples = Words({0x4000, 0x0000, 0x2000});
    CLumenData data;
    CDataFormat format = FormatOf(FormatCode::BinaryWave);
    ASSERT_EQ(data.ReadBytes(format, parts.Bytes(), "t.wav", 0), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5}));
}

// A header the reader refuses, the WAVE message it shows first, and how it was broken.
struct RefusedWave {
    const char* what;
    const char* message;
    std::string bytes;
};

class WaveRefusalTest : public testing::TestWithParam<RefusedWave> {};

TEST_P(WaveRefusalTest, ShowsItsMessageThenTheHeaderMessageAndReadsNothing) {
    FakeUserInterface ui;
    ui.ExpectMessage(GetParam().message);
    ui.ExpectMessage("File \"bad.wav\" does not have a valid header.");
    CLumenData data = DataOf({0.75});
    CDataFormat format = FormatOf(FormatCode::BinaryWave);
    EXPECT_EQ(data.ReadBytes(format, GetParam().bytes, "bad.wav", 0), 0);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.75}));
    EXPECT_EQ(format.GetCode(), FormatCode::BinaryWave);
    for (const auto& message : ui.Messages()) {
        EXPECT_EQ(message.icon, MessageIcon::Stop);
    }
}

WaveParts With(void (*change)(WaveParts&)) {
    WaveParts parts;
    parts.samples = Words({0x4000});
    change(parts);
    return parts;
}

INSTANTIATE_TEST_SUITE_P(
    Headers, WaveRefusalTest,
    testing::Values(
        RefusedWave{"not RIFF", kWaveNotValidMessage, "RIFX" + With([](WaveParts&) {}).Bytes().substr(4)},
        RefusedWave{"shorter than its preamble", kWaveNotValidMessage, "RIFF"},
        RefusedWave{"20-byte format chunk", kWaveUnknownFormatMessage,
                    With([](WaveParts& s) { s.formatLength = 20; }).Bytes()},
        RefusedWave{"not PCM", kWaveSubFormatMessage, With([](WaveParts& s) { s.tag = 3; }).Bytes()},
        RefusedWave{"extra format bytes", kWaveSubFormatMessage,
                    With([](WaveParts& s) { s.formatLength = 18; s.extraSize = 2; }).Bytes()},
        RefusedWave{"no channels", kWaveSubFormatMessage,
                    With([](WaveParts& s) { s.channels = 0; }).Bytes()},
        RefusedWave{"block align of 0", kWaveSubFormatMessage,
                    With([](WaveParts& s) { s.blockAlign = 0; }).Bytes()},
        RefusedWave{"4 bits", kWaveSubFormatMessage, With([](WaveParts& s) { s.bits = 4; }).Bytes()},
        RefusedWave{"24 bits", kWaveSubFormatMessage, With([](WaveParts& s) { s.bits = 24; }).Bytes()},
        RefusedWave{"no data chunk", kWaveNoDataMessage,
                    With([](WaveParts&) {}).Bytes().substr(0, 36) + "LIST" + U32(100)}),
    [](const testing::TestParamInfo<RefusedWave>& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(RawBinaryFormatsTest, ComplexDoubleIsSixteenBytesPerPointInphaseFirst) {
    FakeUserInterface ui;
    CDataFormat format = FormatOf(FormatCode::BinaryDouble);
    const auto bytes = DataOf({1.0, 0.0}, {-2.0, 0.5}).WriteBytes(format, 0, 1);
    ASSERT_TRUE(bytes.has_value());
    const std::string one("\x00\x00\x00\x00\x00\x00\xF0\x3F", 8);
    const std::string minusTwo("\x00\x00\x00\x00\x00\x00\x00\xC0", 8);
    EXPECT_EQ(bytes->size(), 32u);
    EXPECT_EQ(bytes->substr(0, 16), one + minusTwo);
}

TEST(RawBinaryFormatsTest, IncompleteFinalRecordIsDropped) {
    FakeUserInterface ui;
    CDataFormat format = FormatOf(FormatCode::BinaryFloat);
    const std::string bytes = std::string("\x00\x00\x00\x3F", 4) + std::string("\x00\x00\x80", 3);
    CLumenData data;
    ui.ExpectMessage(
        "Read 1 value from \"f.bin\".\n"
        "Reading stopped at the end of the file, whose last 3 bytes do not make a whole record.");
    ASSERT_EQ(data.ReadBytes(format, bytes, "f.bin", 0), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5}));
}

}  // namespace
}  // namespace tapwright
