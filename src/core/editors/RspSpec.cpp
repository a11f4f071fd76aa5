#include "editors/RspSpec.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "data/Preferences.h"
#include "design/FirData.h"
#include "document/FirDoc.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

// A frequency typed as Fs/2 may come out a hair above it.
constexpr double kHalfFsTolerance = 1.000001;

double HalfFsLimit(double sampleRate) {
    return sampleRate * kHalfFsTolerance * 0.5;
}

bool AnsweredYes(const char* question, MessageIcon icon) {
    return Ui().ShowMessage(question, MessageButtons::YesNo, icon) == MessageResult::Yes;
}

}  // namespace

CRspSpec::CRspSpec(CFirDoc& document) : CFirView(document) {}

DesiredStyle CRspSpec::Style() const {
    return {gainInDb, Preferences().m_bEditorShowPassStop};
}

void CRspSpec::OnExchange() {
    const CFirData* filter = FirData();
    if (filter == nullptr || filter->GetNumPoints() <= 0) {
        verdictText_.clear();
    } else {
        verdictText_ = filter->MeetsSpec() ? "PASS" : "FAIL";
    }
}

// ---- Entry, rows and selection ------------------------------------------------------------

void CRspSpec::ClearEntry() {
    lowerEntry.clear();
    upperEntry.clear();
    desiredEntry.clear();
    attnEntry.clear();
    selectedRow_ = -1;
    focusedEntry_ = BandEntryField::Lower;
    ShowPart(EditorPart::BandEntry);
    ShowPart(EditorPart::BandTable);
    ShowPart(EditorPart::Focus);
}

void CRspSpec::DeleteRow(std::size_t row) {
    table_.Delete(row);
    ClearEntry();
}

void CRspSpec::SelectRow(std::int32_t row) {
    if (!table_.Contains(row)) {
        return;
    }
    selectedRow_ = row;
    const BandRow& selected = table_.Rows()[static_cast<std::size_t>(row)];
    lowerEntry = selected.lower;
    upperEntry = selected.upper;
    desiredEntry = selected.desired;
    attnEntry = selected.attnRipple;
    ShowPart(EditorPart::BandTable);
    ShowPart(EditorPart::BandEntry);
}

void CRspSpec::OnRowSelected(std::int32_t row) {
    SelectRow(row);
}

void CRspSpec::UpdateButtons() {
    buttons_ = EnableEstimateOptimize();
    ShowPart(EditorPart::Buttons);
}

// ---- Adding a band ------------------------------------------------------------------------

bool CRspSpec::FocusFirstEmptyEntry() {
    const std::pair<BandEntryField, const std::string*> required[] = {
        {BandEntryField::Lower, &lowerEntry},
        {BandEntryField::Upper, &upperEntry},
        {BandEntryField::AttnRipple, &attnEntry}};
    for (const auto& [field, text] : required) {
        if (text->empty()) {
            focusedEntry_ = field;
            ShowPart(EditorPart::Focus);
            return true;
        }
    }
    return false;
}

double CRspSpec::DefaultDesired(double value) const {
    const CPreferences& preferences = Preferences();
    // Only a level in dB can be compared with the largest passband ripple: a linear value is
    // a weight, which means a different level for a passband than for a stopband, so such
    // a band is taken as a passband.
    const bool stopband =
        preferences.m_bEditorSelectPassStop && attnInDb && value > preferences.m_dEditorMaxPassDb;
    return stopband ? BandTable::StopValue(gainInDb) : BandTable::PassValue(gainInDb);
}

bool CRspSpec::IsBeyondHalfFs(double frequency) const {
    const CFirData* filter = FirData();
    return filter != nullptr && frequency > HalfFsLimit(filter->GetSampleRate());
}

bool CRspSpec::ConfirmWithinHalfFs(double upper) {
    while (IsBeyondHalfFs(upper)) {
        if (!AnsweredYes(kSetSampleRateQuestion, MessageIcon::Question)) {
            return false;
        }
        Document().SetSamplingFrequency();
    }
    return true;
}

const char* CRspSpec::EntryFieldName(BandEntryField field) {
    switch (field) {
        case BandEntryField::Upper:
            return "Upper Frequency";
        case BandEntryField::Desired:
            return "Desired";
        case BandEntryField::AttnRipple:
            return "Attn/Ripple";
        case BandEntryField::Lower:
            break;
    }
    return "Lower Frequency";
}

std::string CRspSpec::NotANumberMessage(BandEntryField field, const std::string& text) {
    return std::string("Error: The ") + EntryFieldName(field) + " \"" + text +
           "\" is not a number.";
}

std::string CRspSpec::UnrepresentableMessage(BandEntryField field, const std::string& text) {
    return std::string("Error: The ") + EntryFieldName(field) + " \"" + text +
           "\" cannot be represented.\n" + kRepresentableRange;
}

bool CRspSpec::TakeTyped(BandEntryField field, const std::string& text, const TypedNumber& read,
                         double& value) {
    if (read.IsNumber()) {
        value = read.value;
        return true;
    }
    ShowError(read.status == TypedNumber::Status::NotANumber ? NotANumberMessage(field, text)
                                                            : UnrepresentableMessage(field, text));
    focusedEntry_ = field;
    ShowPart(EditorPart::Focus);
    return false;
}

