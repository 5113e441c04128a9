#pragma once

#include "shell/color.h"

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace ttl {

// The world rectangle of a surface: top-left corner and signed extents, as set by Scale.
struct WorldWindow {
    double left = 0.0;
    double top = 0.0;
    double width = 1.0;
    double height = 1.0;

    // A zero or non-finite extent cannot be mapped to pixels; nothing is drawn through it.
    [[nodiscard]] bool IsDrawable() const;

    friend bool operator==(const WorldWindow&, const WorldWindow&) = default;
};

struct Font {
    std::string name = "DejaVu Sans";
    double size = 10.0; // points
    bool bold = false;

    friend bool operator==(const Font&, const Font&) = default;
};

// A text's width and height in logical pixels.
struct TextExtent {
    double width = 0.0;
    double height = 0.0;
};

// Measures a text in a font as the view showing the surface will draw it. A view installs its
// own through Surface::SetTextMeasure; without one (in the core's tests, or before any view
// exists) Surface falls back to an estimate of 0.6 em a character and 1.2 em a line, a little
// wider than the fonts in use, so that what is placed with it does not collide when drawn.
using TextMeasure = std::function<TextExtent(const std::string& text, const Font& font)>;

enum class DrawStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3 };
enum class FillStyle { Solid = 0, Transparent = 1 };

enum class PrimitiveKind { Line, FilledBox, Circle, Point, Text };

// One recorded drawing operation with the world window and style it was drawn with, so that a
// later Scale or style change never moves or restyles what is already on the surface.
struct Primitive {
    PrimitiveKind kind = PrimitiveKind::Line;
    double x1 = 0.0; // line start, box corner, circle centre, point, text top-left
    double y1 = 0.0;
    double x2 = 0.0; // line end, opposite box corner
    double y2 = 0.0;
    double radius = 0.0;              // circles, in horizontal world units
    std::optional<double> startAngle; // arcs: radians, counter-clockwise from +x
    std::optional<double> endAngle;
    bool filled = false; // circles drawn with FillStyle solid
    Color color;
    int width = 1; // pixels
    DrawStyle style = DrawStyle::Solid;
    std::string text;
    Font font;
    WorldWindow window;

    friend bool operator==(const Primitive&, const Primitive&) = default;
};

// A retained drawing with the classic picture-box model: world coordinates set by Scale,
// a current position, a pen state, and a display list that views paint from.
class Surface {
public:
    Surface();

    void Scale(double x1, double y1, double x2, double y2);
    [[nodiscard]] double ScaleLeft() const { return m_window.left; }
    [[nodiscard]] double ScaleTop() const { return m_window.top; }
    [[nodiscard]] double ScaleWidth() const { return m_window.width; }
    [[nodiscard]] double ScaleHeight() const { return m_window.height; }
    [[nodiscard]] const WorldWindow& Window() const { return m_window; }

    // Erases everything and returns the current position to (0, 0).
    void Cls();

    void Line(double x1, double y1, double x2, double y2, std::optional<Color> color = {});
    // Starts at (CurrentX, CurrentY), so successive calls draw a polyline.
    void LineTo(double x2, double y2, std::optional<Color> color = {});
    // The box form: a rectangle with the two points as opposite corners, filled with the colour.
    void FilledBox(double x1, double y1, double x2, double y2, Color color);
    void Circle(double x, double y, double radius, std::optional<Color> color = {});
    void Arc(double x, double y, double radius, double startAngle, double endAngle,
             std::optional<Color> color = {});
    void PSet(double x, double y, std::optional<Color> color = {});
    // Writes the text with its top-left corner at the current position, then moves the current
    // position to the start of the next line.
    void Print(const std::string& text);

    [[nodiscard]] double CurrentX() const { return m_currentX; }
    [[nodiscard]] double CurrentY() const { return m_currentY; }
    void SetCurrentX(double x) { m_currentX = x; }
    void SetCurrentY(double y) { m_currentY = y; }

