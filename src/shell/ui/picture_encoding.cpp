#include "shell/ui/picture_encoding.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
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

} // namespace ttl
