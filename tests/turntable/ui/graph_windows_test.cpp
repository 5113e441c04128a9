#include "app/application.h"
#include "shell/ui/animation_player.h"
#include "shell/ui/graph_interaction.h"
#include "shell/ui/surface_view.h"
#include "turntable/ui/rotating_screen.h"
#include "turntable/ui/simulation_activity.h"
#include "turntable/ui/work_energy_window.h"

#include "../../shell/ui/text_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace ttl {
namespace {

class GraphWindowsTest : public testing::Test {
protected:
    void SetUp() override
    {
        app.Simulation().SetBeep([] {});
        app.Simulation().RunSimulation();
    }

    SurfaceView& Tab(SimulationGraph graph)
    {
        return app.simulationScreen().GraphTabs().View(graph);
    }

    void Click(QWidget& screen, const char* name)
    {
        auto* button = screen.findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    Application app;
};

TEST_F(GraphWindowsTest, EachButtonDrawsItsGraphTheSameWayEveryTime)
{
    const struct {
        const char* button;
        SurfaceView* window;
    } graphs[] = {
        {"goniakiarxi", &Tab(SimulationGraph::AngularVelocity)},
        {"Grafikhvel", &Tab(SimulationGraph::Velocity)},
        {"base_centrafugalwork", &Tab(SimulationGraph::WorkEnergy)},
        {"ownWindow_3", &app.angularVelocityGraph()},
        {"ownWindow_4", &app.velocityGraph()},
        {"ownWindow_2", &app.workEnergyWindow()},
    };
    for (const auto& g : graphs) {
        Click(app.simulationScreen(), g.button);
        EXPECT_TRUE(g.window->isVisible()) << g.button;
        const std::vector<Primitive> first = g.window->surface().Primitives();
        EXPECT_FALSE(first.empty()) << g.button;
        Click(app.simulationScreen(), g.button);
        EXPECT_EQ(g.window->surface().Primitives(), first) << g.button;
    }
}

// In the tab and in the window, each range button switches both; the captions follow.
TEST_F(GraphWindowsTest, TheRangeButtonHalvesAndRestoresWithItsCaptions)
{
    Click(app.simulationScreen(), "base_centrafugalwork");
    Click(app.simulationScreen(), "ownWindow_2");
    WorkEnergyWindow& window = app.workEnergyWindow();
    auto& tabButton = *app.simulationScreen().findChild<QPushButton*>(QStringLiteral("workRange"));
    const double fullTop = window.surface().ScaleTop();
    const double tabFullTop = Tab(SimulationGraph::WorkEnergy).surface().ScaleTop();
    for (QWidget* pressed : {static_cast<QWidget*>(&window), static_cast<QWidget*>(&tabButton)}) {
        EXPECT_EQ(window.RangeButton().text(), QStringLiteral("HALF MAXIMUM"));
        EXPECT_EQ(tabButton.text(), window.RangeButton().text());
        pressed == &window ? Click(window, "Command1") : tabButton.click();
        EXPECT_EQ(window.RangeButton().text(), QStringLiteral(" INITIAL  "));
        EXPECT_EQ(tabButton.text(), window.RangeButton().text());
        EXPECT_DOUBLE_EQ(window.surface().ScaleTop(), fullTop / 2.0);
        EXPECT_DOUBLE_EQ(Tab(SimulationGraph::WorkEnergy).surface().ScaleTop(), tabFullTop / 2.0);
        pressed == &window ? Click(window, "Command1") : tabButton.click();
        EXPECT_EQ(window.RangeButton().text(), QStringLiteral("HALF MAXIMUM"));
        EXPECT_DOUBLE_EQ(window.surface().ScaleTop(), fullTop);
    }
    // the button stays in the window's top-right corner whatever its caption
    EXPECT_EQ(window.RangeButton().geometry().right(), window.width() - 1);
}

TEST_F(GraphWindowsTest, AnimationsRestartStopAndNeverDrawIntoAHiddenWindow)
{
    Click(app.simulationScreen(), "xronotroxia");
    AnimationPlayer& player = app.Simulation().OrbitPlayer();
    ASSERT_TRUE(player.IsRunning());
    for (int i = 0; i < 30; ++i) {
        player.Tick();
    }
    EXPECT_EQ(player.NextFrame(), 31);
    Click(app.simulationScreen(), "xronotroxia"); // again: from the start
    EXPECT_EQ(player.NextFrame(), 1);
    EXPECT_TRUE(player.IsRunning());

    Click(app.simulationScreen(), "epanalipsi"); // REPEAT stops it, blanks the window and hides it
    EXPECT_FALSE(player.IsRunning());
    EXPECT_FALSE(app.orbitAnimation().isVisible());
    const Primitive& blank = app.orbitAnimation().surface().Primitives().back();
    EXPECT_EQ(blank.kind, PrimitiveKind::FilledBox);
    EXPECT_EQ(blank.color, (Color{170, 170, 150}));
    const WorldWindow& w = app.orbitAnimation().surface().Window();
    EXPECT_DOUBLE_EQ(std::min(blank.x1, blank.x2), std::min(w.left, w.left + w.width));
    EXPECT_DOUBLE_EQ(std::abs(blank.x2 - blank.x1), std::abs(w.width));

    Click(app.simulationScreen(), "enarxixronou");
    AnimationPlayer& vectors = app.Simulation().VectorsPlayer();
    ASSERT_TRUE(vectors.IsRunning());
    app.simulationScreen().GraphTabs().setCurrentIndex(0); // another tab hides the animation's
    const auto drawn =
        Tab(SimulationGraph::VectorsAnimation).surface().TransientPrimitives().size();
    vectors.Tick();
    EXPECT_FALSE(vectors.IsRunning());
    EXPECT_EQ(Tab(SimulationGraph::VectorsAnimation).surface().TransientPrimitives().size(), drawn);

    Click(app.simulationScreen(), "enarxixronou");
    Click(app.simulationScreen(), "Command1"); // BACK
    EXPECT_FALSE(vectors.IsRunning());
    EXPECT_FALSE(Tab(SimulationGraph::VectorsAnimation).isVisible());
}

TEST_F(GraphWindowsTest, TheVectorsAnimationRunsToItsLastFrame)
{
    Click(app.simulationScreen(), "ownWindow_5"); // in its own window
    AnimationPlayer& vectors = app.Simulation().VectorsPlayer();
    int frames = 0;
    while (vectors.IsRunning()) {
        vectors.Tick();
        ++frames;
    }
    EXPECT_EQ(frames, app.Simulation().LastRun()->StepCount - 3);
    EXPECT_EQ(app.vectorsAnimation().width(), app.vectorsAnimation().height());
    EXPECT_EQ(app.vectorsAnimation().surface().BackColor(), (Color{150, 150, 150}));
}

} // namespace
} // namespace ttl

