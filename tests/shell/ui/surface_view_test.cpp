#include "shell/drawing_scale.h"
#include "shell/ui/drawing_palette.h"
#include "shell/ui/surface_painter.h"
#include "shell/ui/surface_view.h"
#include "turntable/orbit_graph.h"
#include "turntable/time_graphs.h"
#include "turntable/work_energy_graph.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <tuple>
#include <vector>

namespace ttl {
namespace {

QImage Grab(SurfaceView& view)
{
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool HasColourNear(const QImage& image, QPoint at, QColor wanted)
{
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -2; dy <= 2; ++dy) {
            const QPoint p = at + QPoint(dx, dy);
            if (!image.rect().contains(p)) {
                continue;
            }
            const QColor c = image.pixelColor(p);
            if (std::abs(c.red() - wanted.red()) < 60 &&
                std::abs(c.green() - wanted.green()) < 60 &&
                std::abs(c.blue() - wanted.blue()) < 60) {
                return true;
            }
        }
    }
    return false;
}

bool IsBlank(const QImage& image, QColor background)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background) {
                return false;
            }
        }
    }
    return true;
}

class SurfaceViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        view.resize(200, 100);
        view.show();
        view.surface().Scale(0, 10, 20, 0); // 10 pixels per unit, y upward
    }
    SurfaceView view;
};

TEST_F(SurfaceViewTest, AddsNewPrimitivesToTheCachedPicture)
{
    view.surface().Line(1, 5, 19, 5, colors::Red); // pixel row 50
    QImage first = Grab(view);
    EXPECT_TRUE(view.lastPaintWasFull());
    EXPECT_TRUE(HasColourNear(first, {100, 50}, Qt::red));

    view.surface().Line(10, 1, 10, 9, colors::Blue); // pixel column 100
    QImage second = Grab(view);
    EXPECT_FALSE(view.lastPaintWasFull());
    EXPECT_TRUE(HasColourNear(second, {30, 50}, Qt::red));
    EXPECT_TRUE(HasColourNear(second, {100, 20}, Qt::blue));
}

TEST_F(SurfaceViewTest, ClsAndResizeRepaintFromScratch)
{
    view.surface().Line(1, 5, 19, 5, colors::Red);
    Grab(view);
    view.surface().Cls();
    const QImage cleared = Grab(view);
    EXPECT_TRUE(view.lastPaintWasFull());
    EXPECT_TRUE(IsBlank(cleared, Qt::white));

    view.surface().Line(1, 5, 19, 5, colors::Red);
    Grab(view);
    view.resize(400, 200);
    const QImage larger = Grab(view);
    EXPECT_TRUE(view.lastPaintWasFull());
    EXPECT_TRUE(HasColourNear(larger, {200, 100}, Qt::red)); // the world window now spans 400 px
}

TEST_F(SurfaceViewTest, ARedrawThatRepeatsThePreviousPictureReusesItAndLooksTheSame)
{
    const auto drawPath = [&](int marks) {
        Surface& s = view.surface();
        s.Cls();
        for (int k = 0; k < marks; ++k) {
            s.Circle(1 + 0.1 * k, 5, 0.5, colors::Blue);
        }
        s.Line(10, 1, 10 + 0.1 * marks, 9, colors::Red); // an arrow that moves every step
    };
    drawPath(100);
    Grab(view);
    drawPath(101);
    Grab(view);
    drawPath(102);
    const QImage reused = Grab(view);
    EXPECT_TRUE(view.lastPaintWasFull());
    // the snapshot holds the marks the last two pictures shared; two marks and the arrow are new
    EXPECT_EQ(view.lastPaintReused(), 100U);
    EXPECT_EQ(view.lastPaintCopied(), 2U); // the newest mark and the moved arrow, not the path
    const QImage fresh =
        RenderSurface(view.surface(), view.size(), 1.0).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(reused, fresh);

    // a picture that no longer starts the same way is painted from scratch
    view.surface().Cls();
    view.surface().Line(1, 1, 2, 2, colors::Green);
    Grab(view);
    EXPECT_EQ(view.lastPaintReused(), 0U);
}

