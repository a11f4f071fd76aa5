#include "plot/WindowKind.h"

#include <gtest/gtest.h>

#include <utility>

#include "app/FirApp.h"
#include "core/editors/EditorTestSupport.h"
#include "document/FirDoc.h"
#include "plot/FirPlot.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

// The windows of one project differ by what they show, which their captions say.
TEST(WindowKindTest, NamesWhatEachWindowShows) {
    test::FakeUserInterface ui;
    test::EditorFrames frames;
    CFirApp app{frames};
    CFirDoc& document = *app.NewDocument(kTemplateAdvanced);
    EXPECT_EQ(WindowKindText(*frames.All<CRspSpec>().front()), "");

    const std::pair<ResponseDisplay, const char*> displays[] = {
        {ResponseDisplay::Magnitude, "Magnitude"},
        {ResponseDisplay::Phase, "Phase"},
        {ResponseDisplay::UnwrappedPhase, "Unwrapped Phase"},
        {ResponseDisplay::PhaseDelay, "Phase Delay"},
        {ResponseDisplay::GroupDelay, "Group Delay"}};
    for (const auto& [display, text] : displays) {
        CFirPlot plot;
        EXPECT_EQ(WindowKindText(plot), "Frequency Response");
        plot.OnUpdate(nullptr, ResponseHint(display, ChannelSelection::Inphase),
                      &document.Filter());
        EXPECT_EQ(WindowKindText(plot), text);
    }
}

}  // namespace
}  // namespace tapwright
