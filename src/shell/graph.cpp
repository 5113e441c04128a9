#include "shell/graph.h"

#include "shell/axis_ticks.h"
#include "shell/plot_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace ttl {

namespace {

constexpr Color LegendFrame{150, 150, 150};
constexpr int LegendMarks = 3;

Interval Extent(const std::vector<Curve>& curves, bool vertical)
{
    Interval e{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    for (const Curve& c : curves) {
        for (double v : vertical ? c.ys : c.xs) {
            if (std::isfinite(v)) {
                e.low = std::min(e.low, v);
                e.high = std::max(e.high, v);
            }
        }
    }
    return e.low <= e.high ? e : Interval{};
}

// Cuts the segment to the view (Liang-Barsky); false when none of it is inside.
bool Clip(const DataView& v, double& x1, double& y1, double& x2, double& y2)
{
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x1 - v.x.low, v.x.high - x1, y1 - v.y.low, v.y.high - y1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0) {
                return false;
            }
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) {
        return false;
    }
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 += t0 * dx;
    y1 += t0 * dy;
    return true;
}

bool Inside(const DataView& v, double x, double y)
{
    return x >= v.x.low && x <= v.x.high && y >= v.y.low && y <= v.y.high;
}

// A mark the size of a small letter, whatever the window's scale.
void Mark(Surface& s, CurveMark mark, double x, double y, double line)
{
    const double rx = 0.2 * line * s.ScaleWidth() / s.PixelWidth();
    const double ry = 0.2 * line * -s.ScaleHeight() / s.PixelHeight();
    if (mark == CurveMark::Dots) {
        s.PSet(x, y);
    } else if (mark == CurveMark::Circles) {
        s.Circle(x, y, rx);
    } else {
        s.Line(x - rx, y - ry, x + rx, y - ry);
        s.Line(x + rx, y - ry, x, y + ry);
        s.Line(x, y + ry, x - rx, y - ry);
    }
}

void DrawCurve(Surface& s, const Curve& c, const DataView& v, double line)
{
    s.SetForeColor(c.color);
    s.SetDrawWidth(c.width);
    s.SetDrawStyle(c.style);
    const std::size_t n = std::min(c.xs.size(), c.ys.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (c.mark != CurveMark::Line) {
            if (Inside(v, c.xs[i], c.ys[i])) {
                Mark(s, c.mark, c.xs[i], c.ys[i], line);
            }
        } else if (i + 1 < n) {
            double x1 = c.xs[i], y1 = c.ys[i], x2 = c.xs[i + 1], y2 = c.ys[i + 1];
            if (Clip(v, x1, y1, x2, y2)) {
                s.Line(x1, y1, x2, y2);
            }
        }
    }
    s.SetDrawStyle(DrawStyle::Solid);
    s.SetDrawWidth(1);
}

// Each labelled curve's sample and label, a row each, in the curve's colour.
void DrawLegend(Surface& s, const Graph& graph, const PlotLayout& l)
{
    const PixelRect& r = l.legend;
    if (r.width <= 0.0) {
        return;
    }
    if (l.legendBoxed) {
        const double x1 = WorldX(s, r.left), x2 = WorldX(s, r.left + r.width);
        const double y1 = WorldY(s, r.top), y2 = WorldY(s, r.top + r.height);
        s.FilledBox(x1, y1, x2, y2, s.BackColor());
        for (const auto& [ax, ay, bx, by] : {std::array{x1, y1, x2, y1}, std::array{x2, y1, x2, y2},
                                             std::array{x2, y2, x1, y2}, std::array{x1, y2, x1, y1}}) {
            s.Line(ax, ay, bx, by, LegendFrame);
        }
    }
    const double sampleLength = 2.5 * l.line;
    double rowTop = r.top + 0.5 * l.gap;
    for (const Curve& c : graph.curves) {
        if (c.label.empty()) {
            continue;
        }
        const double x0 = WorldX(s, r.left + l.gap);
        const double x1 = WorldX(s, r.left + l.gap + sampleLength);
        const double y = WorldY(s, rowTop + 0.5 * l.line);
        s.SetForeColor(c.color);
        s.SetDrawWidth(c.width);
        s.SetDrawStyle(c.style);
        if (c.mark == CurveMark::Line) {
            s.Line(x0, y, x1, y);
        } else {
            for (int k = 0; k < LegendMarks; ++k) {
                Mark(s, c.mark, x0 + (k + 0.5) * (x1 - x0) / LegendMarks, y, l.line);
            }
        }
        s.SetDrawStyle(DrawStyle::Solid);
        s.SetDrawWidth(1);
        PrintAtPixel(s, r.left + 2.0 * l.gap + sampleLength, rowTop, c.label);
        rowTop += l.line;
    }
}

} // namespace

Interval CurvesXExtent(const std::vector<Curve>& curves)
{
    return Extent(curves, false);
}

Interval CurvesYExtent(const std::vector<Curve>& curves)
{
    return Extent(curves, true);
}

PlotArea DrawGraph(Surface& s, const Graph& graph, const std::optional<DataView>& view)
{
    s.Cls();
    s.SetDrawWidth(1);
    s.SetDrawStyle(DrawStyle::Solid);
    const Color ink = s.ForeColor();
    if (s.PixelWidth() <= 0 || s.PixelHeight() <= 0) {
        return {};
    }
    const PlotLayout l = LayOutReadableGraph(s, graph, view);
    const PlotArea& a = l.area;
    const double perPixelX = (a.view.x.high - a.view.x.low) / (a.right - a.left);
    const double perPixelY = graph.equalScales
                                 ? perPixelX
                                 : (a.view.y.high - a.view.y.low) / (a.bottom - a.top);
    const double left = a.view.x.low - a.left * perPixelX;
    const double top = a.view.y.high + a.top * perPixelY;
    s.Scale(left, top, left + s.PixelWidth() * perPixelX, top - s.PixelHeight() * perPixelY);
    if (!s.Window().IsDrawable()) {
        return {};
    }
    DrawAxes(s, l, graph.xTitle, graph.yTitle);
    for (const Curve& c : graph.curves) {
        DrawCurve(s, c, a.view, l.line);
    }
    DrawLegend(s, graph, l);
    s.SetForeColor(ink);
    for (std::size_t i = 0; i < l.noteLines.size(); ++i) {
        PrintAtPixel(s, l.gap, l.gap + static_cast<double>(i) * l.line, l.noteLines[i]);
    }
    return a;
}

std::optional<double> ValueAt(const Curve& c, double x)
{
    const std::size_t n = std::min(c.xs.size(), c.ys.size());
    if (n == 0 || x < c.xs.front() || x > c.xs[n - 1]) {
        return std::nullopt;
    }
    const auto after = std::upper_bound(c.xs.begin(), c.xs.begin() + static_cast<std::ptrdiff_t>(n), x);
    const auto i = static_cast<std::size_t>(after - c.xs.begin());
    if (i >= n) {
        return c.ys[n - 1];
    }
    const double f = (x - c.xs[i - 1]) / (c.xs[i] - c.xs[i - 1]);
    return c.ys[i - 1] + f * (c.ys[i] - c.ys[i - 1]);
}

} // namespace ttl
