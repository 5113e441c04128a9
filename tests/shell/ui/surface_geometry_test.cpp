#include "shell/ui/surface_geometry.h"
#include "shell/ui/drawing_palette.h"
#include "shell/ui/surface_painter.h"
#include "shell/ui/text_measure.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

namespace ttl {
namespace {

long Area(const QRegion& region)
{
    long area = 0;
    for (const QRect& r : region) {
        area += long(r.width()) * r.height();
    }
    return area;
}

// The region asked to be painted again for a primitive must hold every pixel it paints, or a
// moving thing leaves a trail; for a slanted line or a large ring it must be much less than the
// box around it, or a turning radius repaints a square.
TEST(PrimitivesRegion, HoldsEveryPixelAPrimitivePaintsAndLittleMoreAlongSlantsAndRings)
{
    const QSize size(400, 300);
    struct Case {
        const char* what;
        std::function<void(Surface&)> draw;
        double mostOfTheBox; // the region's area over its bounding box's, at most
    };
    const Case cases[] = {
        {"a thin radius", [](Surface& s) { s.Line(0, 0, 180, 130, colors::Blue); }, 0.35},
        {"a wide steep arrow shaft",
         [](Surface& s) {
             s.SetDrawWidth(4);
             s.Line(-150, -120, -60, 140, colors::Red);
         },
         0.5},
        {"a dashed slant",
         [](Surface& s) {
             s.SetDrawStyle(DrawStyle::Dash);
             s.Line(-190, 140, 190, -140, colors::Black);
         },
         0.3},
        {"a line running far off the picture",
         [](Surface& s) { s.Line(-50, -50, 9000, 7000, colors::Green); }, 0.5},
        {"a large ring", [](Surface& s) { s.Circle(10, -5, 120, colors::Black); }, 0.5},
        {"a level line", [](Surface& s) { s.Line(-180, 20, 180, 22, colors::Black); }, 1.0},
        {"a small filled disc",
         [](Surface& s) {
             s.SetFillStyle(FillStyle::Solid);
             s.Circle(50, 50, 20, colors::Red);
         },
         1.0},
        {"an arc", [](Surface& s) { s.Arc(0, 0, 100, 0.3, 2.0, colors::Blue); }, 1.0},
        {"a text",
         [](Surface& s) {
             s.SetCurrentX(-100);
             s.SetCurrentY(100);
             s.Print("L = 0.25");
         },
         1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Surface s;
        s.SetPixelSize(size.width(), size.height());
        s.Scale(-200, 150, 200, -150);
        c.draw(s);
        QImage image = BlankImage(s, size, 1.0, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintPrimitives(painter, s.Primitives(), 0, QSizeF(size));
        painter.end();

        const QRegion region = PrimitivesRegion(s.Primitives(), 0, QSizeF(size));
        const QRgb background = image.pixel(0, size.height() - 1);
        int inked = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                if (image.pixel(x, y) != background) {
                    ++inked;
                    ASSERT_TRUE(region.contains(QPoint(x, y))) << x << "," << y;
                }
            }
        }
        ASSERT_GT(inked, 0);
        const QRect box = region.boundingRect();
        EXPECT_LE(double(Area(region)), c.mostOfTheBox * box.width() * box.height());
        // joined into fewer rectangles, it still holds all of them
        const QRegion joined = Coalesced(region, 64 * 64);
        EXPECT_TRUE((region - joined).isEmpty());
        EXPECT_LE(joined.rectCount(), region.rectCount());
    }
}

// Measures are kept, so one must never be taken for another: each equals what Qt measures
// afresh for that text, font and size of texts, before and after the size changes.
TEST(MeasureText, AKeptMeasureIsTheOneQtGivesForThatTextFontAndSize)
{
    Font bold;
    bold.bold = true;
    const std::pair<std::string, Font> texts[] = {
        {"MMMM", Font{}}, {"MMMM", bold}, {"\u0391\u03b2\u03b3 = 12.5", Font{}}};
    for (const double scale : {1.0, 2.0, 1.0, 1.25}) {
        DrawingPalette::Instance().setScale(scale);
        for (const auto& [text, font] : texts) {
            for (int again = 0; again < 2; ++again) {
                const QFontMetricsF afresh(ToQFont(font));
                const TextExtent kept = MeasureText(text, font);
                EXPECT_EQ(kept.width, afresh.horizontalAdvance(QString::fromStdString(text)))
                    << text << " at " << scale;
                EXPECT_EQ(kept.height, afresh.height()) << text << " at " << scale;
            }
        }
    }
    DrawingPalette::Instance().setScale(1.0);
}

} // namespace
} // namespace ttl