std::optional<BandValues> CRspSpec::ReadEntry() {
    BandValues band;
    const auto take = [this](BandEntryField field, const std::string& text, double& value) {
        return TakeTyped(field, text, BandTable::ReadTyped(text), value);
    };
    if (!take(BandEntryField::Lower, lowerEntry, band.lower) ||
        !take(BandEntryField::Upper, upperEntry, band.upper) ||
        !take(BandEntryField::AttnRipple, attnEntry, band.attnRipple)) {
        return std::nullopt;
    }
    if (band.attnRipple == 0.0) {
        ShowError(kZeroValueMessage);
        return std::nullopt;
    }
    if (!desiredEntry.empty()) {
        if (!TakeTyped(BandEntryField::Desired, desiredEntry,
                       BandTable::ParseDesired(desiredEntry, gainInDb), band.desired)) {
            return std::nullopt;
        }
        band.attnRipple = std::fabs(band.attnRipple);
    } else if (band.attnRipple < 0.0) {
        // A negative attenuation typed without a gain is a stopband of that attenuation.
        band.desired = BandTable::StopValue(gainInDb);
        band.attnRipple = -band.attnRipple;
    } else {
        band.desired = DefaultDesired(band.attnRipple);
    }
    return band;
}

const char* CRspSpec::EdgeRefusal(double lower, double upper) const {
    const double limit = HalfFsLimit(FirData()->GetSampleRate());
    return lower > limit    ? kLowerAboveHalfFsMessage
           : upper > limit  ? kUpperAboveHalfFsMessage
           : lower >= upper ? kLowerNotBelowUpperMessage
                            : nullptr;
}

void CRspSpec::ShowEdgeRefusal(const char* refusal) {
    std::string text = refusal;
    if (text != kLowerNotBelowUpperMessage) {
        text += SampleRateHint(*FirData());
    }
    ShowError(text);
}

bool CRspSpec::CanBeBand(const BandValues& band) {
    if (const char* refusal = EdgeRefusal(band.lower, band.upper)) {
        ShowEdgeRefusal(refusal);
        return false;
    }
    // The band alone goes through the filter's own rules (its gain and weight), and the
    // specification is put back whatever they say.
    CFirData& filter = *FirData();
    const SpecificationRollback rollback(filter);
    filter.AllocateBands(filter.GetBandCapacity());
    return filter.AddBand(band.lower, band.upper, band.desired, band.attnRipple, gainInDb,
                          attnInDb, true);
}

CRspSpec::AddOutcome CRspSpec::AddEntry() {
    const std::optional<BandValues> band = ReadEntry();
    if (!band || !ConfirmWithinHalfFs(band->upper)) {
        return AddOutcome::Stopped;
    }
    return PlaceBand(*band) ? AddOutcome::Inserted : AddOutcome::Refused;
}

bool CRspSpec::PlaceBand(const BandValues& band) {
    // Everything is checked before the table changes, so that a refused band replaces no
    // row; the entry stays typed for correcting.
    if (!CanBeBand(band)) {
        return false;
    }
    BandTable candidate = table_;
    if (!candidate.Insert(band.lower, band.upper, band.desired, band.attnRipple, Style())) {
        return false;
    }
    if (candidate.Size() > static_cast<std::size_t>(FirData()->GetBandCapacity())) {
        ShowError(CFirData::kTooManyBandsMessage);
        return false;
    }
    table_ = std::move(candidate);
    ClearEntry();
    return true;
}

bool CRspSpec::InsertBand(const BandValues& band) {
    if (FirData() == nullptr || !PlaceBand(band)) {
        return false;
    }
    const bool specified = ControlsToSpec();
    UpdateButtons();
    return specified;
}

void CRspSpec::OnAddClicked() {
    ReadControls();
    if (FirData() == nullptr || FocusFirstEmptyEntry() || AddEntry() != AddOutcome::Inserted) {
        return;
    }
    ControlsToSpec();
    UpdateButtons();
}

// ---- The other buttons --------------------------------------------------------------------

void CRspSpec::OnDeleteClicked() {
    if (!table_.Contains(selectedRow_)) {
        return;
    }
    const std::int32_t row = selectedRow_;
    DeleteRow(static_cast<std::size_t>(row));
    UpdateButtons();
    if (table_.Contains(row)) {
        SelectRow(row);
    } else if (!table_.Empty()) {
        SelectRow(row - 1);
    }
    lowerEntry.clear();
    upperEntry.clear();
    desiredEntry.clear();
    attnEntry.clear();
    ShowPart(EditorPart::BandEntry);
}

void CRspSpec::OnClearEntryClicked() {
    ClearEntry();
}

void CRspSpec::OnClearAllClicked() {
    if (!AnsweredYes(kClearAllQuestion, MessageIcon::None)) {
        return;
    }
    table_.Clear();
    ClearEntry();
    numTaps = 0;
    WriteControls();
    ControlsToSpec();
    UpdateButtons();
}

