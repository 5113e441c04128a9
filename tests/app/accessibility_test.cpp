#include "../shell/ui/screen_lookup.h"
#include "app/application.h"

#include <QAbstractButton>
#include <QScrollBar>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace ttl {
namespace {

// A screen reader can name every control and drawing of every screen.
TEST(Accessibility, EveryControlAndDrawingHasAName)
{
    Application app;
    for (const char* name : {"EISAGOGIKI", "firststep", "exigisirelative", "exigisi2", "DIALEGO",
                             "rotating", "x_ygraph", "goniaxronos", "goniakigraph", "velocitytimes",
                             "xronikh", "xronoorbit", "base_centrafugal"}) {
        QWidget& screen = testing_support::Screen(app, name);
        std::vector<QWidget*> widgets;
        for (auto* w : screen.findChildren<QAbstractButton*>()) {
            widgets.push_back(w);
        }
        for (auto* w : screen.findChildren<QScrollBar*>()) {
            if (!w->objectName().isEmpty()) { // not the scroll areas' own bars
                widgets.push_back(w);
            }
        }
        for (auto* w : screen.findChildren<QTextEdit*>()) {
            widgets.push_back(w);
        }
        for (auto* w : screen.findChildren<SurfaceView*>()) {
            widgets.push_back(w);
        }
        if (auto* self = qobject_cast<SurfaceView*>(&screen)) {
            widgets.push_back(self);
        }
        for (QWidget* w : widgets) {
            if (w->objectName().startsWith(QStringLiteral("qt_"))) {
                continue; // the toolkit's own
            }
            EXPECT_FALSE(w->accessibleName().isEmpty())
                << name << " " << w->metaObject()->className() << " "
                << w->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace ttl

#include "explorer/ui/explorer_screen.h"
#include "translating/ui/relative_motion_screen.h"
#include "turntable/ui/rotating_screen.h"
#include "turntable/ui/simulation_activity.h"

#include <QTest>

namespace ttl {
namespace {

void Activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// The frequent commands are at the keyboard, and each tooltip says how.
TEST(Accessibility, ShortcutsDoWhatTheirButtonsDo)
{
    Application app;
    app.OpenExplorer();
    ExplorerScreen& explorer = app.exigisi2();
    Activate(explorer);
    QTest::keyClick(&explorer, Qt::Key_S);
    EXPECT_EQ(explorer.State().StepIndex, 1);
    QTest::keyClick(&explorer, Qt::Key_R, Qt::ControlModifier); // REPEAT
    EXPECT_EQ(explorer.State().StepIndex, 0);
    QTest::keyClick(&explorer, Qt::Key_Escape); // BACK
    EXPECT_FALSE(explorer.isVisible());

    app.Simulation().SetBeep([] {});
    app.Simulation().RunSimulation();
    Activate(app.rotating());
    QTest::keyClick(&app.rotating(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_TRUE(app.goniakigraph().isVisible());
    const auto* repeat = app.rotating().findChild<QAbstractButton*>(QStringLiteral("epanalipsi"));
    EXPECT_TRUE(repeat->toolTip().endsWith(QStringLiteral(")")));

    RelativeMotionScreen& relative = app.exigisirelative();
    Activate(relative);
    QTest::keyClick(&relative, Qt::Key_S);
    EXPECT_EQ(relative.Run().n, 1);
}

} // namespace
} // namespace ttl
