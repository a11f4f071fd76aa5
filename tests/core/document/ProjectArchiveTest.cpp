#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/FirApp.h"
#include "core/document/DocumentTestSupport.h"
#include "document/DocTemplate.h"
#include "document/FirDoc.h"
#include "platform/Archive.h"
#include "platform/FileDlg.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::BuildProject;
using test::ProjectFields;

class ProjectArchiveTest : public ::testing::Test {
protected:
    // A document of the advanced template read from the bytes.
    std::unique_ptr<CFirDoc> Read(const std::vector<std::uint8_t>& bytes) {
        auto document = std::make_unique<CFirDoc>(app, app.GetTemplate(kTemplateAdvanced));
        document->ReadProject(bytes);
        return document;
    }

    // A designed 31-tap lowpass at 48 kHz, with every record away from its defaults.
    CFirDoc& DesignedProject() {
        CFirDoc& document = *app.NewDocument(kTemplateAdvanced);
        CFirData& filter = document.Filter();
        filter.SetFrequencyUnits(CFreqUnits(48.0, 1));
        filter.SetSpecification(ResponseType::Filter, 31, 16);
        filter.AddBand(0.0, 8.0, 0.0, 1.0, true, true, true);
        filter.AddBand(12.0, 24.0, -1000.0, 60.0, true, true, true);
        filter.Design("");
        filter.SetDesigned(true);
        filter.SetName("FIR Frequency Response");
        filter.GetFormat().SetCode(FormatCode::TextHex);
        CoefficientDialogs& dialogs = document.Dialogs();
        dialogs.sine.count = 100;
        dialogs.mix.frequency = 3.5f;
        dialogs.mix.phaseMode = MixPhaseMode::Degrees;
        dialogs.scale.mode = ScaleMode::MaxCoefficient;
        dialogs.scale.value = -3.0;
        dialogs.fill.taps = 8;
        dialogs.window.type = WindowType::KaiserBessel;
        dialogs.window.alpha = 6.5f;
        dialogs.quantize.bits = 12;
        document.DataFiles().inphase.path = "/data/coefficients.txt";
        document.DataFiles().inphase.format.SetCode(FormatCode::AsmTi);
        return document;
    }

    test::FakeUserInterface ui;
    test::TestFrames frames;
    CFirApp app{frames};
    test::TempDir dir;
};

TEST_F(ProjectArchiveTest, NewProjectIsWrittenExactlyInTheFileLayout) {
    const CFirDoc& document = *app.NewDocument(kTemplateSimple);
    ProjectFields fields;
    fields.windowRecord = test::OneWindowRecord(1, hint::kDesignLoaded);  // the simple editor
    EXPECT_EQ(document.WriteProject(), BuildProject(fields));
}

TEST_F(ProjectArchiveTest, NewProjectSavedAndReopenedKeepsItsSpecification) {
    CFirDoc& document = *app.NewDocument(kTemplateAdvanced);
    document.Filter().SetSpecification(ResponseType::Differentiator, 40, 20);
    document.Filter().AddBand(0.0, 0.2, 1.0, 2.0, false, false, false);
    document.Filter().AddBand(0.3, 0.5, 0.0, 5.0, false, false, false);
    const std::string path = dir.File("spec.twa");
    ui.ExpectDialog<CFileDlg>([&](CFileDlg& dialog) {
        dialog.chosenPath = path;
        return true;
    });
    ASSERT_TRUE(app.SaveDocumentAs(document));
    ASSERT_TRUE(app.CloseDocument(document));

    CFirDoc& reopened = *app.OpenDocument(path);
    const CFirData& filter = reopened.Filter();
    EXPECT_EQ(filter.GetResponseType(), ResponseType::Differentiator);
    EXPECT_EQ(filter.GetNumTaps(), 40);
    EXPECT_EQ(filter.GetGridDensity(), 20);
    ASSERT_EQ(filter.GetNumBands(), 2);
    EXPECT_EQ(filter.GetUpperEdge(0), 0.2);
    EXPECT_EQ(filter.GetLowerEdge(1), 0.3);
    EXPECT_EQ(filter.GetBandWeight(1), 5.0);
    EXPECT_EQ(filter.GetNumColumns(), 2);
    EXPECT_EQ(filter.Inphase().GetNumPoints(), 0);
    EXPECT_EQ(filter.Quadrature().GetNumPoints(), 0);
    EXPECT_EQ(filter.GetWindowType(), -1);
    EXPECT_EQ(reopened.Dialogs().window.type, WindowType::BlackmanHarris);
    EXPECT_FALSE(reopened.IsModified());

    // Nothing was windowed, so the window command goes straight to its dialog.
    ui.ExpectDialog<CWindowDlg>([](CWindowDlg&) { return false; });
    EXPECT_FALSE(reopened.Coefficients().Window(ChannelSelection::Inphase));
}

