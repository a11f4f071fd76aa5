#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "design/FirData.h"
#include "document/CoefficientCommands.h"
#include "document/DataFilesDlg.h"
#include "document/DocTemplate.h"
#include "document/SerDoc.h"
#include "document/UndoHistory.h"
#include "document/WindowLayout.h"
#include "math/ChannelSelection.h"
#include "platform/View.h"
#include "plot/ResponseHintField.h"

namespace tapwright {

class DocumentHost;
class CLumenData;

// The frequency response a plot shows, as the hint that opens the plot names it.
enum class ResponseDisplay : std::uint32_t {
    Magnitude = 4,
    Phase = 5,
    UnwrappedPhase = 6,
    PhaseDelay = 7,
    GroupDelay = 8,
};

// What an impulse response plot shows.
enum class ImpulseDisplay : std::uint32_t {
    Inphase = 1,
    Quadrature = 2,
    Complex = 3,  // both channels
    ComplexMagnitude = 4,
    ComplexPhase = 5,
};

// The channels a coefficient editor shows, as its hint carries them in bits 4 to 7: 1 Inphase,
// 2 Quadrature, 3 both side by side. The complex filter's coefficients are its two channels.
constexpr std::uint32_t CoefficientHintField(ChannelSelection channels) {
    switch (channels) {
        case ChannelSelection::Quadrature:
            return 2;
        case ChannelSelection::InphaseAndQuadrature:
        case ChannelSelection::ComplexFilter:
            return 3;
        case ChannelSelection::Inphase:
            break;
    }
    return 1;
}

// The hints that ask a newly opened or activated view for its display.
constexpr std::uint32_t ResponseHint(ResponseDisplay display, ChannelSelection selection) {
    return hint::kOpenResponse + 16 * static_cast<std::uint32_t>(display) +
           256 * ResponseHintField(selection);
}
constexpr std::uint32_t ImpulseHint(ImpulseDisplay display) {
    return hint::kShowChannel + 16 * static_cast<std::uint32_t>(display) + 256 * 3;
}
constexpr std::uint32_t CoefficientHint(ChannelSelection channels) {
    return hint::kShowChannel + 16 * CoefficientHintField(channels) + 256 * 3;
}

// A window the document opens or activates on a data set: the kind of view, the hint that
// tells the view what to show, and the title the data set's name takes.
struct ViewRequest {
    ViewKind kind;
    std::uint32_t hint;
    const char* title;
};

// The project: one filter design. It owns the filter and the last settings of every Filter
// command (kept in the project file), runs the Filter, File and View commands, and opens or
// activates the windows that show the filter. Whether it is a simple or an advanced project
// is decided by the template it was made through.
class CFirDoc : public CSerDoc {
public:
    static constexpr const char* kDesignTitle = "FIR Design";
    static constexpr const char* kResponseTitle = "FIR Frequency Response";
    static constexpr const char* kImportOperation = "Importing new coefficients";
    static constexpr const char* kImportCaption = "Import Coefficients";
    static constexpr const char* kExportCaption = "Export Coefficients";
    // The first project version that keeps the open windows.
    static constexpr int kWindowsVersion = 6;

    CFirDoc(DocumentHost& host, const CDocTemplate& docTemplate);

    CFirData& Filter() { return filter_; }
    const CFirData& Filter() const { return filter_; }
    CDataFilesDlg& DataFiles() { return dataFiles_; }
    const CDataFilesDlg& DataFiles() const { return dataFiles_; }
    // The sine, mix, scale, fill, window and quantize settings.
    CoefficientDialogs& Dialogs() { return dialogs_; }
    const CoefficientDialogs& Dialogs() const { return dialogs_; }
    // The Filter commands that rewrite the coefficients.
    CoefficientCommands& Coefficients() { return coefficients_; }

    // Two values kept in project files and put to no other use.
    std::int32_t GetStoredFlag() const { return storedFlag_; }
    double GetStoredValue() const { return storedValue_; }

    DocumentHost& Host() { return host_; }
    const CDocTemplate& GetTemplate() const { return template_; }
    // The specification editor of the project's template.
    ViewKind EditorKind() const { return template_.GetViewKind(); }
    bool IsAdvanced() const { return EditorKind() == ViewKind::AdvancedEditor; }

    // No bands and no coefficients.
    bool IsEmpty() const { return filter_.IsBlank(); }

    // ---- Life cycle ---------------------------------------------------------------------

    // A new project: the response floor comes from the preferences, and the views attach.
    void OnNewDocument();
    // A project has been read: the views attach, and the windows the file keeps open again
    // where they were, inside the visible work area.
    void OnDocumentOpened();

    // The windows the project file keeps: the specification editor and the plots, in the
    // order they were opened.
    std::vector<WindowPlacement> WindowPlacements() const;

    // ---- Views --------------------------------------------------------------------------

    // Opens a frame with a new view of the kind, registers the view and runs its initial
    // update; null when no frame could be made.
    CView* CreateView(ViewKind kind);

    // Brings the first suitable view of the request's kind to the top, or opens one, then
    // names the data after the request's title and tells all views. A specification editor
    // is reused only when it is the first of its kind and already shows data; any other
    // view when it shows data or nothing yet. A reused graph shows all of the data again.
    CView* OpenOrActivate(const ViewRequest& request, CLumenData& data);
    // The same, always with a new window.
    CView* OpenNew(const ViewRequest& request, CLumenData& data);