void CRspSpec::OnEstimateClicked() {
    if (const auto estimate = EstimateFromControls()) {
        numTaps = *estimate;
        WriteControls();
    }
}

bool CRspSpec::ResolvePendingEntry() {
    ReadControls();
    const int filled = static_cast<int>(!lowerEntry.empty()) +
                       static_cast<int>(!upperEntry.empty()) + static_cast<int>(!attnEntry.empty());
    if (filled == 0) {
        return true;
    }
    if (filled < 3) {
        if (!AnsweredYes(kPartialEntryQuestion, MessageIcon::Exclamation)) {
            return false;
        }
        ClearEntry();
        return true;
    }
    switch (Ui().ShowMessage(kEntryNotAddedQuestion, MessageButtons::YesNoCancel,
                             MessageIcon::Exclamation)) {
        case MessageResult::Yes:
            return AddEntry() == AddOutcome::Inserted;
        case MessageResult::No:
            ClearEntry();
            return true;
        case MessageResult::Ok:
        case MessageResult::Cancel:
            break;
    }
    return false;
}

void CRspSpec::OnDesignClicked() {
    if (FirData() == nullptr || !ResolvePendingEntry()) {
        return;
    }
    ReadControls();
    DoDesign(numTaps);
}

void CRspSpec::OnOptimizeClicked() {
    if (FirData() == nullptr || !ResolvePendingEntry()) {
        return;
    }
    OnOptimize();
}

// ---- Units --------------------------------------------------------------------------------

bool& CRspSpec::UnitFlag(UnitColumn column) {
    return column == UnitColumn::Desired ? gainInDb : attnInDb;
}

void CRspSpec::ConvertUnits(UnitColumn column) {
    const UndoStep step(Document(), kEditSpecificationStep);
    ReadControls();
    bool& flag = UnitFlag(column);
    const bool newUnitInDb = flag;
    // The rows are read in the unit they were written in, then written in the new one.
    flag = !newUnitInDb;
    WriteControls();
    if (!ControlsToSpec()) {
        // A row that cannot be read would be lost by showing the table again from the
        // specification; the box keeps its old unit and the refused row stays selected.
        return;
    }
    flag = newUnitInDb;
    if (column == UnitColumn::Desired) {
        FirData()->SetGainInDb(newUnitInDb);
    } else {
        FirData()->SetAttnInDb(newUnitInDb);
    }
    WriteControls();
    SpecToControls();
}

void CRspSpec::OnGainInDbClicked() {
    ConvertUnits(UnitColumn::Desired);
}

void CRspSpec::OnAttnInDbClicked() {
    ConvertUnits(UnitColumn::AttnRipple);
}

// ---- The specification --------------------------------------------------------------------

bool CRspSpec::ControlsToSpec() {
    CFirData* filter = FirData();
    if (filter == nullptr) {
        return false;
    }
    ReadControls();
    if (gridDensity > CFirData::kMaxGridDensity) {
        ShowError(CFirData::kGridDensityTooLargeMessage);
        return false;
    }
    const UndoStep step(Document(), kEditSpecificationStep);
    SpecificationRollback rollback(*filter);
    filter->SetSpecification(static_cast<ResponseType>(responseTypeIndex + 1), numTaps,
                             gridDensity);
    const std::vector<BandRow>& rows = table_.Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const BandValues& band = rows[i].values;
        const char* refusal = EdgeRefusal(band.lower, band.upper);
        if (refusal != nullptr) {
            ShowEdgeRefusal(refusal);
        }
        if (refusal != nullptr || !filter->AddBand(band.lower, band.upper, band.desired,
                                                   band.attnRipple, gainInDb, attnInDb, true)) {
            SelectRow(static_cast<std::int32_t>(i));
            return false;
        }
    }
    rollback.Commit();
    return true;
}

void CRspSpec::SpecToControls() {
    const CFirData* filter = FirData();
    if (filter == nullptr) {
        return;
    }
    table_.Clear();
    ClearEntry();
    gainInDb = filter->IsGainInDb();
    attnInDb = filter->IsAttnInDb();
    const double sampleRate = filter->GetSampleRate();
    const std::int32_t bands = filter->GetNumBands();
    for (std::int32_t band = 0; band < bands; ++band) {
        table_.Insert(sampleRate * filter->GetLowerEdge(band),
                      sampleRate * filter->GetUpperEdge(band),
                      filter->GetDesiredDisplay(band, gainInDb),
                      filter->GetAttnRippleDisplay(band, attnInDb), Style());
    }
    if (filter->GetNumPoints() > 0) {
        const std::size_t measured = std::min(table_.Size(), static_cast<std::size_t>(bands));
        for (std::size_t row = 0; row < measured; ++row) {
            table_.SetActual(
                row, BandTable::LevelText(filter->GetBandActualDb(static_cast<std::int32_t>(row))));
        }
    }
    responseTypeIndex = static_cast<std::int32_t>(filter->GetResponseType()) - 1;
    numTaps = filter->GetNumTaps();
    gridDensity = filter->GetGridDensity();
    WriteControls();
    UpdateButtons();
}

}  // namespace tapwright
