#include "plot/PlotExport.h"

#include <algorithm>
#include <cstdio>

#include "platform/Clipboard.h"
#include "platform/FileDlg.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

constexpr const char* kPlotFileFilters = "All Files (*.*) | *.* | PlotFiles (*.plt) | *.plt ||";

std::string& StoredPlotFilePath() {
    static std::string path = "GRAPH.PLT";
    return path;
}

// printf of one double into a string of whatever length it needs.
std::string Printed(const char* format, double value) {
    const int length = std::snprintf(nullptr, 0, format, value);
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    std::snprintf(text.data(), text.size() + 1, format, value);
    return text;
}

// Whether a point can be shown on the plot's axes: a log axis has no place for a value that
// is not above zero.
bool IsShowable(const CPlot& plot, std::int32_t i) {
    const PlotSeries& series = plot.Series();
    if (plot.XState().log && series.x[i] <= 0.0) {
        return false;
    }
    if (plot.YState().log) {
        if (series.y[i] <= 0.0) {
            return false;
        }
        if (series.y2.GetSize() > 0 && series.y2[i] <= 0.0) {
            return false;
        }
    }
    return true;
}

// Points that have a value in every series in use; series of unequal length end with the
// shortest.
std::int32_t PointCount(const PlotSeries& series) {
    std::int32_t count = std::min(series.x.GetSize(), series.y.GetSize());
    if (series.y2.GetSize() > 0) {
        count = std::min(count, series.y2.GetSize());
    }
    return count;
}

std::string PointLines(const CPlot& plot, const std::string& separator,
                       std::string (*number)(double)) {
    const PlotSeries& series = plot.Series();
    const bool second = series.y2.GetSize() > 0;
    std::string text;
    for (std::int32_t i = 0; i < PointCount(series); ++i) {
        if (!IsShowable(plot, i)) {
            continue;
        }
        text += number(series.x[i]) + separator + number(series.y[i]);
        if (second) {
            text += separator + number(series.y2[i]);
        }
        text += "\r\n";
    }
    return text;
}

std::string ClipboardNumber(double value) {
    return Printed("%12.9lf", value);
}

}  // namespace

std::string FormatPlotNumber(double value) {
    std::string text = Printed("%.6g", value);
    const auto e = text.find('e');
    if (e == std::string::npos) {
        return text;
    }
    // Widen the exponent to three digits: 1.5e-07 becomes 1.5e-007.
    const std::size_t digits = e + 2;
    const std::size_t count = text.size() - digits;
    if (count < 3) {
        text.insert(digits, 3 - count, '0');
    }
    return text;
}

std::string PlotDataText(const CPlot& plot) {
    return PointLines(plot, "\t", ClipboardNumber);
}

std::string PlotFileText(const CPlot& plot, bool withTitles) {
    std::string text;
    if (withTitles) {
        const PlotTitles& titles = plot.Titles();
        text = titles.main + "\r\n" + titles.y + "\r\n" + titles.x + "\r\n";
    }
    return text + PointLines(plot, "   ", FormatPlotNumber);
}

const std::string& LastPlotFilePath() {
    return StoredPlotFilePath();
}

// The clipboard may draw the picture more than once (as a vector picture and as pixels);
// the warnings of all renderings are shown together once they are done.
void CPlot::OnCopyImage() {
    const Rect client = GetClientRect();
    PlotWarnings warnings;
    Ui().GetClipboard().SetPicture(client.Width(), client.Height(),
                                   [&](DrawContext& dc) { warnings.Add(OnDraw(dc)); });
    Invalidate();
    ClearSeries();
    ShowWarnings(warnings);
}

void CPlot::OnCopyData() {
    Ui().GetClipboard().SetText(PlotDataText(*this));
}

void CPlot::OnWriteData() {
    CFileDlg dialog(FileDlgMode::Save);
    dialog.fileName = LastPlotFilePath();
    dialog.filters = CFileDlg::ParseFilters(kPlotFileFilters);
    dialog.hideReadOnly = true;
    dialog.promptOverwrite = true;
    if (!Ui().Run(dialog) || dialog.chosenPath.empty()) {
        return;
    }
    const std::string path = dialog.chosenPath;
    StoredPlotFilePath() = path;

    if (CheckWritable(path)) {
        Ui().ShowMessage("Cannot open file \"" + path + "\".", MessageButtons::Ok,
                         MessageIcon::Stop);
        return;
    }
    const PlotTitles& titles = Titles();
    const bool withTitles = !titles.main.empty() && !titles.y.empty() && !titles.x.empty() &&
                            Ui().ShowMessage("Write titles to file?", MessageButtons::YesNo,
                                             MessageIcon::Question) == MessageResult::Yes;
    if (const auto failure = WriteFileReplacing(path, PlotFileText(*this, withTitles))) {
        Ui().ShowMessage("Cannot write file \"" + path + "\".\n" + *failure,
                         MessageButtons::Ok, MessageIcon::Stop);
    }
}

}  // namespace tapwright
