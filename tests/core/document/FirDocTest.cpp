#include "document/FirDoc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "app/FirApp.h"
#include "core/document/DocumentTestSupport.h"
#include "document/MinDbDlg.h"
#include "document/SampleRateDlg.h"
#include "fileio/FileAccess.h"
#include "fileio/WaveFormatDlg.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

constexpr std::uint32_t kInphaseMagnitude = 67;
constexpr std::uint32_t kComplexMagnitude = 835;

class FirDocTest : public ::testing::Test {
protected:
    FirDocTest() {
        // Only the windows a test asks for open by themselves.
        app.Preferences().m_bDesignViewFreq = false;
        app.Preferences().m_bReadViewFreq = false;
    }

    CFirDoc& NewProject(TemplateId id = kTemplateSimple) { return *app.NewDocument(id); }

    // A 31-tap lowpass designed from its specification, as the editors do it.
    static void Design(CFirDoc& document) {
        CFirData& filter = document.Filter();
        filter.SetSpecification(ResponseType::Filter, 31, 16);
        filter.AddBand(0.0, 0.2, 1.0, 10.0, false, false, false);
        filter.AddBand(0.3, 0.5, 0.0, 10.0, false, false, false);
        filter.Design("");
        filter.SetDesigned(true);
        document.ShowAfterDesign();
    }

    // Chooses a file and its format in the "Data Files" dialog.
    void ScriptImportOf(const std::string& path, const std::string& format) {
        ui.ExpectDialog<CDataFilesDlg>([path, format](CDataFilesDlg& dialog) {
            const auto& names = dialog.inphase.formats.names;
            const auto found = std::find(names.begin(), names.end(), format);
            EXPECT_NE(found, names.end());
            CDataFilesDlg::OnFormatChanged(dialog.inphase,
                                           static_cast<std::int32_t>(found - names.begin()));
            dialog.inphase.path = path;
            dialog.inphase.title = FileTitleOf(path);
            return true;
        });
    }

    std::string DecimalFile(const std::string& name) {
        const std::string path = dir.File(name);
        const std::string text = "0.25\n0.5\n0.25\n";
        test::WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
        return path;
    }

    test::FakeUserInterface ui;
    test::TestFrames frames;
    CFirApp app{frames};
    test::TempDir dir;
};

// Every other default of a new project is checked byte for byte by its file.
TEST_F(FirDocTest, NewProjectTakesItsFloorFromThePreferencesAndAttachesTheEditor) {
    app.Preferences().m_dMinDb = -90.0;
    const CFirDoc& document = NewProject();
    EXPECT_EQ(document.Filter().GetMinResponseDb(), -90.0);
    EXPECT_FALSE(document.IsModified());
    const test::TestView& editor = *frames.Views(ViewKind::SimpleEditor).front();
    EXPECT_EQ(editor.initialUpdates, 1);
    EXPECT_EQ(editor.updates.back().hint, hint::kDesignLoaded);
    EXPECT_EQ(editor.ViewData(), &document.Filter());
}

TEST_F(FirDocTest, AfterDesignOpensTheChosenWindowsInOrderAndTellsAllViews) {
    app.Preferences().m_bDesignViewCoeffs = true;
    app.Preferences().m_bDesignViewImp = true;
    app.Preferences().m_bDesignViewFreq = true;
    CFirDoc& document = NewProject();
    Design(document);

    EXPECT_TRUE(document.IsModified());
    const std::vector<CView*>& views = document.GetViews();
    ASSERT_EQ(views.size(), 4u);
    EXPECT_EQ(views[1]->Kind(), ViewKind::CoefficientEditor);
    EXPECT_EQ(views[2]->Kind(), ViewKind::Graph);
    EXPECT_EQ(views[3]->Kind(), ViewKind::FrequencyResponse);
    EXPECT_EQ(document.Filter().GetName(), "FIR Frequency Response");
    const auto& updates = frames.Views(ViewKind::SimpleEditor).front()->updates;
    ASSERT_GE(updates.size(), 4u);
    EXPECT_EQ(updates[updates.size() - 4].hint, 0x311u);
    EXPECT_EQ(updates[updates.size() - 3].hint, 0x311u);
    EXPECT_EQ(updates[updates.size() - 2].hint, kInphaseMagnitude);
    EXPECT_EQ(updates.back().hint, hint::kAnything);
    EXPECT_EQ(updates.back().object, nullptr);
}

