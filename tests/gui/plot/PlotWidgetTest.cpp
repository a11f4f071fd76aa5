#include "gui/plot/PlotWidget.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "design/LumenData.h"
#include "fileio/DataFormat.h"
#include "gui/platform/QtUserInterface.h"
#include "gui/plot/PlotWidgetTestSupport.h"
#include "platform/FileDlg.h"
#include "plot/FirPlot.h"
#include "plot/Graph.h"
#include "plot/PlotExport.h"

namespace tapwright {
namespace {

using test::DragLeftTo;
using test::PressLeft;
using test::ReleaseLeft;

constexpr std::uint32_t kOpenMagnitude = hint::kOpenResponse + 16 * 4;

// The pixels where two pictures of the same size differ.
std::vector<QPoint> DifferingPixels(const QImage& a, const QImage& b) {
    std::vector<QPoint> differing;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            if (a.pixelColor(x, y) != b.pixelColor(x, y)) {
                differing.emplace_back(x, y);
            }
        }
    }
    return differing;
}

// The item of a menu tree at a path of item texts, mnemonics included.
QAction* Item(QMenu& menu, const QStringList& path) {
    QMenu* current = &menu;
    for (qsizetype i = 0; i < path.size(); ++i) {
        QAction* found = nullptr;
        for (QAction* action : current->actions()) {
            if (action->text() == path[i]) {
                found = action;
            }
        }
        if (found == nullptr) {
            ADD_FAILURE() << "no item " << path[i].toStdString();
            return nullptr;
        }
        if (i + 1 == path.size()) {
            return found;
        }
        current = found->menu();
        emit current->aboutToShow();
    }
    return nullptr;
}

QStringList Texts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator()) {
            texts << action->text();
        }
    }
    return texts;
}

long Count(const std::vector<std::string>& texts, const std::string& text) {
    return std::count(texts.begin(), texts.end(), text);
}

class PlotWidgetTest : public testing::Test {
protected:
    PlotWidgetTest() : widget(plot) {
        test::DesignLowpass(filter);
        widget.resize(640, 420);
        widget.show();
        plot.OnUpdate(nullptr, kOpenMagnitude, &filter);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
        widget.repaint();
    }

    // A point of the plot area, at fractions of its width and height from its top left.
    QPoint At(double across, double down) const {
        const PlotLayout& area = plot.Layout();
        return {area.left + static_cast<int>(across * area.width),
                area.bottom - area.height + static_cast<int>(down * area.height)};
    }

    QImage Shown() { return widget.grab().toImage(); }

    QAction& PlotMenuItem(const QStringList& path) {
        QMenu* menu = widget.CreatePlotMenu();
        emit menu->aboutToShow();
        QAction* item = Item(*menu, path);
        if (item == nullptr) {
            throw std::runtime_error("missing menu item");
        }
        return *item;
    }

    test::DesktopClipboardUi ui;
    CFirData filter;
    CFirPlot plot;
    gui::PlotWidget widget;
};

TEST_F(PlotWidgetTest, DragAcrossTheResponseShowsTheRectangleThenZoomsToIt) {
    PressLeft(widget, At(0.2, 0.3));
    DragLeftTo(widget, At(0.5, 0.5));
    DragLeftTo(widget, At(0.6, 0.7));

    // The rectangle is painted over the picture, and nothing else is.
    const Rect band = plot.RubberBand().CurrentRectangle();
    const std::vector<QPoint> marks = DifferingPixels(Shown(), widget.Picture());
    ASSERT_FALSE(marks.empty());
    for (const QPoint& p : marks) {
        const bool onOutline =
            p.x() == band.left || p.x() == band.right || p.y() == band.top || p.y() == band.bottom;
        ASSERT_TRUE(onOutline) << p.x() << "," << p.y();
    }

    const double firstColumnFrequency = plot.PixelToX(At(0.2, 0.3).x());
    ReleaseLeft(widget, At(0.6, 0.7));
    widget.repaint();
    EXPECT_EQ(ui.StatusTexts().back(), "Zoom Level 1 of 1");
    EXPECT_NEAR(plot.XState().minimum, firstColumnFrequency, 0.5);
    EXPECT_LT(plot.XState().maximum, 24.0);
    // The marks went with the drag.
    EXPECT_TRUE(DifferingPixels(Shown(), widget.Picture()).empty());
}

