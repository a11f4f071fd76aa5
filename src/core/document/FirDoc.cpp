#include "document/FirDoc.h"

#include "document/DocumentHost.h"
#include "document/MinDbDlg.h"
#include "document/SampleRateDlg.h"
#include "fileio/FormatTable.h"
#include "platform/FrameFactory.h"
#include "platform/UserInterface.h"

#include <array>
#include <charconv>
#include <cmath>
#include <exception>
#include <string>
#include <system_error>
#include <utility>

#include "platform/Archive.h"

namespace tapwright {

namespace {

// The shortest text that reads back as the number: 48000, 22.05.
std::string NumberText(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ec == std::errc() ? result.ptr : buffer.data());
}

constexpr ViewRequest kComplexResponse = {
    ViewKind::FrequencyResponse,
    ResponseHint(ResponseDisplay::Magnitude, ChannelSelection::ComplexFilter),
    CFirDoc::kResponseTitle};
constexpr ViewRequest kInphaseResponse = {
    ViewKind::FrequencyResponse,
    ResponseHint(ResponseDisplay::Magnitude, ChannelSelection::Inphase), CFirDoc::kResponseTitle};

const char* ImpulseTitle(ImpulseDisplay display) {
    switch (display) {
        case ImpulseDisplay::Inphase:
            return "FIR Inphase Impulse Response";
        case ImpulseDisplay::Quadrature:
            return "FIR Quadrature Impulse Response";
        case ImpulseDisplay::Complex:
            return "FIR Complex Impulse Response";
        case ImpulseDisplay::ComplexMagnitude:
            return "FIR Complex Impulse Response Magnitude";
        case ImpulseDisplay::ComplexPhase:
            break;
    }
    return "FIR Complex Impulse Response Phase";
}

const char* CoefficientTitle(ChannelSelection channels) {
    switch (channels) {
        case ChannelSelection::Inphase:
            return "FIR Inphase Coefficients";
        case ChannelSelection::Quadrature:
            return "FIR Quadrature Coefficients";
        case ChannelSelection::InphaseAndQuadrature:
        case ChannelSelection::ComplexFilter:
            break;
    }
    return "FIR Complex Coefficients";
}

ViewRequest ImpulseRequest(ImpulseDisplay display) {
    return {ViewKind::Graph, ImpulseHint(display), ImpulseTitle(display)};
}

ViewRequest CoefficientRequest(ChannelSelection channels) {
    return {ViewKind::CoefficientEditor, CoefficientHint(channels), CoefficientTitle(channels)};
}

bool IsEditor(ViewKind kind) {
    return kind == ViewKind::AdvancedEditor || kind == ViewKind::SimpleEditor;
}

}  // namespace

CFirDoc::CFirDoc(DocumentHost& host, const CDocTemplate& docTemplate)
    : host_(host),
      template_(docTemplate),
      filter_(host.Preferences()),
      coefficients_(filter_, dialogs_, host.Preferences(),
                    {[this] { DataChanged(); },
                     [this] {
                         ShowFrequencyResponse(filter_);
                         SetModifiedFlag();
                     }}) {
    MarkSavedState();
}

const CPreferences& CFirDoc::Preferences() const {
    return host_.Preferences();
}

void CFirDoc::DataChanged() {
    SetModifiedFlag();
    UpdateAllViews(nullptr, hint::kAnything, nullptr);
}

// ---- Life cycle ---------------------------------------------------------------------------

void CFirDoc::OnNewDocument() {
    filter_.SetMinResponseDb(Preferences().m_dMinDb);
    MarkSavedState();
    UpdateAllViews(nullptr, hint::kDesignLoaded, &filter_);
}

void CFirDoc::OnDocumentOpened() {
    if (IsModified()) {
        savedBytes_.reset();
    } else {
        MarkSavedState();
    }
    UpdateAllViews(nullptr, hint::kDesignLoaded, &filter_);
    RestoreWindows(std::exchange(windowsToRestore_, {}));
}

