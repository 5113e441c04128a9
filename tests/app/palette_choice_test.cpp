#include "app/application.h"
#include "app/snapshot.h"
#include "explorer/ui/explorer_screen.h"
#include "turntable/ui/rotating_screen.h"
#include "shell/drawing_scale.h"
#include "shell/palette.h"
#include "shell/ui/drawing_palette.h"
#include "shell/ui/introduction_screen.h"
#include "shell/ui/surface_painter.h"
#include "shell/ui/surface_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace ttl {
namespace {

class PaletteChoice : public testing::Test {
protected:
    void SetUp() override { DrawingPalette::Instance().setColourBlindSafe(true); }
    void TearDown() override { DrawingPalette::Instance().setColourBlindSafe(false); }
};

std::set<QString> SafeColourNames()
{
    std::set<QString> names;
    for (const PaletteEntry& e : ColourBlindSafeTable()) {
        names.insert(QColor(e.safe.red, e.safe.green, e.safe.blue).name());
    }
    return names;
}

// Every colour painted into every picture of every screen, as written to SVG, is a safe colour of
// the table.
TEST_F(PaletteChoice, EveryScreenIsPaintedInTheTablesSafeColoursOnly)
{
    const std::set<QString> safe = SafeColourNames();
    static const QRegularExpression colour(QStringLiteral("(?:fill|stroke)=\"(#[0-9a-f]{6})\""));
    QTemporaryDir dir;
    for (const QString& screen : SnapshotScreens()) {
        for (const bool rotating : {false, true}) {
            Application app;
            SnapshotRequest request{screen, dir.filePath(QStringLiteral("screen.png"))};
            request.steps = 30;
            request.rotatingFrame = rotating;
            request.page = 5;
            ASSERT_EQ(TakeSnapshot(app, request), 0);
            for (QWidget* widget : QApplication::allWidgets()) {
                auto* view = qobject_cast<SurfaceView*>(widget);
                if (view == nullptr || view->surface().Primitives().empty()) {
                    continue;
                }
                const QString svg = dir.filePath(QStringLiteral("picture.svg"));
                ASSERT_TRUE(SaveSurface(view->surface(), QSize(400, 300), svg));
                QFile file(svg);
                ASSERT_TRUE(file.open(QIODevice::ReadOnly));
                const QString text = QString::fromUtf8(file.readAll());
                for (const auto& match : colour.globalMatch(text)) {
                    EXPECT_TRUE(safe.count(match.captured(1)) == 1)
                        << screen.toStdString() << " " << view->objectName().toStdString()
                        << " paints " << match.captured(1).toStdString();
                }
            }
        }
    }
}

// In the explorer's picture each legend row is written and drawn in the colour its quantity's
// arrow has at the body, in the safe colours as in the drawings' own.
TEST_F(PaletteChoice, ALegendRowHasTheColourOfItsQuantitysArrow)
{
    Application app;
    ExplorerScreen& explorer = app.explorer();
    explorer.findChild<QScrollBar*>(QStringLiteral("vxtax"))->setValue(3); // a sliding body
    explorer.findChild<QAbstractButton*>(QStringLiteral("Option1"))->click();
    for (QCheckBox* box : explorer.findChildren<QCheckBox*>()) {
        if (box->objectName().startsWith(QStringLiteral("Check")) && !box->isChecked()) {
            box->click();
        }
    }
    for (int k = 0; k < 3; ++k) { // still sliding
        explorer.findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    }
    const Surface& s = explorer.Picture1().surface();
    std::vector<Primitive> list = s.Primitives();
    list.insert(list.end(), s.TransientPrimitives().begin(), s.TransientPrimitives().end());
    const DrawingPalette& palette = DrawingPalette::Instance();
    // A legend row: its sample arrow (a level shaft and two strokes), then its text.
    struct Row {
        std::string text;
        QColor shown;
        double y;
    };
    std::vector<Row> rows;
    for (std::size_t i = 3; i < list.size(); ++i) {
        const Primitive& shaft = list[i - 3];
        if (list[i].kind == PrimitiveKind::Text && shaft.kind == PrimitiveKind::Line &&
            shaft.y1 == shaft.y2 && list[i - 1].kind == PrimitiveKind::Line) {
            EXPECT_EQ(palette.shown(shaft.color), palette.shown(list[i].color)) << list[i].text;
            rows.push_back({list[i].text, palette.shown(list[i].color), shaft.y1});
        }
    }
    ASSERT_GE(rows.size(), 5U);
    double legendTop = rows.front().y;
    for (const Row& r : rows) {
        legendTop = std::max(legendTop, r.y);
    }
    for (const Row& r : rows) {
        const bool atTheBody = std::any_of(list.begin(), list.end(), [&](const Primitive& p) {
            return p.kind == PrimitiveKind::Line && p.y1 > legendTop + 1.0 &&
                   p.y2 > legendTop + 1.0 && palette.shown(p.color) == r.shown;
        });
        EXPECT_TRUE(atTheBody) << r.text;
    }
}

// The choice is kept across runs, and every screen's View entry follows a change made on one.
TEST_F(PaletteChoice, IsKeptInTheSettingsAndShownOnEveryScreen)
{
    Application app;
    auto* onExplorer = app.explorer().findChild<QAction*>(QStringLiteral("COLOURBLINDSAFE"));
    ASSERT_NE(onExplorer, nullptr);
    EXPECT_TRUE(onExplorer->isChecked());
    onExplorer->trigger();
    EXPECT_FALSE(DrawingPalette::Instance().colourBlindSafe());
    EXPECT_FALSE(QSettings().value(QStringLiteral("view/colourBlindSafe")).toBool());
    auto* onIntroduction =
        app.introduction().findChild<QAction*>(QStringLiteral("COLOURBLINDSAFE"));
    ASSERT_NE(onIntroduction, nullptr);
    EXPECT_FALSE(onIntroduction->isChecked());
    onIntroduction->trigger();
    EXPECT_TRUE(onExplorer->isChecked());
    EXPECT_TRUE(QSettings().value(QStringLiteral("view/colourBlindSafe")).toBool());
}

// The widest run of dark columns of a picture: how wide a black text is painted.
int InkWidth(const QImage& image)
{
    int first = image.width();
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y).lightness() < 100) {
                first = std::min(first, x);
                last = std::max(last, x);
                break;
            }
        }
    }
    return last - first + 1;
}

