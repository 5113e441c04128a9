#include "shell/ui/surface_painter.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace ttl {

namespace {

QColor ToQColor(Color c)
{
    return QColor(c.red, c.green, c.blue);
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

// Coordinates beyond this many pixels are clipped before painting; far larger values overflow
// the raster engine's fixed-point arithmetic.
constexpr double PixelLimit = 1.0e5;

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

bool IsFinite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Liang-Barsky clipping of a segment to the square of half-side PixelLimit.
std::optional<QLineF> ClipToLimit(QPointF a, QPointF b)
{
    double t0 = 0.0;
    double t1 = 1.0;
    const double d[2] = {b.x() - a.x(), b.y() - a.y()};
    const double start[2] = {a.x(), a.y()};
    for (int axis = 0; axis < 2; ++axis) {
        for (const double sign : {-1.0, 1.0}) {
            const double p = sign * d[axis];
            const double q = PixelLimit - sign * start[axis];
            if (p == 0.0) {
                if (q < 0.0) {
                    return std::nullopt;
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
    return QLineF(a + t0 * (b - a), a + t1 * (b - a));
}

bool WithinLimit(QPointF p)
{
    return std::abs(p.x()) <= PixelLimit && std::abs(p.y()) <= PixelLimit;
}

QPen MakePen(const Primitive& p)
{
    QPen pen(ToQColor(p.color), p.width, ToPenStyle(p.style));
    pen.setCapStyle(p.style == DrawStyle::Solid ? Qt::RoundCap : Qt::FlatCap);
    return pen;
}

void PaintLine(QPainter& painter, const Primitive& p, const WorldToPixels& map)
{
    const QPointF a = map.Map(p.x1, p.y1);
    const QPointF b = map.Map(p.x2, p.y2);
    if (!IsFinite(a) || !IsFinite(b)) {
        return;
    }
    if (const auto line = ClipToLimit(a, b)) {
        painter.setPen(MakePen(p));
        painter.drawLine(*line);
    }
}

void PaintBox(QPainter& painter, const Primitive& p, const WorldToPixels& map)
{
    const QPointF a = map.Map(p.x1, p.y1);
    const QPointF b = map.Map(p.x2, p.y2);
    if (!IsFinite(a) || !IsFinite(b)) {
        return;
    }
    const auto clamp = [](double v) { return std::clamp(v, -PixelLimit, PixelLimit); };
    const QRectF rect =
        QRectF(QPointF(clamp(a.x()), clamp(a.y())), QPointF(clamp(b.x()), clamp(b.y())))
            .normalized();
    painter.fillRect(rect, ToQColor(p.color));
}

void PaintCircle(QPainter& painter, const Primitive& p, const WorldToPixels& map)
{
    const QPointF centre = map.Map(p.x1, p.y1);
    const double radius = map.HorizontalLength(p.radius);
    if (!IsFinite(centre) || !std::isfinite(radius) || !WithinLimit(centre) ||
        radius > PixelLimit) {
        return;
    }
    painter.setPen(MakePen(p));
    painter.setBrush(p.filled ? QBrush(ToQColor(p.color)) : QBrush(Qt::NoBrush));
    const QRectF box(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius);
    if (!p.startAngle || !p.endAngle) {
        painter.drawEllipse(box);
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

void PaintPoint(QPainter& painter, const Primitive& p, const WorldToPixels& map)
{
    const QPointF at = map.Map(p.x1, p.y1);
    if (!IsFinite(at) || !WithinLimit(at)) {
        return;
    }
    const double size = p.width;
    if (p.width <= 1) {
        painter.fillRect(QRectF(at.x() - 0.5, at.y() - 0.5, 1.0, 1.0), ToQColor(p.color));
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(p.color));
    painter.drawEllipse(at, size / 2.0, size / 2.0);
    painter.setBrush(Qt::NoBrush);
}

QFont ToQFont(const Font& font)
{
    QFont qfont;
    // The requested family first; a serif or sans fallback with Greek glyphs follows.
    qfont.setFamilies({QString::fromStdString(font.name), QStringLiteral("DejaVu Sans")});
    qfont.setPointSizeF(font.size);
    qfont.setBold(font.bold);
    return qfont;
}

void PaintText(QPainter& painter, const Primitive& p, const WorldToPixels& map)
{
    const QPointF at = map.Map(p.x1, p.y1);
    if (!IsFinite(at) || !WithinLimit(at)) {
        return;
    }
    const QFont font = ToQFont(p.font);
    painter.setFont(font);
    painter.setPen(ToQColor(p.color));
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), QString::fromStdString(p.text));
}

} // namespace

void PaintPrimitives(QPainter& painter, const std::vector<Primitive>& list, std::size_t first,
                     QSizeF size, std::size_t last)
{
    last = std::min(last, list.size());
    // World points land on pixel centres, so thin horizontal and vertical lines stay crisp.
    painter.save();
    painter.translate(0.5, 0.5);
    for (std::size_t i = first; i < last; ++i) {
        const Primitive& p = list[i];
        if (!p.window.IsDrawable()) {
            continue;
        }
        const WorldToPixels map(p.window, size);
        switch (p.kind) {
        case PrimitiveKind::Line:
            PaintLine(painter, p, map);
            break;
        case PrimitiveKind::FilledBox:
            PaintBox(painter, p, map);
            break;
        case PrimitiveKind::Circle:
            PaintCircle(painter, p, map);
            break;
        case PrimitiveKind::Point:
            PaintPoint(painter, p, map);
            break;
        case PrimitiveKind::Text:
            PaintText(painter, p, map);
            break;
        }
    }
    painter.restore();
}

void PaintSurface(QPainter& painter, const Surface& surface, QSizeF size)
{
    painter.fillRect(QRectF(QPointF(0, 0), size), ToQColor(surface.BackColor()));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintPrimitives(painter, surface.Primitives(), 0, size);
    PaintPrimitives(painter, surface.TransientPrimitives(), 0, size);
}

QImage BlankImage(const Surface& surface, QSize size, qreal devicePixelRatio)
{
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize().expandedTo(QSize(1, 1));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
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

bool SaveSurface(const Surface& surface, QSize size, const QString& path)
{
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return false;
        }
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(96);
        generator.setTitle(QStringLiteral("Turntable Lab picture"));
        QPainter painter;
        if (!painter.begin(&generator)) {
            return false;
        }
        PaintSurface(painter, surface, QSizeF(size));
        return painter.end() && file.error() == QFileDevice::NoError;
    }
    return RenderSurface(surface, size, 2.0).save(path, "PNG");
}

} // namespace ttl
