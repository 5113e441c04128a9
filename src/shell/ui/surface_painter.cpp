#include "shell/ui/surface_painter.h"

#include "shell/drawing_scale.h"
#include "shell/ui/drawing_palette.h"
#include "shell/ui/picture_encoding.h"
#include "shell/ui/surface_geometry.h"
#include "shell/ui/surface_painter_marks.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

namespace ttl {

namespace {

// In the program's palette, so that a saved picture looks like the window.
QColor ToQColor(Color c)
{
    return DrawingPalette::Instance().shown(c);
}

Qt::PenStyle ToPenStyle(DrawStyle style)
{
    switch (style) {
    case DrawStyle::Dash:
        return Qt::DashLine;
    case DrawStyle::Dot:
        return Qt::DotLine;
    case DrawStyle::DashDot:
        return Qt::DashDotLine;
    case DrawStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

QPen MakePen(const Primitive& p)
{
    QPen pen(ToQColor(p.color), ScaledPenWidth(p.width), ToPenStyle(p.style));
    pen.setCapStyle(p.style == DrawStyle::Solid ? Qt::RoundCap : Qt::FlatCap);
    return pen;
}

// The pen of the last line painted, made again only when a line's colour, width or style
// differs: a curve's thousands of segments share one.
class PenCache {
public:
    const QPen& For(const Primitive& p)
    {
        if (!m_pen || p.color != m_color || p.width != m_width || p.style != m_style) {
            m_pen = MakePen(p);
            m_color = p.color;
            m_width = p.width;
            m_style = p.style;
        }
        return *m_pen;
    }

private:
    std::optional<QPen> m_pen;
    Color m_color;
    int m_width = 0;
    DrawStyle m_style = DrawStyle::Solid;
};

void PaintLine(QPainter& painter, MarkBatch& marks, PenCache& pens, const Primitive& p,
               const WorldToPixels& map, const QRectF& visible)
{
    const QPointF a = map.Map(p.x1, p.y1);
    const QPointF b = map.Map(p.x2, p.y2);
    if (!IsFinite(a) || !IsFinite(b)) {
        return;
    }
    // Cut well outside the picture: the cut end is rounded to the raster engine's 1/64 pixel,
    // and far away that rounding tilts the visible part by much less than a pixel's shade.
    const double margin =
        std::max(StrokeMargin(p.width), 4.0 * std::max(visible.width(), visible.height()));
    const auto clipped = ClipSegment(a, b, Widened(visible, margin));
    if (!clipped) {
        return;
    }
    if (p.style == DrawStyle::Solid) {
        marks.AddLine(pens.For(p), clipped->line);
        return;
    }
    QPen pen = pens.For(p);
    marks.Paint(painter); // a dashed line's pattern starts afresh on each line: painted alone
    if (clipped->startFraction > 0.0) {
        // The pattern goes on where the cut-off part would have left it (in pen widths).
        pen.setDashOffset(clipped->startFraction * QLineF(a, b).length() / ScaledPenWidth(p.width));
    }
    painter.setPen(pen);
    painter.drawLine(clipped->line);
}

void PaintBox(QPainter& painter, const Primitive& p, const WorldToPixels& map,
              const QRectF& visible)
{
    const QPointF a = map.Map(p.x1, p.y1);
    const QPointF b = map.Map(p.x2, p.y2);
    if (!IsFinite(a) || !IsFinite(b)) {
        return;
    }
    const QRectF rect = QRectF(a, b).normalized() & Widened(visible, 1.0);
    if (!rect.isEmpty()) {
        painter.fillRect(rect, ToQColor(p.color));
    }
}

// A large ring on screen is a polygon of fixed vertices, within a tenth of a pixel of the
// circle. A rectangle of a refresh strokes only the runs of sides that reach it, each with a side
// more at both ends, so that inside the rectangle every side is stroked as it is in the whole
// ring; no run crosses vertex 0, where the whole ring starts and ends.
void PaintRingSides(QPainter& painter, QPointF centre, double radius, const QRectF& reach)
{
    constexpr double flatness = 0.1;
    constexpr int mostSides = 4096;
    const double turn = 2.0 * std::numbers::pi;
    const int sides =
        std::clamp(static_cast<int>(std::ceil(turn / (2.0 * std::acos(1.0 - flatness / radius)))),
                   8, mostSides);
    std::vector<QPointF> vertices(static_cast<std::size_t>(sides) + 1);
    for (int k = 0; k < sides; ++k) {
        const double angle = turn * k / sides;
        vertices[static_cast<std::size_t>(k)] =
            centre + radius * QPointF(std::cos(angle), std::sin(angle));
    }
    vertices.back() = vertices.front();
    const auto reaches = [&](int k) {
        const auto i = static_cast<std::size_t>(k);
        return QRectF(vertices[i], vertices[i + 1]).normalized().intersects(reach);
    };
    for (int k = 0; k < sides; ++k) {
        if (!reaches(k)) {
            continue;
        }
        const int first = std::max(0, k - 1);
        while (k + 1 < sides && reaches(k + 1)) {
            ++k;
        }
        k = std::min(sides - 1, k + 1);
        painter.drawPolyline(vertices.data() + first, k - first + 2);
    }
}

// `visible`: the part of the picture being painted. A large ring crosses few of a refresh's
// rectangles; the rest skip it rather than stroke it whole to have it clipped away.
void PaintCircle(QPainter& painter, const Primitive& p, const WorldToPixels& map,
                 const QRectF& visible)
{
    const QPointF centre = map.Map(p.x1, p.y1);
    const double radius = map.HorizontalLength(p.radius);
    if (!IsFinite(centre) || !std::isfinite(radius) || !WithinLimit(centre) ||
        radius > PixelLimit ||
        !CircleMayShow(centre, radius, p.filled, Widened(visible, StrokeMargin(p.width)))) {
        return;
    }
    painter.setPen(MakePen(p));
    painter.setBrush(p.filled ? QBrush(ToQColor(p.color)) : QBrush(Qt::NoBrush));
    const QRectF box(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius);
    if (!p.startAngle || !p.endAngle) {
        if (!p.filled && p.style == DrawStyle::Solid && radius > LargeRingRadius &&
            painter.paintEngine()->type() == QPaintEngine::Raster) {
            PaintRingSides(painter, centre, radius, Widened(visible, StrokeMargin(p.width)));
        } else {
            painter.drawEllipse(box);
        }
    } else {
        constexpr double sixteenthsPerRadian = 16.0 * 180.0 / std::numbers::pi;
        double span = *p.endAngle - *p.startAngle;
        if (span < 0.0) {
            span += 2.0 * std::numbers::pi; // arcs run counter-clockwise from start to end
        }
        const double orientation = map.KeepsOrientation() ? 1.0 : -1.0;
        const int start =
            static_cast<int>(std::lround(orientation * *p.startAngle * sixteenthsPerRadian));
        const int length = static_cast<int>(std::lround(orientation * span * sixteenthsPerRadian));
        if (p.filled) {
            painter.drawPie(box, start, length);
        } else {
            painter.drawArc(box, start, length);
        }
    }
    painter.setBrush(Qt::NoBrush);
}

void PaintPoint(MarkBatch& marks, const Primitive& p, const WorldToPixels& map,
                const QRectF& visible)
{
    const QPointF at = map.Map(p.x1, p.y1);
    if (!IsFinite(at) || !Widened(visible, StrokeMargin(p.width)).contains(at)) {
        return;
    }
    const double size = ScaledPenWidth(p.width);
    if (size <= 1.0) {
        marks.AddPixel(ToQColor(p.color), at);
    } else {
        marks.AddDot(ToQColor(p.color), at, size);
    }
}

void PaintText(QPainter& painter, const Primitive& p, const WorldToPixels& map,
               const QRectF& visible)
{
    const QPointF at = map.Map(p.x1, p.y1);
    if (!IsFinite(at) || !WithinLimit(at)) {
        return;
    }
    if (!TextBox(p, at, painter.device()).intersects(Widened(visible, 2.0))) {
        return;
    }
    const QFont font = ToQFont(p.font);
    painter.setFont(font);
    painter.setPen(ToQColor(p.color));
    painter.drawText(QPointF(at.x(), at.y() + QFontMetricsF(font, painter.device()).ascent()),
                     QString::fromStdString(p.text));
}

// Paints the primitives first..last that `wanted(i)` accepts; circles only where they may
// touch `part` (in device pixels).
template <typename Wanted>
void PaintEach(QPainter& painter, const std::vector<Primitive>& list, std::size_t first,
               std::size_t last, QSizeF size, const QRectF& part, Wanted wanted)
{
    // World points land on pixel centres, so thin horizontal and vertical lines stay crisp.
    painter.save();
    painter.translate(0.5, 0.5);
    // Only what can be seen is painted: an arrow that runs far off the picture costs what its
    // visible part costs.
    const QRectF visible(QPointF(-0.5, -0.5), size);
    MarkBatch marks;
    PenCache pens;
    for (std::size_t i = first; i < last; ++i) {
        const Primitive& p = list[i];
        if (!p.window.IsDrawable() || !wanted(i)) {
            continue;
        }
        const WorldToPixels map(p.window, size);
        if (p.kind == PrimitiveKind::Line) {
            PaintLine(painter, marks, pens, p, map, visible);
            continue;
        }
        if (p.kind == PrimitiveKind::Point) {
            PaintPoint(marks, p, map, visible);
            continue;
        }
        marks.Paint(painter); // what came before lies under a box, a circle or a text
        switch (p.kind) {
        case PrimitiveKind::FilledBox:
            PaintBox(painter, p, map, visible);
            break;
        case PrimitiveKind::Circle:
            PaintCircle(painter, p, map, part.translated(-0.5, -0.5) & visible);
            break;
        case PrimitiveKind::Text:
            PaintText(painter, p, map, visible);
            break;
        case PrimitiveKind::Line:
        case PrimitiveKind::Point:
            break;
        }
    }
    marks.Paint(painter);
    painter.restore();
}

} // namespace

void PaintPrimitives(QPainter& painter, const std::vector<Primitive>& list, std::size_t first,
                     QSizeF size, std::size_t last)
{
    PaintEach(painter, list, first, std::min(last, list.size()), size, QRectF(QPointF(), size),
              [](std::size_t) { return true; });
}

void PaintPrimitivesOver(QPainter& painter, const std::vector<Primitive>& list, QSizeF size,
                         const std::vector<QRect>& reaches, const QRect& part)
{
    PaintEach(painter, list, 0, std::min(list.size(), reaches.size()), size, part,
              [&](std::size_t i) { return reaches[i].intersects(part); });
}

void PaintSurface(QPainter& painter, const Surface& surface, QSizeF size)
{
    painter.fillRect(QRectF(QPointF(0, 0), size), ToQColor(surface.BackColor()));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintPrimitives(painter, surface.Primitives(), 0, size);
    PaintPrimitives(painter, surface.TransientPrimitives(), 0, size);
}

QImage BlankImage(const Surface& surface, QSize size, qreal devicePixelRatio, QImage::Format format)
{
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize().expandedTo(QSize(1, 1));
    QImage image(pixels, format);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(ToQColor(surface.BackColor()));
    return image;
}

QImage RenderSurface(const Surface& surface, QSize size, qreal devicePixelRatio)
{
    QImage image = BlankImage(surface, size, devicePixelRatio);
    QPainter painter(&image);
    PaintSurface(painter, surface, QSizeF(size));
    return image;
}

QByteArray EncodeSurfaceSvg(const Surface& surface, QSize size, const QString& title)
{
    return EncodeSvg(size, title,
                     [&](QPainter& painter) { PaintSurface(painter, surface, QSizeF(size)); });
}

WriteResult SaveSurface(const Surface& surface, QSize size, const QString& path)
{
    QByteArray bytes;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        bytes = EncodeSurfaceSvg(surface, size, QStringLiteral("Turntable Lab picture"));
    } else {
        // Twice the window's size for a sharp print, but never more than MaxExportPixels on the
        // longer side: an enlarged window would otherwise freeze the program for seconds.
        const double longer = std::max(size.width(), size.height());
        const double ratio = longer > 0 ? std::min(2.0, MaxExportPixels / longer) : 2.0;
        // fast compression: a few times larger, many times faster
        bytes = EncodePng(RenderSurface(surface, size, ratio), PngQuality);
    }
    if (bytes.isEmpty()) {
        return WriteResult::Failed(
            QCoreApplication::translate("files", "Could not draw the picture for %1.").arg(path));
    }
    return WriteWholeFile(path, bytes);
}

bool PrintSurface(const Surface& surface, QSize size, QPrinter& printer)
{
    return PrintPicture(printer, size,
                        [&](QPainter& painter) { PaintSurface(painter, surface, QSizeF(size)); });
}

} // namespace ttl