TEST_F(PlotWidgetTest, WheelZoomsAboutThePointerAndMiddleDragPans) {
    const QPoint pointer = At(0.25, 0.5);
    const double frequency = plot.PixelToX(pointer.x());
    const double fullWidth = plot.XState().maximum - plot.XState().minimum;
    QWheelEvent wheel(QPointF(pointer), QPointF(widget.mapToGlobal(pointer)), QPoint(),
                      QPoint(0, 240), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &wheel);
    widget.repaint();
    // Labels that change their width with the view may leave it a pixel or two off.
    const double pixel =
        3.0 * (plot.XState().maximum - plot.XState().minimum) / plot.Layout().width;
    EXPECT_NEAR(plot.PixelToX(pointer.x()), frequency, pixel);
    EXPECT_NEAR(plot.XState().maximum - plot.XState().minimum, fullWidth * 0.64, 1e-9);
    EXPECT_TRUE(plot.YAxis().automatic);  // Ctrl: the X axis only
    EXPECT_EQ(ui.StatusTexts().back(), "Zoom Level 1 of 1");

    const QPoint from = At(0.5, 0.5);
    const QPoint to = At(0.3, 0.5);
    const double grabbed = plot.PixelToX(from.x());
    test::SendMouse(widget, QEvent::MouseButtonPress, from, Qt::MiddleButton, Qt::MiddleButton);
    test::SendMouse(widget, QEvent::MouseMove, to, Qt::NoButton, Qt::MiddleButton);
    test::SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::MiddleButton, Qt::NoButton);
    widget.repaint();
    EXPECT_NEAR(plot.PixelToX(to.x()), grabbed, pixel);
    EXPECT_EQ(ui.StatusTexts().back(), "Zoom Level 2 of 2");

    QTest::keyClick(&widget, Qt::Key_Home);
    widget.repaint();
    EXPECT_DOUBLE_EQ(plot.XState().maximum - plot.XState().minimum, fullWidth);
    plot.NavigateZoom(ZoomMove::Out);  // back to the view the pan left
    widget.repaint();
    EXPECT_NEAR(plot.PixelToX(to.x()), grabbed, pixel);
}

TEST_F(PlotWidgetTest, ClickReadsOutTheResponseAndLeavesAMarkerOnTheColumn) {
    const QPoint click = At(0.25, 0.5);
    PressLeft(widget, click);
    ReleaseLeft(widget, click);
    const std::string readout = ui.StatusTexts().back();
    EXPECT_EQ(readout.rfind("At ", 0), 0u) << readout;
    EXPECT_NE(readout.find(" kHz, Inphase filter gain is "), std::string::npos) << readout;
    EXPECT_TRUE(readout.ends_with(" dB.")) << readout;

    const std::vector<QPoint> marks = DifferingPixels(Shown(), widget.Picture());
    ASSERT_FALSE(marks.empty());
    const int column = plot.RubberBand().VerticalMarkers()[0];
    for (const QPoint& p : marks) {
        ASSERT_EQ(p.x(), column);
    }
}

TEST_F(PlotWidgetTest, PictureIsDrawnAgainOnlyWhenTheViewOrTheSizeAsks) {
    const auto drawings = [&] { return Count(ui.StatusTexts(), "Drawing..."); };
    const long first = drawings();
    widget.repaint();
    widget.update();
    QApplication::processEvents();
    EXPECT_EQ(drawings(), first);

    const std::int32_t columns = plot.Series().x.GetSize();
    widget.resize(900, 420);
    widget.repaint();
    EXPECT_EQ(drawings(), first + 1);
    EXPECT_EQ(widget.Picture().size(), QSize(900, 420));
    // One frequency per pixel column of the wider plot.
    EXPECT_GT(plot.Series().x.GetSize(), columns + 200);

    plot.OnSelection(ChannelSelection::Quadrature);
    widget.repaint();
    EXPECT_EQ(drawings(), first + 2);
}

