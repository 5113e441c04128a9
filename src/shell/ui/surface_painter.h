#pragma once

#include "shell/surface.h"

#include <QSizeF>

#include <cstddef>
#include <vector>

class QImage;
class QPainter;
class QSize;
class QString;

namespace ttl {

// Paints primitives first..last (exclusive; by default to the end) of the surface's display list,
// each through the world window it was drawn with, onto a device of `size` logical pixels.
// Primitives drawn through a degenerate world window are skipped; nothing non-finite reaches the
// painter.
void PaintPrimitives(QPainter& painter, const std::vector<Primitive>& list, std::size_t first,
                     QSizeF size, std::size_t last = static_cast<std::size_t>(-1));

// An image of `size` logical pixels filled with the surface's background colour.
QImage BlankImage(const Surface& surface, QSize size, qreal devicePixelRatio);

// The background colour, the whole display list and the transient layer over it.
void PaintSurface(QPainter& painter, const Surface& surface, QSizeF size);

// The surface as an image of `size` logical pixels at the given device pixel ratio.
QImage RenderSurface(const Surface& surface, QSize size, qreal devicePixelRatio);

// Writes the surface as PNG or SVG, chosen by the file name's suffix. Returns false when the file
// cannot be written.
bool SaveSurface(const Surface& surface, QSize size, const QString& path);

} // namespace ttl
