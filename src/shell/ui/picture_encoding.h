#pragma once

#include <QByteArray>

#include <functional>

class QImage;
class QPainter;
class QSize;
class QString;

namespace ttl {

// Pictures encoded in memory, so that the file writer gets them whole or not at all. Empty when
// the picture cannot be encoded.
QByteArray EncodePng(const QImage& image, int quality = -1);
QByteArray EncodeSvg(QSize size, const QString& title, const std::function<void(QPainter&)>& paint);

} // namespace ttl
