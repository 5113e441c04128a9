#include "shell/plot_layout.h"

#include "shell/drawing_scale.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace ttl {

namespace {

// Tick labels closer than this many lines apart (vertically) would crowd each other.
constexpr double YLabelPitch = 1.6;
constexpr double SampleLines = 2.5; // a legend sample's length, in lines
// Rows of text this much taller than the text itself, so that neighbours never touch.
constexpr double Leading = 1.15;
// A corner box may hide this share of the points before the legend moves out of the plot.
constexpr double HiddenShare = 0.01;

double WidestText(const Surface& s, const std::vector<std::string>& texts)
{
    double widest = 0.0;
    for (const std::string& text : texts) {
        widest = std::max(widest, s.TextPixels(text).width);
    }
    return widest;
}

std::vector<std::string> Wrapped(const Surface& s, const std::string& text, double width)
{
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word;
    std::string line;
    while (words >> word) {
        const std::string longer = line.empty() ? word : line + ' ' + word;
        if (!line.empty() && s.TextPixels(longer).width > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

Interval Widened(Interval i)
{
    if (!(i.high > i.low)) {
        const double half = i.low == 0.0 ? 1.0 : 0.1 * std::abs(i.low);
        return {i.low - half, i.high + half};
    }
    return i;
}

// The ticks of the nice set that lie inside the interval.
TickSet Inside(TickSet ticks, Interval in)
{
    const double slack = 1e-9 * ticks.step;
    TickSet kept = ticks;
    kept.values.clear();
    kept.labels.clear();
    for (std::size_t i = 0; i < ticks.values.size(); ++i) {
        if (ticks.values[i] >= in.low - slack && ticks.values[i] <= in.high + slack) {
            kept.values.push_back(ticks.values[i]);
            kept.labels.push_back(ticks.labels[i]);
        }
    }
    return kept;
}

// Ticks for the interval: enclosing it when `fit`, else the ones inside it.
TickSet TicksFor(Interval data, int room, bool fit)
{
    const TickSet ticks = NiceTicks(data.low, data.high, room);
    return fit ? ticks : Inside(ticks, data);
}

Interval TickSpan(const TickSet& ticks, Interval data, bool fit)
{
    return fit ? Interval{ticks.First(), ticks.Last()} : data;
}

struct Legend {
    std::size_t entries = 0;
    double width = 0.0;
    double height = 0.0;
};

Legend MeasureLegend(const Surface& s, const Graph& graph, double line, double gap)
{
    std::vector<std::string> labels;
    for (const Curve& c : graph.curves) {
        if (!c.label.empty()) {
            labels.push_back(c.label);
        }
    }
    if (labels.empty()) {
        return {};
    }
    return {labels.size(), 3.0 * gap + SampleLines * line + WidestText(s, labels),
            static_cast<double>(labels.size()) * line + gap};
}

enum class LegendPlace { Corner, Column, Band };

// The layout's margins before the ticks are known.
struct Margins {
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// Both axes' ticks and the plot's rectangle within the margins.
void PlaceAxes(const Surface& s, const Graph& graph, const std::optional<DataView>& view,
               Margins m, PlotLayout& out)
{
    const double w = s.PixelWidth();
    const double h = s.PixelHeight();
    const bool fit = !view && !graph.equalScales;
    const Interval xData = Widened(view ? view->x : graph.xRange.value_or(CurvesXExtent(graph.curves)));
    const Interval yData = Widened(view ? view->y : graph.yRange.value_or(CurvesYExtent(graph.curves)));
    const double plotHeight = std::max(h - m.top - m.bottom, out.line);
    out.yTicks = TicksFor(yData, static_cast<int>(plotHeight / (YLabelPitch * out.line)) + 1, fit);
    Interval y = TickSpan(out.yTicks, yData, fit);
    const double left = 2.0 * out.gap + out.tick + WidestText(s, out.yTicks.labels);

    // The most x ticks whose labels, a line apart, fit the plot's width.
    Interval x = xData;
    double right = m.right;
    for (int room = 10; room >= 3; --room) {
        out.xTicks = TicksFor(xData, room, fit);
        x = TickSpan(out.xTicks, xData, fit);
        const double widest = WidestText(s, out.xTicks.labels);
        right = m.right + std::max(out.gap, 0.5 * widest + out.gap);
        const double pitch = (w - left - right) * out.xTicks.step / (x.high - x.low);
        if (pitch >= widest + out.line) {
            break;
        }
    }
    const double firstLabel = out.xTicks.labels.empty()
                                  ? 0.0
                                  : 0.5 * s.TextPixels(out.xTicks.labels.front()).width + out.gap;
    out.area = {{x, y}, std::max(left, firstLabel), m.top, w - right, h - m.bottom};
    if (graph.equalScales) {
        // The same length for a unit across and up: the looser scale widens the other range; a
        // zoom keeps its width, so that what was under the mouse stays there.
        PlotArea& a = out.area;
        const double perPixelX = (x.high - x.low) / (a.right - a.left);
        const double perPixel =
            view ? perPixelX : std::max(perPixelX, (y.high - y.low) / (a.bottom - a.top));
        const double xMid = 0.5 * (x.low + x.high);
        const double yMid = 0.5 * (y.low + y.high);
        a.view.x = {xMid - 0.5 * perPixel * (a.right - a.left), xMid + 0.5 * perPixel * (a.right - a.left)};
        a.view.y = {yMid - 0.5 * perPixel * (a.bottom - a.top), yMid + 0.5 * perPixel * (a.bottom - a.top)};
        out.xTicks = Inside(NiceTicks(a.view.x.low, a.view.x.high, 10), a.view.x);
        out.yTicks = Inside(NiceTicks(a.view.y.low, a.view.y.high,
                                      static_cast<int>((a.bottom - a.top) / (YLabelPitch * out.line)) + 1),
                            a.view.y);
    }
}

std::size_t PointsIn(const Graph& graph, const PlotArea& area, const PixelRect& r)
{
    std::size_t hidden = 0;
    for (const Curve& c : graph.curves) {
        for (std::size_t i = 0; i < std::min(c.xs.size(), c.ys.size()); ++i) {
            const double px = PixelX(area, c.xs[i]);
            const double py = PixelY(area, c.ys[i]);
            hidden += px >= r.left && px <= r.left + r.width && py >= r.top &&
                      py <= r.top + r.height;
        }
    }
    return hidden;
}

// The plot's corner where the legend's box hides the fewest points, if it hides few enough.
std::optional<PixelRect> BestCorner(const Graph& graph, const PlotLayout& l, Legend legend)
{
    const PlotArea& a = l.area;
    if (legend.width > 0.5 * (a.right - a.left) || legend.height > 0.6 * (a.bottom - a.top)) {
        return std::nullopt;
    }
    std::size_t total = 0;
    for (const Curve& c : graph.curves) {
        total += c.xs.size();
    }
    std::optional<PixelRect> best;
    std::size_t fewest = total + 1;
    const double lefts[] = {a.right - l.gap - legend.width, a.left + l.gap};
    const double tops[] = {a.top + l.gap, a.bottom - l.gap - legend.height};
    for (double top : tops) {
        for (double left : lefts) {
            const PixelRect r{left, top, legend.width, legend.height};
            const std::size_t hidden = PointsIn(graph, a, r);
            if (hidden < fewest) {
                fewest = hidden;
                best = r;
            }
        }
    }
    if (static_cast<double>(fewest) > HiddenShare * static_cast<double>(total)) {
        return std::nullopt;
    }
    return best;
}

} // namespace

double PixelX(const PlotArea& a, double x)
{
    return a.left + (x - a.view.x.low) / (a.view.x.high - a.view.x.low) * (a.right - a.left);
}

double PixelY(const PlotArea& a, double y)
{
    return a.bottom - (y - a.view.y.low) / (a.view.y.high - a.view.y.low) * (a.bottom - a.top);
}

PlotLayout LayOutGraph(const Surface& s, const Graph& graph, const std::optional<DataView>& view)
{
    PlotLayout out;
    const double w = s.PixelWidth();
    out.line = Leading * s.TextPixels("0").height;
    out.gap = 0.35 * out.line;
    out.tick = 0.3 * out.line;
    for (const std::string& note : graph.notes) {
        for (std::string& line : Wrapped(s, note, w - 2.0 * out.gap - s.TopRightControlWidth())) {
            out.noteLines.push_back(std::move(line));
        }
    }
    // The notes, then the vertical axis's title, then half a label above the top tick.
    const double top = out.gap + (static_cast<double>(out.noteLines.size()) + 1.5) * out.line;
    const double bottom = out.tick + 3.0 * out.gap + 2.0 * out.line;
    const Legend legend = MeasureLegend(s, graph, out.line, out.gap);
    for (LegendPlace place : {LegendPlace::Corner, LegendPlace::Column, LegendPlace::Band}) {
        Margins m{top, 0.0, bottom};
        if (place == LegendPlace::Column) {
            if (legend.width > 0.4 * w) {
                continue;
            }
            m.right = legend.width + out.gap;
        } else if (place == LegendPlace::Band) {
            m.top += legend.height + out.gap;
        }
        PlaceAxes(s, graph, view, m, out);
        const PlotArea& a = out.area;
        if (legend.entries == 0) {
            return out;
        }
        if (place == LegendPlace::Corner) {
            if (const auto corner = BestCorner(graph, out, legend)) {
                out.legend = *corner;
                out.legendBoxed = true;
                return out;
            }
        } else if (place == LegendPlace::Column) {
            out.legend = {w - legend.width, a.top, legend.width, legend.height};
            return out;
        } else {
            // As wide as its entries, so that a reader of the layout sees one that overflows.
            out.legend = {out.gap, out.gap + static_cast<double>(out.noteLines.size()) * out.line,
                          legend.width, legend.height};
        }
    }
    return out;
}

namespace {
bool Readable(const Surface& s, const PlotLayout& l)
{
    const double w = s.PixelWidth();
    const double h = s.PixelHeight();
    const PixelRect& legend = l.legend;
    return l.area.right - l.area.left >= 0.5 * w && l.area.bottom - l.area.top >= 0.4 * h &&
           legend.left >= 0.0 && legend.top >= 0.0 && legend.left + legend.width <= w &&
           legend.top + legend.height <= h;
}
} // namespace

PlotLayout LayOutReadableGraph(Surface& s, const Graph& graph, const std::optional<DataView>& view)
{
    // Texts are measured and drawn at the font's size times the drawing scale.
    const double normal = Font{}.size;
    const double scale = DrawingScale();
    constexpr double Step = 0.25;
    for (double tried = scale; tried > 1.0; tried -= Step) {
        s.SetFontSize(normal * tried / scale);
        PlotLayout l = LayOutGraph(s, graph, view);
        if (Readable(s, l)) {
            return l;
        }
    }
    s.SetFontSize(normal * std::min(1.0, scale) / scale);
    return LayOutGraph(s, graph, view);
}

} // namespace ttl
