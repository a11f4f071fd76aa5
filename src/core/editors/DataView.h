#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editors/DataViewFormatDlg.h"
#include "platform/DrawContext.h"
#include "platform/View.h"

namespace tapwright {

class CLumenData;
class CSerDoc;

// The widgets of the coefficient editor: one multi-line text and its font. The editor calls
// these where it exchanges its text with the widget; the text goes both ways unchanged,
// byte for byte.
class DataViewForm {
public:
    virtual ~DataViewForm() = default;

    // Copies the text as the user edited it into the editor's text.
    virtual void ReadWidgets() = 0;
    // Shows the editor's text.
    virtual void WriteWidgets() = 0;
    // Shows the text in the editor's font.
    virtual void ShowFont() = 0;
};

// The coefficient editor: a channel of a filter's coefficients as plain text in one of the
// formats that can be both written and read, and on command the edited text read back into
// the filter. The text is made by the format's own writer and read by its own reader, in
// memory, so that it shows exactly what a file of that format would hold.
class CDataView : public CView {
public:
    static constexpr const char* kCannotWriteText =
        "(Temporary Data Editor file cannot be written.)";
    // The status text of an update that found no number to read.
    static constexpr const char* kNothingReadStatus =
        "No coefficients could be read from the editor's text: the filter has not been updated.";
    // The face of the fixed-pitch font the editor shows its text in.
    static constexpr const char* kFixedPitchFace = "Monospace";

    explicit CDataView(CSerDoc& document);

    // The widget that shows the text, or null; it shows the text and font at once.
    void AttachForm(DataViewForm* form);

    // Attaches to the signal of the first update that asks for a coefficient channel, after
    // the user has confirmed a channel and a format; from then on every update of that
    // signal writes the text again, discarding edits not yet applied.
    void OnUpdate(CView* sender, std::uint32_t hint, CDataSet* object) override;
    ViewKind Kind() const override { return ViewKind::CoefficientEditor; }
    const CDataSet* ViewData() const override;
    // Every activation shows the text in the fixed-pitch font again.
    void OnActivateFrame() override;
    // Once it shows a channel in a format: the hint that asks for the channel, and the
    // format's table name. A reopened editor takes both without the format dialog.
    std::uint32_t ReopenHint() const override;
    std::string ReopenFormat() const override;
    void PresetFormat(std::string_view name) override;

    // The text in the editor, as the form shows and edits it.
    std::string text;

    const FontDescription& Font() const { return font_; }
    const CDataViewFormatDlg& FormatDialog() const { return formatDialog_; }

    // "Select Filter and Data Format...": on OK the text is written again in the new channel
    // and format.
    void OnSelectFormat();
    // "Chose Font...": a font for the text until the view is next activated.
    void OnChooseFont();
    // "Update Filter From Editor": the edited text is read into the channel with the
    // format's reader, up to the first line it cannot read. When points were read the
    // shorter channel is padded with zeros, the project is marked modified and every view is
    // told; otherwise the filter is left as it was. Either way the status line says what
    // happened.
    void OnUpdateFilter();

    static FontDescription FixedPitchFont();

private:
    // Shows the chosen channel in the chosen format, or why it cannot be shown.
    void ShowData();
    // Runs the format dialog on a copy that replaces the record on OK.
    bool RunFormatDialog(bool cancelAllowed);

    CSerDoc& document_;
    DataViewForm* form_ = nullptr;
    CDataViewFormatDlg formatDialog_;
    CLumenData* data_ = nullptr;
    // The format was given before the first update: that update does not ask for one.
    bool formatPreset_ = false;
    FontDescription font_ = FixedPitchFont();
};

}  // namespace tapwright
