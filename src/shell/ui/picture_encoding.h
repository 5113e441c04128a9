#pragma once

#include <QByteArray>

#include <functional>

class QImage;
class QPainter;
class QPrinter;
class QSize;
class QString;

namespace ttl {

// Pictures encoded in memory, so that the file writer gets them whole or not at all. Empty when
// the picture cannot be encoded.
QByteArray EncodePng(const QImage& image, int quality = -1);
QByteArray EncodeSvg(QSize size, const QString& title, const std::function<void(QPainter&)>& paint);

// Paints a picture of `size` logical pixels on one page, as large as the page allows with its
// proportions kept, centred, its lines and texts as the screen shows them scaled alike. False
// when the printer (or its file) cannot be opened.
bool PrintPicture(QPrinter& printer, QSize size, const std::function<void(QPainter&)>& paint);

} // namespace ttl