TEST_F(SurfaceViewTest, TheTransientLayerShowsOverThePictureUntilCleared)
{
    Surface& s = view.surface();
    s.Line(1, 5, 19, 5, colors::Red);
    s.SetAutoRedraw(false);
    s.Line(10, 1, 10, 9, colors::Blue); // an arrow of this frame
    s.SetAutoRedraw(true);
    QImage frame = Grab(view);
    EXPECT_TRUE(HasColourNear(frame, {100, 20}, Qt::blue));
    EXPECT_TRUE(HasColourNear(frame, {30, 50}, Qt::red));
    EXPECT_TRUE(
        HasColourNear(RenderSurface(s, view.size(), 1.0).convertToFormat(QImage::Format_RGB32),
                      {100, 20}, Qt::blue)); // saved and copied pictures include it

    s.ClearTransient(); // the next frame
    frame = Grab(view);
    EXPECT_FALSE(HasColourNear(frame, {100, 20}, Qt::blue));
    EXPECT_TRUE(HasColourNear(frame, {30, 50}, Qt::red));
    EXPECT_FALSE(view.lastPaintWasFull()); // the picture underneath was kept
}

TEST_F(SurfaceViewTest, RefreshAsksToPaintEveryChangedPixelAndLittleElse)
{
    const auto guideCircle = [](Surface& s) { s.Circle(14, 4, 3, colors::Black); };
    // A frame: the path so far, then the arrow and the guide circle that move.
    const auto path = [&](Surface& s, int marks) {
        s.Cls();
        for (int k = 0; k < marks; ++k) {
            s.Circle(1 + 0.15 * k, 3 + 0.05 * k, 0.2, colors::Blue);
        }
        s.SetAutoRedraw(false);
        s.Line(2, 8, 3, 9, colors::Green);
        guideCircle(s);
        s.SetAutoRedraw(true);
    };
    struct Change {
        const char* what;
        std::function<void(Surface&)> apply;
        double mostOfThePicture = 1.0 / 8.0; // the region's area, at most
    };
    const Change changes[] = {
        {"a mark added", [&](Surface& s) { path(s, 101); }},
        {"a mark taken away", [&](Surface& s) { path(s, 99); }},
        {"a line added", [](Surface& s) { s.Line(15, 8, 18, 9, colors::Red); }},
        {"a text added",
         [](Surface& s) {
             s.SetCurrentX(12);
             s.SetCurrentY(9);
             s.Print("v = 1.2");
         }},
        {"the arrow moved, the guide circle stayed",
         [&](Surface& s) {
             s.ClearTransient();
             s.SetAutoRedraw(false);
             s.Line(4, 8, 6, 9, colors::Green);
             guideCircle(s);
             s.SetAutoRedraw(true);
         }},
        {"the guide circle grew",
         [&](Surface& s) {
             s.ClearTransient();
             s.SetAutoRedraw(false);
             s.Line(2, 8, 3, 9, colors::Green);
             s.Circle(14, 4, 3.1, colors::Black);
             s.SetAutoRedraw(true);
         },
         0.25},
        {"a long radius turned past a new mark",
         [&](Surface& s) {
             path(s, 101);
             s.SetAutoRedraw(false);
             s.Line(2.5, 9, 19, 0.5, colors::Blue); // across the old arrow's band
             s.SetAutoRedraw(true);
         },
         1.0}, // its box is most of the picture, and a strip this short is joined up again
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        Surface& s = view.surface();
        path(s, 100);
        const QImage shown = Grab(view);
        const QImage before = RenderSurface(s, view.size(), 1.0);
        change.apply(s);
        view.refresh();
        const QImage after = RenderSurface(s, view.size(), 1.0);
        const QRegion region = view.lastRefreshRegion();
        ASSERT_FALSE(region.isEmpty());
        for (int y = 0; y < after.height(); ++y) {
            for (int x = 0; x < after.width(); ++x) {
                if (before.pixel(x, y) != after.pixel(x, y)) {
                    ASSERT_TRUE(region.contains(QPoint(x, y))) << x << "," << y;
                }
            }
        }
        int area = 0;
        for (const QRect& r : region) {
            area += r.width() * r.height();
        }
        EXPECT_LT(area, change.mostOfThePicture * view.width() * view.height());
        // what the refreshed window shows, painted only where it changed (in parts when the
        // region has several), is the picture painted whole
        QImage refreshed = shown;
        view.render(&refreshed, region.boundingRect().topLeft(), region); // placed where it is
        EXPECT_EQ(refreshed, after.convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(Grab(view), after.convertToFormat(QImage::Format_RGB32));
    }
}

// A large ring is asked to be painted again as boxes along it, and a rectangle of a refresh
// strokes it only where the ring may cross it; painted in parts or whole, the frame must look
// the same.
TEST_F(SurfaceViewTest, AFrameWithALargeRingPaintedInPartsIsThePicturePaintedWhole)
{
    view.resize(400, 300);
    Surface& s = view.surface();
    s.Scale(0, 30, 40, 0);
    const auto frame = [&](double arrowTip, double ringRadius, int width) {
        s.ClearTransient();
        s.SetAutoRedraw(false);
        s.Line(32, 15, 34, arrowTip, colors::Red); // an arrow from the body on the ring
        s.SetDrawWidth(width);
        s.Circle(20, 15, ringRadius, colors::Black);
        s.SetDrawWidth(1);
        s.SetAutoRedraw(true);
    };
    for (const auto& [what, tip, radius, width] :
         {std::tuple{"the arrow turned", 18.0, 12.0, 1}, std::tuple{"the ring grew", 17.0, 12.1, 1},
          std::tuple{"the arrow turned by a wide ring", 18.0, 12.0, 3}}) {
        SCOPED_TRACE(what);
        s.Cls();
        s.Line(2, 2, 38, 28, colors::Blue);
        frame(17.0, 12.0, width);
        const QImage shown = Grab(view);
        frame(tip, radius, width);
        view.refresh();
        const QRegion region = view.lastRefreshRegion();
        QImage refreshed = shown;
        view.render(&refreshed, region.boundingRect().topLeft(), region);
        EXPECT_EQ(refreshed,
                  RenderSurface(s, view.size(), 1.0).convertToFormat(QImage::Format_RGB32));
        // the far side of an unchanged ring is left alone
        EXPECT_EQ(region.contains(QPoint(80, 150)), radius != 12.0);
    }
}

// Counts the paints each view gets and what they cover.
struct PaintLog : QObject {
    std::map<QObject*, std::vector<QRegion>> paints;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            paints[watched].push_back(static_cast<QPaintEvent*>(event)->region());
        }
        return false;
    }
};

