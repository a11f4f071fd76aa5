#include "gui/plot/PictureExport.h"

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "gui/platform/CoreText.h"
#include "gui/platform/QtDrawContext.h"
#include "gui/platform/QtUserInterface.h"
#include "plot/Plot.h"

namespace tapwright::gui {

namespace {

// One pixel of the plot is one point of the PDF page.
constexpr int kPdfDotsPerInch = 72;

// The window the plot lays itself out in while the picture is drawn: the picture's size.
class PictureWindow final : public ViewWindow {
public:
    PictureWindow(int width, int height) : rect_{0, 0, width, height} {}
    void Invalidate() override {}
    Rect ClientRect() const override { return rect_; }

private:
    Rect rect_;
};

// Lends the plot a picture-sized window for its lifetime, then gives it back its own and
// has that draw the plot anew at its own size.
class LentWindow {
public:
    LentWindow(CPlot& plot, int width, int height)
        : plot_(plot), own_(plot.Window()), picture_(width, height) {
        plot_.AttachWindow(&picture_);
        plot_.ClearSeries();
    }
    ~LentWindow() {
        plot_.AttachWindow(own_);
        plot_.ClearSeries();
        plot_.Invalidate();
    }
    LentWindow(const LentWindow&) = delete;
    LentWindow& operator=(const LentWindow&) = delete;

private:
    CPlot& plot_;
    ViewWindow* own_;
    PictureWindow picture_;
};

PlotWarnings Draw(CPlot& plot, QPainter& painter) {
    const QtUserInterface::PaintScope drawing;
    QtDrawContext dc(painter, DrawDevice::Picture);
    return plot.OnDraw(dc);
}

PictureOutcome WritePng(CPlot& plot, const PictureRequest& request, QSaveFile& file) {
    QImage image(request.width, request.height, QImage::Format_RGB32);
    if (image.isNull()) {
        return {"There is not enough memory for a picture of this size.", {}};
    }
    image.fill(Qt::white);
    QPainter painter(&image);
    PictureOutcome outcome{QString(), Draw(plot, painter)};
    painter.end();
    if (!image.save(&file, "PNG")) {
        outcome.failure = file.errorString();
    }
    return outcome;
}

PictureOutcome WriteSvg(CPlot& plot, const PictureRequest& request, QSaveFile& file) {
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(QSize(request.width, request.height));
    generator.setViewBox(QRect(0, 0, request.width, request.height));
    generator.setTitle(ToQString(plot.Titles().main));
    QPainter painter(&generator);
    PictureOutcome outcome{QString(), Draw(plot, painter)};
    painter.end();
    return outcome;
}

PictureOutcome WritePdf(CPlot& plot, const PictureRequest& request, QSaveFile& file) {
    QPdfWriter writer(&file);
    writer.setResolution(kPdfDotsPerInch);
    writer.setTitle(ToQString(plot.Titles().main));
    const QPageSize page(QSizeF(request.width, request.height), QPageSize::Point, QString(),
                         QPageSize::ExactMatch);
    writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return {"The PDF document could not be started.", {}};
    }
    PictureOutcome outcome{QString(), Draw(plot, painter)};
    painter.end();
    return outcome;
}

}  // namespace

QString ExtensionOf(PictureFormat format) {
    switch (format) {
        case PictureFormat::Svg:
            return ".svg";
        case PictureFormat::Pdf:
            return ".pdf";
        case PictureFormat::Png:
            break;
    }
    return ".png";
}

PictureOutcome WritePlotPicture(CPlot& plot, const PictureRequest& request) {
    if (request.width < PictureRequest::kSmallestSide ||
        request.height < PictureRequest::kSmallestSide ||
        request.width > PictureRequest::kLargestSide ||
        request.height > PictureRequest::kLargestSide) {
        return {"The picture size is out of range.", {}};
    }
    QSaveFile file(request.path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {file.errorString(), {}};
    }
    PictureOutcome outcome;
    {
        const LentWindow window(plot, request.width, request.height);
        switch (request.format) {
            case PictureFormat::Png:
                outcome = WritePng(plot, request, file);
                break;
            case PictureFormat::Svg:
                outcome = WriteSvg(plot, request, file);
                break;
            case PictureFormat::Pdf:
                outcome = WritePdf(plot, request, file);
                break;
        }
    }
    if (!outcome.failure.isEmpty()) {
        file.cancelWriting();
    } else if (!file.commit()) {
        outcome.failure = file.errorString();
    }
    return outcome;
}

}  // namespace tapwright::gui