// ---- Windows kept in the project ----------------------------------------------------------

std::vector<WindowPlacement> CFirDoc::WindowPlacements() const {
    std::vector<WindowPlacement> windows;
    for (const CView* view : GetViews()) {
        WindowPlacement window;
        window.kind = view->Kind();
        window.hint = view->ReopenHint();
        if (IsEditor(window.kind)) {
            window.hint = hint::kDesignLoaded;
        } else if (window.hint == 0) {
            continue;
        }
        window.frame = host_.Frames().FrameRect(*view).value_or(Rect{});
        window.zoom = view->ZoomedSpans();
        window.state = host_.Frames().FrameState(*view);
        window.format = view->ReopenFormat();
        windows.push_back(window);
    }
    return windows;
}

void CFirDoc::RestoreWindows(const std::vector<WindowPlacement>& windows) {
    // Opening windows names the filter after them; the name read from the file stays.
    const std::string name = filter_.GetName();
    FrameFactory& frames = host_.Frames();
    std::vector<std::pair<CView*, WindowState>> states;
    for (const WindowPlacement& window : windows) {
        CView* view = WindowFor(window);
        if (view == nullptr) {
            continue;
        }
        if (window.frame.Width() > 0 && window.frame.Height() > 0) {
            frames.PlaceFrame(*view, FitInside(window.frame, frames.WorkArea()));
        }
        if (window.zoom) {
            view->RestoreSpans(*window.zoom);
        }
        if (window.state != WindowState::Normal) {
            states.emplace_back(view, window.state);
        }
    }
    // Once every frame has its place, so that a maximised frame does not carry the frames
    // opened after it into its state, and restoring one gives back the place it was saved with.
    for (const auto& [view, state] : states) {
        frames.SetFrameState(*view, state);
    }
    filter_.SetName(name);
}

CView* CFirDoc::WindowFor(const WindowPlacement& window) {
    const std::uint32_t action = hint::Action(window.hint);
    const std::uint32_t field1 = hint::Field1(window.hint);
    const std::uint32_t field2 = hint::Field2(window.hint);
    switch (window.kind) {
        case ViewKind::AdvancedEditor:
        case ViewKind::SimpleEditor:
            // The project's own editor is open already; the first placement of it counts.
            for (CView* view : GetViews()) {
                if (view->Kind() == window.kind && window.kind == EditorKind()) {
                    return view;
                }
            }
            return nullptr;
        case ViewKind::FrequencyResponse:
            if (action != hint::kOpenResponse || field1 < 4 || field1 > 8 || field2 > 3) {
                return nullptr;
            }
            return OpenNew({window.kind, window.hint, kResponseTitle}, filter_);
        case ViewKind::Graph:
            if (action != hint::kShowChannel || field1 < 1 || field1 > 5) {
                return nullptr;
            }
            return OpenNew(ImpulseRequest(static_cast<ImpulseDisplay>(field1)), filter_);
        case ViewKind::CoefficientEditor:
            return ReopenCoefficientEditor(window);
        default:
            return nullptr;
    }
}

CView* CFirDoc::ReopenCoefficientEditor(const WindowPlacement& window) {
    const std::uint32_t field1 = hint::Field1(window.hint);
    if (hint::Action(window.hint) != hint::kShowChannel || field1 < 1 || field1 > 3) {
        return nullptr;
    }
    // The editor shows only formats that can be both written and read; a name this program
    // does not know (or no longer offers there) costs that editor, not the project.
    const FormatTableRow* row = FindFormatRow(window.format);
    if (row == nullptr || !row->Offers(FormatDirection::Both)) {
        return nullptr;
    }
    CView* view = CreateView(window.kind);
    if (view == nullptr) {
        return nullptr;
    }
    // The user chose the channel and the format when the editor first opened: the format
    // dialog is not shown again.
    view->PresetFormat(row->name);
    UpdateAllViews(nullptr, window.hint, &filter_);
    return view;
}

