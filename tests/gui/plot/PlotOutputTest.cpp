#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "gui/GuiTestSupport.h"
#include "gui/plot/PictureExport.h"
#include "gui/plot/PlotPrinting.h"
#include "gui/plot/PlotWidget.h"
#include "gui/plot/PlotWidgetTestSupport.h"
#include "plot/FirPlot.h"

namespace tapwright {
namespace {

using gui::PictureFormat;
using gui::PictureRequest;

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PlotOutputTest : public testing::Test {
protected:
    PlotOutputTest() : widget(plot) {
        test::DesignLowpass(filter);
        widget.resize(640, 420);
        widget.show();
        plot.OnUpdate(nullptr, hint::kOpenResponse + 16 * 4, &filter);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
        widget.repaint();
    }

    // After an output the window has its own layout back once it has drawn again.
    void ExpectWindowRestored() {
        EXPECT_EQ(plot.GetClientRect(), (Rect{0, 0, 640, 420}));
        widget.repaint();
        EXPECT_LT(plot.Layout().left + plot.Layout().width, 640);
        EXPECT_FALSE(plot.Series().IsEmpty());
    }

    QTemporaryDir directory;
    test::FakeUserInterface ui;
    CFirData filter;
    CFirPlot plot;
    gui::PlotWidget widget;
};

TEST_F(PlotOutputTest, PngIsThePlotDrawnAtTheChosenSize) {
    const QString path = directory.filePath("plot.png");
    ASSERT_EQ(gui::WritePlotPicture(plot, {path, PictureFormat::Png, 1200, 800}).failure,
              QString());
    const QImage image(path);
    ASSERT_EQ(image.size(), QSize(1200, 800));
    // Laid out on the whole picture, not on the window's part of it.
    const QRect ink = test::InkBounds(image);
    EXPECT_GT(ink.right(), 1100);
    EXPECT_GT(ink.bottom(), 700);
    ExpectWindowRestored();
}

TEST_F(PlotOutputTest, SvgAndPdfCarryThePictureSize) {
    const QString svg = directory.filePath("plot.svg");
    ASSERT_EQ(gui::WritePlotPicture(plot, {svg, PictureFormat::Svg, 900, 500}).failure, QString());
    EXPECT_TRUE(Contents(svg).contains("viewBox=\"0 0 900 500\""));
    EXPECT_TRUE(Contents(svg).contains("Inphase Filter Frequency Response"));

    const QString pdf = directory.filePath("plot.pdf");
    ASSERT_EQ(gui::WritePlotPicture(plot, {pdf, PictureFormat::Pdf, 900, 500}).failure, QString());
    const QByteArray document = Contents(pdf);
    EXPECT_TRUE(document.startsWith("%PDF"));
    EXPECT_TRUE(QString::fromLatin1(document).contains(
        QRegularExpression("/MediaBox \\[0 0 900(\\.0+)? 500(\\.0+)?\\]")));
    ExpectWindowRestored();
}

TEST_F(PlotOutputTest, PictureThatCannotBeWrittenLeavesTheOldFileAndSaysWhy) {
    const QString path = directory.filePath("kept.png");
    {
        QFile kept(path);
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
        kept.write("old");
    }
    EXPECT_NE(gui::WritePlotPicture(plot, {path, PictureFormat::Png, 20, 800}).failure, QString());
    EXPECT_EQ(Contents(path), "old");
    EXPECT_NE(gui::WritePlotPicture(
                  plot, {directory.filePath("missing/plot.png"), PictureFormat::Png, 640, 420})
                  .failure,
              QString());
    ExpectWindowRestored();
}

TEST_F(PlotOutputTest, PictureHandsTheWarningsOfItsDrawingToTheCaller) {
    // Manual X labels every 12 kHz with a grid on tics every kHz: too many grid lines.
    plot.XAxis().automatic = false;
    plot.XAxis().labelSpacing = 12.0;
    plot.XAxis().ticSpacing = 1.0;
    plot.XAxis().gridMode = GridMode::OnTicMarks;
    plot.OnAxisEdited(AxisId::X);
    const gui::PictureOutcome outcome =
        gui::WritePlotPicture(plot, {directory.filePath("grid.png"), PictureFormat::Png, 640, 420});
    EXPECT_EQ(outcome.failure, QString());
    EXPECT_EQ(outcome.warnings.Items(),
              (std::vector<PlotWarning>{
                  {"Tic increment will result in too many tics.\nTwo tics per label will be made.",
                   MessageIcon::None}}));
    EXPECT_TRUE(ui.Messages().empty()) << "the caller shows them";
}

TEST_F(PlotOutputTest, PrintingDrawsOnePageAtThePrintersResolution) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = directory.filePath("printed.pdf");
    printer.setOutputFileName(path);
    ASSERT_TRUE(gui::PrintPlot(plot, printer));

    // The plot was laid out across the page, far wider than the window.
    EXPECT_GT(plot.Layout().width, 2000);
    const QByteArray document = Contents(path);
    EXPECT_EQ(QString::fromLatin1(document).count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
    ExpectWindowRestored();
}

}  // namespace
}  // namespace tapwright