TEST_F(ProjectArchiveTest, DesignedProjectRoundTripsBitForBit) {
    const std::vector<std::uint8_t> written = DesignedProject().WriteProject();
    const auto reread = Read(written);
    // The project read has no windows yet: its windows record is empty, the editor's gone.
    const std::vector<std::uint8_t> rewritten = reread->WriteProject();
    const std::size_t editorRecord = test::OneWindowRecord(0, 0).size();
    ASSERT_EQ(rewritten.size() + editorRecord - 4, written.size());
    EXPECT_TRUE(std::equal(rewritten.begin(), rewritten.end() - 4, written.begin()));
    EXPECT_EQ(reread->Filter().Inphase().GetNumPoints(), 31);
    EXPECT_TRUE(reread->Filter().IsDesigned());
    EXPECT_EQ(reread->Filter().GetFrequencyUnits().GetSampleRate(), 48.0);
    EXPECT_EQ(reread->Filter().GetFormat().GetCode(), FormatCode::TextHex);
    EXPECT_EQ(reread->DataFiles().inphase.title, "coefficients.txt");
    EXPECT_EQ(reread->Dialogs().quantize.bits, 12);
    EXPECT_FALSE(reread->IsModified());
    EXPECT_EQ(reread->GetVersion(), 7);
}

TEST_F(ProjectArchiveTest, ThreeHundredTapsTakeFourPlusEightBytesPerTapInEachChannel) {
    CFirDoc& document = *app.NewDocument(kTemplateSimple);
    document.Filter().FillConstant(300, 0.25, true, true);
    const std::vector<std::uint8_t> bytes = document.WriteProject();
    // Version (2), an empty name (1), the column count (4), then the columns.
    const std::size_t first = 7;
    const std::size_t channel = 4 + 300 * 8;
    const auto u32At = [&bytes](std::size_t at) {
        return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                          bytes[at + 3] << 24);
    };
    EXPECT_EQ(u32At(3), 2u);
    EXPECT_EQ(u32At(first), 300u);
    EXPECT_EQ(u32At(first + channel), 300u);
    double last = 0.0;
    std::memcpy(&last, &bytes[first + 2 * channel - 8], sizeof last);
    EXPECT_EQ(last, 0.25);
    // The filter's format record follows at once: WAVE indexes 0, code -1.
    const std::vector<std::uint8_t> format(bytes.begin() + first + 2 * channel,
                                           bytes.begin() + first + 2 * channel + 6);
    EXPECT_EQ(format, (std::vector<std::uint8_t>{0, 0, 0, 0, 0xFF, 0xFF}));
}

class ProjectNameLengthTest : public ProjectArchiveTest,
                              public ::testing::WithParamInterface<std::size_t> {};

TEST_P(ProjectNameLengthTest, NameTakesTheShortOrLongPrefixAndReadsBack) {
    CFirDoc& document = *app.NewDocument(kTemplateSimple);
    const std::string name(GetParam(), 'n');
    document.Filter().SetName(name);
    const std::vector<std::uint8_t> bytes = document.WriteProject();
    if (GetParam() < 255) {
        EXPECT_EQ(std::size_t{bytes[2]}, GetParam());
        EXPECT_EQ(bytes[3], 'n');
    } else {
        EXPECT_EQ(bytes[2], 0xFF);
        EXPECT_EQ(bytes[3] | bytes[4] << 8, static_cast<int>(GetParam()));
        EXPECT_EQ(bytes[5], 'n');
    }
    const auto reread = Read(bytes);
    EXPECT_EQ(reread->Filter().GetName(), name);
    EXPECT_EQ(reread->Filter().GetFormat().GetCode(), FormatCode::None);
}

INSTANTIATE_TEST_SUITE_P(BothSidesOfTheLongPrefix, ProjectNameLengthTest,
                         ::testing::Values(std::size_t{254}, std::size_t{255}));

TEST_F(ProjectArchiveTest, VersionThreeLacksTheOptionRecordsAndSkipsItsTrailingFloat) {
    ProjectFields fields;
    fields.version = 3;
    fields.quantizeBits = 12;
    fields.storedValue = 2.5;
    fields.columns = {{0.5, 0.25}, {0.0, 0.0}};
    const auto document = Read(BuildProject(fields));
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(document->GetVersion(), 3);
    EXPECT_EQ(document->Dialogs().quantize.bits, 12);
    EXPECT_EQ(document->GetStoredValue(), 2.5);
    EXPECT_EQ(document->Filter().Inphase().GetAt(1), 0.25);
    EXPECT_TRUE(document->DataFiles().inphase.path.empty());
    // What the file lacks keeps the value of a new project.
    EXPECT_EQ(document->Filter().GetFormat().COptions().varType, "float");

    // Without the float version 3 wrote last, the stream ends early.
    std::vector<std::uint8_t> shortened = BuildProject(fields);
    shortened.erase(shortened.end() - 4, shortened.end());
    EXPECT_THROW(Read(shortened), ArchiveError);
}

