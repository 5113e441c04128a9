#include "shell/ui/picture_encoding.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QSize>
#include <QString>
#include <QSvgGenerator>

namespace ttl {

QByteArray EncodePng(const QImage& image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(quality);
    return writer.write(image) ? bytes : QByteArray();
}

QByteArray EncodeSvg(QSize size, const QString& title, const std::function<void(QPainter&)>& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(96);
    generator.setTitle(title);
    QPainter painter;
    if (!painter.begin(&generator)) {
        return {};
    }
    paint(painter);
    return painter.end() ? bytes : QByteArray();
}

bool PrintPicture(QPrinter& printer, QSize size, const std::function<void(QPainter&)>& paint)
{
    // Fonts are sized for the printer's resolution and then scaled with the drawing; at the
    // screen's resolution they keep their size beside the lines, as in the window.
    const QScreen* screen = QGuiApplication::primaryScreen();
    printer.setResolution(screen != nullptr ? qRound(screen->logicalDotsPerInch()) : 96);
    QPainter painter;
    if (size.isEmpty() || !painter.begin(&printer)) {
        return false;
    }
    const QRect page = painter.viewport();
    const QSize fitted = size.scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(QRect(page.topLeft() + QPoint((page.width() - fitted.width()) / 2,
                                                      (page.height() - fitted.height()) / 2),
                              fitted));
    painter.setWindow(QRect(QPoint(0, 0), size));
    paint(painter);
    return painter.end();
}

} // namespace ttl