// ---- Views --------------------------------------------------------------------------------

CView* CFirDoc::CreateView(ViewKind kind) {
    CView* view = host_.Frames().CreateFrame(*this, kind);
    if (view == nullptr) {
        return nullptr;
    }
    AddView(*view);
    view->OnInitialUpdate();
    return view;
}

CView* CFirDoc::OpenOrActivate(const ViewRequest& request, CLumenData& data) {
    CView* found = nullptr;
    for (CView* view : GetViews()) {
        if (view->Kind() != request.kind) {
            continue;
        }
        const CDataSet* shown = view->ViewData();
        if (IsEditor(request.kind)) {
            // Only the first editor counts, and only once it shows the data.
            found = shown == &data ? view : nullptr;
            break;
        }
        if (shown == nullptr || shown == &data) {
            found = view;
            break;
        }
    }
    if (found == nullptr) {
        return OpenNew(request, data);
    }
    host_.Frames().ActivateFrame(*found);
    if (request.kind == ViewKind::Graph) {
        found->ResetZoom();
    }
    data.SetName(request.title);
    UpdateAllViews(nullptr, request.hint, &data);
    return found;
}

CView* CFirDoc::OpenNew(const ViewRequest& request, CLumenData& data) {
    CView* view = CreateView(request.kind);
    if (view == nullptr) {
        return nullptr;
    }
    data.SetName(request.title);
    UpdateAllViews(nullptr, request.hint, &data);
    return view;
}

void CFirDoc::ShowFrequencyResponse(CLumenData& data) {
    OpenOrActivate(data.IsReal() ? kInphaseResponse : kComplexResponse, data);
}

void CFirDoc::ShowImpulseResponse(CLumenData& data) {
    OpenOrActivate(
        ImpulseRequest(data.IsReal() ? ImpulseDisplay::Inphase : ImpulseDisplay::Complex), data);
}

void CFirDoc::ShowCoefficients(CLumenData& data) {
    if (data.IsReal()) {
        OpenOrActivate(CoefficientRequest(ChannelSelection::Inphase), data);
    } else {
        OpenOrActivate(
            {ViewKind::CoefficientEditor, CoefficientHint(ChannelSelection::InphaseAndQuadrature),
             "FIR Inphase and Quadrature Coefficients"},
            data);
    }
}

void CFirDoc::ShowAfterDesign() {
    SetModifiedFlag();
    const CPreferences& preferences = Preferences();
    if (preferences.m_bDesignViewCoeffs) {
        ShowCoefficients(filter_);
    }
    if (preferences.m_bDesignViewImp) {
        ShowImpulseResponse(filter_);
    }
    if (preferences.m_bDesignViewFreq) {
        ShowFrequencyResponse(filter_);
    }
    UpdateAllViews(nullptr, hint::kAnything, nullptr);
    if (preferences.m_bScaleAfterDesign) {
        coefficients_.Scale(DefaultChannels(filter_.IsReal()));
    }
}

void CFirDoc::ShowSpecifications() {
    // A simple editor that opens afresh on a blank filter starts from a lowpass.
    if (!IsAdvanced()) {
        host_.Preferences().SetSimpleFilterKind(SimpleFilterKind::Lowpass);
    }
    OpenOrActivate({EditorKind(), hint::kDesignLoaded, kDesignTitle}, filter_);
}

void CFirDoc::ViewFrequencyResponse(ResponseDisplay display, ChannelSelection selection) {
    OpenNew({ViewKind::FrequencyResponse, ResponseHint(display, selection), kResponseTitle},
            filter_);
}

void CFirDoc::ViewImpulseResponse(ImpulseDisplay display) {
    OpenNew(ImpulseRequest(display), filter_);
}