TEST_F(ProjectArchiveTest, VersionFourHoldsTheDataFilesAndAssemblyOptionsButNoCOptions) {
    ProjectFields fields;
    fields.version = 4;
    fields.inphasePath = "/data/in.txt";
    fields.quadraturePath = "/data/q.txt";
    const std::vector<std::uint8_t> bytes = BuildProject(fields);
    const auto document = Read(bytes);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(document->DataFiles().inphase.title, "in.txt");
    EXPECT_EQ(document->DataFiles().quadrature.path, "/data/q.txt");
    EXPECT_EQ(document->Filter().GetFormat().AsmOptions().initialText, "   .text");

    // Saving it writes the current version, with the C options in all three format records.
    fields.version = 7;
    EXPECT_EQ(document->WriteProject(), BuildProject(fields));
}

TEST_F(ProjectArchiveTest, NewerVersionOpensUntitledSoThatSaveAsksForAName) {
    ProjectFields fields;
    fields.version = 99;
    const std::vector<std::uint8_t> bytes = BuildProject(fields);
    const std::string path = dir.File("newer.twa");
    test::WriteBytes(path, bytes);
    ui.ExpectMessage(NewerVersionMessage());
    CFirDoc* document = app.OpenDocument(path);
    ASSERT_NE(document, nullptr);
    EXPECT_TRUE(document->IsFromNewerVersion());
    EXPECT_EQ(document->GetPathName(), "");
    EXPECT_EQ(document->GetTitle(), "Tapwright1");

    // Save asks for a name; cancelled, the newer file stays as it was.
    ui.ExpectDialog<CFileDlg>([](CFileDlg&) { return false; });
    EXPECT_FALSE(app.SaveDocument(*document));
    EXPECT_EQ(test::ReadBytes(path), bytes);
}

TEST_F(ProjectArchiveTest, NewerVersionWarnsThenReadsTheCurrentLayout) {
    ProjectFields fields;
    fields.version = 8;
    fields.quantizeBits = 10;
    ui.ExpectMessage(std::string(CSerDoc::kNewerVersionMessage) + TAPWRIGHT_HOMEPAGE + ".");
    const auto document = Read(BuildProject(fields));
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Stop);
    EXPECT_EQ(document->Dialogs().quantize.bits, 10);
    EXPECT_EQ(document->GetVersion(), 8);
    EXPECT_FALSE(document->IsModified());
}

// A stream the reader must refuse, and how to make it from a valid one.
struct MalformedCase {
    const char* name;
    std::function<std::vector<std::uint8_t>()> make;
};

std::vector<std::uint8_t> WithFields(const std::function<void(ProjectFields&)>& change) {
    ProjectFields fields;
    fields.bands = {{0.0, 0.1, 1.0, 1.0}, {0.2, 0.5, 0.0, 1.0}};
    change(fields);
    return BuildProject(fields);
}

// Bytes that hold no project; with a version, they start with it.
std::vector<std::uint8_t> RandomBytes(std::uint16_t version) {
    std::mt19937 random(1234);
    std::vector<std::uint8_t> bytes(600);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    if (version != 0) {
        bytes[0] = static_cast<std::uint8_t>(version);
        bytes[1] = 0;
    }
    return bytes;
}