TEST_F(FirDocTest, DesigningTwiceReusesOneResponseWindowWhileTheViewCommandOpensAnother) {
    app.Preferences().m_bDesignViewFreq = true;
    CFirDoc& document = NewProject();
    Design(document);
    Design(document);
    EXPECT_EQ(frames.Views(ViewKind::FrequencyResponse).size(), 1u);
    EXPECT_EQ(frames.activated.size(), 1u);

    document.ViewFrequencyResponse(ResponseDisplay::Magnitude, ChannelSelection::Inphase);
    document.ViewFrequencyResponse(ResponseDisplay::Magnitude, ChannelSelection::Inphase);
    EXPECT_EQ(frames.Views(ViewKind::FrequencyResponse).size(), 3u);
}

TEST_F(FirDocTest, ComplexDataOpensTheComplexDisplays) {
    CFirDoc& document = NewProject();
    document.Filter().FillSine(16, 0.1, true, true);
    document.ShowFrequencyResponse(document.Filter());
    document.ShowImpulseResponse(document.Filter());
    document.ShowCoefficients(document.Filter());
    EXPECT_EQ(document.Filter().GetName(), "FIR Inphase and Quadrature Coefficients");
    const auto& updates = frames.Views(ViewKind::SimpleEditor).front()->updates;
    ASSERT_GE(updates.size(), 3u);
    EXPECT_EQ(updates[updates.size() - 3].hint, kComplexMagnitude);
    EXPECT_EQ(updates[updates.size() - 2].hint, 0x331u);
    EXPECT_EQ(updates[updates.size() - 1].hint, 0x331u);
}

TEST_F(FirDocTest, ReusedImpulseViewIsZoomedOutButANewOneIsNot) {
    CFirDoc& document = NewProject();
    document.Filter().FillConstant(8, 0.125, true, false);
    document.ShowImpulseResponse(document.Filter());
    test::TestView& impulse = *frames.Views(ViewKind::Graph).front();
    EXPECT_EQ(impulse.zoomResets, 0);
    document.ShowImpulseResponse(document.Filter());
    EXPECT_EQ(impulse.zoomResets, 1);
    EXPECT_EQ(frames.activated, std::vector<CView*>{&impulse});
    EXPECT_EQ(document.Filter().GetName(), "FIR Inphase Impulse Response");
}

TEST_F(FirDocTest, SpecificationsActivatesTheFirstEditorAndResetsTheSimpleKind) {
    app.Preferences().SetSimpleFilterKind(SimpleFilterKind::Bandpass);
    CFirDoc& document = NewProject();
    document.ShowSpecifications();
    EXPECT_EQ(frames.Views(ViewKind::SimpleEditor).size(), 1u);
    EXPECT_EQ(frames.activated.size(), 1u);
    EXPECT_EQ(app.Preferences().GetSimpleFilterKind(), SimpleFilterKind::Lowpass);
    EXPECT_EQ(document.Filter().GetName(), CFirDoc::kDesignTitle);

    CFirDoc& advanced = NewProject(kTemplateAdvanced);
    advanced.ShowSpecifications();
    EXPECT_EQ(frames.Views(ViewKind::AdvancedEditor).size(), 1u);
}

TEST_F(FirDocTest, SpecificationsOpensAnEditorWhenTheFirstShowsNothingYet) {
    CFirDoc& document = NewProject();
    // Put in front an editor that no hint with data has reached.
    CView& unattached = *frames.CreateFrame(document, ViewKind::SimpleEditor);
    document.RemoveView(*document.GetViews().front());
    document.AddView(unattached);
    document.ShowSpecifications();
    EXPECT_TRUE(frames.activated.empty());
    EXPECT_EQ(document.GetViews().size(), 2u);
}