// An animation's tick paints what changed in its views before it returns, once each and only
// there, and leaves nothing for the event loop to paint afterwards.
TEST(RefreshNow, PaintsWhatChangedInEachViewAtOnceAndNothingElse)
{
    const struct {
        const char* what;
        bool moveFirst;
        bool moveSecond;
        bool secondShown;
    } cases[] = {
        {"the first view's arrow moved", true, false, true},
        {"both arrows moved", true, true, true},
        {"nothing moved", false, false, true},
        {"a hidden view's arrow moved", true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget window;
        window.resize(420, 200);
        SurfaceView first(&window);
        SurfaceView second(&window);
        first.setGeometry(0, 0, 200, 200);
        second.setGeometry(220, 0, 200, 200);
        SurfaceView* views[] = {&first, &second};
        const auto arrows = [&](double tip) {
            for (SurfaceView* view : views) {
                Surface& s = view->surface();
                s.Scale(0, 10, 10, 0);
                s.ClearTransient();
                s.SetAutoRedraw(false);
                s.Line(5, 5, tip, 8, colors::Red);
                s.SetAutoRedraw(true);
            }
        };
        arrows(6.0);
        second.setVisible(c.secondShown);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        PaintLog log;
        first.installEventFilter(&log);
        second.installEventFilter(&log);

        for (SurfaceView* view : views) {
            const bool moves = view == &first ? c.moveFirst : c.moveSecond;
            Surface& s = view->surface();
            s.ClearTransient();
            s.SetAutoRedraw(false);
            s.Line(5, 5, moves ? 7.0 : 6.0, 8, colors::Red);
            s.SetAutoRedraw(true);
        }
        SurfaceView::refreshNow({&first, &second});
        const std::map<QObject*, std::vector<QRegion>> now = log.paints;
        QCoreApplication::processEvents();
        EXPECT_EQ(log.paints, now) << "painted again later";
        for (SurfaceView* view : views) {
            const bool painted = (view == &first ? c.moveFirst : c.moveSecond) && view->isVisible();
            const auto found = now.find(view);
            ASSERT_EQ(found != now.end(), painted) << view->geometry().x();
            if (painted) {
                ASSERT_EQ(found->second.size(), 1U);
                EXPECT_EQ(found->second.front(), view->lastRefreshRegion());
                EXPECT_EQ(Grab(*view), RenderSurface(view->surface(), view->size(), 1.0)
                                           .convertToFormat(QImage::Format_RGB32));
            }
        }
    }
}

TEST_F(SurfaceViewTest, ResizingCallsTheRedrawWithTheNewPixelSize)
{
    int calls = 0;
    int seenWidth = 0;
    view.setRedraw([&](Surface& s) {
        ++calls;
        seenWidth = s.PixelWidth();
    });
    view.resize(321, 123);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seenWidth, 321);
}