    [[nodiscard]] Color ForeColor() const { return m_foreColor; }
    void SetForeColor(Color color) { m_foreColor = color; }
    [[nodiscard]] Color BackColor() const { return m_backColor; }
    void SetBackColor(Color color) { m_backColor = color; }
    [[nodiscard]] int DrawWidth() const { return m_drawWidth; }
    void SetDrawWidth(int width);
    [[nodiscard]] ttl::DrawStyle DrawStyle() const { return m_drawStyle; }
    void SetDrawStyle(ttl::DrawStyle style) { m_drawStyle = style; }
    [[nodiscard]] ttl::FillStyle FillStyle() const { return m_fillStyle; }
    void SetFillStyle(ttl::FillStyle style) { m_fillStyle = style; }

    void SetFontBold(bool bold) { m_font.bold = bold; }
    void SetFontName(std::string name) { m_font.name = std::move(name); }
    void SetFontSize(double points);

    // A line of text in the current font with its leading, in world units (a fortieth of the
    // window's height before a view has given the surface its pixel size).
    [[nodiscard]] double TextLineHeight() const;
    // The same line in logical pixels.
    [[nodiscard]] double TextLinePixels() const;

    void SetTextMeasure(TextMeasure measure) { m_measure = std::move(measure); }
    // The text in the current font, in logical pixels.
    [[nodiscard]] TextExtent TextPixels(const std::string& text) const;
    // The same in world units of the current window, both positive (a picture 600 pixels square
    // before a view has given the surface its size).
    [[nodiscard]] TextExtent TextWorldSize(const std::string& text) const;

    // The size in logical pixels of whatever shows the surface; a view keeps it current.
    [[nodiscard]] int PixelWidth() const { return m_pixelWidth; }
    [[nodiscard]] int PixelHeight() const { return m_pixelHeight; }
    void SetPixelSize(int width, int height);

    // The width in logical pixels of a control lying over the top-right corner of whatever shows
    // the surface: texts laid out from the top (a graph's notes) keep out of its way.
    [[nodiscard]] double TopRightControlWidth() const { return m_topRightControlWidth; }
    void SetTopRightControlWidth(double width) { m_topRightControlWidth = width > 0 ? width : 0; }

    // With AutoRedraw on (the default) drawings persist. With it off they go to a transient
    // layer shown over the persistent picture until ClearTransient or Cls: an animation's moving
    // arrows, erased by clearing rather than by drawing over them in the background colour.
    [[nodiscard]] bool AutoRedraw() const { return m_autoRedraw; }
    void SetAutoRedraw(bool on) { m_autoRedraw = on; }
    void ClearTransient() { m_transient.clear(); }

    [[nodiscard]] const std::vector<Primitive>& Primitives() const { return m_primitives; }
    [[nodiscard]] const std::vector<Primitive>& TransientPrimitives() const { return m_transient; }
    // How many calls were given a non-finite coordinate: they draw nothing, and a fault upstream
    // shows here. Never reset.
    [[nodiscard]] std::size_t NonFiniteCalls() const { return m_nonFiniteCalls; }

    // Counts the Cls calls, so that a view knows when its cached picture is stale.
    [[nodiscard]] std::size_t ClearCount() const { return m_clearCount; }

    // A surface that draws as this one does now (world window, pen, font, pixel size, text
    // measure) with nothing drawn on it: what a routine would draw here, drawn aside to compare.
    [[nodiscard]] Surface BlankCopy() const;

private:
    // A new primitive at the end of the persistent or the transient list, styled as now.
    Primitive& Begin(PrimitiveKind kind, std::optional<Color> color);
    bool Accept(std::initializer_list<double> values);

    WorldWindow m_window;
    double m_currentX = 0.0;
    double m_currentY = 0.0;
    Color m_foreColor = colors::Black;
    Color m_backColor = colors::White;
    int m_drawWidth = 1;
    ttl::DrawStyle m_drawStyle = ttl::DrawStyle::Solid;
    ttl::FillStyle m_fillStyle = ttl::FillStyle::Transparent;
    Font m_font;
    TextMeasure m_measure;
    int m_pixelWidth = 0;
    int m_pixelHeight = 0;
    std::vector<Primitive> m_primitives;
    std::vector<Primitive> m_transient;
    bool m_autoRedraw = true;
    std::size_t m_clearCount = 0;
    std::size_t m_nonFiniteCalls = 0;
    double m_topRightControlWidth = 0.0;
};

} // namespace ttl
