#include "gui/plot/PlotWidget.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "gui/platform/CoreText.h"
#include "gui/platform/QtDrawContext.h"
#include "gui/platform/QtUserInterface.h"
#include "gui/plot/CommandMenu.h"
#include "gui/plot/PictureExport.h"
#include "gui/plot/PlotPrinting.h"
#include "gui/plot/RubberBandOverlay.h"
#include "gui/widgets/DialogFrame.h"
#include "platform/UserInterface.h"
#include "plot/Graph.h"

namespace tapwright::gui {

namespace {

constexpr const char* kPlotMenuTitle = "&Plot";
constexpr const char* kExportPictureText = "Export &Picture...";
constexpr const char* kExportPictureStatus = "Write the plot to a PNG, SVG or PDF file";
constexpr const char* kFirstPictureName = "GRAPH.png";

// Raises a flag for its lifetime.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
};

Point CorePoint(const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    return {at.x(), at.y()};
}

}  // namespace

PlotWidget::PlotWidget(CGraph& view, QWidget* parent) : QWidget(parent), view_(view) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    view_.AttachWindow(this);
}

PlotWidget::~PlotWidget() {
    if (view_.Window() == this) {
        view_.AttachWindow(nullptr);
    }
}

QSize PlotWidget::sizeHint() const {
    return {640, 420};
}

// ---- Drawing -------------------------------------------------------------------------

void PlotWidget::Invalidate() {
    // The drawing under way shows the state it changes; asking for another one from inside
    // it would draw for ever.
    if (rendering_) {
        return;
    }
    pictureCurrent_ = false;
    update();
}

Rect PlotWidget::ClientRect() const {
    return {0, 0, width(), height()};
}

void PlotWidget::RenderPicture() {
    const qreal ratio = devicePixelRatioF();
    picture_ = QImage(size() * ratio, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(palette().color(QPalette::Base));
    pictureSize_ = size();
    pictureCurrent_ = true;
    if (picture_.isNull()) {
        return;
    }
    // A message the drawing shows waits until the paint is over.
    const QtUserInterface::PaintScope painting;
    const ScopedFlag rendering(rendering_);
    QPainter painter(&picture_);
    QtDrawContext dc(painter, DrawDevice::Screen);
    view_.OnDraw(dc);
}

void PlotWidget::paintEvent(QPaintEvent*) {
    // A window moved to a screen of another pixel density needs a sharper picture.
    if (!pictureCurrent_ || pictureSize_ != size() ||
        picture_.devicePixelRatio() != devicePixelRatioF()) {
        RenderPicture();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
    QtDrawContext dc(painter, DrawDevice::Screen);
    PaintRubberBand(view_.RubberBand(), dc);
}

void PlotWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    pictureCurrent_ = false;
    view_.OnSize();
}

// ---- Mouse ---------------------------------------------------------------------------

void PlotWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    view_.OnLButtonDown(CorePoint(*event));
    update();
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) == 0) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    view_.OnMouseMove(CorePoint(*event), true);
    update();
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    view_.OnLButtonUp(CorePoint(*event));
    update();
}

void PlotWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (!view_.OnContextMenu()) {
        return;
    }
    update();
    QMenu menu(this);
    FillPlotMenu(menu);
    menu.exec(event->globalPos());
}

// ---- Menus ---------------------------------------------------------------------------

QMenu* PlotWidget::CreatePlotMenu() {
    auto* menu = new QMenu(kPlotMenuTitle, this);
    FillPlotMenu(*menu);
    return menu;
}

void PlotWidget::FillPlotMenu(QMenu& menu) {
    CommandMenuBuilder<CGraph> builder(view_.Commands(), view_);
    builder.SeparateBefore({kCmdTitles, kCmdZoomNext, kCmdCopyImage});
    builder.Fill(menu, kPlotMenuTitle);
    QAction* exportPicture = menu.addAction(kExportPictureText);
    exportPicture->setStatusTip(kExportPictureStatus);
    connect(exportPicture, &QAction::triggered, this, &PlotWidget::ExportPicture);
}

// ---- File commands -------------------------------------------------------------------

bool PlotWidget::Print(QPrinter& printer) {
    QPrintDialog dialog(&printer, this);
    UseDialogFrame(dialog);
    // A plot is one page.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    PrintPlot(view_, printer);
    return true;
}

void PlotWidget::PrintPreview(QPrinter& printer) {
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* page) { PrintPlot(view_, *page); });
    preview.exec();
}

void PlotWidget::ExportPicture() {
    // The choices of the last export stay for the next one while the program runs.
    static PictureRequest last;
    PictureRequest request = last;
    if (request.width <= 0 || request.height <= 0) {
        request.width = width();
        request.height = height();
    }
    if (request.path.isEmpty()) {
        request.path = kFirstPictureName;
    }
    if (!RunExportPictureDialog(request, this)) {
        return;
    }
    last = request;
    const QString failure = WritePlotPicture(view_, request);
    if (!failure.isEmpty()) {
        Ui().ShowMessage(
            "Cannot write file \"" + ToCoreString(request.path) + "\".\n" + ToCoreString(failure),
            MessageButtons::Ok, MessageIcon::Stop);
    }
}

}  // namespace tapwright::gui