TEST_F(SurfaceViewTest, DegenerateWindowsAndNonFiniteValuesDrawNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Surface& s = view.surface();
    s.Scale(0, 0, 0, 0);
    s.Line(-1, -1, 1, 1, colors::Red);
    s.Circle(0, 0, 1, colors::Red);
    s.Print("text");
    s.Scale(0, 10, 20, 0);
    s.Line(1, 1, nan, 2, colors::Red);
    s.Circle(10, 5, std::numeric_limits<double>::infinity(), colors::Red);
    s.Scale(0, 1e-300, 1e300, 0); // absurd but finite: clipped, not crashed on
    s.Line(0, 0, 1e300, 1e-300, colors::Blue);
    const QImage image = Grab(view);
    for (int x = 0; x < image.width(); x += 7) {
        for (int y = 0; y < image.height(); y += 7) {
            EXPECT_NE(image.pixelColor(x, y), QColor(Qt::red));
        }
    }
}

TEST_F(SurfaceViewTest, SavesPngAndSvgAndReportsUnwritablePaths)
{
    view.surface().Line(1, 5, 19, 5, colors::Red);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString png = dir.filePath(QStringLiteral("picture.png"));
    const QString svg = dir.filePath(QStringLiteral("picture.svg"));
    ASSERT_TRUE(view.savePicture(png));
    ASSERT_TRUE(view.savePicture(svg));
    const QImage saved(png);
    EXPECT_EQ(saved.size(), QSize(400, 200)); // twice the window, sharp when projected
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("<svg"));
    EXPECT_TRUE(content.contains("#ff0000"));

    EXPECT_FALSE(view.savePicture(dir.filePath(QStringLiteral("missing/dir/picture.png"))));
    EXPECT_FALSE(view.savePicture(dir.filePath(QStringLiteral("missing/dir/picture.svg"))));
}

// The page contents of a PDF, its compressed streams unpacked.
QByteArray PdfContents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray pdf = file.readAll();
    QByteArray contents;
    for (qsizetype at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at)) {
        at += 7;
        const qsizetype end = pdf.indexOf("endstream", at);
        QByteArray packed = pdf.mid(at, end - at);
        packed.prepend(QByteArray("\x00\x01\x00\x00", 4)); // a size hint for qUncompress
        const QByteArray unpacked = qUncompress(packed);
        contents += unpacked.isEmpty() ? pdf.mid(at, end - at) : unpacked;
        at = end + 9; // past "endstream"
    }
    return pdf + contents;
}

// "Print…" through a PDF printer: one page of the size asked for, the picture on it in lines and
// texts; a printer that cannot write says so.
TEST_F(SurfaceViewTest, PrintsThePictureAsVectorsOnOnePage)
{
    QTemporaryDir dir;
    const auto print = [&](const QString& name) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(name));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
        return view.printPicture(printer);
    };
    ASSERT_TRUE(print(QStringLiteral("blank.pdf")));
    view.surface().Line(1, 5, 19, 5, colors::Red);
    view.surface().SetCurrentX(2);
    view.surface().SetCurrentY(9);
    view.surface().Print("0.5");
    ASSERT_TRUE(print(QStringLiteral("picture.pdf")));
    EXPECT_FALSE(print(QStringLiteral("missing/picture.pdf")));

    const QByteArray blank = PdfContents(dir.filePath(QStringLiteral("blank.pdf")));
    const QByteArray drawn = PdfContents(dir.filePath(QStringLiteral("picture.pdf")));
    // A4 across, in points
    EXPECT_TRUE(QRegularExpression(QStringLiteral("/MediaBox \\[0 0 842[.0]* 595[.0]*\\]"))
                    .match(QString::fromLatin1(drawn))
                    .hasMatch());
    EXPECT_TRUE(drawn.contains("\nBT\n")) << "no text";
    EXPECT_FALSE(blank.contains("\nBT\n"));
    EXPECT_GT(drawn.count("\nS\n"), blank.count("\nS\n")) << "no stroke";
}

