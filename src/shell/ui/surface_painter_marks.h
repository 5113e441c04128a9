#pragma once

#include <QColor>
#include <QLineF>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include <vector>

class QPainter;

namespace ttl {

// Solid lines and points of a run of the display list, gathered in paint order and painted in
// one call for each pen or colour: a curve of thousands of short segments costs one stroke, not
// thousands. Wide segments that continue one another become one polyline, which covers what
// round-capped segments would; lines of a pixel stay separate lines, whose
// antialiased edges darken where they overlap as they always did. Each pen's or colour's marks
// are painted in the order that pen or colour first appeared, so of two crossing curves the
// later one stays on top.
class MarkBatch {
public:
    // A solid line, already mapped to pixels and clipped.
    void AddLine(const QPen& pen, QLineF line);
    // A filled round dot; a square of one pixel.
    void AddDot(QColor color, QPointF centre, double diameter);
    void AddPixel(QColor color, QPointF centre);

    [[nodiscard]] bool empty() const { return m_groups.empty(); }

    // Paints everything gathered and empties the batch.
    void Paint(QPainter& painter);

private:
    enum class Kind { Line, Dot, Pixel };
    // Segments that continue one another without turning sharply: joined with a bevel, which
    // at a turn this gentle leaves what a round join would to a tenth of a pixel, at a fraction
    // of its cost; a sharper turn starts another chain, so the corner gets round caps. A point
    // closer than a quarter of a pixel to the last one kept is left out unless it ends the
    // chain: a curve of many steps a pixel keeps to within that of its course.
    struct Chain {
        QPolygonF kept;
        QPointF end;
        QPointF direction; // of the last segment
    };
    struct Group {
        Kind kind;
        QPen pen;          // lines
        QColor color;      // dots and pixels
        double size = 0.0; // dots' diameter
        std::vector<Chain> chains; // wide lines
        std::vector<QLineF> hairlines;
        QPainterPath dots;
        std::vector<QRectF> pixels;
    };
    Group& Find(Kind kind, const QPen& pen, QColor color, double size);

    std::vector<Group> m_groups;
    std::size_t m_last = 0; // the group used last, most often the one asked for next
};

} // namespace ttl
