#include "shell/ui/surface_painter_marks.h"

#include <QPainter>

namespace ttl {

MarkBatch::Group& MarkBatch::Find(Kind kind, const QPen& pen, QColor color, double size)
{
    const auto matches = [&](const Group& g) {
        return g.kind == kind && g.color == color && g.size == size &&
               (kind != Kind::Line || g.pen == pen);
    };
    if (m_last < m_groups.size() && matches(m_groups[m_last])) {
        return m_groups[m_last];
    }
    for (std::size_t k = 0; k < m_groups.size(); ++k) {
        if (matches(m_groups[k])) {
            m_last = k;
            return m_groups[k];
        }
    }
    Group group{kind, pen, color, size, {}, {}, {}, {}};
    group.dots.setFillRule(Qt::WindingFill); // overlapping dots stay filled
    m_groups.push_back(std::move(group));
    m_last = m_groups.size() - 1;
    return m_groups.back();
}

namespace {

// Whether a chain that went `before` turns gently enough into `after` (by 30 degrees at most)
// for a bevel join.
bool TurnsGently(QPointF before, QPointF after)
{
    // cos 30° = 0.866, compared squared
    const double dot = QPointF::dotProduct(before, after);
    return dot >= 0.0 && dot * dot >= 0.75 * QPointF::dotProduct(before, before) *
                                           QPointF::dotProduct(after, after);
}

} // namespace

void MarkBatch::AddLine(const QPen& pen, QLineF line)
{
    constexpr double closest = 0.25; // pixels between kept points of a chain
    Group& group = Find(Kind::Line, pen, pen.color(), 0.0);
    if (pen.widthF() <= 1.0) {
        group.hairlines.push_back(line);
        return;
    }
    const QPointF direction = line.p2() - line.p1();
    if (group.chains.empty() || group.chains.back().end != line.p1() ||
        !TurnsGently(group.chains.back().direction, direction)) {
        group.chains.push_back({QPolygonF{line.p1()}, line.p1(), direction});
    }
    Chain& chain = group.chains.back();
    const QPointF step = line.p2() - chain.kept.back();
    if (QPointF::dotProduct(step, step) >= closest * closest) {
        chain.kept << line.p2();
    }
    chain.end = line.p2();
    chain.direction = direction;
}

void MarkBatch::AddDot(QColor color, QPointF centre, double diameter)
{
    const double r = diameter / 2.0;
    Find(Kind::Dot, QPen(), color, diameter).dots.addEllipse(centre, r, r);
}

void MarkBatch::AddPixel(QColor color, QPointF centre)
{
    Find(Kind::Pixel, QPen(), color, 1.0)
        .pixels.emplace_back(centre.x() - 0.5, centre.y() - 0.5, 1.0, 1.0);
}

void MarkBatch::Paint(QPainter& painter)
{
    for (Group& group : m_groups) {
        switch (group.kind) {
        case Kind::Dot:
            painter.fillPath(group.dots, group.color);
            break;
        case Kind::Pixel:
            for (const QRectF& pixel : group.pixels) {
                painter.fillRect(pixel, group.color);
            }
            break;
        case Kind::Line: {
            QPen pen = group.pen;
            pen.setJoinStyle(Qt::BevelJoin);
            painter.setPen(pen);
            painter.drawLines(group.hairlines.data(), static_cast<int>(group.hairlines.size()));
            for (Chain& chain : group.chains) {
                if (chain.kept.back() != chain.end || chain.kept.size() == 1) {
                    chain.kept << chain.end;
                }
                painter.drawPolyline(chain.kept);
            }
            break;
        }
        }
    }
    m_groups.clear();
    m_last = 0;
}

} // namespace ttl
