#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "document/CombFill.h"
#include "document/MixDlg.h"
#include "document/QuantizeDlg.h"
#include "document/ScaleDlg.h"
#include "document/SineDlg.h"
#include "document/WindowDlg.h"
#include "platform/Archive.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

template <class Record>
std::vector<std::uint8_t> BytesOf(const Record& record) {
    ArchiveWriter writer;
    record.Serialize(writer);
    return writer.TakeBytes();
}

template <class Record>
Record ReadBack(const std::vector<std::uint8_t>& bytes) {
    ArchiveReader reader(bytes);
    Record record;
    record.Serialize(reader);
    EXPECT_TRUE(reader.AtEnd());
    return record;
}

TEST(DialogRecordsTest, RecordsTakeTheProjectFileLayout) {
    EXPECT_EQ(BytesOf(CSineDlg()).size(), 4U + 4U);
    EXPECT_EQ(BytesOf(CMixDlg()).size(), 6U * 4U);
    EXPECT_EQ(BytesOf(CScaleDlg()).size(), 8U + 4U + 8U + 4U);
    EXPECT_EQ(BytesOf(CCombFill()).size(), 4U + 8U + 4U);
    EXPECT_EQ(BytesOf(CQuantizeDlg()), (std::vector<std::uint8_t>{16, 0, 0, 0}));

    CWindowDlg window;
    window.type = WindowType::KaiserBessel;
    window.alpha = 2.0f;
    EXPECT_EQ(BytesOf(window), (std::vector<std::uint8_t>{4, 0, 0, 0, 0, 0x40}));

    CScaleDlg scale;
    scale.mode = ScaleMode::SumOfSquares;
    scale.valueInDb = false;
    const std::vector<std::uint8_t> scaleBytes = BytesOf(scale);
    EXPECT_EQ(scaleBytes[8], 4);   // the mode follows the frequency
    EXPECT_EQ(scaleBytes[20], 0);  // the dB flag comes last
}

TEST(DialogRecordsTest, FieldsReadBackAsWritten) {
    CMixDlg mix;
    mix.frequencyMode = MixFrequencyMode::FsMultipliedBy;
    mix.frequency = 1.5f;
    mix.divisor = -3.0f;
    mix.multiplier = 0.125f;
    mix.phaseMode = MixPhaseMode::Degrees;
    mix.degrees = 45.0f;
    EXPECT_EQ(BytesOf(ReadBack<CMixDlg>(BytesOf(mix))), BytesOf(mix));

    CCombFill fill;
    fill.taps = -2;
    fill.constant = 0.75;
    fill.oneOverTaps = false;
    const CCombFill fillRead = ReadBack<CCombFill>(BytesOf(fill));
    EXPECT_EQ(fillRead.taps, -2);
    EXPECT_EQ(fillRead.constant, 0.75);
    EXPECT_FALSE(fillRead.oneOverTaps);

    // The sine frequency and mode are not stored and keep their starting values.
    CSineDlg sine;
    sine.count = 1000;
    sine.cycles = 2.5f;
    sine.frequency = 0.3f;
    sine.mode = SineMode::Cycles;
    const CSineDlg sineRead = ReadBack<CSineDlg>(BytesOf(sine));
    EXPECT_EQ(sineRead.count, 1000);
    EXPECT_EQ(sineRead.cycles, 2.5f);
    EXPECT_EQ(sineRead.frequency, 0.125f);
    EXPECT_EQ(sineRead.mode, SineMode::Frequency);
}

template <class Record>
void ExpectRefused(std::vector<std::uint8_t> bytes, ArchiveErrorKind kind) {
    ArchiveReader reader(bytes);
    Record record;
    const std::vector<std::uint8_t> before = BytesOf(record);
    try {
        record.Serialize(reader);
        ADD_FAILURE() << "the record was accepted";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.Kind(), kind);
    }
    EXPECT_EQ(BytesOf(record), before) << "a refused record must leave the fields alone";
}

TEST(DialogRecordsTest, ImpossibleOrTruncatedFieldsAreRefusedWithoutChangingTheRecord) {
    std::vector<std::uint8_t> scale = BytesOf(CScaleDlg());
    scale[8] = 6;  // no seventh mode button
    ExpectRefused<CScaleDlg>(scale, ArchiveErrorKind::Malformed);

    CWindowDlg window;
    window.alpha = std::nanf("");
    ExpectRefused<CWindowDlg>(BytesOf(window), ArchiveErrorKind::Malformed);
    ExpectRefused<CWindowDlg>({5, 0, 0, 0, 0x80, 0x40}, ArchiveErrorKind::Malformed);

    CMixDlg mix;
    mix.multiplier = std::numeric_limits<float>::infinity();
    ExpectRefused<CMixDlg>(BytesOf(mix), ArchiveErrorKind::Malformed);
    std::vector<std::uint8_t> mixBytes = BytesOf(CMixDlg());
    mixBytes[16] = 2;  // phase mode
    ExpectRefused<CMixDlg>(mixBytes, ArchiveErrorKind::Malformed);

    std::vector<std::uint8_t> fill = BytesOf(CCombFill());
    fill.pop_back();
    ExpectRefused<CCombFill>(fill, ArchiveErrorKind::EndOfFile);
    ExpectRefused<CSineDlg>({0, 1, 0, 0}, ArchiveErrorKind::EndOfFile);
}

TEST(CombFillTest, OneOverTapsFollowsTheTapCountWhileChecked) {
    CCombFill fill;
    fill.taps = 8;
    fill.OnTapsEdited();
    EXPECT_EQ(fill.constant, 0.125);

    fill.oneOverTaps = false;
    fill.taps = 4;
    fill.OnTapsEdited();
    EXPECT_EQ(fill.constant, 0.125);
    fill.oneOverTaps = true;
    fill.OnOneOverTapsClicked();
    EXPECT_EQ(fill.constant, 0.25);

    fill.taps = 0;
    fill.OnTapsEdited();
    EXPECT_EQ(fill.constant, 0.25);
}

TEST(DialogChecksTest, OkRefusesWhatTheOperationCannotDo) {
    test::FakeUserInterface ui;
    CWindowDlg window;
    window.alpha = 500.0f;
    EXPECT_TRUE(window.OnOK());  // alpha is only read by Kaiser-Bessel
    window.OnAlphaFocus();
    ui.ExpectMessage(kKaiserAlphaMessage);
    EXPECT_FALSE(window.OnOK());

    CQuantizeDlg quantize;
    quantize.bits = 0;
    ui.ExpectMessage(kQuantizeBitsMessage);
    EXPECT_FALSE(quantize.OnOK());
    quantize.bits = 31;
    EXPECT_TRUE(quantize.OnOK());
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Stop);
}

}  // namespace
}  // namespace tapwright
