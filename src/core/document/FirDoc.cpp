#include "document/FirDoc.h"

#include "app/FirApp.h"
#include "document/MinDbDlg.h"
#include "document/SampleRateDlg.h"
#include "platform/FrameFactory.h"
#include "platform/UserInterface.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace tapwright {

namespace {

// The shortest text that reads back as the number: 48000, 22.05.
std::string NumberText(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ec == std::errc() ? result.ptr : buffer.data());
}

constexpr ViewRequest kComplexResponse = {
    ViewKind::FrequencyResponse, ResponseHint(ResponseDisplay::Magnitude, FilterSelection::Complex),
    CFirDoc::kResponseTitle};
constexpr ViewRequest kInphaseResponse = {
    ViewKind::FrequencyResponse, ResponseHint(ResponseDisplay::Magnitude, FilterSelection::Inphase),
    CFirDoc::kResponseTitle};

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

const char* CoefficientTitle(CoefficientChannels channels) {
    switch (channels) {
        case CoefficientChannels::Inphase:
            return "FIR Inphase Coefficients";
        case CoefficientChannels::Quadrature:
            return "FIR Quadrature Coefficients";
        case CoefficientChannels::Complex:
            break;
    }
    return "FIR Complex Coefficients";
}

ViewRequest ImpulseRequest(ImpulseDisplay display) {
    return {ViewKind::Graph, ImpulseHint(display), ImpulseTitle(display)};
}

ViewRequest CoefficientRequest(CoefficientChannels channels) {
    return {ViewKind::CoefficientEditor, CoefficientHint(channels), CoefficientTitle(channels)};
}

bool IsEditor(ViewKind kind) {
    return kind == ViewKind::AdvancedEditor || kind == ViewKind::SimpleEditor;
}

}  // namespace

CFirDoc::CFirDoc(CFirApp& app, const CDocTemplate& docTemplate)
    : app_(app),
      template_(docTemplate),
      filter_(app.Preferences()),
      coefficients_(filter_, dialogs_, app.Preferences(),
                    {[this] { DataChanged(); },
                     [this] {
                         ShowFrequencyResponse(filter_);
                         SetModifiedFlag();
                     }}) {}

const CPreferences& CFirDoc::Preferences() const {
    return app_.Preferences();
}

void CFirDoc::DataChanged() {
    SetModifiedFlag();
    UpdateAllViews(nullptr, hint::kAnything, nullptr);
}

// ---- Life cycle ---------------------------------------------------------------------------

void CFirDoc::OnNewDocument() {
    filter_.SetMinResponseDb(Preferences().m_dMinDb);
    UpdateAllViews(nullptr, hint::kDesignLoaded, &filter_);
}

void CFirDoc::OnDocumentOpened() {
    UpdateAllViews(nullptr, hint::kDesignLoaded, &filter_);
}

// ---- Views --------------------------------------------------------------------------------

CView* CFirDoc::CreateView(ViewKind kind) {
    CView* view = app_.Frames().CreateFrame(*this, kind);
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
    app_.Frames().ActivateFrame(*found);
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
        OpenOrActivate(CoefficientRequest(CoefficientChannels::Inphase), data);
    } else {
        OpenOrActivate({ViewKind::CoefficientEditor, CoefficientHint(CoefficientChannels::Complex),
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
        coefficients_.Scale(ChannelChoice::Default);
    }
}

void CFirDoc::ShowSpecifications() {
    // A simple editor that opens afresh on a blank filter starts from a lowpass.
    if (!IsAdvanced()) {
        app_.Preferences().SetSimpleFilterKind(SimpleFilterKind::Lowpass);
    }
    OpenOrActivate({EditorKind(), hint::kDesignLoaded, kDesignTitle}, filter_);
}

void CFirDoc::ViewFrequencyResponse(ResponseDisplay display, FilterSelection selection) {
    OpenNew({ViewKind::FrequencyResponse, ResponseHint(display, selection), kResponseTitle},
            filter_);
}

void CFirDoc::ViewImpulseResponse(ImpulseDisplay display) {
    OpenNew(ImpulseRequest(display), filter_);
}

void CFirDoc::ViewCoefficients(CoefficientChannels channels) {
    OpenNew(CoefficientRequest(channels), filter_);
}

void CFirDoc::ViewDefaultResponse() {
    ViewFrequencyResponse(ResponseDisplay::Magnitude,
                          filter_.IsReal() ? FilterSelection::Inphase : FilterSelection::Complex);
}

void CFirDoc::ViewDefaultImpulse() {
    ViewImpulseResponse(filter_.IsReal() ? ImpulseDisplay::Inphase : ImpulseDisplay::Complex);
}

void CFirDoc::ViewDefaultCoefficients() {
    ViewCoefficients(filter_.IsReal() ? CoefficientChannels::Inphase
                                      : CoefficientChannels::Complex);
}

// ---- Commands -----------------------------------------------------------------------------

bool CFirDoc::SetSamplingFrequency() {
    CSampleRateDlg dialog(filter_.GetFrequencyUnits());
    // A desktop dialog checks OK itself and stays open; checking again here keeps a
    // refused frequency out of the filter whatever the dialog did.
    do {
        if (!Ui().Run(dialog)) {
            return false;
        }
    } while (!dialog.OnOK());
    filter_.SetFrequencyUnits(dialog.Units());
    SetModifiedFlag();
    UpdateAllViews(nullptr, hint::kSampleRate, &filter_);
    return true;
}

bool CFirDoc::SetMinimumDb() {
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
        coefficients_.Scale(ChannelChoice::Default);
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

}  // namespace tapwright
