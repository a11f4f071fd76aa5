#include "editors/DataView.h"

#include <optional>
#include <string>
#include <utility>

#include "design/LumenData.h"
#include "document/FirDoc.h"
#include "document/SerDoc.h"
#include "platform/UserInterface.h"
#include "plot/FontDlg.h"

namespace tapwright {

namespace {

// The channel a coefficient request names in bits 4 to 7 of its hint: 1 Inphase,
// 2 Quadrature, 3 both; anything else means Inphase.
ChannelSelection ChannelOfHint(std::uint32_t value) {
    switch (hint::Field1(value)) {
        case 2:
            return ChannelSelection::Quadrature;
        case 3:
            return ChannelSelection::InphaseAndQuadrature;
        default:
            return ChannelSelection::Inphase;
    }
}

}  // namespace

CDataView::CDataView(CSerDoc& document) : document_(document) {}

FontDescription CDataView::FixedPitchFont() {
    FontDescription font;
    font.faceName = kFixedPitchFace;
    return font;
}

void CDataView::AttachForm(DataViewForm* form) {
    form_ = form;
    if (form_ != nullptr) {
        form_->ShowFont();
        form_->WriteWidgets();
    }
}

const CDataSet* CDataView::ViewData() const {
    return data_;
}

void CDataView::OnUpdate(CView* /*sender*/, std::uint32_t value, CDataSet* object) {
    if (data_ == nullptr && hint::Action(value) == hint::kShowChannel && object != nullptr) {
        if (auto* signal = dynamic_cast<CLumenData*>(object)) {
            formatDialog_.channel = ChannelOfHint(value);
            // The user must confirm a channel and a format; should the dialog close without
            // OK, the channel of the hint and no format (an empty text) remain. A reopened
            // editor has both already.
            if (!formatPreset_) {
                RunFormatDialog(false);
            }
            data_ = signal;
        }
    }
    if (data_ != nullptr && (object == nullptr || object == data_)) {
        ShowData();
    }
    Invalidate();
}

void CDataView::OnActivateFrame() {
    font_ = FixedPitchFont();
    if (form_ != nullptr) {
        form_->ShowFont();
    }
}

std::uint32_t CDataView::ReopenHint() const {
    if (data_ == nullptr || ReopenFormat().empty()) {
        return 0;
    }
    return CoefficientHint(formatDialog_.channel);
}

std::string CDataView::ReopenFormat() const {
    return std::string(formatDialog_.format.GetName());
}

void CDataView::PresetFormat(std::string_view name) {
    formatDialog_.format.SelectFormat(name);
    formatPreset_ = true;
}

bool CDataView::RunFormatDialog(bool cancelAllowed) {
    CDataViewFormatDlg edited = formatDialog_;
    edited.cancelAllowed = cancelAllowed;
    edited.Open();
    if (!Ui().Run(edited)) {
        return false;
    }
    edited.OnOK();
    formatDialog_ = std::move(edited);
    return true;
}

void CDataView::ShowData() {
    CDataFormat& format = formatDialog_.format;
    std::optional<std::string> written;
    {
        WaitCursor wait;
        switch (formatDialog_.channel) {
            case ChannelSelection::Quadrature:
                written = data_->WriteBytes(format, 1);
                break;
            case ChannelSelection::InphaseAndQuadrature:
            case ChannelSelection::ComplexFilter:
                written = data_->WriteBytes(format, 0, 1);
                break;
            case ChannelSelection::Inphase:
                written = data_->WriteBytes(format, 0);
                break;
        }
    }
    text = written ? std::move(*written) : std::string(kCannotWriteText);
    if (form_ != nullptr) {
        form_->WriteWidgets();
    }
}

void CDataView::OnSelectFormat() {
    if (RunFormatDialog(true) && data_ != nullptr) {
        ShowData();
    }
}

void CDataView::OnChooseFont() {
    CFontDlg dialog(font_);
    dialog.screenAndPrinterFonts = false;
    dialog.scalableOnly = false;
    if (Ui().Run(dialog)) {
        font_ = dialog.font;
        if (form_ != nullptr) {
            form_->ShowFont();
        }
    }
}

void CDataView::OnUpdateFilter() {
    if (data_ == nullptr) {
        return;
    }
    if (form_ != nullptr) {
        form_->ReadWidgets();
    }
    // The text is the whole file a reader sees; the updates below write it again, so the
    // reader works on its own copy.
    const std::string edited = text;
    // The explanation shown in place of data that could not be written is no data to read.
    if (edited == kCannotWriteText) {
        Ui().ShowResult(kNothingReadStatus);
        return;
    }
    const UndoStep step(document_, "Update Filter From Editor");
    CDataFormat& format = formatDialog_.format;
    const std::string& name = data_->GetName();
    int read = 0;
    std::int32_t column = 0;
    switch (formatDialog_.channel) {
        case ChannelSelection::Quadrature:
            read = data_->ReadBytes(format, edited, name, 1);
            column = 1;
            break;
        case ChannelSelection::InphaseAndQuadrature:
        case ChannelSelection::ComplexFilter:
            read = data_->ReadBytes(format, edited, name, 0, 1);
            break;
        case ChannelSelection::Inphase:
            read = data_->ReadBytes(format, edited, name, 0);
            break;
    }
    // A text without a number changes nothing, which the user would not see otherwise.
    if (read == 0) {
        Ui().ShowResult(kNothingReadStatus);
        return;
    }
    const std::int32_t values = data_->GetColumn(column).GetNumPoints();
    data_->EqualizeChannels(0.0);
    document_.SetModifiedFlag();
    document_.UpdateAllViews(nullptr, hint::kAnything, nullptr);
    Ui().ShowResult("Filter updated from the editor: " + std::to_string(values) +
                    (values == 1 ? " value read." : " values read."));
}

}  // namespace tapwright
