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

#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <algorithm>

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
    ExplorerScreen& explorer = app.explorer();
    Activate(explorer);
    QTest::keyClick(&explorer, Qt::Key_S);
    EXPECT_EQ(explorer.State().StepIndex, 1);
    QTest::keyClick(&explorer, Qt::Key_R, Qt::ControlModifier); // REPEAT
    EXPECT_EQ(explorer.State().StepIndex, 0);
    QTest::keyClick(&explorer, Qt::Key_Escape); // BACK
    EXPECT_FALSE(explorer.isVisible());

    app.Simulation().SetBeep([] {});
    app.Simulation().RunSimulation();
    Activate(app.simulationScreen());
    QTest::keyClick(&app.simulationScreen(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_TRUE(
        app.simulationScreen().GraphTabs().View(SimulationGraph::AngularVelocity).isVisible());
    const auto* repeat = app.simulationScreen().findChild<QAbstractButton*>(QStringLiteral("epanalipsi"));
    EXPECT_TRUE(repeat->toolTip().endsWith(QStringLiteral(")")));

    RelativeMotionScreen& relative = app.translatingFrame();
    Activate(relative);
    QTest::keyClick(&relative, Qt::Key_S);
    EXPECT_EQ(relative.Run().n, 1);

    // Alt opens the menu bar to the arrow keys: CORIOLIS & CENTRIFUGAL is the seventh entry,
    // after File.
    app.OpenExplorer();
    Activate(explorer);
    QTest::keyClick(&explorer, Qt::Key_Alt);
    for (int k = 0; k < 6; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(explorer.State().DerivationActive);
}

// Tab reaches every control that can act (a group of options at one of them), and a text
// box passes Tab on instead of swallowing it.
TEST(Accessibility, TabReachesEveryControlOfEveryScreen)
{
    Application app;
    for (const char* name : {"EISAGOGIKI", "firststep", "exigisirelative", "exigisi2", "DIALEGO",
                             "rotating", "base_centrafugal"}) {
        SCOPED_TRACE(name);
        QWidget& screen = testing_support::Screen(app, name);
        Activate(screen);
        std::vector<QWidget*> chain;
        for (QWidget* w = screen.nextInFocusChain(); w != &screen; w = w->nextInFocusChain()) {
            if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisible() && w->isEnabled()) {
                chain.push_back(w);
            }
        }
        const auto reached = [&](const QWidget* w) {
            return std::find(chain.begin(), chain.end(), w) != chain.end();
        };
        std::vector<QWidget*> controls;
        for (auto* b : screen.findChildren<QAbstractButton*>()) {
            if (auto* option = qobject_cast<QRadioButton*>(b)) {
                // Tab enters a group of options at one of them; the arrow keys choose.
                const auto group = option->parentWidget()->findChildren<QRadioButton*>();
                EXPECT_TRUE(std::any_of(group.begin(), group.end(), reached))
                    << option->objectName().toStdString();
                continue;
            }
            controls.push_back(b);
        }
        for (auto* bar : screen.findChildren<QScrollBar*>()) {
            controls.push_back(bar);
        }
        for (QWidget* c : controls) {
            if (c->isVisible() && c->isEnabled() && !c->objectName().isEmpty() &&
                !c->objectName().startsWith(QStringLiteral("qt_"))) {
                EXPECT_TRUE(reached(c)) << c->objectName().toStdString();
            }
        }
        for (auto* text : screen.findChildren<QTextEdit*>()) {
            if (text->isVisible()) {
                text->setFocus();
                QTest::keyClick(text, Qt::Key_Tab);
                EXPECT_NE(QApplication::focusWidget(), text) << text->objectName().toStdString();
            }
        }
        // Nothing takes a Tab stop without being something to act on or read.
        for (QWidget* w : chain) {
            EXPECT_TRUE(qobject_cast<QAbstractButton*>(w) || qobject_cast<QScrollBar*>(w) ||
                        qobject_cast<QTextEdit*>(w) || qobject_cast<QTabBar*>(w))
                << w->metaObject()->className();
        }
        screen.hide();
    }
}

// Every key a screen lists in its tooltips does something: its action fires. (END is left out:
// it would end the test.)
TEST(Accessibility, EveryShortcutTriggersItsAction)
{
    Application app;
    app.Simulation().SetBeep([] {});
    // Saving and opening ask for a file: the dialog is answered by closing it.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->close();
        }
    });
    closer.start(20);
    int tried = 0;
    for (const char* name : {"EISAGOGIKI", "firststep", "exigisirelative", "exigisi2", "rotating"}) {
        QWidget& screen = testing_support::Screen(app, name);
        for (QAction* action : screen.findChildren<QAction*>()) {
            const QKeySequence keys = action->shortcut();
            if (keys.isEmpty() || keys == QKeySequence(Qt::CTRL | Qt::Key_Q) ||
                !action->isEnabled()) {
                continue;
            }
            Activate(screen); // BACK and NEXT leave the screen
            QSignalSpy fired(action, &QAction::triggered);
            QTest::keySequence(&screen, keys);
            EXPECT_EQ(fired.count(), 1) << name << " " << keys.toString().toStdString();
            ++tried;
        }
        screen.hide();
    }
    EXPECT_GE(tried, 20);
}

} // namespace
} // namespace ttl
