#include "explorer/explorer_legend.h"

#include "shell/drawing_scale.h"
#include "shell/number_format.h"
#include "shell/picture_text.h"
#include "shell/translation.h"
#include "shell/vectors.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace ttl {

namespace {

// The legend sits in a band below the base, one text line per row: velocities in the left
// column, forces in the right, and the arrows' scales in the last row.
constexpr int LegendRows = 6;

} // namespace

double LinesPerHeight(const Surface& s)
{
    const double line = s.TextLineHeight();
    return line > 0.0 && std::isfinite(line) ? std::abs(s.ScaleHeight()) / line : 40.0;
}

double LegendBandRows(const Surface& s)
{
    return std::min<double>(LegendRows, 0.5 * LinesPerHeight(s));
}

namespace {

double LegendBandTop(const Surface& s)
{
    return s.ScaleTop() + s.ScaleHeight() + LegendBandRows(s) * s.TextLineHeight();
}

// Row `row` of the legend band, whose top is the bottom of the base's square.
void Legend(Surface& s, double bandTop, LegendColumn column, int row, const char* label,
            Color color)
{
    const double w = std::abs(s.ScaleWidth());
    const double line = s.TextLineHeight();
    const double x0 = s.ScaleLeft() + (column == LegendColumn::Forces ? 0.5 : 0.02) * w;
    const double top = bandTop - row * line;
    DrawVector(s, x0, top - 0.5 * line, 0.07 * w, 0.0, color.red, color.green, color.blue);
    s.SetForeColor(color);
    s.SetCurrentX(x0 + 0.09 * w);
    s.SetCurrentY(top);
    s.Print(Tr("explorer", label));
    s.SetForeColor(colors::Black);
}

std::string ScalesText(const ArrowScales& scales)
{
    return Substitute(Tr("explorer", "Arrows: velocity × %1, force × %2"),
                      {FormatNumber(scales.velocity, "0.00"), FormatNumber(scales.force, "0.00")});
}

struct LegendFont {
    double points = 0.0;
    bool stacked = false; // one column of every entry
};

// What the choice of the legend's font depends on (the measure by the width of an "M").
struct LegendFontKey {
    int pixelWidth = 0;
    double windowWidth = 0.0;
    double drawingScale = 0.0;
    double bandRows = 0.0;
    double letterWidth = 0.0;
    std::vector<TextRoom> columns;

    friend bool operator==(const LegendFontKey&, const LegendFontKey&) = default;
};

// Two columns, or one when that lets the texts be larger. Deciding measures every text twice, and
// a running step draws the same legend again at each tick to check its picture: the decision
// for the last legend is kept, keyed by what it depends on.
LegendFont FitLegendFont(Surface& s, const std::vector<TextRoom>& columns,
                         const std::vector<TextRoom>& single, double bandRows)
{
    thread_local std::optional<LegendFontKey> keptKey;
    thread_local LegendFont kept;
    LegendFontKey key;
    key.pixelWidth = s.PixelWidth();
    key.windowWidth = s.Window().width;
    key.drawingScale = DrawingScale();
    key.bandRows = bandRows;
    key.letterWidth = s.TextPixels("M").width;
    key.columns = columns;
    if (key != keptKey) {
        const double twoColumns = FitFontToPicture(s, columns);
        const double oneColumn =
            std::min(FitFontToPicture(s, single),
                     Font{}.size * bandRows / static_cast<double>(single.size()));
        kept = oneColumn > twoColumns ? LegendFont{oneColumn, true} : LegendFont{twoColumns, false};
        keptKey = std::move(key);
    }
    return kept;
}

} // namespace

void DrawLegendBand(Surface& s, const std::vector<LegendEntry>& entries, const ArrowScales& scales)
{
    s.SetFontSize(Font{}.size); // the band and the texts are measured at the normal size
    const double top = LegendBandTop(s);
    const double bandRows = LegendBandRows(s);
    const double w = std::abs(s.ScaleWidth());
    // Each text runs up to a little before the next column or the picture's edge.
    std::vector<TextRoom> columns{{ScalesText(scales), 0.96 * w}};
    std::vector<TextRoom> single = columns;
    for (const LegendEntry& e : entries) {
        const double room = e.column == LegendColumn::Forces ? 0.39 : 0.37;
        columns.push_back({Tr("explorer", e.label), room * w});
        single.push_back({Tr("explorer", e.label), 0.87 * w});
    }
    const LegendFont font = FitLegendFont(s, columns, single, bandRows);
    const bool stacked = font.stacked;
    s.SetFontSize(font.points);
    int rows[2] = {0, 0};
    for (const LegendEntry& e : entries) {
        s.SetDrawWidth(e.width);
        const LegendColumn column = stacked ? LegendColumn::Velocities : e.column;
        Legend(s, top, column, rows[static_cast<int>(column)]++, e.label, e.color);
    }
    s.SetDrawWidth(1);
    s.SetForeColor(colors::Black);
    s.SetCurrentX(s.ScaleLeft() + 0.02 * w);
    const int scalesRow = stacked ? rows[0] : LegendRows - 1;
    s.SetCurrentY(top - scalesRow * s.TextLineHeight());
    s.Print(ScalesText(scales));
}

} // namespace ttl