void CFirDoc::ViewCoefficients(ChannelSelection channels) {
    OpenNew(CoefficientRequest(channels), filter_);
}

void CFirDoc::ViewDefaultResponse() {
    const ChannelSelection selection =
        filter_.IsReal() ? ChannelSelection::Inphase : ChannelSelection::ComplexFilter;
    ViewFrequencyResponse(ResponseDisplay::Magnitude, selection);
}

void CFirDoc::ViewDefaultImpulse() {
    ViewImpulseResponse(filter_.IsReal() ? ImpulseDisplay::Inphase : ImpulseDisplay::Complex);
}

void CFirDoc::ViewDefaultCoefficients() {
    ViewCoefficients(DefaultChannels(filter_.IsReal()));
}

// ---- Commands -----------------------------------------------------------------------------

bool CFirDoc::SetSamplingFrequency() {
    const UndoStep step(*this, "Sampling Frequency");
    CSampleRateDlg dialog(filter_.GetFrequencyUnits());
    // A desktop dialog checks OK itself and stays open; checking again here keeps a
    // refused frequency out of the filter whatever the dialog did.
    do {
        if (!Ui().Run(dialog)) {
            return false;
        }
    } while (!dialog.OnOK());
    ApplySamplingFrequency(dialog.Units());
    return true;
}

void CFirDoc::ApplySamplingFrequency(const CFreqUnits& units) {
    filter_.SetFrequencyUnits(units);
    SetModifiedFlag();
    UpdateAllViews(nullptr, hint::kSampleRate, &filter_);
}

bool CFirDoc::SetMinimumDb() {
    // The floor is how responses are shown, not the design: the project stays unmodified.
    const UndoStep step(*this, "Minimum dB", false);
    CMinDbDlg dialog(filter_.GetMinResponseDb());
    do {
        if (!Ui().Run(dialog)) {
            return false;
        }
    } while (!dialog.OnOK());
    filter_.SetMinResponseDb(dialog.minDb);
    UpdateAllViews(nullptr, hint::kAnything, nullptr);
    return true;
}

bool CFirDoc::ImportCoefficients() {
    const UndoStep step(*this, "Import Coefficients");
    const CFreqUnits before = filter_.GetFrequencyUnits();
    dataFiles_.SetProjectRate(before.GetSampleRateHz());
    if (!ConfirmOverwrite(filter_, kImportOperation) ||
        dataFiles_.Import(filter_, GetTitle(), kImportCaption, true) == 0) {
        return false;
    }
    filter_.SyncTapsToData();
    SetModifiedFlag();
    // A WAVE file brings its sample rate in kHz. The unit row stays as it is, and the rate is
    // expressed in that unit, so that a file recorded at 22050 Hz reads 22050 Hz rather than
    // 22.05 Hz in a project shown in Hz.
    if (const auto rateKhz = dataFiles_.inphase.format.GetSampleRate()) {
        CFreqUnits units = filter_.GetFrequencyUnits();
        constexpr std::int32_t kKhzRow = 1;
        constexpr double kStepPerRow = 1000.0;
        const double rate = *rateKhz * std::pow(kStepPerRow, kKhzRow - units.GetUnitIndex());
        units.SetSampleRate(rate);
        filter_.SetFrequencyUnits(units);
        if (units.GetSampleRate() != before.GetSampleRate()) {
            Ui().ShowMessage("The sampling frequency is now " + NumberText(rate) + " " +
                                 units.FrequencyUnit() + " (it was " +
                                 NumberText(before.GetSampleRate()) + " " +
                                 before.FrequencyUnit() + "): the sample rate of the WAVE file.",
                             MessageButtons::Ok, MessageIcon::Information);
        }
    }
    const CPreferences& preferences = Preferences();
    if (preferences.m_bReadViewCoeffs) {
        ShowCoefficients(filter_);
    }
    if (preferences.m_bReadViewImp) {
        ShowImpulseResponse(filter_);
    }
    if (preferences.m_bReadViewFreq) {
        ShowFrequencyResponse(filter_);
    }
    UpdateAllViews(nullptr, hint::kAnything, nullptr);
    if (preferences.m_bScaleAfterRead) {
        coefficients_.Scale(DefaultChannels(filter_.IsReal()));
    }
    return true;
}

