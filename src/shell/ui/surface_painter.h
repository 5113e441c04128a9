#pragma once

#include "shell/surface.h"
#include "shell/ui/file_writing.h"
#include "shell/ui/surface_geometry.h"
#include "shell/ui/text_measure.h"

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

// Paints primitives first..last (exclusive; by default to the end) of the surface's display list,
// each through the world window it was drawn with, onto a device of `size` logical pixels.
// Primitives drawn through a degenerate world window are skipped; nothing non-finite reaches the
// painter.
void PaintPrimitives(QPainter& painter, const std::vector<Primitive>& list, std::size_t first,
                     QSizeF size, std::size_t last = static_cast<std::size_t>(-1));

// Paints, of the whole list, only the primitives whose reach (from PrimitiveReaches) touches
// `part`: a refresh painted one rectangle at a time leaves out what lies elsewhere.
void PaintPrimitivesOver(QPainter& painter, const std::vector<Primitive>& list, QSizeF size,
                         const std::vector<QRect>& reaches, const QRect& part);

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