TEST_F(PlotWidgetTest, PlotMenuFollowsTheCommandTableAndRunsItsCommands) {
    QMenu* menu = widget.CreatePlotMenu();
    EXPECT_EQ(menu->title(), "&Plot");
    EXPECT_EQ(Texts(*menu),
              (QStringList{"Filter", "Response", "Style", "Axis", "Tit&les...", "Font...",
                           "&Properties...", "Zoom &Next", "Zoom &Out", "Zoom &In", "Zoom &Top",
                           "Zoom &Bottom", "Copy Image\tCtrl+C", "Copy Data", "&Write Data...",
                           "Export &Picture..."}));

    emit menu->aboutToShow();
    EXPECT_FALSE(Item(*menu, {"Zoom &Out"})->isEnabled());
    EXPECT_TRUE(Item(*menu, {"Response", "&Magnitude"})->isChecked());
    EXPECT_FALSE(Item(*menu, {"Response", "&Phase"})->isChecked());

    Item(*menu, {"Response", "&Phase"})->trigger();
    widget.repaint();
    EXPECT_EQ(plot.DisplayKind(), PlotType::ComplexPhase);
    EXPECT_EQ(plot.Titles().y, "Phase in Degrees");
    EXPECT_TRUE(Item(*menu, {"Response", "&Phase"})->isChecked());
    EXPECT_FALSE(Item(*menu, {"Response", "&Magnitude"})->isChecked());
}

TEST_F(PlotWidgetTest, CopyDataPutsOneTabSeparatedLinePerPointOnTheClipboard) {
    PlotMenuItem({"Copy Data"}).trigger();
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_EQ(text.toStdString(), PlotDataText(plot));
    const QStringList lines = text.split("\r\n", Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), plot.Series().x.GetSize());
    EXPECT_EQ(lines.front().count('\t'), 1);
}

TEST_F(PlotWidgetTest, CopyImageOffersTheWindowPictureAsSvgAndPng) {
    const QImage onScreen = widget.Picture();
    PlotMenuItem({"Copy Image\tCtrl+C"}).trigger();

    const QMimeData& offered = *QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(offered.hasFormat(gui::QtClipboard::kSvgMimeType));
    const QString svg = QString::fromUtf8(offered.data(gui::QtClipboard::kSvgMimeType));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 640 420\""));
    EXPECT_TRUE(svg.contains("Magnitude in dB"));

    ASSERT_TRUE(offered.hasFormat(gui::QtClipboard::kPngMimeType));
    QImage png;
    ASSERT_TRUE(png.loadFromData(offered.data(gui::QtClipboard::kPngMimeType), "PNG"));
    ASSERT_EQ(png.size(), onScreen.size());
    EXPECT_TRUE(DifferingPixels(png, onScreen).empty());

    // The window draws itself anew after the copy.
    widget.repaint();
    EXPECT_FALSE(plot.Series().IsEmpty());
}

TEST_F(PlotWidgetTest, WriteDataWritesAFileThatThePlotTextFormatReadsBack) {
    QTemporaryDir directory;
    const std::string path = directory.filePath("response.plt").toStdString();
    ui.ExpectDialog<CFileDlg>([&](CFileDlg& dialog) {
        EXPECT_EQ(dialog.mode, FileDlgMode::Save);
        dialog.chosenPath = path;
        return true;
    });
    ui.ExpectMessage("Write titles to file?", MessageResult::Yes);
    PlotMenuItem({"&Write Data..."}).trigger();

    CLumenData read;
    CDataFormat format;
    format.SelectFormat("Text:Plot");
    ASSERT_EQ(read.ReadFile(format, path, 0), 1);
    EXPECT_EQ(format.PlotTitles().mainTitle, "Inphase Filter Frequency Response");
    EXPECT_EQ(format.PlotTitles().yTitle, "Magnitude in dB");
    EXPECT_EQ(format.PlotTitles().xTitle, "Frequency in kHz");
    const CDoubleArray& levels = plot.Series().y;
    ASSERT_EQ(read.GetColumn(0).GetNumPoints(), levels.GetSize());
    for (std::int32_t i = 0; i < levels.GetSize(); ++i) {
        // Six significant digits, as the file writes them.
        ASSERT_NEAR(read.GetColumn(0).GetAt(i), levels[i],
                    1e-5 * std::max(1.0, std::fabs(levels[i])));
    }
}

