#include "gui/platform/QtClipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/DrawContext.h"

namespace tapwright {
namespace {

using gui::QtClipboard;

class QtClipboardTest : public testing::Test {
protected:
    const QMimeData& Offered() const { return *QGuiApplication::clipboard()->mimeData(); }

    QtClipboard clipboard;
};

TEST_F(QtClipboardTest, TextGoesOnAsPlainTextUnchanged) {
    clipboard.SetText("  0.500000000\t -1.250000000\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "  0.500000000\t -1.250000000\r\n");
}

TEST_F(QtClipboardTest, PictureIsOfferedAsSvgAndPngEachDrawnByTheCore) {
    std::vector<Size> devices;
    clipboard.SetPicture(200, 100, [&](DrawContext& dc) {
        devices.push_back(dc.Resolution());
        EXPECT_FALSE(dc.IsPrinting());
        dc.SelectPen({PenStyle::Solid, 3, Rgb(255, 0, 0), false});
        dc.MoveTo({10, 50});
        dc.LineTo({190, 50});
    });
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0], (Size{200, 100}));
    EXPECT_EQ(devices[1], (Size{200, 100}));

    ASSERT_TRUE(Offered().hasFormat(QtClipboard::kSvgMimeType));
    const QString svg = QString::fromUtf8(Offered().data(QtClipboard::kSvgMimeType));
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 200 100\""));
    EXPECT_TRUE(svg.contains("#ff0000"));

    ASSERT_TRUE(Offered().hasFormat(QtClipboard::kPngMimeType));
    QImage png;
    ASSERT_TRUE(png.loadFromData(Offered().data(QtClipboard::kPngMimeType), "PNG"));
    EXPECT_EQ(png.size(), QSize(200, 100));
    EXPECT_EQ(png.pixelColor(100, 50), QColor(255, 0, 0));
    EXPECT_EQ(png.pixelColor(100, 10), QColor(Qt::white));
}

TEST_F(QtClipboardTest, PictureWithoutAreaLeavesTheClipboardAlone) {
    clipboard.SetText("kept");
    bool drawn = false;
    clipboard.SetPicture(0, 100, [&](DrawContext&) { drawn = true; });
    EXPECT_FALSE(drawn);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
}

}  // namespace
}  // namespace tapwright
