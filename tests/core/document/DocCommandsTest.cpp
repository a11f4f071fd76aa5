#include "document/DocCommands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/FirApp.h"
#include "core/document/DocumentTestSupport.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

// The Inphase entries of Window, Scale, Quantize and the three View families.
const std::vector<CommandId> kInphaseEntries = {
    kCmdWindowInphase,
    kCmdScaleInphase,
    kCmdQuantizeInphase,
    ResponseCommand(ResponseDisplay::Magnitude, ChannelSelection::Inphase),
    ResponseCommand(ResponseDisplay::GroupDelay, ChannelSelection::Inphase),
    ImpulseCommand(ImpulseDisplay::Inphase),
    CoefficientsCommand(ChannelSelection::Inphase),
};

// Their Quadrature and complex entries.
const std::vector<CommandId> kComplexEntries = {
    kCmdWindowQuadrature,
    kCmdWindowComplex,
    kCmdScaleQuadrature,
    kCmdScaleComplex,
    kCmdQuantizeQuadrature,
    kCmdQuantizeComplex,
    ResponseCommand(ResponseDisplay::Magnitude, ChannelSelection::Quadrature),
    ResponseCommand(ResponseDisplay::Phase, ChannelSelection::InphaseAndQuadrature),
    ResponseCommand(ResponseDisplay::PhaseDelay, ChannelSelection::ComplexFilter),
    ImpulseCommand(ImpulseDisplay::Quadrature),
    ImpulseCommand(ImpulseDisplay::ComplexPhase),
    CoefficientsCommand(ChannelSelection::Quadrature),
    CoefficientsCommand(ChannelSelection::InphaseAndQuadrature),
};

// Commands that need points whatever the data.
const std::vector<CommandId> kPointEntries = {
    kCmdMix,
    kCmdCopyInphaseToQuadrature,
    kCmdCopyQuadratureToInphase,
    kCmdSwapChannels,
    kCmdCopyToClipboard,
    kCmdExportCoefficients,
    kCmdDefaultWindow,
    kCmdDefaultScale,
    kCmdDefaultQuantize,
    kCmdDefaultResponse,
    kCmdDefaultImpulse,
    kCmdDefaultCoefficients,
};

const std::vector<CommandId> kAlwaysEntries = {
    kCmdSamplingFrequency, kCmdMinimumDb,          kCmdSineInphase,        kCmdSineComplex,
    kCmdFillQuadrature,    kCmdImportCoefficients, kCmdViewSpecifications,
};

class DocCommandsTest : public ::testing::Test {
protected:
    DocCommandsTest() { app.Preferences().m_bDesignViewFreq = false; }

    void ExpectEnabled(const std::vector<CommandId>& ids, bool enabled) const {
        for (const CommandId id : ids) {
            EXPECT_EQ(FirDocCommands().IsEnabled(document, id), enabled) << "command " << id;
        }
    }

    test::FakeUserInterface ui;
    test::TestFrames frames;
    CFirApp app{frames};
    CFirDoc& document = *app.NewDocument(kTemplateSimple);
};

TEST_F(DocCommandsTest, WithoutPointsOnlyTheAlwaysEnabledCommandsAre) {
    ExpectEnabled(kAlwaysEntries, true);
    ExpectEnabled(kInphaseEntries, false);
    ExpectEnabled(kComplexEntries, false);
    ExpectEnabled(kPointEntries, false);
}

TEST_F(DocCommandsTest, RealDataEnablesOnlyTheInphaseEntries) {
    document.Filter().FillConstant(8, 0.125, true, false);
    ASSERT_TRUE(document.Filter().IsReal());
    ExpectEnabled(kInphaseEntries, true);
    ExpectEnabled(kComplexEntries, false);
    ExpectEnabled(kPointEntries, true);
}

TEST_F(DocCommandsTest, ComplexDataEnablesEveryEntry) {
    document.Filter().FillSine(8, 0.1, true, true);
    ASSERT_FALSE(document.Filter().IsReal());
    ExpectEnabled(kInphaseEntries, true);
    ExpectEnabled(kComplexEntries, true);
    ExpectEnabled(kPointEntries, true);
}

TEST_F(DocCommandsTest, DisabledCommandDoesNotRun) {
    EXPECT_FALSE(FirDocCommands().Execute(document, kCmdDefaultResponse));
    EXPECT_TRUE(frames.Views(ViewKind::FrequencyResponse).empty());
}

TEST_F(DocCommandsTest, TableHoldsEachIdOnceWithTheTwentyResponseCommands) {
    std::set<CommandId> ids;
    int responseCommands = 0;
    for (const auto& command : FirDocCommands().Commands()) {
        EXPECT_TRUE(ids.insert(command.id).second) << "command " << command.id;
        EXPECT_TRUE(command.handler) << "command " << command.id;
        EXPECT_EQ(command.menuText.empty(), command.menuPath.empty()) << "command " << command.id;
        if (command.menuPath.rfind("&View/&Frequency Response/", 0) == 0) {
            ++responseCommands;
        }
    }
    EXPECT_EQ(responseCommands, 20);
    for (const auto& command : FirAppCommands().Commands()) {
        EXPECT_FALSE(ids.count(command.id)) << "command " << command.id;
    }
    for (const MenuAlias& alias : kCoefficientEditorResponseItems) {
        EXPECT_TRUE(FirDocCommands().Handles(alias.id));
    }
}

TEST_F(DocCommandsTest, ResponseCommandsOpenTheViewTheirHintNames) {
    document.Filter().FillSine(8, 0.1, true, true);
    const auto& editorUpdates = frames.Views(ViewKind::SimpleEditor).front()->updates;
    ASSERT_TRUE(FirDocCommands().Execute(
        document, ResponseCommand(ResponseDisplay::GroupDelay, ChannelSelection::Quadrature)));
    EXPECT_EQ(editorUpdates.back().hint, 3u + 16 * 8 + 256 * 1);
    ASSERT_TRUE(
        FirDocCommands().Execute(document, ImpulseCommand(ImpulseDisplay::ComplexMagnitude)));
    EXPECT_EQ(editorUpdates.back().hint, 0x341u);
    EXPECT_EQ(document.Filter().GetName(), "FIR Complex Impulse Response Magnitude");
    ASSERT_TRUE(FirDocCommands().Execute(document, kCmdDefaultCoefficients));
    EXPECT_EQ(editorUpdates.back().hint, 0x331u);
    EXPECT_EQ(document.Filter().GetName(), "FIR Complex Coefficients");
}

}  // namespace
}  // namespace tapwright
