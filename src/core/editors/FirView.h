#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/View.h"

namespace tapwright {

class CFirData;
class CFirDoc;
class CPreferences;

// The parts of an editor's form that a flow may change on its own, without the rest of the
// form being written.
enum class EditorPart {
    FsCaption,  // the caption of the "FS" button
    Buttons,    // which buttons can be pressed
    BandTable,  // the rows of the band table, their actual levels and the selection
    BandEntry,  // the edit fields in which a band is typed
    Focus,      // which edit field has the keyboard focus
};

// The widgets of a specification editor's form. The editor calls these where its flows
// exchange data with the form; the desktop form implements them by copying between its
// widgets and the editor's fields, and forwards its clicks to the editor.
class EditorForm {
public:
    virtual ~EditorForm() = default;

    // Copies what the user has typed into the editor's fields.
    virtual void ReadWidgets() = 0;
    // Shows every field of the editor, and what is derived from them, in the widgets.
    virtual void WriteWidgets() = 0;
    // Shows one part that changed, leaving what the user is typing elsewhere alone.
    virtual void ShowPart(EditorPart part) = 0;
};

// Whether the two buttons that depend on the specification can be pressed.
struct EstimateOptimizeState {
    bool estimate = false;
    bool optimize = false;
};

// The common base of the two specification editors. It attaches to the project's filter
// when the document announces it, follows the document's updates, and runs the Design and
// Optimize flows both editors share; each editor turns its own fields into the filter's
// specification and back.
class CFirView : public CView {
public:
    static constexpr const char* kTooFewTapsQuestion =
        "Too few taps were specified.\nEstimate and design?";
    static constexpr const char* kDesignFailedStatus = "Design failed to meet specifcations.";
    // The name of the history step of a specification the editor commits to the filter.
    static constexpr const char* kEditSpecificationStep = "Edit Specification";

    explicit CFirView(CFirDoc& document);

    // The status text after a design: the margin it succeeded with, or that it failed.
    static std::string DesignResultText(const CFirData& filter);
    // Follows a message about a frequency beyond the sampling frequency's range: the
    // filter's sampling frequency now, and where to set it (a new project starts at 1 Hz,
    // which turns every frequency typed in Hz into one beyond its range).
    static std::string SampleRateHint(const CFirData& filter);

    // The form that shows the editor, which shows the fields at once; null detaches it
    // without another exchange.
    void AttachForm(EditorForm* form);

    // Attaches to the filter of the first "design data reloaded" update, refills the form on
    // every update without a data set, writes the form back before a save, and keeps the
    // "FS" caption current.
    void OnUpdate(CView* sender, std::uint32_t hint, CDataSet* object) override;
    const CDataSet* ViewData() const override;

    // The filter being edited; null until the document has announced it.
    CFirData* FirData() const { return firData_; }

    // The caption of the "FS" button: the filter's sampling frequency.
    const std::string& FsCaption() const { return fsCaption_; }
    void UpdateFsButton();

    // Rebuilds the filter's specification from the fields. False after an error message;
    // the specification is then as it was before.
    virtual bool ControlsToSpec() = 0;
    // Fills the fields from the specification and shows the levels of a designed filter.
    virtual void SpecToControls() = 0;

    // "FS": the document's sampling-frequency dialog.
    void OnSamplingFrequency();

    // The Design command with the editor's own tap count, which it may change: a count above
    // the largest filter is cut after a question, a count too small is estimated after a
    // question. False when nothing was designed.
    bool DoDesign(std::int32_t& taps);

    // The Optimize command: the smallest tap count that meets the specification.
    void OnOptimize();

    // Estimate can be pressed when the tap count can be estimated, Optimize when the
    // specification of a Filter can be designed (which may raise an even tap count by one).
    EstimateOptimizeState EnableEstimateOptimize();

protected:
    // The data exchange with the form: read the widgets into the fields, or write the
    // fields to the widgets. Each derives what the form shows from the fields as well.
    void ReadControls();
    void WriteControls();
    void ShowPart(EditorPart part);

    // Derives what the form shows (labels, levels, verdicts) from the fields and the filter;
    // called at every exchange.
    virtual void OnExchange() {}

    CFirDoc& Document() { return document_; }
    const CPreferences& Preferences() const;

    static void ShowError(const std::string& text);

    // Estimate: the fields made the specification, then the filter's tap estimate; nothing,
    // after the reason where the filter says why, when there is none to show.
    std::optional<std::int32_t> EstimateFromControls();

    // Keeps a copy of the filter's specification and puts it back when it goes out of scope
    // without Commit(), so that a rebuild that is refused part way leaves the specification
    // as it was rather than with some of its bands.
    class SpecificationRollback {
    public:
        explicit SpecificationRollback(CFirData& filter);
        ~SpecificationRollback();
        SpecificationRollback(const SpecificationRollback&) = delete;
        SpecificationRollback& operator=(const SpecificationRollback&) = delete;

        void Commit() { committed_ = true; }

    private:
        CFirData& filter_;
        std::vector<std::uint8_t> saved_;
        bool committed_ = false;
    };

private:
    // A tap count above the largest filter is cut to it after the user agrees; false when
    // the user declines.
    bool AcceptTapLimit(std::int32_t& taps);

    CFirDoc& document_;
    EditorForm* form_ = nullptr;
    CFirData* firData_ = nullptr;
    std::string fsCaption_;
};

}  // namespace tapwright
