#pragma once

#include <QString>

#include "plot/PlotWarnings.h"

class QWidget;

namespace tapwright {
class CPlot;
}

namespace tapwright::gui {

enum class PictureFormat { Png, Svg, Pdf };

// What Export Picture writes: the file, its format and the picture's size in pixels (points
// for PDF).
struct PictureRequest {
    static constexpr int kSmallestSide = 64;
    static constexpr int kLargestSide = 10000;

    QString path;
    PictureFormat format = PictureFormat::Png;
    int width = 0;
    int height = 0;
};

// The file name extension of the format, with its dot.
QString ExtensionOf(PictureFormat format);

// What writing a picture came to: an empty failure on success, what went wrong otherwise,
// and the warnings of the drawing for the caller to show.
struct PictureOutcome {
    QString failure;
    PlotWarnings warnings;
};

// Draws the plot into the file as the window would show it at the request's size. The file
// is replaced only once the whole picture has been written. The window is asked to draw
// itself again afterwards.
PictureOutcome WritePlotPicture(CPlot& plot, const PictureRequest& request);

// The "Export Picture" dialog on the request: the format, the width and height, and the
// file with a Browse button. True on OK, with the request holding the choices; a path
// without an extension gets the format's.
bool RunExportPictureDialog(PictureRequest& request, QWidget* parent);

}  // namespace tapwright::gui
