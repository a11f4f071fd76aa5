#include "document/WindowLayout.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <memory>
#include <vector>

#include "app/FirApp.h"
#include "core/editors/EditorTestSupport.h"
#include "editors/DataView.h"
#include "platform/Archive.h"
#include "platform/FileSystem.h"
#include "plot/FirPlot.h"
#include "plot/Graph.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

constexpr int kCurrent = CSerDoc::kProjectVersion;

TEST(WindowLayoutTest, RecordReadsBackWhatWasWritten) {
    const std::vector<WindowPlacement> windows = {
        {ViewKind::AdvancedEditor,
         hint::kDesignLoaded,
         {10, 20, 410, 320},
         std::nullopt,
         WindowState::Maximized,
         ""},
        {ViewKind::FrequencyResponse,
         0x153,
         {-5, 0, 300, 200},
         ViewSpans{0.1, 0.2, -60.0, 5.0},
         WindowState::Normal,
         ""},
        {ViewKind::CoefficientEditor,
         CoefficientHint(ChannelSelection::Quadrature),
         {0, 0, 200, 100},
         std::nullopt,
         WindowState::Minimized,
         "Text:Hex"},
    };
    ArchiveWriter out;
    WriteWindowRecord(out, windows);
    const std::vector<std::uint8_t> bytes = out.TakeBytes();
    EXPECT_EQ(bytes.size(), 4u + 3 * (60 + 4 + 1) + 8);
    ArchiveReader in(bytes);
    EXPECT_EQ(ReadWindowRecord(in, kCurrent), windows);
    EXPECT_TRUE(in.AtEnd());
}

TEST(WindowLayoutTest, PreviousVersionRecordReadsAsNormalWindowsWithoutFormats) {
    const std::vector<std::uint8_t> bytes = test::OneWindowRecord(3, 0x311, 6);
    ArchiveReader in(bytes);
    const std::vector<WindowPlacement> windows = ReadWindowRecord(in, 6);
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0].kind, ViewKind::Graph);
    EXPECT_EQ(windows[0].hint, 0x311u);
    EXPECT_EQ(windows[0].state, WindowState::Normal);
    EXPECT_TRUE(windows[0].format.empty());
    EXPECT_TRUE(in.AtEnd());
}

TEST(WindowLayoutTest, RecordCutShortOrAnnouncingMoreThanItHoldsOrAnUnknownKindIsRefused) {
    ArchiveWriter tooMany;
    tooMany.WriteU32(1000000);
    const std::vector<std::uint8_t> announced = tooMany.TakeBytes();
    ArchiveReader first(announced);
    EXPECT_THROW(ReadWindowRecord(first, kCurrent), ArchiveError);

    ArchiveWriter unknown;
    WriteWindowRecord(unknown, {{ViewKind::Graph, 0x311, {}, std::nullopt, {}, ""}});
    std::vector<std::uint8_t> bytes = unknown.TakeBytes();
    bytes[4] = 99;  // the kind
    ArchiveReader second(bytes);
    EXPECT_THROW(ReadWindowRecord(second, kCurrent), ArchiveError);

    // Every cut, down to one byte of the format name missing.
    const std::vector<std::uint8_t> whole = test::OneWindowRecord(4, 0x311, kCurrent, "Text:FIR");
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const std::vector<std::uint8_t> part(whole.begin(), whole.begin() + length);
        ArchiveReader cut(part);
        EXPECT_THROW(ReadWindowRecord(cut, kCurrent), ArchiveError) << "at " << length;
    }
}

TEST(WindowLayoutTest, UnknownStateReadsAsNormal) {
    std::vector<std::uint8_t> bytes = test::OneWindowRecord(3, 0x311);
    bytes[bytes.size() - 5] = 7;  // the state, before the empty format name
    ArchiveReader in(bytes);
    EXPECT_EQ(ReadWindowRecord(in, kCurrent).at(0).state, WindowState::Normal);
}