bool CFirDoc::ExportCoefficients() {
    dataFiles_.SetProjectRate(filter_.GetFrequencyUnits().GetSampleRateHz());
    return dataFiles_.Export(filter_, GetTitle(), kExportCaption, true) != 0;
}

void CFirDoc::OnBeforeSave() {
    UpdateAllViews(nullptr, hint::kAboutToSave, &filter_);
}

void CFirDoc::OnSaved() {
    MarkSavedState();
}

// ---- Undo and redo ------------------------------------------------------------------------

ProjectState CFirDoc::CaptureState() const {
    return {filter_, dataFiles_, dialogs_};
}

void CFirDoc::RestoreState(ProjectState state) {
    filter_ = std::move(state.filter);
    dataFiles_ = std::move(state.dataFiles);
    dialogs_ = std::move(state.dialogs);
}

std::vector<std::uint8_t> CFirDoc::StateBytes() const {
    ArchiveWriter archive;
    WriteState(archive);
    return archive.TakeBytes();
}

void CFirDoc::MarkSavedState() {
    savedBytes_ = StateBytes();
}

void CFirDoc::BeginStep(const std::string& name, bool marksModified) {
    if (stepDepth_++ > 0) {
        return;
    }
    stepName_ = name;
    stepMarksModified_ = marksModified;
    stepBefore_ = CaptureState();
    stepBytes_ = StateBytes();
}

void CFirDoc::EndStep() {
    if (stepDepth_ == 0 || --stepDepth_ > 0) {
        return;
    }
    // Called as a step's guard goes out of scope, also while an error unwinds: a step that
    // cannot be kept is dropped rather than ending the program.
    try {
        if (stepBefore_ && StateBytes() != stepBytes_) {
            history_.Record(stepName_, std::move(*stepBefore_), stepMarksModified_);
            if (stepMarksModified_) {
                SetModifiedFlag();
            }
        }
    } catch (const std::exception&) {
        history_.Clear();
    }
    stepBefore_.reset();
    stepBytes_.clear();
}

bool CFirDoc::Undo() {
    const CFreqUnits unitsBefore = filter_.GetFrequencyUnits();
    const bool marksModified = history_.UndoMarksModified();
    ProjectState live = CaptureState();
    if (!history_.Undo(live)) {
        return false;
    }
    RestoreState(std::move(live));
    StateRestored(unitsBefore, marksModified);
    return true;
}

bool CFirDoc::Redo() {
    const CFreqUnits unitsBefore = filter_.GetFrequencyUnits();
    const bool marksModified = history_.RedoMarksModified();
    ProjectState live = CaptureState();
    if (!history_.Redo(live)) {
        return false;
    }
    RestoreState(std::move(live));
    StateRestored(unitsBefore, marksModified);
    return true;
}

void CFirDoc::StateRestored(const CFreqUnits& unitsBefore, bool marksModified) {
    if (marksModified) {
        SetModifiedFlag(!savedBytes_ || *savedBytes_ != StateBytes());
    }
    const CFreqUnits& units = filter_.GetFrequencyUnits();
    // The plots take their frequency range from the sampling frequency only when told it
    // changed.
    if (units.GetSampleRate() != unitsBefore.GetSampleRate() ||
        units.GetUnitIndex() != unitsBefore.GetUnitIndex()) {
        UpdateAllViews(nullptr, hint::kSampleRate, &filter_);
    }
    UpdateAllViews(nullptr, hint::kAnything, nullptr);
}

}  // namespace tapwright
