#include "shell/ui/surface_geometry.h"

#include "shell/drawing_scale.h"
#include "shell/ui/text_measure.h"

#include <QFontMetricsF>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <numbers>

namespace ttl {

bool IsFinite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

bool WithinLimit(QPointF p)
{
    return std::abs(p.x()) <= PixelLimit && std::abs(p.y()) <= PixelLimit;
}

double StrokeMargin(int width)
{
    return ScaledPenWidth(width) + 2.0;
}

QRectF Widened(const QRectF& rect, double margin)
{
    return rect.adjusted(-margin, -margin, margin, margin);
}

QFont ToQFont(const Font& font)
{
    QFont qfont;
    // The requested family first; a serif or sans fallback with Greek glyphs follows.
    qfont.setFamilies({QString::fromStdString(font.name), QStringLiteral("DejaVu Sans")});
    qfont.setPointSizeF(font.size * DrawingScale());
    qfont.setBold(font.bold);
    return qfont;
}

QRectF TextBox(const Primitive& p, QPointF at, const QPaintDevice* device)
{
    if (device == nullptr) {
        const TextExtent extent = MeasureText(p.text, p.font);
        return {at, QSizeF(extent.width, extent.height)};
    }
    const QFontMetricsF metrics(ToQFont(p.font), device);
    return {at,
            QSizeF(metrics.horizontalAdvance(QString::fromStdString(p.text)), metrics.height())};
}

std::optional<ClippedSegment> ClipSegment(QPointF a, QPointF b, const QRectF& rect)
{
    // Liang-Barsky: the parameter range of a + t (b - a) inside each of the four edges.
    double t0 = 0.0;
    double t1 = 1.0;
    const double d[2] = {b.x() - a.x(), b.y() - a.y()};
    const double start[2] = {a.x(), a.y()};
    const double low[2] = {rect.left(), rect.top()};
    const double high[2] = {rect.right(), rect.bottom()};
    for (int axis = 0; axis < 2; ++axis) {
        for (const bool upper : {false, true}) {
            const double p = upper ? d[axis] : -d[axis];
            const double q = upper ? high[axis] - start[axis] : start[axis] - low[axis];
            if (p == 0.0) {
                if (q < 0.0) {
                    return std::nullopt; // parallel to this edge and outside it
                }
                continue;
            }
            const double t = q / p;
            if (p < 0.0) {
                t0 = std::max(t0, t);
            } else {
                t1 = std::min(t1, t);
            }
        }
    }
    if (t0 > t1) {
        return std::nullopt;
    }
    return ClippedSegment{QLineF(a + t0 * (b - a), a + t1 * (b - a)), t0};
}

bool CircleMayShow(QPointF centre, double radius, bool filled, const QRectF& rect)
{
    const double nearX = std::clamp(centre.x(), rect.left(), rect.right());
    const double nearY = std::clamp(centre.y(), rect.top(), rect.bottom());
    const double nearest = std::hypot(centre.x() - nearX, centre.y() - nearY);
    if (nearest > radius) {
        return false; // wholly outside the circle
    }
    if (filled) {
        return true;
    }
    double farthest = 0.0;
    for (const QPointF corner :
         {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()}) {
        farthest = std::max(farthest, QLineF(centre, corner).length());
    }
    return farthest >= radius; // else the rectangle lies inside the outline
}

namespace {

// Along a slanted line or round a circle, the refresh is asked for in pieces about this long.
constexpr double ReachPiece = 32.0;
// Pieces of one primitive, at most: a huge circle's ring is not worth thousands of rectangles.
constexpr int MaxReachPieces = 64;
// Rectangles of a region, at most: a whole graph added at once is asked for as its bounding
// box, since joining thousands of rectangles would cost more than painting it.
constexpr std::size_t MaxRegionRects = 256;

QRegion BoundingRegion(const std::vector<QRect>& rects)
{
    QRect box;
    for (const QRect& r : rects) {
        box |= r;
    }
    return box;
}

// Where one primitive can leave paint, before clipping to the picture; empty for nothing.
QRectF Reach(const Primitive& p, const WorldToPixels& map)
{
    const QPointF a = map.Map(p.x1, p.y1);
    if (!IsFinite(a)) {
        return {};
    }
    const double margin = StrokeMargin(p.width);
    switch (p.kind) {
    case PrimitiveKind::Line:
    case PrimitiveKind::FilledBox: {
        const QPointF b = map.Map(p.x2, p.y2);
        return IsFinite(b) ? Widened(QRectF(a, b).normalized(), margin) : QRectF();
    }
    case PrimitiveKind::Circle: {
        const double radius = map.HorizontalLength(p.radius);
        return std::isfinite(radius)
                   ? Widened(QRectF(a.x() - radius, a.y() - radius, 2.0 * radius, 2.0 * radius),
                             margin)
                   : QRectF();
    }
    case PrimitiveKind::Point:
        return Widened(QRectF(a, a), margin);
    case PrimitiveKind::Text:
        return Widened(TextBox(p, a, nullptr), 2.0);
    }
    return {};
}

// Adds the line's reach, cut to `visible`, as boxes around consecutive pieces of it: a piece's
// box widened by the stroke's margin holds every pixel within that margin of the piece.
void AddLinePieces(std::vector<QRect>& pieces, QPointF a, QPointF b, double margin,
                   const QRectF& visible)
{
    const auto clipped = ClipSegment(a, b, Widened(visible, margin));
    if (!clipped) {
        return;
    }
    const QLineF& line = clipped->line;
    // The waste of one box is its two short sides' product: only a slanted line is cut up.
    const double across = std::min(std::abs(line.dx()), std::abs(line.dy()));
    const int count =
        std::clamp(static_cast<int>(std::ceil(across / ReachPiece)), 1, MaxReachPieces);
    for (int i = 0; i < count; ++i) {
        const QRectF piece(line.pointAt(double(i) / count), line.pointAt(double(i + 1) / count));
        pieces.push_back((Widened(piece.normalized(), margin) & visible).toAlignedRect());
    }
}

// Adds a circle's outline as boxes around arcs of it: an arc strays from its chord by at most
// the sagitta, so the chord's box widened by that and the stroke's margin holds it.
void AddRingPieces(std::vector<QRect>& pieces, QPointF centre, double radius, double margin,
                   const QRectF& visible)
{
    const int count =
        std::clamp(static_cast<int>(std::ceil(2.0 * std::numbers::pi * radius / ReachPiece)), 4,
                   MaxReachPieces);
    const double step = 2.0 * std::numbers::pi / count;
    const double sagitta = radius * (1.0 - std::cos(step / 2.0));
    auto at = [&](int i) {
        return centre + radius * QPointF(std::cos(i * step), std::sin(i * step));
    };
    for (int i = 0; i < count; ++i) {
        pieces.push_back(
            (Widened(QRectF(at(i), at(i + 1)).normalized(), margin + sagitta) & visible)
                .toAlignedRect());
    }
}

void AddReach(std::vector<QRect>& pieces, const Primitive& p, QSizeF size)
{
    // Painting is shifted by half a pixel so that world points land on pixel centres.
    const QRectF visible(QPointF(0, 0), size);
    const WorldToPixels map(p.window, size);
    const QPointF shift(0.5, 0.5);
    const double margin = StrokeMargin(p.width);
    if (p.kind == PrimitiveKind::Line) {
        const QPointF a = map.Map(p.x1, p.y1);
        const QPointF b = map.Map(p.x2, p.y2);
        if (IsFinite(a) && IsFinite(b)) {
            AddLinePieces(pieces, a + shift, b + shift, margin, visible);
        }
        return;
    }
    if (p.kind == PrimitiveKind::Circle && !p.filled) {
        const QPointF centre = map.Map(p.x1, p.y1);
        const double radius = map.HorizontalLength(p.radius);
        if (IsFinite(centre) && std::isfinite(radius) && radius > LargeRingRadius &&
            radius < PixelLimit) {
            AddRingPieces(pieces, centre + shift, radius, margin, visible);
            return;
        }
    }
    pieces.push_back((Reach(p, map).translated(shift) & visible).toAlignedRect());
}

} // namespace

QRegion Coalesced(const QRegion& region, int slack)
{
    std::vector<QRect> rects(region.begin(), region.end());
    if (rects.size() > MaxRegionRects) {
        return BoundingRegion(rects);
    }
    const auto area = [](const QRect& r) { return long(r.width()) * r.height(); };
    bool merged = true;
    while (merged && rects.size() > 1) {
        merged = false;
        for (std::size_t i = 0; i < rects.size() && !merged; ++i) {
            for (std::size_t j = i + 1; j < rects.size() && !merged; ++j) {
                const QRect both = rects[i] | rects[j];
                if (area(both) - area(rects[i]) - area(rects[j]) <= slack) {
                    rects[i] = both;
                    rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                }
            }
        }
    }
    QRegion result;
    for (const QRect& r : rects) {
        result += r;
    }
    return result;
}

std::vector<QRect> PrimitiveReaches(const std::vector<Primitive>& list, QSizeF size)
{
    const QRectF visible(QPointF(0, 0), size);
    std::vector<QRect> reaches;
    reaches.reserve(list.size());
    for (const Primitive& p : list) {
        reaches.push_back(
            p.window.IsDrawable()
                ? (Reach(p, WorldToPixels(p.window, size)).translated(0.5, 0.5) & visible)
                      .toAlignedRect()
                : QRect());
    }
    return reaches;
}

QRegion PrimitivesRegion(const std::vector<Primitive>& list, std::size_t first, QSizeF size,
                         std::size_t last)
{
    last = std::min(last, list.size());
    std::vector<QRect> pieces;
    for (std::size_t i = first; i < last; ++i) {
        if (list[i].window.IsDrawable()) {
            AddReach(pieces, list[i], size);
        }
    }
    if (pieces.size() > MaxRegionRects) {
        return BoundingRegion(pieces);
    }
    QRegion region;
    for (const QRect& r : pieces) {
        region += r;
    }
    return region;
}

} // namespace ttl