TEST(WindowLayoutTest, FrameNumbersAtTheEndOfTheRangeReadAsAFrameInsideIt) {
    constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
    ArchiveWriter out;
    out.WriteU32(1);
    out.WriteI32(3);
    out.WriteU32(0x311);
    for (int i = 0; i < 4; ++i) {
        out.WriteI32(kLargest - 5);  // left, top, width, height
    }
    out.WriteI32(0);
    for (int i = 0; i < 4; ++i) {
        out.WriteF64(0.0);
    }
    out.WriteI32(0);
    out.WriteText("");
    const std::vector<std::uint8_t> bytes = out.TakeBytes();
    ArchiveReader in(bytes);
    const Rect frame = ReadWindowRecord(in, kCurrent).at(0).frame;
    EXPECT_EQ(frame.right, kLargest);
    EXPECT_EQ(frame.bottom, kLargest);
    const Rect placed = FitInside(frame, {0, 0, 800, 600});
    EXPECT_GE(placed.left, 0);
    EXPECT_LE(placed.right, 800);
    EXPECT_GT(placed.Width(), 0);
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
            case ViewKind::CoefficientEditor:
                views_.push_back(std::make_unique<CDataView>(project));
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
        states_.erase(&view);
        std::erase_if(views_, [&view](const auto& held) { return held.get() == &view; });
    }
    std::optional<Rect> FrameRect(const CView& view) const override {
        const auto found = places_.find(&view);
        return found != places_.end() ? std::optional(found->second) : std::nullopt;
    }
    void PlaceFrame(CView& view, const Rect& frame) override { places_[&view] = frame; }
    WindowState FrameState(const CView& view) const override {
        const auto found = states_.find(&view);
        return found != states_.end() ? found->second : WindowState::Normal;
    }
    void SetFrameState(CView& view, WindowState state) override { states_[&view] = state; }
    Rect WorkArea() const override { return area; }

    Rect area{0, 0, 1000, 700};

private:
    std::vector<std::unique_ptr<CView>> views_;
    std::map<const CView*, Rect> places_;
    std::map<const CView*, WindowState> states_;
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

    fields.version = 7;
    fields.windowRecord = test::OneWindowRecord(0, hint::kDesignLoaded);  // the editor
    EXPECT_EQ(document.WriteProject(), BuildProject(fields));
}