TEST(PaintClipping, CutsSegmentsAndSkipsCirclesToTheVisibleRectangle)
{
    const QRectF rect(0, 0, 100, 50);
    // crossing: the part inside, and where it starts along the whole segment
    const auto crossing = ClipSegment({-100, 25}, {300, 25}, rect);
    ASSERT_TRUE(crossing.has_value());
    EXPECT_NEAR(crossing->line.x1(), 0.0, 1e-9);
    EXPECT_NEAR(crossing->line.x2(), 100.0, 1e-9);
    EXPECT_NEAR(crossing->startFraction, 0.25, 1e-12);
    const auto diagonal = ClipSegment({-50, -50}, {150, 150}, rect);
    ASSERT_TRUE(diagonal.has_value());
    EXPECT_NEAR(diagonal->line.p1().x(), 0.0, 1e-9);
    EXPECT_NEAR(diagonal->line.p2().y(), 50.0, 1e-9);
    EXPECT_NEAR(diagonal->line.p2().x(), 50.0, 1e-9);
    // inside: unchanged; outside (beside it, or crossing its corner's extension): nothing
    const auto inside = ClipSegment({10, 10}, {90, 40}, rect);
    ASSERT_TRUE(inside.has_value());
    EXPECT_EQ(inside->line, QLineF(10, 10, 90, 40));
    EXPECT_EQ(inside->startFraction, 0.0);
    EXPECT_FALSE(ClipSegment({-10, -10}, {-1, 60}, rect).has_value());
    EXPECT_FALSE(ClipSegment({120, -30}, {200, 10}, rect).has_value());

    EXPECT_TRUE(CircleMayShow({50, 25}, 10, false, rect));
    EXPECT_FALSE(CircleMayShow({500, 25}, 10, false, rect));  // far beside it
    EXPECT_FALSE(CircleMayShow({50, 25}, 1000, false, rect)); // its outline all round it
    EXPECT_TRUE(CircleMayShow({50, 25}, 1000, true, rect));   // but the disc covers it
    EXPECT_TRUE(CircleMayShow({130, 25}, 40, false, rect));   // crossing an edge
}

// An arrow far longer than the picture: what is painted is what painting the whole line would
// have shown, dashes in the same places.
TEST(PaintClipping, APaintedLongLineLooksAsIfItWerePaintedWhole)
{
    const QSize size(200, 120);
    for (const DrawStyle style : {DrawStyle::Solid, DrawStyle::Dash, DrawStyle::Dot}) {
        Surface s;
        s.Scale(0, 0, 200, 120);
        s.SetDrawStyle(style);
        s.SetDrawWidth(2);
        s.Line(-3000, -1700, 150, 100, colors::Red); // starts 3600 px away, up-left
        const QImage clipped = RenderSurface(s, size, 1.0);

        QImage whole = BlankImage(s, size, 1.0);
        QPainter painter(&whole);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(0.5, 0.5);
        QPen pen(QColor(255, 0, 0), 2,
                 style == DrawStyle::Dash  ? Qt::DashLine
                 : style == DrawStyle::Dot ? Qt::DotLine
                                           : Qt::SolidLine);
        pen.setCapStyle(style == DrawStyle::Solid ? Qt::RoundCap : Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(-3000, -1700), QPointF(150, 100));
        painter.end();

        int worst = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QColor a = clipped.pixelColor(x, y);
                const QColor b = whole.pixelColor(x, y);
                const int d =
                    std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                              std::abs(a.blue() - b.blue())});
                worst = std::max(worst, d);
            }
        }
        EXPECT_LE(worst, 1) << "style " << static_cast<int>(style);
    }
}

// The pixels `reference` inks, and of them and the blank ones, how many are blank in one picture
// and clearly inked in the other: a mark that went missing, appeared or moved. A fringe painted
// lighter or a colour on top of another does not count.
std::pair<int, int> InkThatMoved(const QImage& reference, const QImage& picture)
{
    const auto ink = [](QColor c) {
        return 255 - std::min({c.red(), c.green(), c.blue()}); // 0 on white
    };
    int inked = 0;
    int moved = 0;
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const int a = ink(reference.pixelColor(x, y));
            const int b = ink(picture.pixelColor(x, y));
            inked += a > 0 ? 1 : 0;
            moved += std::min(a, b) < 32 && std::max(a, b) > 128 ? 1 : 0;
        }
    }
    return {inked, moved};
}

