#include "gui/platform/QtClipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

#include <memory>

#include "gui/platform/CoreText.h"
#include "gui/platform/QtDrawContext.h"
#include "gui/platform/QtUserInterface.h"

namespace tapwright::gui {

void QtClipboard::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
}

void QtClipboard::SetPicture(int width, int height, const std::function<void(DrawContext&)>& draw) {
    if (width <= 0 || height <= 0) {
        return;
    }
    // The status texts of these drawings, like those of a window's paint, leave a command's
    // result in the status line.
    QByteArray svg;
    QImage image;
    {
        const QtUserInterface::PaintScope drawing;
        svg = DrawSvg(width, height, draw);
        image = DrawImage(width, height, draw);
    }
    auto offer = std::make_unique<QMimeData>();
    offer->setData(kSvgMimeType, svg);
    // An image too large for memory is left out; the vector picture still goes.
    if (!image.isNull()) {
        QByteArray png;
        QBuffer pngBuffer(&png);
        pngBuffer.open(QIODevice::WriteOnly);
        image.save(&pngBuffer, "PNG");
        offer->setData(kPngMimeType, png);
        offer->setImageData(image);
    }
    QGuiApplication::clipboard()->setMimeData(offer.release());
}

QByteArray QtClipboard::DrawSvg(int width, int height,
                                const std::function<void(DrawContext&)>& draw) {
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setTitle("Copy");
    generator.setDescription("Lumen Plot");
    QPainter painter(&generator);
    QtDrawContext dc(painter, DrawDevice::Picture);
    draw(dc);
    painter.end();
    return svg;
}

QImage QtClipboard::DrawImage(int width, int height,
                              const std::function<void(DrawContext&)>& draw) {
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    image.fill(Qt::white);
    QPainter painter(&image);
    QtDrawContext dc(painter, DrawDevice::Picture);
    draw(dc);
    painter.end();
    return image;
}

}  // namespace tapwright::gui