TEST_F(ProjectWindowsTest, CoefficientEditorsAndFrameStatesReopenWithoutTheFormatDialog) {
    CFirDoc& document = NewProjectWithTaps();
    CView& editor = *document.GetViews().front();
    frames.PlaceFrame(editor, {10, 10, 410, 310});
    frames.SetFrameState(editor, WindowState::Maximized);
    ui.ExpectDialog<CDataViewFormatDlg>([](CDataViewFormatDlg& dialog) {
        dialog.channel = ChannelSelection::Quadrature;  // the user changes the channel too
        dialog.OnFormatChanged(4);                      // Text:Hex
        return true;
    });
    document.ViewCoefficients(ChannelSelection::Inphase);
    ui.ExpectDialog<CDataViewFormatDlg>([](CDataViewFormatDlg& dialog) {
        dialog.OnFormatChanged(0);  // Text:Decimal
        return true;
    });
    document.OpenNew({ViewKind::CoefficientEditor,
                      CoefficientHint(ChannelSelection::InphaseAndQuadrature), "Both"},
                     document.Filter());
    CView& both = *document.GetViews().back();
    frames.PlaceFrame(both, {50, 60, 350, 460});
    frames.SetFrameState(both, WindowState::Minimized);
    const std::vector<WindowPlacement> arranged = document.WindowPlacements();
    ASSERT_EQ(arranged.size(), 3u);
    const auto editors = [](const CFirDoc& project) {
        std::vector<const CDataView*> found;
        for (const CView* view : project.GetViews()) {
            if (const auto* typed = dynamic_cast<const CDataView*>(view)) {
                found.push_back(typed);
            }
        }
        return found;
    };
    const std::string quadratureText = editors(document)[0]->text;
    const std::string bothText = editors(document)[1]->text;

    // No format dialog is scripted: the fake interface fails the test on one.
    CFirDoc& reopened = *app.OpenDocument(SaveAndClose(document));
    EXPECT_EQ(reopened.WindowPlacements(), arranged);
    EXPECT_FALSE(reopened.IsModified());
    const std::vector<const CDataView*> reopenedEditors = editors(reopened);
    ASSERT_EQ(reopenedEditors.size(), 2u);
    EXPECT_EQ(reopenedEditors[0]->FormatDialog().channel, ChannelSelection::Quadrature);
    EXPECT_EQ(reopenedEditors[0]->FormatDialog().format.GetCode(), FormatCode::TextHex);
    EXPECT_EQ(reopenedEditors[0]->text, quadratureText);
    EXPECT_EQ(reopenedEditors[1]->FormatDialog().format.GetCode(), FormatCode::TextDecimal);
    EXPECT_EQ(reopenedEditors[1]->text, bothText);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ProjectWindowsTest, EditorInAFormatItCannotShowIsLeftClosedWithoutAMessage) {
    const std::uint32_t inphase = CoefficientHint(ChannelSelection::Inphase);
    for (const char* format : {"Text:Nonesuch", "Text:C", "", "Text:Decimal"}) {
        test::ProjectFields fields;
        fields.windowRecord = test::OneWindowRecord(4, inphase, fields.version, format);
        const std::string path = dir.File("editor.twa");
        test::WriteBytes(path, BuildProject(fields));
        CFirDoc* document = app.OpenDocument(path);
        ASSERT_NE(document, nullptr) << format;
        EXPECT_FALSE(document->IsModified()) << format;
        const bool opened = document->GetViews().back()->Kind() == ViewKind::CoefficientEditor;
        EXPECT_EQ(opened, std::string(format) == "Text:Decimal") << format;
        ASSERT_TRUE(app.CloseDocument(*document));
    }
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ProjectWindowsTest, PreviousVersionFileOpensWithItsWindows) {
    test::ProjectFields fields;
    fields.version = 6;
    fields.windowRecord = test::OneWindowRecord(3, ImpulseHint(ImpulseDisplay::Inphase), 6);
    const std::string path = dir.File("six.twa");
    test::WriteBytes(path, BuildProject(fields));
    CFirDoc& document = *app.OpenDocument(path);
    EXPECT_EQ(document.GetVersion(), 6);
    EXPECT_FALSE(document.IsModified());
    ASSERT_EQ(document.GetViews().size(), 2u);
    EXPECT_EQ(document.GetViews()[1]->Kind(), ViewKind::Graph);
}

TEST_F(ProjectWindowsTest, CutInTheWindowsRecordKeepsTheFilter) {
    CFirDoc& document = NewProjectWithTaps();
    ui.ExpectDialog<CDataViewFormatDlg>([](CDataViewFormatDlg& dialog) {
        dialog.OnFormatChanged(2);  // Text:FIR
        return true;
    });
    document.ViewCoefficients(ChannelSelection::Inphase);
    const std::vector<std::uint8_t> whole = document.WriteProject();
    ArchiveWriter record;
    WriteWindowRecord(record, document.WindowPlacements());
    const std::size_t fieldsEnd = whole.size() - record.TakeBytes().size();
    for (std::size_t length = fieldsEnd; length < whole.size(); ++length) {
        CFirDoc project(app, app.GetTemplate(kTemplateAdvanced));
        project.ReadProject(std::vector<std::uint8_t>(whole.begin(), whole.begin() + length));
        EXPECT_EQ(project.Filter().Inphase().GetAt(2), 0.5) << "at " << length;
    }
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
