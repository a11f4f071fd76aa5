#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "editors/BandTable.h"
#include "editors/FirView.h"

namespace tapwright {

// The edit fields in which a band is typed, in the order the add flow checks them.
enum class BandEntryField { Lower, Upper, Desired, AttnRipple };

// The specification editor of advanced projects: a table of bands the user fills row by row
// (lower and upper frequency, desired gain, attenuation or ripple), with the response type,
// the number of taps and the grid density. The rows stay sorted by frequency; touching
// bands are refused and overlapped ones replaced. The whole table can be shown in dB or
// linear units, and shows the actual level of every band of the designed filter with a
// PASS or FAIL verdict.
class CRspSpec : public CFirView {
public:
    static constexpr const char* kZeroValueMessage = "Attenuation/Ripple cannot be zero.";
    static constexpr const char* kSetSampleRateQuestion =
        "Upper frequency is greater than Fs/2.\nSet sampling rate?.";
    static constexpr const char* kClearAllQuestion =
        "This operation will clear all band entries.\nDo you really want to Clear All?";
    static constexpr const char* kPartialEntryQuestion =
        "Partial band information has been entered.\nContinue designing FIR?";
    static constexpr const char* kEntryNotAddedQuestion =
        "Band information has been entered but not added.\nAdd band before designing FIR?";
    static constexpr const char* kLowerAboveHalfFsMessage =
        "Error: Lower frequency is greater than or equal to Fs/2.";
    static constexpr const char* kUpperAboveHalfFsMessage =
        "Error: Upper frequency is greater than or equal to Fs/2.";
    static constexpr const char* kLowerNotBelowUpperMessage =
        "Error: Lower frequency is greater than or equal to Upper.";
    // Follows the message of a typed number that no double holds.
    static constexpr const char* kRepresentableRange =
        "Enter 0, or a number whose magnitude lies between 1E-307 and 1E308.";

    // The caption of an edit field of the band entry, as messages name it.
    static const char* EntryFieldName(BandEntryField field);
    static std::string NotANumberMessage(BandEntryField field, const std::string& text);
    static std::string UnrepresentableMessage(BandEntryField field, const std::string& text);

    // A new form: an empty table, 0 taps, grid density 16, attenuation in dB, gains linear.
    // The filter's own defaults arrive when it is attached.
    explicit CRspSpec(CFirDoc& document);

    ViewKind Kind() const override { return ViewKind::AdvancedEditor; }

    // ---- Fields the form edits ----------------------------------------------------------

    // The band being typed, as the user typed it (frequencies in the unit of the sampling
    // frequency).
    std::string lowerEntry;
    std::string upperEntry;
    std::string desiredEntry;
    std::string attnEntry;
    std::int32_t numTaps = 0;
    std::int32_t gridDensity = 16;
    bool attnInDb = true;                // the Attn/Ripple column is in dB
    bool gainInDb = false;               // the Desired column is in dB
    std::int32_t responseTypeIndex = 0;  // 0 Filter, 1 Differentiator, 2 Hilbert

    // ---- What the form shows ------------------------------------------------------------

    const BandTable& Table() const { return table_; }
    // The row selected in every column, -1 for none.
    std::int32_t SelectedRow() const { return selectedRow_; }
    // "PASS", "FAIL" or empty, derived at every exchange.
    const std::string& VerdictText() const { return verdictText_; }
    bool IsEstimateEnabled() const { return buttons_.estimate; }
    bool IsOptimizeEnabled() const { return buttons_.optimize; }
    // The edit field that should have the keyboard focus.
    BandEntryField FocusedEntry() const { return focusedEntry_; }

    // ---- Clicks -------------------------------------------------------------------------

    // "Add": the typed band goes into the table, and the specification is rebuilt.
    void OnAddClicked();
    // The typed band with its desired value settled; nothing after a message that names the
    // field it refuses.
    std::optional<BandValues> ReadEntry();
    // Whether a frequency lies beyond half the sampling frequency, where "Add" offers to set
    // another sampling frequency first.
    bool IsBeyondHalfFs(double frequency) const;
    // Checks a band read from the entry and puts it into the table, replacing the rows it
    // overlaps, then rebuilds the specification. False after a message: the band was
    // refused (the entry stays typed for correcting), or the table it joined cannot be a
    // specification.
    bool InsertBand(const BandValues& band);
    // "Delete": the selected row goes.
    void OnDeleteClicked();
    // "Clear Entry": the edit fields empty, no row selected.
    void OnClearEntryClicked();
    // "Clear All": every row goes, after a question.
    void OnClearAllClicked();
    // "Est.": the tap count estimated from the specification.
    void OnEstimateClicked();
    // "Design" and "Optimize", each after asking about a band typed but not added.
    void OnDesignClicked();
    void OnOptimizeClicked();
    // The "in dB" boxes of the Desired and the Attn/Ripple column: the whole table is shown
    // again in the other unit.
    void OnGainInDbClicked();
    void OnAttnInDbClicked();
    // A row selected in any column is selected in all of them, and its texts fill the edit
    // fields.
    void OnRowSelected(std::int32_t row);

    // ---- The specification --------------------------------------------------------------

    // Rebuilds the specification from the rows in order; a row that is refused is selected.
    bool ControlsToSpec() override;
    // Fills the table from the filter's bands, with the actual levels of a designed filter.
    void SpecToControls() override;

protected:
    void OnExchange() override;

private:
    enum class UnitColumn { Desired, AttnRipple };
    // How adding the typed band ended: stopped by a message or the user, refused by the
    // table, or inserted.
    enum class AddOutcome { Stopped, Refused, Inserted };

    DesiredStyle Style() const;
    // The gain of a band typed without a desired value, from its attenuation or ripple.
    double DefaultDesired(double value) const;
    // Puts the focus on the first empty one of the lower, upper and attenuation fields;
    // false when all three are filled.
    bool FocusFirstEmptyEntry();
    // Takes a number read from an edit field, or refuses the field's text with a message
    // that names the field, which gets the focus.
    bool TakeTyped(BandEntryField field, const std::string& text, const TypedNumber& read,
                   double& value);
    // The message that refuses a band's edges (beyond Fs/2, or in the wrong order); null when
    // they are sound.
    const char* EdgeRefusal(double lower, double upper) const;
    // Shows an edge refusal, with the hint on setting the sampling frequency where the edge
    // lies beyond Fs/2.
    void ShowEdgeRefusal(const char* refusal);
    // Whether the band could be a band of the specification; false after a message.
    bool CanBeBand(const BandValues& band);
    // Reads the typed band, checks it and inserts it.
    AddOutcome AddEntry();
    // Checks a band and inserts it into the table; the entry empties when it was inserted.
    bool PlaceBand(const BandValues& band);
    // Asks to set the sampling frequency while the upper frequency lies beyond Fs/2; false
    // when the user declined.
    bool ConfirmWithinHalfFs(double upper);
    // Before Design and Optimize: what to do with a band typed but not added. False stops.
    bool ResolvePendingEntry();
    void ClearEntry();
    void DeleteRow(std::size_t row);
    void SelectRow(std::int32_t row);
    void UpdateButtons();
    void ConvertUnits(UnitColumn column);
    bool& UnitFlag(UnitColumn column);

    BandTable table_;
    std::int32_t selectedRow_ = -1;
    std::string verdictText_;
    EstimateOptimizeState buttons_;
    BandEntryField focusedEntry_ = BandEntryField::Lower;
};

}  // namespace tapwright
