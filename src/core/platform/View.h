#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/DrawContext.h"

namespace tapwright {

class CDataSet;

// Update hints: bits 0 to 3 name the action, the higher bits carry its arguments.
namespace hint {
inline constexpr std::uint32_t kAnything = 0;        // anything may have changed
inline constexpr std::uint32_t kShowChannel = 1;     // bits 4-7: channel or display
inline constexpr std::uint32_t kOpenResponse = 3;    // bits 4-7: display, bits 8-11: filter
inline constexpr std::uint32_t kDesignLoaded = 4;    // design data reloaded: editors attach
inline constexpr std::uint32_t kSampleRate = 5;      // sampling frequency changed
inline constexpr std::uint32_t kAboutToSave = 6;     // editors write their controls back
inline constexpr std::uint32_t kActionMask = 0xF;

constexpr std::uint32_t Action(std::uint32_t value) { return value & kActionMask; }
constexpr std::uint32_t Field1(std::uint32_t value) { return (value >> 4) & 0xF; }
constexpr std::uint32_t Field2(std::uint32_t value) { return (value >> 8) & 0xF; }
}  // namespace hint

// What a view asks of the window that shows it. The desktop implements it with a widget.
class ViewWindow {
public:
    virtual ~ViewWindow() = default;

    // Asks for the whole window to be erased and painted again once the current event is
    // handled; it does not paint at once.
    virtual void Invalidate() = 0;

    // The drawable area of the window in device pixels, with (0, 0) at its top left.
    virtual Rect ClientRect() const = 0;
};

// The ranges a zoomed plot shows on its two axes.
struct ViewSpans {
    double xMinimum = 0.0;
    double xMaximum = 0.0;
    double yMinimum = 0.0;
    double yMaximum = 0.0;

    bool operator==(const ViewSpans&) const = default;
};

// The kinds of window a project shows. Each has its own frame template; the document looks
// for an open view of a kind before it opens another.
enum class ViewKind {
    AdvancedEditor,     // the band editor of an advanced project
    SimpleEditor,       // the specification editor of a simple project
    FrequencyResponse,  // a frequency response plot
    Graph,              // an impulse response or coefficient plot
    CoefficientEditor,  // the coefficients as editable text
    Other,              // a view that no document command opens or looks for
};

// A window on a document. The document announces every change to all its views with a
// hint and the data set concerned (which may be null); each view decides what to redraw
// or re-read.
class CView {
public:
    virtual ~CView() = default;

    virtual void OnUpdate(CView* sender, std::uint32_t hint, CDataSet* object) = 0;

    // The first update of a new view, once its frame exists: everything may have changed.
    virtual void OnInitialUpdate() { OnUpdate(nullptr, hint::kAnything, nullptr); }

    virtual ViewKind Kind() const { return ViewKind::Other; }

    // The data set the view shows; null until a hint has delivered it, and null means the
    // document's filter.
    virtual const CDataSet* ViewData() const { return nullptr; }

    // Called when the document brings an open view to the top for new data: a plot goes
    // back to showing all of it.
    virtual void ResetZoom() {}

    // Called by the desktop whenever the frame holding the view becomes the active one.
    virtual void OnActivateFrame() {}

    // What the view shows, as the hint that opens a window showing the same; 0 for a view
    // that is not opened again when its project is.
    virtual std::uint32_t ReopenHint() const { return 0; }
    // The name of the file format the view shows its data in, for a window opened again to
    // show it the same way; empty for a view that shows no format.
    virtual std::string ReopenFormat() const { return {}; }
    // Called on a new view before its data arrives: it shows the data in the named format
    // (a name the format table knows) without asking the user for one.
    virtual void PresetFormat(std::string_view /*name*/) {}
    // The ranges a plot shows while zoomed or panned; none while its axes are automatic.
    virtual std::optional<ViewSpans> ZoomedSpans() const { return std::nullopt; }
    // Shows the ranges again, as a zoom that Zoom Out returns from.
    virtual void RestoreSpans(const ViewSpans& /*spans*/) {}

    // The window showing this view; it is not owned and may be null (no window yet, or none
    // at all, as in the command-line tool).
    void AttachWindow(ViewWindow* window) { window_ = window; }
    ViewWindow* Window() const { return window_; }

    // Asks the window to repaint the whole view; nothing happens without a window.
    void Invalidate() {
        if (window_ != nullptr) {
            window_->Invalidate();
        }
    }

    // The client area of the window, empty without one.
    Rect GetClientRect() const { return window_ != nullptr ? window_->ClientRect() : Rect{}; }

private:
    ViewWindow* window_ = nullptr;
};

}  // namespace tapwright