// Larger and smaller step by a quarter, from the View menu or by the keys in a window without
// one, and stop at 75 % and 250 %; the choice is kept in the settings, the controls' font follows,
// and a drawing on the screen is painted again with its text that much wider.
TEST(DrawingSize, StepsStopsAtItsEndsIsKeptAndRepaintsTheDrawings)
{
    DrawingPalette& palette = DrawingPalette::Instance();
    palette.setScale(1.0);
    const double normalPoints = QApplication::font().pointSizeF();
    Application app;
    SurfaceView view; // a window without a menu
    view.resize(400, 120);
    view.setRedraw([](Surface& s) {
        s.Scale(0.0, 0.0, 1.0, 1.0);
        s.Cls();
        s.SetForeColor(colors::Black);
        s.SetCurrentX(0.05);
        s.SetCurrentY(0.1);
        s.Print("MMMM");
    });
    view.show();
    const int normalInk = InkWidth(view.grab().toImage());
    const struct {
        const char* entry; // or a key pressed in the window without a menu
        Qt::Key key;
        double scale;
    } steps[] = {
        {"LARGER", {}, 1.25},          {"LARGER", {}, 1.5},
        {nullptr, Qt::Key_Plus, 1.75}, {nullptr, Qt::Key_Equal, 2.0},
        {"LARGER", {}, 2.25},          {"LARGER", {}, 2.5},
        {"LARGER", {}, 2.5},           {"NORMALSIZE", {}, 1.0},
        {"SMALLER", {}, 0.75},         {nullptr, Qt::Key_Minus, 0.75},
        {nullptr, Qt::Key_0, 1.0},     {nullptr, Qt::Key_Plus, 1.25},
    };
    for (const auto& step : steps) {
        if (step.entry != nullptr) {
            app.introduction().findChild<QAction*>(QString::fromLatin1(step.entry))->trigger();
        } else {
            QTest::keyClick(&view, step.key, Qt::ControlModifier);
        }
        EXPECT_DOUBLE_EQ(palette.scale(), step.scale);
        EXPECT_DOUBLE_EQ(DrawingScale(), step.scale);
        EXPECT_DOUBLE_EQ(QSettings().value(QStringLiteral("view/drawingScale")).toDouble(),
                         step.scale);
        EXPECT_NEAR(QApplication::font().pointSizeF(), normalPoints * step.scale, 0.01);
        EXPECT_NEAR(InkWidth(view.grab().toImage()), normalInk * step.scale,
                    0.15 * normalInk * step.scale);
    }
    palette.setScale(1.0);

    // F11 takes a window to full screen and back, by its View menu or without one.
    for (int k = 0; k < 2; ++k) {
        QTest::keyClick(&view, Qt::Key_F11);
        EXPECT_EQ(view.isFullScreen(), k == 0);
        app.simulationScreen().findChild<QAction*>(QStringLiteral("FULLSCREEN"))->trigger();
        EXPECT_EQ(app.simulationScreen().isFullScreen(), k == 0);
    }
}

} // namespace
} // namespace ttl
