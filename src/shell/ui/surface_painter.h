#pragma once

#include "shell/surface.h"
#include "shell/ui/file_writing.h"

#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>
#include <string>

#include <cstddef>
#include <vector>

class QPainter;
class QPrinter;
class QSize;
class QString;

namespace ttl {

// The part of segment a-b inside `rect`, with where it starts as a fraction of a-b (so that a
// dashed line keeps its pattern's phase); nothing when the segment misses the rectangle.
struct ClippedSegment {
    QLineF line;
    double startFraction = 0.0;
};
std::optional<ClippedSegment> ClipSegment(QPointF a, QPointF b, const QRectF& rect);

// Whether a circle (its outline, or its disc when filled) can touch the rectangle: false when it
// lies wholly outside, or an outline wholly encloses the rectangle.
bool CircleMayShow(QPointF centre, double radius, bool filled, const QRectF& rect);

// Paints primitives first..last (exclusive; by default to the end) of the surface's display list,
// each through the world window it was drawn with, onto a device of `size` logical pixels.
// Primitives drawn through a degenerate world window are skipped; nothing non-finite reaches the
// painter.
void PaintPrimitives(QPainter& painter, const std::vector<Primitive>& list, std::size_t first,
                     QSizeF size, std::size_t last = static_cast<std::size_t>(-1));

// The pixels that primitives first..last (exclusive) can touch on a device of `size` logical
// pixels, generously: strokes, caps and antialiasing included, arcs as whole circles. Empty when
// none of them shows.
QRectF PrimitivesBounds(const std::vector<Primitive>& list, std::size_t first, QSizeF size,
                        std::size_t last = static_cast<std::size_t>(-1));

// A text's size as the painter draws it, on the screen; views install it as their surface's
// text measure.
TextExtent MeasureText(const std::string& text, const Font& font);

// An image of `size` logical pixels filled with the surface's background colour.
QImage BlankImage(const Surface& surface, QSize size, qreal devicePixelRatio,
                  QImage::Format format = QImage::Format_ARGB32_Premultiplied);

// The background colour, the whole display list and the transient layer over it.
void PaintSurface(QPainter& painter, const Surface& surface, QSizeF size);

// The surface as an image of `size` logical pixels at the given device pixel ratio.
QImage RenderSurface(const Surface& surface, QSize size, qreal devicePixelRatio);

// The longer side of an exported picture, at most.
inline constexpr double MaxExportPixels = 4096.0;
// Qt's PNG quality: 0 is the smallest file, 100 no compression.
inline constexpr int PngQuality = 80;

// The surface shown at `size` as an SVG drawing: its lines as lines and its texts as texts.
QByteArray EncodeSurfaceSvg(const Surface& surface, QSize size, const QString& title);

// Writes the surface as PNG or SVG, chosen by the file name's suffix.
WriteResult SaveSurface(const Surface& surface, QSize size, const QString& path);

// The surface shown at `size`, as vectors on one page fitted to it. False when the printer
// cannot be opened.
bool PrintSurface(const Surface& surface, QSize size, QPrinter& printer);

} // namespace ttl
