#include "derivation/derivation_construction.h"
#include "derivation/derivation_pages.h"

#include "shell/number_format.h"
#include "shell/picture_text.h"
#include "shell/translation.h"
#include "shell/vectors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace ttl {

namespace {

using colors::Black;
using colors::Blue;
using colors::White;

using Page = DerivationPageContent;

constexpr Color FrameGrey{150, 150, 150};

constexpr int FooterRows = 2;
// The inset's side as a share of the drawing's, and the share of it the construction fills,
// leaving a margin for the labels.
constexpr double InsetShare = 0.5;
constexpr double InsetFill = 0.72;
// A construction this many pixels across is readable where it stands.
constexpr double ReadablePixels = 150.0;

// An axis-aligned box, in world units.
struct Box {
    double left = std::numeric_limits<double>::infinity();
    double right = -std::numeric_limits<double>::infinity();
    double bottom = std::numeric_limits<double>::infinity();
    double top = -std::numeric_limits<double>::infinity();

    void Add(Vec2 p)
    {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    void Add(const Box& b)
    {
        if (!b.Empty()) {
            Add(Vec2{b.left, b.bottom});
            Add(Vec2{b.right, b.top});
        }
    }
    [[nodiscard]] bool Empty() const { return left > right; }
    [[nodiscard]] bool Overlaps(const Box& o) const
    {
        return left < o.right && o.left < right && bottom < o.top && o.bottom < top;
    }
    [[nodiscard]] bool Contains(Vec2 p) const
    {
        return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top;
    }
    [[nodiscard]] bool Contains(const Box& b) const
    {
        return Contains(Vec2{b.left, b.bottom}) && Contains(Vec2{b.right, b.top});
    }
    [[nodiscard]] Vec2 Centre() const { return {0.5 * (left + right), 0.5 * (top + bottom)}; }
    [[nodiscard]] double Extent() const { return std::max(right - left, top - bottom); }
};

Box ContentOf(const Page& page)
{
    Box b;
    for (const DerivationMark& m : page.marks) {
        b.Add(m.at);
    }
    for (const DerivationArrow& a : page.arrows) {
        b.Add(a.tail);
        b.Add(a.tail + a.vector);
    }
    for (const DerivationRing& r : page.rings) {
        b.Add(r.centre - Vec2{r.radius, r.radius});
        b.Add(r.centre + Vec2{r.radius, r.radius});
    }
    return b;
}

Box ConstructionOf(const Page& page)
{
    Box b;
    for (const DerivationArrow& a : page.arrows) {
        if (a.construction) {
            b.Add(a.tail);
            b.Add(a.tail + a.vector);
        }
    }
    for (const DerivationSegment& g : page.segments) {
        if (g.construction) {
            b.Add(g.from);
            b.Add(g.to);
        }
    }
    return b;
}

// One world window for every page of a derivation, so that nothing moves from page to page:
// it holds what any page draws, with the longest explanation's band above and the footer below.
// The inset sits in the corner of the drawing that hides least of it.
struct Frame {
    double left = 0.0, top = 0.0, side = 1.0;
    double line = 0.0;   // a text line, in world units
    double pixels = 1.0; // the picture's height in pixels
    Box inset;
};

Box ConstructionsOf(const std::vector<Page>& pages)
{
    Box b;
    for (const Page& p : pages) {
        b.Add(ConstructionOf(p));
    }
    return b;
}

Frame DerivationFrame(const Surface& s, const RecordedMotion& state, const DerivationVectors& d,
                      const DerivationView& view, bool rotatingObserver)
{
    std::vector<Page> pages;
    Box content;
    content.Add(Vec2{0, 0});
    double rows = 0.0;
    for (int p = 0; p < DerivationPageCount(rotatingObserver); ++p) {
        pages.push_back(BuildDerivationPage(state, d, rotatingObserver, p));
        content.Add(ContentOf(pages.back()));
        const double noteRows = pages.back().note.empty() ? 0.0 : 1.0;
        rows = std::max(rows,
                        static_cast<double>(DerivationText(rotatingObserver, p).size()) + noteRows);
    }
    Frame f;
    f.pixels = s.PixelHeight() > 0 ? s.PixelHeight() : 600.0;
    const double lines = std::min(rows + FooterRows + 1.0, 0.6 * f.pixels / s.TextLinePixels());
    const double bands = lines * s.TextLinePixels() / f.pixels; // share of the height for texts
    // The square window's side that holds a w x h drawing under the texts.
    const auto sideFor = [bands](double w, double h) { return std::max(h / (1.0 - bands), w); };

    // The inset goes under a wide drawing and beside a tall one, on the side away from the
    // constructions it magnifies, as large as the room the drawing leaves there allows.
    const double width = content.right - content.left;
    const double height = content.top - content.bottom;
    const double largest = std::max(width, height);
    const bool below = width * (1.0 - bands) >= height;
    const double room =
        below ? sideFor(width, height) * (1.0 - bands) - height : sideFor(width, height) - width;
    const double q = std::clamp(room / 1.1, InsetShare * largest, largest);
    const Vec2 constructions = ConstructionsOf(pages).Centre();
    Box inset;
    if (below) {
        const double x = constructions.x < content.Centre().x ? content.right - q : content.left;
        inset = Box{x, x + q, content.bottom - 1.05 * q, content.bottom - 0.05 * q};
    } else {
        const double y = constructions.y < content.Centre().y ? content.top - q : content.bottom;
        inset = Box{content.right + 0.05 * q, content.right + 1.05 * q, y, y + q};
    }
    Box all = content;
    all.Add(inset);

    const double zoom = view.zoomValue / 120.0;
    f.side = 1.05 * zoom * sideFor(all.right - all.left, all.top - all.bottom);
    f.line = f.side * s.TextLinePixels() / f.pixels;
    const Vec2 shift{f.side * view.shiftX / 100.0, f.side * view.shiftY / 100.0};
    const double drawingHeight = f.side * (1.0 - bands);
    f.left = all.Centre().x - f.side / 2.0 + shift.x;
    f.top =
        all.top + 0.5 * (drawingHeight - (all.top - all.bottom)) + (rows + 0.5) * f.line + shift.y;
    f.inset = inset;
    return f;
}

// Where a page's construction is drawn again: magnified about its centre into the inset.
struct Magnifier {
    Vec2 from, to;
    double times = 1.0;
    [[nodiscard]] Vec2 operator()(Vec2 p) const { return to + times * (p - from); }
};

// Labels beside their points, each moved round its point until it overlaps no other and stays
// inside its bounds; above all, inside the picture.
class LabelPlacer {
public:
    LabelPlacer(Surface& s, const Frame& f) : m_surface(s), m_line(f.line)
    {
        m_worldPerPixel = f.side / f.pixels;
        m_window.Add(Vec2{f.left, f.top - f.side});
        m_window.Add(Vec2{f.left + f.side, f.top});
    }