namespace ttl {
namespace {

// Each graph window, as a class sees it on a 1280 x 640 window: its axes titled with units, and
// no two texts on top of each other.
TEST_F(GraphWindowsTest, EveryGraphHasTitledAxesAndNoTextOverAnother)
{
    struct Graph {
        const char* button;
        std::function<SurfaceView&()> window;
        std::vector<std::string> titles;
    };
    const Graph graphs[] = {
        {"ownWindow_3",
         [this]() -> SurfaceView& { return app.angularVelocityGraph(); },
         {"t (s)", "\u03C9 (rad/s)"}},
        {"ownWindow_4",
         [this]() -> SurfaceView& { return app.velocityGraph(); },
         {"t (s)", "v (m/s)"}},
        {"ownWindow_6",
         [this]() -> SurfaceView& { return app.baseAngleGraph(); },
         {"t (s)", "\u03B8 (rad)"}},
        {"ownWindow_2",
         [this]() -> SurfaceView& { return app.workEnergyWindow(); },
         {"t (s)", "W, KE (J)"}},
    };
    for (const bool influenced : {false, true}) {
        if (influenced) {
            Click(app.simulationScreen(), "dialogi");
            Click(app.simulationScreen(), "epanalipsi");
        }
        for (const Graph& g : graphs) {
            for (const QSize size : {QSize(1280, 640), QSize(870, 384)}) { // 870: on a 1024 display
                SurfaceView& window = g.window();
                window.resize(size);
                Click(app.simulationScreen(), g.button);
                QApplication::processEvents();
                const Surface& s = window.surface();
                for (const std::string& title : g.titles) {
                    EXPECT_TRUE(std::any_of(s.Primitives().begin(), s.Primitives().end(),
                                            [&](const Primitive& p) { return p.text == title; }))
                        << g.button << " " << title;
                }
                EXPECT_EQ(testing_support::OverlappingTexts(s), "") << g.button;
                for (const auto& box : testing_support::TextBoxes(s)) {
                    EXPECT_LE(box.pixels.right(), s.PixelWidth() + 1.0)
                        << g.button << " " << box.text;
                    EXPECT_GE(box.pixels.left(), -1.0) << g.button << " " << box.text;
                }
            }
        }
    }
    // the orbits, at their window's size
    Click(app.simulationScreen(), "ownWindow_0");
    SurfaceView& orbits = app.orbitWindow();
    ASSERT_FALSE(orbits.surface().Primitives().empty());
    orbits.resize(1280, 640);
    QApplication::processEvents();
    EXPECT_EQ(testing_support::OverlappingTexts(orbits.surface()), "");
}

TEST_F(GraphWindowsTest, RepeatRedrawsTheOpenGraphsForTheNewRun)
{
    Click(app.simulationScreen(), "ownWindow_3");
    Click(app.simulationScreen(), "ownWindow_2");
    const std::vector<Primitive> omega = app.angularVelocityGraph().surface().Primitives();
    const std::vector<Primitive> work = app.workEnergyWindow().surface().Primitives();
    app.simulationScreen().findChild<QScrollBar*>(QStringLiteral("massvalue"))->setValue(12);
    Click(app.simulationScreen(), "dialogi");
    Click(app.simulationScreen(), "epanalipsi");
    EXPECT_NE(app.angularVelocityGraph().surface().Primitives(), omega);
    EXPECT_NE(app.workEnergyWindow().surface().Primitives(), work);
}

} // namespace
} // namespace ttl