TEST_F(FirDocTest, SamplingFrequencyRefusesWhatIsNotAPositiveNumberAndStaysOpen) {
    CFirDoc& document = NewProject();
    for (const double refused : {0.0, -48.0, std::numeric_limits<double>::quiet_NaN(),
                                 std::numeric_limits<double>::infinity()}) {
        ui.ExpectDialog<CSampleRateDlg>([refused](CSampleRateDlg& dialog) {
            dialog.frequency = refused;
            return true;
        });
        ui.ExpectMessage(kSampleRateMessage);
    }
    ui.ExpectDialog<CSampleRateDlg>([](CSampleRateDlg& dialog) {
        dialog.frequency = 48.0;
        dialog.unitIndex = 1;
        return true;
    });
    ASSERT_TRUE(document.SetSamplingFrequency());
    for (const auto& message : ui.Messages()) {
        EXPECT_EQ(message.icon, MessageIcon::Stop);
    }
    EXPECT_EQ(document.Filter().GetFrequencyUnits().GetSampleRate(), 48.0);
    EXPECT_EQ(document.Filter().GetFrequencyUnits().GetUnitIndex(), 1);
    EXPECT_EQ(document.Filter().GetNyquist(), 24.0);
    EXPECT_TRUE(document.IsModified());
    const auto& last = frames.Views(ViewKind::SimpleEditor).front()->updates.back();
    EXPECT_EQ(last.hint, hint::kSampleRate);
    EXPECT_EQ(last.object, &document.Filter());
}

TEST_F(FirDocTest, CancelledDialogsChangeNothing) {
    CFirDoc& document = NewProject();
    ui.ExpectDialog<CSampleRateDlg>([](CSampleRateDlg& dialog) {
        EXPECT_EQ(dialog.frequency, 1.0);
        dialog.frequency = 5.0;
        return false;
    });
    ui.ExpectDialog<CMinDbDlg>([](CMinDbDlg&) { return false; });
    EXPECT_FALSE(document.SetSamplingFrequency());
    EXPECT_FALSE(document.SetMinimumDb());
    EXPECT_EQ(document.Filter().GetFrequencyUnits().GetSampleRate(), 1.0);
    EXPECT_FALSE(document.IsModified());
}

TEST_F(FirDocTest, MinimumDbReplacesTheFloorWithoutMarkingTheProjectModified) {
    CFirDoc& document = NewProject();
    ui.ExpectDialog<CMinDbDlg>([](CMinDbDlg& dialog) {
        EXPECT_EQ(dialog.minDb, -110.0);
        dialog.minDb = -80.0;
        return true;
    });
    ASSERT_TRUE(document.SetMinimumDb());
    EXPECT_EQ(document.Filter().GetMinResponseDb(), -80.0);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(frames.Views(ViewKind::SimpleEditor).front()->updates.back().hint, hint::kAnything);
}

TEST_F(FirDocTest, UntouchedProjectImportsWithoutAskingButADesignedOneAsks) {
    app.Preferences().m_bReadViewCoeffs = true;
    CFirDoc& document = NewProject();
    const std::string path = DecimalFile("taps.txt");
    ScriptImportOf(path, "Text:Decimal");
    ASSERT_TRUE(document.ImportCoefficients());
    EXPECT_EQ(document.Filter().GetNumTaps(), 3);
    EXPECT_EQ(document.Filter().Inphase().GetAt(1), 0.5);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(frames.Views(ViewKind::CoefficientEditor).size(), 1u);

    Design(document);
    ui.ExpectMessage("Importing new coefficients will overwrite all current data.",
                     MessageResult::Cancel);
    EXPECT_FALSE(document.ImportCoefficients());
    EXPECT_EQ(ui.Messages().back().buttons, MessageButtons::OkCancel);
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Question);
    EXPECT_EQ(document.Filter().GetNumTaps(), 31);
}

