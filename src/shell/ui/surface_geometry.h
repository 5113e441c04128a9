#pragma once

#include "shell/surface.h"

#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QRegion>
#include <QSizeF>

#include <cmath>
#include <cstddef>
#include <optional>
#include <vector>

class QPaintDevice;

namespace ttl {

// Coordinates beyond this many pixels are clipped before painting; far larger values overflow
// the raster engine's fixed-point arithmetic.
inline constexpr double PixelLimit = 1.0e5;

// From the world window a primitive was drawn through to the logical pixels of a device.
class WorldToPixels {
public:
    WorldToPixels(const WorldWindow& window, QSizeF size) : m_window(window), m_size(size) {}

    [[nodiscard]] QPointF Map(double x, double y) const
    {
        return {(x - m_window.left) / m_window.width * m_size.width(),
                (y - m_window.top) / m_window.height * m_size.height()};
    }

    [[nodiscard]] double HorizontalLength(double length) const
    {
        return std::abs(length / m_window.width * m_size.width());
    }

    // Angles are counter-clockwise in world coordinates; a mirrored axis reverses them on screen.
    [[nodiscard]] bool KeepsOrientation() const
    {
        return (m_window.width > 0.0) == (m_window.height < 0.0);
    }

private:
    WorldWindow m_window;
    QSizeF m_size;
};

// From this radius in pixels on, a ring is stroked, and asked to be painted again, piece by
// piece: a smaller one's box is cheaper.
inline constexpr double LargeRingRadius = 64.0;

bool IsFinite(QPointF p);
bool WithinLimit(QPointF p);
// What a stroke of this width can reach beyond its geometry: half the width, a round cap and a
// pixel of antialiasing.
double StrokeMargin(int width);
QRectF Widened(const QRectF& rect, double margin);

QFont ToQFont(const Font& font);
// Where a text's box lies when its top-left corner is at `at`, measured on `device` (the screen
// when null).
QRectF TextBox(const Primitive& p, QPointF at, const QPaintDevice* device);

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

// The pixels each primitive can touch on a device of `size` logical pixels, generously
// (strokes, caps and antialiasing included, arcs as whole circles) and cut to the device: one
// rectangle per primitive, empty for one that does not show.
std::vector<QRect> PrimitiveReaches(const std::vector<Primitive>& list, QSizeF size);

// The same pixels for primitives first..last (exclusive) as one region, more tightly: a long
// slanted line or a large circle's outline is covered piece by piece, so that a turning radius
// asks for a strip to be painted again rather than its whole bounding box.
QRegion PrimitivesRegion(const std::vector<Primitive>& list, std::size_t first, QSizeF size,
                         std::size_t last = static_cast<std::size_t>(-1));

// The region as fewer, larger rectangles: two are joined while their bounding box covers at
// most `slack` pixels that neither did. Each rectangle of a refresh costs a paint and a copy to
// the screen of its own; a few pixels more cost less.
QRegion Coalesced(const QRegion& region, int slack);

} // namespace ttl