// Closes every message box that opens while it lives, and counts them.
class MessageBoxCloser {
public:
    MessageBoxCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++closed_;
                box->done(QMessageBox::Ok);
            }
        });
        timer_.start(10);
    }
    int Closed() const { return closed_; }

private:
    QTimer timer_;
    int closed_ = 0;
};

// Manual X labels every 12 kHz with a grid on tics every kHz: too many grid lines, which
// every drawing reports.
void AskForTooManyGridLines(CFirPlot& plot) {
    plot.XAxis().automatic = false;
    plot.XAxis().labelSpacing = 12.0;
    plot.XAxis().ticSpacing = 1.0;
    plot.XAxis().gridMode = GridMode::OnTicMarks;
    plot.OnAxisEdited(AxisId::X);
}

TEST_F(PlotWidgetTest, MessageOfADrawingComesOnceAndTheExposeAfterItDrawsNothing) {
    gui::QtUserInterface desktop;
    const ScopedUserInterface installed(desktop);
    MessageBoxCloser closer;

    AskForTooManyGridLines(plot);
    widget.repaint();
    EXPECT_EQ(closer.Closed(), 0) << "no box opens inside the paint";
    QApplication::processEvents();
    EXPECT_EQ(closer.Closed(), 1);

    // The box has gone; the plot under it is exposed again and shows its picture.
    widget.repaint();
    QApplication::processEvents();
    EXPECT_EQ(closer.Closed(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(PlotWidgetTest, WindowsPaintedTogetherShowAWarningTheyShareOnce) {
    CFirPlot otherPlot;
    gui::PlotWidget other(otherPlot);
    other.resize(640, 420);
    other.show();
    otherPlot.OnUpdate(nullptr, kOpenMagnitude, &filter);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));

    gui::QtUserInterface desktop;
    const ScopedUserInterface installed(desktop);
    MessageBoxCloser closer;
    AskForTooManyGridLines(plot);
    AskForTooManyGridLines(otherPlot);
    widget.repaint();
    other.repaint();
    QApplication::processEvents();
    EXPECT_EQ(closer.Closed(), 1);
}

TEST(GraphPlotWidgetTest, RightClickOpensTheContextMenuWithTheTypesFirstAndErasesTheMarks) {
    test::FakeUserInterface ui;
    CLumenData signal;
    for (int i = 0; i < 64; ++i) {
        signal.Inphase().Add(std::sin(i * 0.3));
        signal.Quadrature().Add(std::cos(i * 0.3));
    }
    signal.SetReal(false);
    CGraph graph;
    gui::PlotWidget widget(graph);
    widget.resize(500, 360);
    widget.show();
    graph.OnUpdate(nullptr, hint::kShowChannel + 16 * 3, &signal);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    widget.repaint();
    const PlotLayout& area = graph.Layout();
    const QPoint inside(area.left + area.width / 3, area.bottom - area.height / 2);
    PressLeft(widget, inside);
    ReleaseLeft(widget, inside);
    ASSERT_NE(graph.RubberBand().VerticalMarkers()[0], CRubberBand::kNone);

    QStringList shown;
    QTimer::singleShot(50, [&] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            shown = Texts(*popup);
            popup->close();
        }
    });
    QContextMenuEvent request(QContextMenuEvent::Mouse, inside, widget.mapToGlobal(inside));
    QApplication::sendEvent(&widget, &request);

    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.front(), "Type");
    EXPECT_EQ(shown.back(), "Export &Picture...");
    EXPECT_EQ(graph.RubberBand().VerticalMarkers()[0], CRubberBand::kNone);
}

}  // namespace
}  // namespace tapwright
