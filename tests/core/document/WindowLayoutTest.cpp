#include "document/WindowLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "app/FirApp.h"
#include "core/editors/EditorTestSupport.h"
#include "platform/Archive.h"
#include "platform/FileSystem.h"
#include "plot/FirPlot.h"
#include "plot/Graph.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

TEST(WindowLayoutTest, RecordReadsBackWhatWasWritten) {
    const std::vector<WindowPlacement> windows = {
        {ViewKind::AdvancedEditor, hint::kDesignLoaded, {10, 20, 410, 320}, std::nullopt},
        {ViewKind::FrequencyResponse, 0x153, {-5, 0, 300, 200}, ViewSpans{0.1, 0.2, -60.0, 5.0}},
    };
    ArchiveWriter out;
    WriteWindowRecord(out, windows);
    const std::vector<std::uint8_t> bytes = out.TakeBytes();
    EXPECT_EQ(bytes.size(), 4u + 2 * 60);
    ArchiveReader in(bytes);
    EXPECT_EQ(ReadWindowRecord(in), windows);
    EXPECT_TRUE(in.AtEnd());
}

TEST(WindowLayoutTest, RecordThatAnnouncesMoreThanItHoldsOrAnUnknownKindIsRefused) {
    ArchiveWriter tooMany;
    tooMany.WriteU32(1000000);
    const std::vector<std::uint8_t> announced = tooMany.TakeBytes();
    ArchiveReader first(announced);
    EXPECT_THROW(ReadWindowRecord(first), ArchiveError);

    ArchiveWriter unknown;
    WriteWindowRecord(unknown, {{ViewKind::Graph, 0x311, {}, std::nullopt}});
    std::vector<std::uint8_t> bytes = unknown.TakeBytes();
    bytes[4] = 99;  // the kind
    ArchiveReader second(bytes);
    EXPECT_THROW(ReadWindowRecord(second), ArchiveError);
}

TEST(WindowLayoutTest, FramesAreMovedAndShrunkIntoTheArea) {
    const Rect area{0, 0, 800, 600};
    EXPECT_EQ(FitInside({100, 100, 300, 200}, area), (Rect{100, 100, 300, 200}));
    EXPECT_EQ(FitInside({700, 550, 900, 650}, area), (Rect{600, 500, 800, 600}));
    EXPECT_EQ(FitInside({-50, -20, 150, 80}, area), (Rect{0, 0, 200, 100}));
    EXPECT_EQ(FitInside({-100, 0, 1000, 700}, area), area);
    EXPECT_EQ(FitInside({5, 5, 10, 10}, Rect{}), (Rect{5, 5, 10, 10}));
}

// Frames that keep the places given to them and hold the real editors and plots.
class PlacingFrames : public FrameFactory {
public:
    CView* CreateFrame(CSerDoc& document, ViewKind kind) override {
        auto& project = dynamic_cast<CFirDoc&>(document);
        switch (kind) {
            case ViewKind::AdvancedEditor:
                views_.push_back(std::make_unique<CRspSpec>(project));
                break;
            case ViewKind::SimpleEditor:
                views_.push_back(std::make_unique<COneBand>(project));
                break;
            case ViewKind::FrequencyResponse:
                views_.push_back(std::make_unique<CFirPlot>());
                break;
            case ViewKind::Graph:
                views_.push_back(std::make_unique<CGraph>());
                break;
            default:
                views_.push_back(std::make_unique<test::TestView>(document, kind));
                break;
        }
        return views_.back().get();
    }
    void ActivateFrame(CView&) override {}
    void DestroyFrame(CView& view) override {
        places_.erase(&view);
        std::erase_if(views_, [&view](const auto& held) { return held.get() == &view; });
    }
    std::optional<Rect> FrameRect(const CView& view) const override {
        const auto found = places_.find(&view);
        return found != places_.end() ? std::optional(found->second) : std::nullopt;
    }
    void PlaceFrame(CView& view, const Rect& frame) override { places_[&view] = frame; }
    Rect WorkArea() const override { return area; }

    Rect area{0, 0, 1000, 700};

private:
    std::vector<std::unique_ptr<CView>> views_;
    std::map<const CView*, Rect> places_;
};

class ProjectWindowsTest : public testing::Test {
protected:
    ProjectWindowsTest() {
        app.Preferences().m_bDesignViewFreq = false;
        ui.AllowUnscriptedMessages();
    }

