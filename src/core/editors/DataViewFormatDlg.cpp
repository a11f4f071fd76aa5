#include "editors/DataViewFormatDlg.h"

namespace tapwright {

void CDataViewFormatDlg::Open() {
    formats = format.FillFormatList(FormatDirection::Both);
}

void CDataViewFormatDlg::OnFormatChanged(std::int32_t selected) {
    if (selected < 0 || selected >= static_cast<std::int32_t>(formats.names.size())) {
        return;
    }
    formats.selected = selected;
    format.SelectFormat(formats.names[static_cast<std::size_t>(selected)]);
}

}  // namespace tapwright
