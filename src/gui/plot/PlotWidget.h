#pragma once

#include <QImage>
#include <QWidget>

#include "platform/View.h"
#include "plot/PlotWarnings.h"

class QMenu;
class QPrinter;

namespace tapwright {
class CGraph;
}

namespace tapwright::gui {

// The window of a graph or a frequency response plot (CGraph and CFirPlot alike).
//
// The plot is shown from a cached picture that the core draws only when the view asks for
// it (Invalidate) or the window changes its size; an expose, or the box of a warning that
// the drawing returned, repaints from the picture, so it never starts the drawing (and its
// warning) again. A box must not open inside a paint (its event loop would paint again,
// half-way through this paint), so the warnings of a drawing are shown as soon as control
// is back in the event loop, a text that several windows painting together share once.
// The rubber band's markers and rectangle are painted over the picture on
// every paint. Mouse presses, moves and releases of the left button go to the view, and
// the right button opens the plot's context menu. The wheel zooms about the pointer (only
// X with Ctrl, only Y with Shift), a drag with the middle button or with the left one while
// Space or Ctrl is held pans, a double click returns to the automatic axes, and the keys
// + and - zoom, the arrows pan and Home returns to the automatic axes.
//
// The view must outlive the widget; the widget is the view's window while it lives.
class PlotWidget final : public QWidget, private ViewWindow {
public:
    explicit PlotWidget(CGraph& view, QWidget* parent = nullptr);
    ~PlotWidget() override;
    PlotWidget(const PlotWidget&) = delete;
    PlotWidget& operator=(const PlotWidget&) = delete;

    CGraph& View() const { return view_; }

    // The "&Plot" menu of the window's menu bar, built from the view's command table and
    // owned by this widget: the Type (or Filter and Response) submenus, Style, Axis, the
    // titles, font, properties, zoom, copy and write commands, and Export Picture.
    QMenu* CreatePlotMenu();

    // The commands a plot window adds to its frame's File menu. Print asks for the printer
    // first and is false when the user cancels.
    bool Print(QPrinter& printer);
    void PrintPreview(QPrinter& printer);
    void ExportPicture();

    // The picture of the last drawing, without the rubber band.
    const QImage& Picture() const { return picture_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // ViewWindow: the core asks for a new drawing and measures the window.
    void Invalidate() override;
    Rect ClientRect() const override;

    // Draws the picture anew; returns the warnings of its drawings.
    PlotWarnings RenderPicture();
    // Fills a menu with the plot's commands; the context menu is the Plot menu's content.
    void FillPlotMenu(QMenu& menu);

    CGraph& view_;
    QImage picture_;
    QSize pictureSize_;  // the window's size when the picture was drawn
    bool pictureCurrent_ = false;
    bool rendering_ = false;
    bool spaceHeld_ = false;  // Space turns a left drag into a pan
};

}  // namespace tapwright::gui