    CFirDoc& NewProjectWithTaps() {
        CFirDoc& document = *app.NewDocument(kTemplateAdvanced);
        test::SetCoefficients(document.Filter(), {0.1, 0.25, 0.5, 0.25, 0.1});
        return document;
    }

    std::string SaveAndClose(CFirDoc& document) {
        const std::string path = dir.File("arranged.twa");
        EXPECT_TRUE(document.SaveTo(path, StandardFileWriter()));
        document.SetPathName(path);
        EXPECT_TRUE(app.CloseDocument(document));
        return path;
    }

    test::FakeUserInterface ui;
    PlacingFrames frames;
    CFirApp app{frames};
    test::TempDir dir;
};

TEST_F(ProjectWindowsTest, ThreeArrangedWindowsReopenAsTheyWereLeft) {
    CFirDoc& document = NewProjectWithTaps();
    CView& editor = *document.GetViews().front();
    frames.PlaceFrame(editor, {10, 10, 410, 310});
    CView& response = *document.OpenNew(
        {ViewKind::FrequencyResponse,
         ResponseHint(ResponseDisplay::Phase, ChannelSelection::Inphase), CFirDoc::kResponseTitle},
        document.Filter());
    frames.PlaceFrame(response, {420, 10, 920, 400});
    response.RestoreSpans({0.1, 0.3, -90.0, 90.0});  // as the user zoomed it
    document.ViewImpulseResponse(ImpulseDisplay::Inphase);
    CView& impulse = *document.GetViews().back();
    frames.PlaceFrame(impulse, {10, 320, 600, 690});
    const std::vector<WindowPlacement> arranged = document.WindowPlacements();
    ASSERT_EQ(arranged.size(), 3u);
    const std::string name = document.Filter().GetName();

    CFirDoc& reopened = *app.OpenDocument(SaveAndClose(document));
    EXPECT_EQ(reopened.WindowPlacements(), arranged);
    EXPECT_EQ(reopened.Filter().GetName(), name);
    EXPECT_FALSE(reopened.IsModified());
    const auto* plot = dynamic_cast<const CFirPlot*>(reopened.GetViews()[1]);
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->DisplayKind(), PlotType::ComplexPhase);
    EXPECT_EQ(plot->ZoomLevels().Size(), 1u);  // Zoom Out shows the whole response
}

TEST_F(ProjectWindowsTest, WindowsOutsideTheWorkAreaComeBackInsideIt) {
    CFirDoc& document = NewProjectWithTaps();
    frames.PlaceFrame(*document.GetViews().front(), {900, 600, 1300, 900});
    const std::string path = SaveAndClose(document);
    frames.area = {0, 0, 640, 480};
    CFirDoc& reopened = *app.OpenDocument(path);
    EXPECT_EQ(frames.FrameRect(*reopened.GetViews().front()), (Rect{240, 180, 640, 480}));
}

TEST_F(ProjectWindowsTest, PreviousVersionOpensUnchangedAndSavesWithItsWindows) {
    test::ProjectFields fields;
    fields.version = 5;
    fields.quantizeBits = 9;
    const std::string path = dir.File("previous.twa");
    test::WriteBytes(path, BuildProject(fields));
    CFirDoc& document = *app.OpenDocument(path);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.GetVersion(), 5);

    fields.version = 6;
    fields.windowRecord = test::OneWindowRecord(0, hint::kDesignLoaded);  // the editor
    EXPECT_EQ(document.WriteProject(), BuildProject(fields));
}

TEST_F(ProjectWindowsTest, PreviousVersionRulesReadTheSameFilterFromANewFile) {
    CFirDoc& document = NewProjectWithTaps();
    document.ViewImpulseResponse(ImpulseDisplay::Inphase);
    document.Dialogs().quantize.bits = 11;
    std::vector<std::uint8_t> bytes = document.WriteProject();

    const auto read = [this](const std::vector<std::uint8_t>& stream) {
        auto project = std::make_unique<CFirDoc>(app, app.GetTemplate(kTemplateAdvanced));
        project->ReadProject(stream);
        return project;
    };
    const auto current = read(bytes);
    bytes[0] = 5;  // the same stream as a previous version's reader takes it
    const auto previous = read(bytes);
    EXPECT_EQ(previous->WriteProject(), current->WriteProject());
    EXPECT_EQ(previous->Filter().Inphase().GetAt(2), 0.5);
    EXPECT_EQ(previous->Dialogs().quantize.bits, 11);
}

}  // namespace
}  // namespace tapwright
