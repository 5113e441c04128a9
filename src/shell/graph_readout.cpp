#include "shell/graph_readout.h"

#include "shell/axis_ticks.h"
#include "shell/number_format.h"
#include "shell/plot_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ttl {

namespace {
constexpr Color CursorColor{90, 90, 90};
constexpr Color BoxFrame{150, 150, 150};
constexpr int Significant = 3;

std::string Named(const Curve& c, double value)
{
    return c.label + ": " + FormatWithFactor(value, Significant);
}
} // namespace

std::vector<ReadoutLine> TimeReadout(const Graph& graph, double x)
{
    std::vector<ReadoutLine> lines{{"t = " + FormatWithFactor(x, Significant) + " s", colors::Black}};
    for (const Curve& c : graph.curves) {
        if (c.label.empty() && graph.curves.size() > 1) {
            continue;
        }
        if (const auto value = ValueAt(c, x)) {
            lines.push_back({c.label.empty() ? graph.yTitle + " = " + FormatWithFactor(*value, Significant)
                                             : Named(c, *value),
                             c.color});
        }
    }
    return lines;
}

std::vector<ReadoutLine> NearestPointReadout(const Graph& graph, const PlotArea& area, double x,
                                             double y, double firstTime, double timeStep)
{
    const Curve* nearest = nullptr;
    std::size_t index = 0;
    double best = std::numeric_limits<double>::infinity();
    const double px = PixelX(area, x);
    const double py = PixelY(area, y);
    for (const Curve& c : graph.curves) {
        for (std::size_t i = 0; i < c.xs.size() && !c.label.empty(); ++i) {
            const double d = std::hypot(PixelX(area, c.xs[i]) - px, PixelY(area, c.ys[i]) - py);
            if (d < best) {
                best = d;
                nearest = &c;
                index = i;
            }
        }
    }
    if (nearest == nullptr) {
        return {};
    }
    const double t = firstTime + static_cast<double>(index) * timeStep;
    return {{nearest->label, nearest->color},
            {"t = " + FormatWithFactor(t, Significant) + " s", colors::Black},
            {"x = " + FormatWithFactor(nearest->xs[index], Significant) + " m", nearest->color},
            {"y = " + FormatWithFactor(nearest->ys[index], Significant) + " m", nearest->color}};
}

void DrawReadout(Surface& s, const PlotArea& area, const std::vector<ReadoutLine>& lines,
                 std::optional<double> cursorX, double x, double y)
{
    s.ClearTransient();
    if (lines.empty() || !s.Window().IsDrawable()) {
        return;
    }
    s.SetAutoRedraw(false);
    if (cursorX) {
        s.Line(*cursorX, area.view.y.low, *cursorX, area.view.y.high, CursorColor);
    }
    const double line = 1.15 * s.TextPixels("0").height; // rows clear of each other
    const double pad = 0.3 * line;
    double width = 0.0;
    for (const ReadoutLine& l : lines) {
        width = std::max(width, s.TextPixels(l.text).width);
    }
    width += 2.0 * pad;
    const double height = static_cast<double>(lines.size()) * line + 2.0 * pad;
    // Beside the point, on the side with room, inside the plot.
    double left = PixelX(area, x) + line;
    if (left + width > area.right) {
        left = PixelX(area, x) - line - width;
    }
    left = std::clamp(left, area.left, std::max(area.left, area.right - width));
    const double top = std::clamp(PixelY(area, y) - 0.5 * height, area.top,
                                  std::max(area.top, area.bottom - height));
    s.FilledBox(WorldX(s, left), WorldY(s, top), WorldX(s, left + width), WorldY(s, top + height),
                s.BackColor());
    s.Line(WorldX(s, left), WorldY(s, top), WorldX(s, left + width), WorldY(s, top), BoxFrame);
    s.Line(WorldX(s, left), WorldY(s, top + height), WorldX(s, left + width),
           WorldY(s, top + height), BoxFrame);
    const Color ink = s.ForeColor();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        s.SetForeColor(lines[i].color);
        PrintAtPixel(s, left + pad, top + pad + static_cast<double>(i) * line, lines[i].text);
    }
    s.SetForeColor(ink);
    s.SetAutoRedraw(true);
}

} // namespace ttl