    // The windows opened by themselves: the Inphase display for real data, the complex one
    // otherwise.
    void ShowFrequencyResponse(CLumenData& data);
    void ShowImpulseResponse(CLumenData& data);
    void ShowCoefficients(CLumenData& data);

    // After an editor has put newly designed taps into the filter: marks the project
    // modified, opens the windows the preferences ask for, tells all views and scales when
    // the preferences say so.
    void ShowAfterDesign();

    // "&Specifications": the project's specification editor.
    void ShowSpecifications();

    // The View menu: always a new window.
    void ViewFrequencyResponse(ResponseDisplay display, ChannelSelection selection);
    void ViewImpulseResponse(ImpulseDisplay display);
    void ViewCoefficients(ChannelSelection channels);
    // The tool bar's forms: the Inphase view of real data, the complex one otherwise.
    void ViewDefaultResponse();
    void ViewDefaultImpulse();
    void ViewDefaultCoefficients();

    // ---- Commands -----------------------------------------------------------------------

    // The "Set Sampling Frequency" dialog; on OK the filter takes the new frequency and
    // units, and the views are told. True on OK.
    bool SetSamplingFrequency();
    // What OK of that dialog leads to: the filter takes the frequency (a number above 0) and
    // units, the project is marked modified and the views are told.
    void ApplySamplingFrequency(const CFreqUnits& units);

    // The "Set Minimum Decibels" dialog; on OK the response floor is replaced. The project
    // is not marked modified. True on OK.
    bool SetMinimumDb();

    // Reads new coefficients through the "Data Files" dialog, after asking whether a filter
    // that is not blank may be overwritten. True when coefficients were read.
    bool ImportCoefficients();

    // Writes the coefficients through the "Data Files" dialog. True when a file was written.
    bool ExportCoefficients();

    // The visible range of the coefficients as clipboard text.
    void CopyFilterToClipboard() const { filter_.ExportRange(); }

    // ---- Undo and redo ------------------------------------------------------------------

    // Takes back the last step, or does the last undone step again: the filter, its
    // settings and the commands' settings return to the other side of the step, the project
    // is modified unless that is the state last saved or opened, and every view is told as
    // after the command itself. False when there is no such step.
    bool Undo();
    bool Redo();
    const CUndoHistory& History() const { return history_; }

    void BeginStep(const std::string& name, bool marksModified) override;
    void EndStep() override;

    // ---- Enable rules -------------------------------------------------------------------

    bool HasPoints() const { return filter_.GetNumPoints() > 0; }
    bool HasComplexPoints() const { return HasPoints() && !filter_.IsReal(); }

protected:
    // Views that hold edits write them back into the filter.
    void OnBeforeSave() override;
    void OnSaved() override;
    void WriteContents(ArchiveWriter& archive) const override;
    void ReadContents(ArchiveReader& archive, int version) override;

private:
    // The filter and every setting kept with it, in file order: all a project file holds
    // but the open windows.
    void WriteState(ArchiveWriter& archive) const;
    void WriteFilter(ArchiveWriter& archive) const;
    void RestoreWindows(const std::vector<WindowPlacement>& windows);
    // The window a placement asks for, opened or (for the editor) found; null for one that
    // cannot be opened.
    CView* WindowFor(const WindowPlacement& window);
    // A coefficient editor showing the channel of the placement's hint in its format, or
    // null for a placement that names no channel or no format the editor can show.
    CView* ReopenCoefficientEditor(const WindowPlacement& window);
    void ReadFilter(ArchiveReader& archive, int version);
    // Marks the project modified and tells all views that anything may have changed.
    void DataChanged();
    const CPreferences& Preferences() const;

    ProjectState CaptureState() const;
    void RestoreState(ProjectState state);
    std::vector<std::uint8_t> StateBytes() const;
    // The current state is the one in the project's file: undoing back to it clears the
    // modified flag.
    void MarkSavedState();
    // After an undo or redo: the modified flag (unless the step leaves it alone) and the
    // views follow the state.
    void StateRestored(const CFreqUnits& unitsBefore, bool marksModified);

    DocumentHost& host_;
    const CDocTemplate& template_;
    CFirData filter_;
    CDataFilesDlg dataFiles_;
    CoefficientDialogs dialogs_;
    std::int32_t storedFlag_ = 1;
    double storedValue_ = 10.0;
    CoefficientCommands coefficients_;

    CUndoHistory history_;
    // The step under way: how deeply steps are nested, the outer one's name and the state
    // before it, also as bytes to tell whether anything changed.
    int stepDepth_ = 0;
    std::string stepName_;
    bool stepMarksModified_ = true;
    std::optional<ProjectState> stepBefore_;
    std::vector<std::uint8_t> stepBytes_;
    // The state as the project's file holds it; none when the file differs from any state
    // (a file of an older version, which saving rewrites).
    std::optional<std::vector<std::uint8_t>> savedBytes_;
    // The windows an opened project file keeps, until they are open again.
    std::vector<WindowPlacement> windowsToRestore_;
};

}  // namespace tapwright
