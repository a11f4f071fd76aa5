#include "gui/plot/PlotWidget.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWheelEvent>

#include <optional>
#include <utility>

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

// The warnings of drawings made inside paints and not shown yet, shared by every plot
// window: the windows that paint together (every plot of a project after a design) show a
// text they share once.
struct PendingWarnings {
    PlotWarnings warnings;
    bool showing = false;
};

PendingWarnings& Pending() {
    static PendingWarnings pending;
    return pending;
}

// A box's event loop may paint a plot again; the warnings of that paint follow once the box
// is closed, rather than opening a box over the box.
void ShowPendingWarnings() {
    PendingWarnings& pending = Pending();
    const ScopedFlag showing(pending.showing);
    while (!pending.warnings.IsEmpty()) {
        ShowWarnings(std::exchange(pending.warnings, PlotWarnings{}));
    }
}

// Shows the warnings of a drawing made inside a paint once control is back in the event
// loop. The application owns the call, so that a window closed meanwhile loses nothing.
void ShowAfterPaint(const PlotWarnings& warnings) {
    if (warnings.IsEmpty()) {
        return;
    }
    PendingWarnings& pending = Pending();
    const bool queued = !pending.warnings.IsEmpty() || pending.showing;
    pending.warnings.Add(warnings);
    if (!queued) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), &ShowPendingWarnings,
                                  Qt::QueuedConnection);
    }
}

Point CorePoint(const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    return {at.x(), at.y()};
}

}  // namespace

PlotWidget::PlotWidget(CGraph& view, QWidget* parent) : QWidget(parent), view_(view) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::WheelFocus);
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

PlotWarnings PlotWidget::RenderPicture() {
    const qreal ratio = devicePixelRatioF();
    picture_ = QImage(size() * ratio, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(palette().color(QPalette::Base));
    pictureSize_ = size();
    pictureCurrent_ = true;
    if (picture_.isNull()) {
        return {};
    }
    const QtUserInterface::PaintScope painting;
    const ScopedFlag rendering(rendering_);
    QPainter painter(&picture_);
    QtDrawContext dc(painter, DrawDevice::Screen);
    PlotWarnings warnings = view_.OnDraw(dc);
    // A zoom that moved the plot's edges has moved the view back under the pointer.
    while (view_.TakeRedrawRequest()) {
        painter.fillRect(QRect(QPoint(0, 0), pictureSize_), palette().color(QPalette::Base));
        warnings.Add(view_.OnDraw(dc));
    }
    return warnings;
}

void PlotWidget::paintEvent(QPaintEvent*) {
    // A window moved to a screen of another pixel density needs a sharper picture.
    if (!pictureCurrent_ || pictureSize_ != size() ||
        picture_.devicePixelRatio() != devicePixelRatioF()) {
        ShowAfterPaint(RenderPicture());
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
    const bool panWithLeft = event->button() == Qt::LeftButton &&
                             (spaceHeld_ || (event->modifiers() & Qt::ControlModifier) != 0);
    if (event->button() == Qt::MiddleButton || panWithLeft) {
        view_.BeginPan(CorePoint(*event));
        if (view_.IsPanning()) {
            setCursor(Qt::ClosedHandCursor);
        }
        update();
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    view_.OnLButtonDown(CorePoint(*event));
    update();
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
    if (view_.IsPanning()) {
        view_.PanTo(CorePoint(*event));
        return;
    }
    if ((event->buttons() & Qt::LeftButton) == 0) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    view_.OnMouseMove(CorePoint(*event), true);
    update();
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (view_.IsPanning()) {
        view_.PanTo(CorePoint(*event));
        view_.EndPan();
        unsetCursor();
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    view_.OnLButtonUp(CorePoint(*event));
    update();
}

void PlotWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    view_.AutomaticAxes();
}

void PlotWidget::wheelEvent(QWheelEvent* event) {
    // Some systems turn a wheel with Shift held into a horizontal one.
    const QPoint angle = event->angleDelta();
    const int eighths = angle.y() != 0 ? angle.y() : angle.x();
    constexpr double kEighthsPerNotch = 120.0;
    const Qt::KeyboardModifiers keys = event->modifiers();
    const bool xOnly = (keys & Qt::ControlModifier) != 0;
    const bool yOnly = !xOnly && (keys & Qt::ShiftModifier) != 0;
    const QPoint at = event->position().toPoint();
    view_.WheelZoom({at.x(), at.y()}, eighths / kEighthsPerNotch, !yOnly, !xOnly);
    event->accept();
}

void PlotWidget::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            view_.ZoomByStep(1.0);
            break;
        case Qt::Key_Minus:
            view_.ZoomByStep(-1.0);
            break;
        case Qt::Key_Left:
            view_.PanByStep(-kPanStepFraction, 0.0);
            break;
        case Qt::Key_Right:
            view_.PanByStep(kPanStepFraction, 0.0);
            break;
        case Qt::Key_Up:
            view_.PanByStep(0.0, kPanStepFraction);
            break;
        case Qt::Key_Down:
            view_.PanByStep(0.0, -kPanStepFraction);
            break;
        case Qt::Key_Home:
            view_.AutomaticAxes();
            break;
        case Qt::Key_Space:
            spaceHeld_ = true;
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void PlotWidget::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        spaceHeld_ = false;
    }
    QWidget::keyReleaseEvent(event);
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
    if (const std::optional<PlotWarnings> warnings = PrintPlot(view_, printer)) {
        ShowWarnings(*warnings);
    }
    return true;
}

void PlotWidget::PrintPreview(QPrinter& printer) {
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* page) {
        if (const std::optional<PlotWarnings> warnings = PrintPlot(view_, *page)) {
            ShowAfterPaint(*warnings);
        }
    });
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
    const PictureOutcome outcome = WritePlotPicture(view_, request);
    ShowWarnings(outcome.warnings);
    if (!outcome.failure.isEmpty()) {
        Ui().ShowMessage("Cannot write file \"" + ToCoreString(request.path) + "\".\n" +
                             ToCoreString(outcome.failure),
                         MessageButtons::Ok, MessageIcon::Stop);
    }
}

}  // namespace tapwright::gui
