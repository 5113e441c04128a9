#include "app/application.h"
#include "app/snapshot.h"
#include "explorer/ui/explorer_screen.h"
#include "shell/ui/introduction_screen.h"
#include "shell/palette.h"
#include "shell/ui/drawing_palette.h"
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

} // namespace
} // namespace ttl