const MalformedCase kMalformedCases[] = {
    {"VersionTwo", [] { return WithFields([](ProjectFields& f) { f.version = 2; }); }},
    {"OneColumn", [] { return WithFields([](ProjectFields& f) { f.columnCount = 1; }); }},
    {"ThreeColumns",
     [] {
         return WithFields([](ProjectFields& f) {
             f.columnCount = 3;
             f.columns = {{}, {}, {}};
         });
     }},
    {"SampleCountBeyondTheBytes",
     [] {
         std::vector<std::uint8_t> bytes = WithFields([](ProjectFields&) {});
         // The first column's count, after the version, the empty name and the column count.
         bytes[7] = bytes[8] = bytes[9] = 0xFF;
         bytes[10] = 0x7F;
         return bytes;
     }},
    {"NameLongerThanTheBytes",
     [] {
         std::vector<std::uint8_t> bytes = WithFields([](ProjectFields&) {});
         bytes[2] = 0xFF;
         const std::uint8_t length[] = {0xF0, 0xFF};
         bytes.insert(bytes.begin() + 3, std::begin(length), std::end(length));
         return bytes;
     }},
    {"BandCountAboveCapacity",
     [] { return WithFields([](ProjectFields& f) { f.bandCapacity = 1; }); }},
    {"BandCapacityAboveTheLargest",
     [] { return WithFields([](ProjectFields& f) { f.bandCapacity = 32 * 1024 + 1; }); }},
    {"NegativeBandCapacity",
     [] {
         return WithFields([](ProjectFields& f) {
             f.bandCapacity = -1;
             f.bands.clear();
         });
     }},
    {"NegativeTapCount", [] { return WithFields([](ProjectFields& f) { f.numTaps = -5; }); }},
    {"BandEdgeNotANumber",
     [] { return WithFields([](ProjectFields& f) { f.bands[1][0] = std::nan(""); }); }},
    {"WeightZero", [] { return WithFields([](ProjectFields& f) { f.bands[0][3] = 0.0; }); }},
    {"WeightNegative", [] { return WithFields([](ProjectFields& f) { f.bands[1][3] = -1.0; }); }},
    {"BandEdgesOutOfOrder",
     [] { return WithFields([](ProjectFields& f) { f.bands[1] = {0.5, 0.2, 0.0, 1.0}; }); }},
    {"BandsOutOfOrder",
     [] { return WithFields([](ProjectFields& f) { f.bands[1] = {0.05, 0.5, 0.0, 1.0}; }); }},
    {"GridDensityAboveTheLargest",
     [] { return WithFields([](ProjectFields& f) { f.gridDensity = 1025; }); }},
    {"GridDensityLargestInteger",
     [] { return WithFields([](ProjectFields& f) { f.gridDensity = 2147483647; }); }},
    {"VersionThatCannotExist", [] { return WithFields([](ProjectFields& f) { f.version = 256; }); }},
    {"RandomBytes", [] { return RandomBytes(0); }},
    {"RandomBytesAfterANewerVersion", [] { return RandomBytes(7); }},
};

class MalformedProjectTest : public ProjectArchiveTest,
                             public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedProjectTest, OpensNothingAfterOneStopMessage) {
    const std::string path = dir.File("broken.tws");
    test::WriteBytes(path, GetParam().make());
    ui.AllowUnscriptedMessages();
    EXPECT_EQ(app.OpenDocument(path), nullptr);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].icon, MessageIcon::Stop);
    EXPECT_EQ(ui.Messages()[0].text.rfind(ProjectUnreadableMessage(path, ""), 0), 0u);
    EXPECT_TRUE(app.Documents().empty());
    EXPECT_EQ(frames.Count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Streams, MalformedProjectTest, ::testing::ValuesIn(kMalformedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProjectArchiveTest, TruncationAtEveryOffsetIsAnEndOfFile) {
    const std::vector<std::uint8_t> whole = DesignedProject().WriteProject();
    // A reader of the previous version reads a file cut in the windows record; so does
    // this one, without the windows.
    const std::size_t fieldsEnd = whole.size() - test::OneWindowRecord(0, 0).size();
    for (std::size_t length = fieldsEnd; length < whole.size(); ++length) {
        const std::vector<std::uint8_t> part(whole.begin(), whole.begin() + length);
        EXPECT_EQ(Read(part)->Dialogs().quantize.bits, 12) << "at " << length;
    }
    for (std::size_t length = 0; length < fieldsEnd; ++length) {
        const std::vector<std::uint8_t> part(whole.begin(), whole.begin() + length);
        try {
            Read(part);
            ADD_FAILURE() << "read a project cut at " << length;
        } catch (const ArchiveError& error) {
            EXPECT_EQ(error.Kind(), ArchiveErrorKind::EndOfFile) << "at " << length;
        }
    }
}

TEST_F(ProjectArchiveTest, TruncatedFileOpensNothingAfterOneStopMessage) {
    const std::vector<std::uint8_t> whole = DesignedProject().WriteProject();
    ASSERT_TRUE(app.CloseDocument(*app.Documents().front()));
    const std::string path = dir.File("truncated.twa");
    for (const std::size_t length : {std::size_t{0}, std::size_t{1}, whole.size() / 2,
                                     whole.size() - test::OneWindowRecord(0, 0).size() - 1}) {
        test::WriteBytes(path, std::vector<std::uint8_t>(whole.begin(), whole.begin() + length));
        ui.ExpectMessage(
            ProjectUnreadableMessage(path, "The archive ends before the data it announces."));
        EXPECT_EQ(app.OpenDocument(path), nullptr) << "at " << length;
        EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Stop);
    }
    EXPECT_TRUE(app.Documents().empty());
    EXPECT_EQ(frames.Count(), 0u);
}

}  // namespace
}  // namespace tapwright