namespace ttl {
namespace {

void Send(QWidget& w, QEvent::Type type, QPointF at, Qt::MouseButtons held = Qt::NoButton)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, w.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

void Wheel(QWidget& w, QPointF at, int delta)
{
    QWheelEvent e(at, w.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &e);
}

void Key(QWidget& w, int key)
{
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

double Width(Interval i) { return i.high - i.low; }

// The wheel zooms about the mouse, a drag carries the data with it, a double-click or the 0 key
// fits the graph again and the arrows move the cursor: in a tab and in a window, on time graphs
// and the orbits.
TEST_F(GraphWindowsTest, TheMouseAndKeysZoomPanFitAndMoveTheCursor)
{
    const struct {
        const char* button;
        std::function<SurfaceView&()> view;
        bool timeCursor; // the orbits read the nearest point instead
    } graphs[] = {
        {"Grafikhvel", [this]() -> SurfaceView& { return Tab(SimulationGraph::Velocity); }, true},
        {"ownWindow_2", [this]() -> SurfaceView& { return app.workEnergyWindow(); }, true},
        {"ownWindow_0", [this]() -> SurfaceView& { return app.orbitWindow(); }, false},
    };
    for (const auto& g : graphs) {
        Click(app.simulationScreen(), g.button);
        SurfaceView& view = g.view();
        if (view.isWindow()) {
            view.resize(800, 500);
        }
        QApplication::processEvents();
        auto* reading = view.findChild<GraphInteraction*>();
        ASSERT_NE(reading, nullptr) << g.button;
        const DataView fitted = reading->shownView();
        const QPointF at(0.45 * view.width(), 0.55 * view.height());
        const QPointF under = view.ToWorld(at);
        const QPointF pixel = view.ToWorld(at + QPointF(1, 1)) - under; // one pixel of data

        Wheel(view, at, 120);
        EXPECT_NEAR(Width(reading->shownView().x), 0.8 * Width(fitted.x), 1e-9 * Width(fitted.x))
            << g.button;
        EXPECT_NEAR(view.ToWorld(at).x(), under.x(), 2 * std::abs(pixel.x())) << g.button;
        EXPECT_NEAR(view.ToWorld(at).y(), under.y(), 2 * std::abs(pixel.y())) << g.button;

        const QPointF grabbed = view.ToWorld(at);
        const QPointF to = at + QPointF(60, -40);
        Send(view, QEvent::MouseButtonPress, at, Qt::LeftButton);
        Send(view, QEvent::MouseMove, to, Qt::LeftButton);
        Send(view, QEvent::MouseButtonRelease, to);
        EXPECT_NEAR(view.ToWorld(to).x(), grabbed.x(), 2 * std::abs(pixel.x())) << g.button;
        EXPECT_NEAR(view.ToWorld(to).y(), grabbed.y(), 2 * std::abs(pixel.y())) << g.button;

        Send(view, QEvent::MouseButtonDblClick, to, Qt::LeftButton);
        EXPECT_EQ(reading->shownView(), fitted) << g.button;
        Wheel(view, at, -240);
        EXPECT_NE(reading->shownView(), fitted) << g.button;
        Key(view, Qt::Key_0);
        EXPECT_EQ(reading->shownView(), fitted) << g.button;

        Send(view, QEvent::MouseMove, at);
        const auto readout = view.surface().TransientPrimitives();
        EXPECT_TRUE(std::any_of(readout.begin(), readout.end(), [](const Primitive& p) {
            return p.text.rfind("t = ", 0) == 0;
        })) << g.button;
        if (g.timeCursor) {
            ASSERT_EQ(readout.front().kind, PrimitiveKind::Line) << g.button;
            for (int i = 0; i < 5; ++i) {
                Key(view, Qt::Key_Right);
            }
            const double moved = view.surface().TransientPrimitives().front().x1 - readout.front().x1;
            EXPECT_NEAR(moved, view.ToWorld(at + QPointF(20, 0)).x() - under.x(),
                        1e-9 * Width(fitted.x))
                << g.button;
        }
    }
}

} // namespace
} // namespace ttl