// Each primitive painted on its own by the painter's plain calls, as marks were painted before
// they were batched: solid lines with round caps, points as discs or single pixels; the rest as
// the surface painter paints them.
QImage PaintedOneByOne(const Surface& s, QSize size)
{
    QImage image = BlankImage(s, size, 1.0);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const auto& list = s.Primitives();
    for (std::size_t k = 0; k < list.size(); ++k) {
        const Primitive& p = list[k];
        const auto at = [&](double x, double y) {
            return QPointF((x - p.window.left) / p.window.width * size.width() + 0.5,
                           (y - p.window.top) / p.window.height * size.height() + 0.5);
        };
        const QColor color = DrawingPalette::Instance().shown(p.color);
        const double width = ScaledPenWidth(p.width);
        if (p.kind == PrimitiveKind::Line && p.style == DrawStyle::Solid) {
            QPen pen(color, width);
            pen.setCapStyle(Qt::RoundCap);
            painter.setPen(pen);
            painter.drawLine(at(p.x1, p.y1), at(p.x2, p.y2));
        } else if (p.kind == PrimitiveKind::Point && width <= 1.0) {
            painter.fillRect(QRectF(at(p.x1, p.y1) - QPointF(0.5, 0.5), QSizeF(1, 1)), color);
        } else if (p.kind == PrimitiveKind::Point) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(color);
            painter.drawEllipse(at(p.x1, p.y1), width / 2.0, width / 2.0);
            painter.setBrush(Qt::NoBrush);
        } else {
            PaintPrimitives(painter, list, k, QSizeF(size), k + 1);
        }
    }
    return image;
}

// A graph of thousands of steps is painted in a few batched calls; it must look as it does when
// each primitive is painted on its own. Wide curves' antialiased fringes are painted once rather
// than many times over, and a dot may now lie over a curve drawn after it; a dropped, added or
// shifted curve or row of dots shows.
TEST(PaintBatching, AGraphPaintedInBatchesLooksAsIfEachMarkWerePaintedAlone)
{
    SimulationInputs inputs;
    inputs.periodCount = 40;
    inputs.intervalValue = 1; // 5000 steps
    inputs.baseInfluenced = true;
    const SimulationResult run = RunSimulation(inputs);
    const QSize size(1366, 768);
    const std::pair<const char*, std::function<void(Surface&)>> graphs[] = {
        {"velocities", [&](Surface& s) { DrawVelocityGraph(s, run); }},
        {"angular velocity", [&](Surface& s) { DrawAngularVelocityGraph(s, run); }},
        {"base angle", [&](Surface& s) { DrawBaseAngleGraph(s, run); }},
        {"work-energy",
         [&](Surface& s) {
             const WorkRange range = ComputeWorkRange(run);
             DrawWorkEnergyGraph(s, run, range.max, range.min, false);
         }},
    };
    for (const auto& [name, draw] : graphs) {
        Surface s;
        s.SetPixelSize(size.width(), size.height());
        s.SetTextMeasure(MeasureText);
        draw(s);
        const auto [inked, moved] =
            InkThatMoved(PaintedOneByOne(s, size), RenderSurface(s, size, 1.0));
        EXPECT_GT(inked, 10000) << name;
        EXPECT_LT(moved, inked / 500) << name; // 20 of 33000 in the velocities, else none
    }
}

TEST(PaintClipping, AnSvgOfAFarOffArrowHoldsOnlyItsVisiblePart)
{
    Surface s;
    s.Scale(0, 0, 200, 120);
    s.Line(100, 60, 1e7, 6e6, colors::Red);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("far.svg"));
    ASSERT_TRUE(SaveSurface(s, QSize(200, 120), path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    ASSERT_TRUE(svg.contains(QStringLiteral("#ff0000")));
    // the coordinates of every drawn shape (points="..." and d="...")
    const QRegularExpression shape(QStringLiteral("(points|d)=\"([^\"]*)\""));
    const QRegularExpression number(QStringLiteral("-?\\d+(\\.\\d+)?(e[-+]?\\d+)?"));
    double largest = 0.0;
    for (auto shapes = shape.globalMatch(svg); shapes.hasNext();) {
        const QString coordinates = shapes.next().captured(2);
        for (auto it = number.globalMatch(coordinates); it.hasNext();) {
            largest = std::max(largest, std::abs(it.next().captured().toDouble()));
        }
    }
    EXPECT_GT(largest, 100.0);
    EXPECT_LT(largest, 2000.0); // a few picture widths at most, not the arrow's end 1e7 away
}

} // namespace
} // namespace ttl
