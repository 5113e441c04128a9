#include "shell/surface.h"

#include "shell/drawing_scale.h"

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {
bool Finite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Logical pixels per point on the 96-dpi reference display; line spacing is 1.2 em.
constexpr double PixelsPerPoint = 96.0 / 72.0;
constexpr double LineSpacing = 1.2;
constexpr double EstimatedEmPerCharacter = 0.6;
constexpr int ReferencePixels = 600;

std::size_t CodePoints(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; // not a continuation byte
    }));
}
} // namespace

bool WorldWindow::IsDrawable() const
{
    return Finite({left, top, width, height}) && width != 0.0 && height != 0.0;
}

Surface::Surface() = default;

void Surface::Scale(double x1, double y1, double x2, double y2)
{
    Accept({x1, y1, x2, y2}); // counted; a non-finite window draws nothing
    m_window = WorldWindow{x1, y1, x2 - x1, y2 - y1};
}

bool Surface::Accept(std::initializer_list<double> values)
{
    if (Finite(values)) {
        return true;
    }
    ++m_nonFiniteCalls;
    return false;
}

Surface Surface::BlankCopy() const
{
    Surface copy;
    copy.m_window = m_window;
    copy.m_currentX = m_currentX;
    copy.m_currentY = m_currentY;
    copy.m_foreColor = m_foreColor;
    copy.m_backColor = m_backColor;
    copy.m_drawWidth = m_drawWidth;
    copy.m_drawStyle = m_drawStyle;
    copy.m_fillStyle = m_fillStyle;
    copy.m_font = m_font;
    copy.m_measure = m_measure;
    copy.m_pixelWidth = m_pixelWidth;
    copy.m_pixelHeight = m_pixelHeight;
    copy.m_autoRedraw = m_autoRedraw;
    return copy;
}

void Surface::Cls()
{
    m_primitives.clear();
    m_transient.clear();
    m_currentX = 0.0;
    m_currentY = 0.0;
    ++m_clearCount;
}

Primitive& Surface::Begin(PrimitiveKind kind, std::optional<Color> color)
{
    // Built in place: a long path redrawn each frame costs no copies.
    Primitive& p = (m_autoRedraw ? m_primitives : m_transient).emplace_back();
    p.kind = kind;
    p.color = color.value_or(m_foreColor);
    p.width = m_drawWidth;
    p.style = m_drawStyle;
    p.window = m_window;
    return p;
}

void Surface::Line(double x1, double y1, double x2, double y2, std::optional<Color> color)
{
    m_currentX = x2;
    m_currentY = y2;
    if (!Accept({x1, y1, x2, y2})) {
        return;
    }
    Primitive& p = Begin(PrimitiveKind::Line, color);
    p.x1 = x1;
    p.y1 = y1;
    p.x2 = x2;
    p.y2 = y2;
}

void Surface::LineTo(double x2, double y2, std::optional<Color> color)
{
    Line(m_currentX, m_currentY, x2, y2, color);
}

void Surface::FilledBox(double x1, double y1, double x2, double y2, Color color)
{
    m_currentX = x2;
    m_currentY = y2;
    if (!Accept({x1, y1, x2, y2})) {
        return;
    }
    Primitive& p = Begin(PrimitiveKind::FilledBox, color);
    p.x1 = x1;
    p.y1 = y1;
    p.x2 = x2;
    p.y2 = y2;
    p.filled = true;
}

void Surface::Circle(double x, double y, double radius, std::optional<Color> color)
{
    m_currentX = x;
    m_currentY = y;
    if (!Accept({x, y, radius})) {
        return;
    }
    Primitive& p = Begin(PrimitiveKind::Circle, color);
    p.x1 = x;
    p.y1 = y;
    p.radius = std::abs(radius);
    p.filled = m_fillStyle == ttl::FillStyle::Solid;
}

void Surface::Arc(double x, double y, double radius, double startAngle, double endAngle,
                  std::optional<Color> color)
{
    m_currentX = x;
    m_currentY = y;
    if (!Accept({x, y, radius, startAngle, endAngle})) {
        return;
    }
    Primitive& p = Begin(PrimitiveKind::Circle, color);
    p.x1 = x;
    p.y1 = y;
    p.radius = std::abs(radius);
    p.startAngle = startAngle;
    p.endAngle = endAngle;
    p.filled = m_fillStyle == ttl::FillStyle::Solid;
}

void Surface::PSet(double x, double y, std::optional<Color> color)
{
    m_currentX = x;
    m_currentY = y;
    if (!Accept({x, y})) {
        return;
    }
    Primitive& p = Begin(PrimitiveKind::Point, color);
    p.x1 = x;
    p.y1 = y;
}

void Surface::Print(const std::string& text)
{
    if (Accept({m_currentX, m_currentY})) {
        std::string owned = text; // the text may be one of this surface's, moved by Begin
        Primitive& p = Begin(PrimitiveKind::Text, m_foreColor);
        p.x1 = m_currentX;
        p.y1 = m_currentY;
        p.text = std::move(owned);
        p.font = m_font;
    }
    m_currentX = m_window.left;
    if (m_pixelHeight > 0 && m_window.IsDrawable()) {
        const double linePixels = m_font.size * DrawingScale() * PixelsPerPoint * LineSpacing;
        m_currentY += linePixels * m_window.height / m_pixelHeight;
    }
}

double Surface::TextLinePixels() const
{
    constexpr double Leading = 1.3; // looser than Print's: rows of a legend must not touch
    return m_font.size * DrawingScale() * PixelsPerPoint * Leading;
}

double Surface::TextLineHeight() const
{
    const double height = std::abs(m_window.height);
    if (m_pixelHeight <= 0) {
        return height / 40.0;
    }
    return TextLinePixels() * height / m_pixelHeight;
}

TextExtent Surface::TextPixels(const std::string& text) const
{
    if (m_measure) {
        return m_measure(text, m_font);
    }
    const double em = m_font.size * DrawingScale() * PixelsPerPoint;
    return {EstimatedEmPerCharacter * em * static_cast<double>(CodePoints(text)), LineSpacing * em};
}

TextExtent Surface::TextWorldSize(const std::string& text) const
{
    const TextExtent pixels = TextPixels(text);
    const int across = m_pixelWidth > 0 ? m_pixelWidth : ReferencePixels;
    const int down = m_pixelHeight > 0 ? m_pixelHeight : ReferencePixels;
    return {pixels.width * std::abs(m_window.width) / across,
            pixels.height * std::abs(m_window.height) / down};
}

void Surface::SetDrawWidth(int width)
{
    m_drawWidth = std::max(1, width);
}

void Surface::SetFontSize(double points)
{
    if (std::isfinite(points) && points > 0.0) {
        m_font.size = points;
    }
}

void Surface::SetPixelSize(int width, int height)
{
    m_pixelWidth = std::max(0, width);
    m_pixelHeight = std::max(0, height);
}

} // namespace ttl