    // Keeps the labels placed after this out of the box.
    void Reserve(const Box& b) { m_taken.push_back(b); }

    void Place(Vec2 at, const std::string& label, Color color, const Box& bounds)
    {
        const double width = m_worldPerPixel * m_surface.TextPixels(label).width;
        // x: 0.3 to the right of the point, -1 to its left, -0.5 centred on it
        static constexpr Vec2 offsets[] = {
            {0.3, 1.0}, {0.3, 0.0},   {-1.0, 1.0}, {-1.0, 0.0},  {-0.5, 1.2},  {-0.5, -0.2},
            {0.3, 2.2}, {0.3, -1.2},  {-1.0, 2.2}, {-1.0, -1.2}, {-0.5, 2.4},  {-0.5, -1.4},
            {0.3, 3.4}, {-1.0, -2.4}, {0.3, -2.4}, {-1.0, 3.4},  {-0.5, -2.6}, {-0.5, 3.6}};
        Box chosen;
        int best = std::numeric_limits<int>::max();
        for (const Vec2 o : offsets) {
            Box b;
            b.left = o.x == -0.5 ? at.x - 0.5 * width
                                 : at.x + (o.x < 0 ? -width - 0.3 * m_line : 0.3 * m_line);
            b.right = b.left + width;
            b.top = at.y + o.y * m_line;
            b.bottom = b.top - m_line;
            const bool overlaps = std::any_of(m_taken.begin(), m_taken.end(),
                                              [&](const Box& t) { return t.Overlaps(b); });
            const int fault =
                (m_window.Contains(b) ? 0 : 4) + (overlaps ? 2 : 0) + (bounds.Contains(b) ? 0 : 1);
            if (fault < best) {
                best = fault;
                chosen = b;
            }
            if (fault == 0) {
                break;
            }
        }
        m_taken.push_back(chosen);
        m_surface.SetForeColor(color);
        m_surface.SetCurrentX(chosen.left);
        m_surface.SetCurrentY(chosen.top);
        m_surface.Print(label);
        m_surface.SetForeColor(Black);
    }

private:
    Surface& m_surface;
    double m_line;
    double m_worldPerPixel = 0.0;
    Box m_window;
    std::vector<Box> m_taken;
};

void DrawArrow(Surface& s, const DerivationArrow& a, const Magnifier& m,
               std::vector<DrawnDerivationArrow>& drawn)
{
    const Vec2 tail = m(a.tail);
    const Vec2 vector = m.times * a.vector;
    drawn.push_back({a.label, tail, vector, m.times != 1.0});
    s.SetDrawWidth(a.width);
    s.SetDrawStyle(a.style);
    DrawVector(s, tail.x, tail.y, vector.x, vector.y, a.color.red, a.color.green, a.color.blue);
    s.SetDrawWidth(1);
    s.SetDrawStyle(DrawStyle::Solid);
}

void DrawCommonPicture(Surface& s, const RecordedMotion& state, const Page& page, double mark)
{
    s.Circle(0, 0, state.HubRadius, Black);
    s.Line(0, 0, state.BaseRadius * std::cos(-state.BaseAngle),
           state.BaseRadius * std::sin(-state.BaseAngle), Blue);
    for (const DerivationMark& m : page.marks) {
        s.SetDrawStyle(m.style);
        s.Circle(m.at.x, m.at.y, mark, m.color);
    }
    s.SetDrawStyle(DrawStyle::Solid);
    for (const DerivationRing& r : page.rings) {
        s.SetDrawStyle(r.style);
        s.Circle(r.centre.x, r.centre.y, r.radius, r.color);
    }
    for (const DerivationSegment& g : page.segments) {
        s.SetDrawStyle(g.style);
        s.Line(g.from.x, g.from.y, g.to.x, g.to.y, g.color);
    }
    s.SetDrawStyle(DrawStyle::Solid);
    s.SetDrawWidth(page.pointWidth);
    for (const Vec2 p : page.points) {
        s.PSet(p.x, p.y, Black);
    }
    s.SetDrawWidth(1);
}

void DrawBoxOutline(Surface& s, const Box& b, Color color)
{
    s.Line(b.left, b.bottom, b.right, b.bottom, color);
    s.Line(b.right, b.bottom, b.right, b.top, color);
    s.Line(b.right, b.top, b.left, b.top, color);
    s.Line(b.left, b.top, b.left, b.bottom, color);
}

// The construction magnified in the inset, over a white ground, with its labels and the orbit
// marks that fall inside; the region it magnifies is outlined where it lies.
void DrawInset(Surface& s, const Page& page, const Frame& f, const Magnifier& m, double mark,
               LabelPlacer& labels, std::vector<DrawnDerivationArrow>& drawn)
{
    const Box& inset = f.inset;
    Box region;
    const double half = 0.5 * (inset.right - inset.left) / m.times;
    region.Add(m.from - Vec2{half, half});
    region.Add(m.from + Vec2{half, half});
    DrawBoxOutline(s, region, FrameGrey);
    s.FilledBox(inset.left, inset.bottom, inset.right, inset.top, White);
    DrawBoxOutline(s, inset, FrameGrey);
    for (const DerivationMark& k : page.marks) {
        if (region.Contains(k.at)) {
            const Vec2 at = m(k.at);
            s.SetDrawStyle(k.style);
            s.Circle(at.x, at.y, mark, k.color);
        }
    }
    for (const DerivationSegment& g : page.segments) {
        if (g.construction) {
            const Vec2 a = m(g.from);
            const Vec2 b = m(g.to);
            s.SetDrawStyle(g.style);
            s.Line(a.x, a.y, b.x, b.y, g.color);
        }
    }
    s.SetDrawStyle(DrawStyle::Solid);
    for (const DerivationArrow& a : page.arrows) {
        if (a.construction) {
            DrawArrow(s, a, m, drawn);
        }
    }
    for (const DerivationArrow& a : page.arrows) {
        if (a.construction && !a.label.empty()) {
            labels.Place(m(a.tail + a.vector), a.label, a.labelColor, inset);
        }
    }
    s.SetCurrentX(inset.left + 0.3 * f.line);
    s.SetCurrentY(inset.top - 0.1 * f.line);
    s.Print("\u00D7" + FormatNumber(m.times, "0.0"));
}

void DrawExplanation(Surface& s, const Frame& f, const std::vector<std::string>& text,
                     const std::string& note)
{
    s.SetFontBold(true);
    s.SetFontSize(10.0);
    double widest = 1.0;
    for (const std::string& l : text) {
        widest = std::max(widest, s.TextPixels(l).width);
    }
    const double widthPixels = s.PixelWidth() > 0 ? s.PixelWidth() : f.pixels;
    s.SetFontSize(std::min(10.0, 10.0 * 0.97 * widthPixels / widest));
    double y = s.ScaleTop() - 0.2 * f.line;
    for (const std::string& l : text) {
        s.SetCurrentX(s.ScaleLeft() + 0.01 * f.side);
        s.SetCurrentY(y);
        s.Print(l);
        y -= f.line;
    }
    s.SetFontBold(false);
    s.SetFontSize(10.0);
    if (!note.empty()) {
        s.SetCurrentX(s.ScaleLeft() + 0.01 * f.side);
        s.SetCurrentY(y);
        s.Print(note);
    }
}

void DrawFooter(Surface& s, const Frame& f, const DerivationVectors& d, const DerivationView& view,
                bool rotatingObserver, int number)
{
    const double bottom = s.ScaleTop() + s.ScaleHeight();
    const auto footer = [&](double fraction, int row, const std::string& t) {
        s.SetCurrentX(s.ScaleLeft() + fraction * f.side);
        s.SetCurrentY(bottom + (FooterRows - row) * f.line);
        s.Print(t);
    };
    const std::string dt = d.Forward() ? "\u0394t = " + FormatNumber(d.dt, "0.00")
                                       : Tr("derivation", "Δt must be positive");
    const std::string left =
        Substitute(Tr("derivation", "xLEFT = %1"), {FormatNumber(view.shiftX / 10.0, "0.0")});
    const std::string down =
        Substitute(Tr("derivation", "yBOTTOM= %1"), {FormatNumber(view.shiftY / 10.0, "0.0")});
    const std::string next = rotatingObserver ? Tr("derivation", "Click for NEXT")
                                              : Tr("derivation", "Click for next");
    const std::string previous = rotatingObserver ? Tr("derivation", "Shift - Click FOR PREVIOUS")
                                                  : Tr("derivation", "Shift - Click for PREVIOUS");
    const std::string page = Substitute(Tr("derivation", "page %1"), {FormatNumber(number, "0")});
    // Each text runs up to a little before the next one's column or the right edge.
    FitFontToPicture(s, {{dt, 0.32 * f.side},
                         {left, 0.28 * f.side},
                         {down, 0.33 * f.side},
                         {next, 0.32 * f.side},
                         {previous, 0.43 * f.side},
                         {page, 0.18 * f.side}});
    footer(0.01, 0, dt);
    footer(0.35, 0, left);
    footer(0.65, 0, down);
    footer(0.01, 1, next);
    footer(0.35, 1, previous);
    footer(0.8, 1, page);
    s.SetFontSize(10.0);
    s.SetForeColor(Black);
}

} // namespace

std::vector<DrawnDerivationArrow> DrawDerivationPage(Surface& s, const RecordedMotion& state,
                                                     const DerivationView& view,
                                                     bool rotatingObserver, int pageNumber)
{
    const int number = WrapDerivationPage(pageNumber, rotatingObserver);
    const DerivationVectors d = ComputeDerivationVectors(state, view.t1);
    const Page page = BuildDerivationPage(state, d, rotatingObserver, number);
    const Frame f = DerivationFrame(s, state, d, view, rotatingObserver);
    s.Scale(f.left, f.top, f.left + f.side, f.top - f.side);
    s.Cls();
    s.SetDrawWidth(1);
    s.SetDrawStyle(DrawStyle::Solid);
    s.SetFontBold(false);

    const double mark = 2.5 * f.side / f.pixels;
    DrawCommonPicture(s, state, page, mark);
    const Box construction = ConstructionOf(page);
    const double insetSide = f.inset.right - f.inset.left;
    const double times =
        construction.Empty() ? 0.0 : InsetFill * insetSide / std::max(construction.Extent(), 1e-9);
    const bool inset = times > 1.0 && construction.Extent() * f.pixels / f.side < ReadablePixels;
    std::vector<DrawnDerivationArrow> drawn;
    const Magnifier inPlace;
    for (const DerivationArrow& a : page.arrows) {
        DrawArrow(s, a, inPlace, drawn);
    }

    Box window;
    window.Add(Vec2{f.left, f.top - f.side});
    window.Add(Vec2{f.left + f.side, f.top});
    LabelPlacer labels(s, f);
    if (inset) {
        labels.Reserve(f.inset);
    }
    LabelPlacer insetLabels(s, f);
    for (const auto& [at, label] : page.pointLabels) {
        labels.Place(at, label, Black, window);
    }
    for (const DerivationArrow& a : page.arrows) {
        if (!a.label.empty() && !(inset && a.construction)) {
            labels.Place(a.tail + a.vector, a.label, a.labelColor, window);
        }
    }
    if (inset) {
        DrawInset(s, page, f, Magnifier{construction.Centre(), f.inset.Centre(), times}, mark,
                  insetLabels, drawn);
    }
    DrawExplanation(s, f, DerivationText(rotatingObserver, number), page.note);
    DrawFooter(s, f, d, view, rotatingObserver, number);
    return drawn;
}

} // namespace ttl