TEST_F(FirDocTest, ImportedWaveFileSetsItsRateInTheCurrentUnit) {
    const std::string path = dir.File("taps.wav");
    {
        CLumenData samples;
        samples.FillConstant(2, 0.5, true, false);
        CDataFormat wave;
        wave.SetCode(FormatCode::BinaryWave);
        wave.SetWaveSizeIndex(1);
        wave.SetWaveRateIndex(1);
        ASSERT_EQ(samples.WriteFile(wave, path, 0), 1);
    }
    CFirDoc& document = NewProject();
    document.Filter().SetFrequencyUnits(CFreqUnits(8.0, 1));
    ScriptImportOf(path, "Binary:Wave");
    ui.ExpectMessage(
        "The sampling frequency is now 22.05 kHz (it was 8 kHz): the sample rate of the WAVE "
        "file.");
    ASSERT_TRUE(document.ImportCoefficients());
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Information);
    EXPECT_DOUBLE_EQ(document.Filter().GetFrequencyUnits().GetSampleRate(), 22.05);
    EXPECT_EQ(document.Filter().GetFrequencyUnits().GetUnitIndex(), 1);
    EXPECT_DOUBLE_EQ(document.Filter().GetSampleRate(), 22.05);

    // In a project shown in Hz the same file means 22050 Hz, not 22.05 Hz.
    document.Filter().SetFrequencyUnits(CFreqUnits(8000.0, 0));
    ui.ExpectMessage("Importing new coefficients will overwrite all current data.",
                     MessageResult::Ok);
    ScriptImportOf(path, "Binary:Wave");
    ui.ExpectMessage(
        "The sampling frequency is now 22050 Hz (it was 8000 Hz): the sample rate of the WAVE "
        "file.");
    ASSERT_TRUE(document.ImportCoefficients());
    EXPECT_DOUBLE_EQ(document.Filter().GetFrequencyUnits().GetSampleRate(), 22050.0);
    EXPECT_EQ(document.Filter().GetFrequencyUnits().GetUnitIndex(), 0);
}

TEST_F(FirDocTest, A48KilohertzWaveFileComesBackAt48Kilohertz) {
    const std::string path = dir.File("taps48.wav");
    CFirDoc& source = NewProject();
    source.Filter().FillConstant(3, 0.25, true, false);
    source.Filter().SetFrequencyUnits(CFreqUnits(48.0, 1));
    ui.ExpectDialog<CDataFilesDlg>([path](CDataFilesDlg& dialog) {
        const auto& names = dialog.inphase.formats.names;
        const auto found = std::find(names.begin(), names.end(), "Binary:Wave");
        CDataFilesDlg::OnFormatChanged(dialog.inphase,
                                       static_cast<std::int32_t>(found - names.begin()));
        // The options offer the project's own rate besides the common ones.
        CWaveFormatDlg options;
        options.projectRateHz = dialog.inphase.format.GetProjectRate();
        EXPECT_EQ(options.RateChoices().back().caption, "48 (the project's)");
        dialog.inphase.format.SetWaveRateIndex(options.RateChoices().back().index);
        dialog.inphase.format.SetWaveSizeIndex(1);
        dialog.inphase.path = path;
        dialog.inphase.title = FileTitleOf(path);
        return true;
    });
    ASSERT_TRUE(source.ExportCoefficients());
    // 48000 Hz in the header, little-endian at byte 24.
    std::ifstream written(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(written)),
                            std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.substr(24, 4), std::string("\x80\xBB\x00\x00", 4));

    CFirDoc& target = NewProject();
    target.Filter().SetFrequencyUnits(CFreqUnits(1.0, 1));
    ScriptImportOf(path, "Binary:Wave");
    ui.ExpectMessage(
        "The sampling frequency is now 48 kHz (it was 1 kHz): the sample rate of the WAVE "
        "file.");
    ASSERT_TRUE(target.ImportCoefficients());
    EXPECT_DOUBLE_EQ(target.Filter().GetSampleRate(), 48.0);
    EXPECT_EQ(target.Filter().GetNumTaps(), 3);
}

TEST_F(FirDocTest, FilterCommandsMarkTheProjectAndClearTheDesignedFlag) {
    CFirDoc& document = NewProject();
    document.Filter().FillConstant(16, 0.25, true, false);
    document.Filter().SetDesigned(true);
    ui.ExpectDialog<CWindowDlg>([](CWindowDlg&) { return true; });
    ASSERT_TRUE(document.Coefficients().Window(DefaultChannels(document.Filter().IsReal())));
    EXPECT_TRUE(document.IsModified());
    EXPECT_FALSE(document.Filter().IsDesigned());
    EXPECT_EQ(frames.Views(ViewKind::SimpleEditor).front()->updates.back().hint, hint::kAnything);

    // A fill shows the frequency response.
    document.SetModifiedFlag(false);
    ui.ExpectDialog<CCombFill>([](CCombFill& dialog) {
        dialog.taps = 4;
        return true;
    });
    ASSERT_TRUE(document.Coefficients().FillConstant(ChannelSelection::Inphase));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(frames.Views(ViewKind::FrequencyResponse).size(), 1u);
}

}  // namespace
}  // namespace tapwright
