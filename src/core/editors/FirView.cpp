#include "editors/FirView.h"

#include "data/Preferences.h"
#include "design/FirData.h"
#include "document/DocumentHost.h"
#include "document/FirDoc.h"
#include "numtext/NumString.h"
#include "platform/Archive.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

constexpr int kMarginDigits = 3;

bool AnsweredYes(const std::string& question, MessageIcon icon) {
    return Ui().ShowMessage(question, MessageButtons::YesNo, icon) == MessageResult::Yes;
}

}  // namespace

std::string CFirView::DesignResultText(const CFirData& filter) {
    const double margin = filter.GetDesignMargin();
    if (margin >= 0.0) {
        return "Design succeeded, with a margin of " +
               CNumString(margin, kMarginDigits, Notation::Fixed).Text() + " dB.";
    }
    return kDesignFailedStatus;
}

CFirView::CFirView(CFirDoc& document) : document_(document) {}

void CFirView::AttachForm(EditorForm* form) {
    form_ = form;
    if (form_ != nullptr) {
        WriteControls();
    }
}

const CDataSet* CFirView::ViewData() const {
    return firData_;
}

const CPreferences& CFirView::Preferences() const {
    return document_.Host().Preferences();
}

void CFirView::ShowError(const std::string& text) {
    Ui().ShowMessage(text, MessageButtons::Ok, MessageIcon::Stop);
}

std::string CFirView::SampleRateHint(const CFirData& filter) {
    return "\n\nThe sampling frequency is " + filter.FormatSampleRate() +
           ". Set it with the \"FS\" button\nor with Filter > Sampling Frequency.";
}

// ---- Exchange with the form ---------------------------------------------------------------

void CFirView::ReadControls() {
    if (form_ != nullptr) {
        form_->ReadWidgets();
    }
    OnExchange();
}

void CFirView::WriteControls() {
    OnExchange();
    if (form_ != nullptr) {
        form_->WriteWidgets();
    }
}

void CFirView::ShowPart(EditorPart part) {
    if (form_ != nullptr) {
        form_->ShowPart(part);
    }
}

// ---- Updates from the document ------------------------------------------------------------

void CFirView::OnUpdate(CView* /*sender*/, std::uint32_t value, CDataSet* object) {
    const std::uint32_t action = hint::Action(value);
    if (firData_ == nullptr && action == hint::kDesignLoaded && object != nullptr) {
        if (auto* filter = dynamic_cast<CFirData*>(object)) {
            firData_ = filter;
            SpecToControls();
        }
    } else if (object == nullptr && firData_ != nullptr) {
        SpecToControls();
    } else if (action == hint::kAboutToSave && object != nullptr && object == firData_) {
        ControlsToSpec();
    }
    if (firData_ != nullptr) {
        UpdateFsButton();
    }
}

void CFirView::UpdateFsButton() {
    if (firData_ == nullptr) {
        return;
    }
    fsCaption_ = firData_->FormatSampleRate();
    ShowPart(EditorPart::FsCaption);
}

void CFirView::OnSamplingFrequency() {
    document_.SetSamplingFrequency();
    UpdateFsButton();
}

// ---- Design and optimisation --------------------------------------------------------------

std::optional<std::int32_t> CFirView::EstimateFromControls() {
    if (!ControlsToSpec()) {
        return std::nullopt;
    }
    if (const auto reason = FirData()->CannotEstimateReason()) {
        ShowError(*reason);
        return std::nullopt;
    }
    const std::int32_t estimate = FirData()->EstimateTaps();
    return estimate != 0 ? std::optional<std::int32_t>(estimate) : std::nullopt;
}

bool CFirView::DoDesign(std::int32_t& taps) {
    const UndoStep step(document_, "Design");
    ReadControls();
    if (firData_ == nullptr) {
        return false;
    }
    CFirData& filter = *firData_;
    if (!AcceptTapLimit(taps)) {
        return false;
    }
    if (!ControlsToSpec()) {
        return false;
    }
    if (taps < CFirData::kMinTaps && filter.CanEstimate()) {
        if (!AnsweredYes(kTooFewTapsQuestion, MessageIcon::None)) {
            return false;
        }
        taps = filter.EstimateTaps();
        // An estimate beyond the largest filter meets the same limit as a typed length.
        if (taps == 0 || !AcceptTapLimit(taps)) {
            return false;
        }
        WriteControls();
        ControlsToSpec();
    }
    if (const auto refusal = filter.CheckSpecification()) {
        ShowError(*refusal);
        return false;
    }
    {
        // The result views open and the form is refilled whether or not the engine
        // converged: a design that misses its specification is still worth looking at.
        WaitCursor wait;
        if (const DesignOutcome outcome = filter.Design(""); outcome.message) {
            ShowDesignMessage(*outcome.message);
        }
        filter.SetDesigned(true);
        document_.ShowAfterDesign();
        SpecToControls();
    }
    Ui().ShowResult(DesignResultText(filter));
    return true;
}

bool CFirView::AcceptTapLimit(std::int32_t& taps) {
    if (taps <= CFirData::kMaxTaps) {
        return true;
    }
    if (!AnsweredYes(CFirData::TooManyTapsQuestion(), MessageIcon::Question)) {
        return false;
    }
    taps = CFirData::kMaxTaps;
    WriteControls();
    return true;
}

void CFirView::OnOptimize() {
    const UndoStep step(document_, "Optimize");
    ReadControls();
    if (firData_ == nullptr || !ControlsToSpec()) {
        return;
    }
    WaitCursor wait;
    const auto confirm = [](const std::string& question) {
        return AnsweredYes(question, MessageIcon::Question);
    };
    if (const auto outcome = firData_->Optimize(CFirData::kOptimizeMaxTaps, confirm)) {
        Ui().ShowResult(outcome->text);
        Ui().ShowMessage(outcome->text, MessageButtons::Ok, outcome->icon);
    }
    firData_->SetDesigned(true);
    document_.ShowAfterDesign();
    SpecToControls();
}

EstimateOptimizeState CFirView::EnableEstimateOptimize() {
    EstimateOptimizeState state;
    if (firData_ != nullptr) {
        state.estimate = firData_->CanEstimate();
        state.optimize =
            firData_->Validate() && firData_->GetResponseType() == ResponseType::Filter;
    }
    return state;
}

// ---- Specification rollback ---------------------------------------------------------------

CFirView::SpecificationRollback::SpecificationRollback(CFirData& filter) : filter_(filter) {
    ArchiveWriter archive;
    filter.SerializeSpecification(archive);
    saved_ = archive.TakeBytes();
}

CFirView::SpecificationRollback::~SpecificationRollback() {
    if (!committed_) {
        ArchiveReader archive(saved_);
        filter_.SerializeSpecification(archive);
    }
}

}  // namespace tapwright
