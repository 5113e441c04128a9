#include "app/application.h"
#include "shell/ui/introduction_screen.h"
#include "shell/ui/surface_painter.h"
#include "shell/ui/surface_view.h"
#include "turntable/orbit_graph.h"
#include "turntable/ui/rotating_screen.h"
#include "turntable/ui/simulation_activity.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace ttl {
namespace {

class SimulationScreenTest : public testing::Test {
protected:
    void SetUp() override
    {
        app.Simulation().SetBeep([this] { ++beeps; });
        app.Start();
        QTest::mouseClick(app.introduction().findChild<QPushButton*>(QStringLiteral("Command2")),
                          Qt::LeftButton);
    }

    template <typename T> T* Find(const char* name)
    {
        T* widget = app.simulationScreen().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString LabelText(const char* name) { return Find<QLabel>(name)->text(); }

    SimulationGraphTabs& Tabs() { return app.simulationScreen().GraphTabs(); }

    void Repeat() { QTest::mouseClick(Find<QPushButton>("epanalipsi"), Qt::LeftButton); }

    Application app;
    int beeps = 0;
};

TEST_F(SimulationScreenTest, OpensWithTheLoadFormatsAndShowsTheOrbits)
{
    EXPECT_TRUE(app.simulationScreen().isVisible());
    EXPECT_EQ(app.simulationScreen().windowTitle(),
              QStringLiteral("Simulation of both frames - Variables"));
    // The run is on the screen itself: its orbits in the first tab, and no window opened for it.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_TRUE(!window->isVisible() || window == &app.simulationScreen() ||
                    window == &app.introduction())
            << window->objectName().toStdString();
    }
    const SurfaceView& orbits = Tabs().View(SimulationGraph::Orbits);
    EXPECT_TRUE(orbits.isVisible());
    EXPECT_EQ(Tabs().currentIndex(), 0);
    const SimulationResult& run = *app.Simulation().LastRun();
    const auto& list = orbits.surface().Primitives();
    EXPECT_TRUE(std::any_of(list.begin(), list.end(), [&](const Primitive& p) {
        return p.color == colors::Red && p.x1 == run.series.PositionInertialX[1];
    })) << "no inertial orbit drawn in the tab";
    EXPECT_EQ(LabelText("Label4"), QStringLiteral("Mass=0.5"));
    EXPECT_EQ(LabelText("Label3"),
              QStringLiteral("Friction coefficient \u03BC= 0.10 (\u03BCg = 1.00)"));
    EXPECT_EQ(LabelText("Label2"), QStringLiteral("Interval dt = 0.00400"));
    EXPECT_EQ(LabelText("Label1"), QStringLiteral("Total time = 1 \u00D7 initial period (3.1 s)"));
    EXPECT_EQ(Find<QCheckBox>("dialogi")->text(), QStringLiteral("The base is not influenced"));
    EXPECT_EQ(app.Simulation().LastRun()->StepCount, 786);
}

// Every label states what the run with those bars really uses.
TEST_F(SimulationScreenTest, TheLabelsStateTheValuesTheRunUses)
{
    struct Case {
        int mass, friction, interval, total;
    };
    for (const Case c : {Case{3, 5, 6, 9}, Case{20, 0, 10, 40}, Case{7, 10, 1, 40}}) {
        Find<QScrollBar>("massvalue")->setValue(c.mass);
        Find<QScrollBar>("syntelfri")->setValue(c.friction);
        Find<QScrollBar>("timeinterval")->setValue(c.interval);
        Find<QScrollBar>("xronosolikos")->setValue(c.total);
        Repeat();
        const SimulationResult& run = *app.Simulation().LastRun();
        const auto number = [](const QString& text, int which) {
            static const QRegularExpression numbers(QStringLiteral("[0-9]+(\\.[0-9]+)?"));
            auto it = numbers.globalMatch(text);
            double value = 0.0;
            for (int i = 0; i <= which && it.hasNext(); ++i) {
                value = it.next().captured().toDouble();
            }
            return value;
        };
        EXPECT_DOUBLE_EQ(number(LabelText("Label4"), 0), run.Mass);
        EXPECT_NEAR(number(LabelText("Label3"), 0), run.FrictionDecel / 10.0, 1e-9);
        EXPECT_NEAR(number(LabelText("Label3"), 1), run.FrictionDecel, 1e-9);
        EXPECT_NEAR(number(LabelText("Label2"), 0), run.TimeStep, 5e-6);
        EXPECT_NEAR(number(LabelText("Label1"), 0) * 3.14159265, run.TotalTime, 1e-6);
        EXPECT_NEAR(number(LabelText("Label1"), 1), run.TotalTime, 0.05);
        EXPECT_EQ(Find<QScrollBar>("timeinterval")->value(), c.interval); // left where it was set
    }

    auto* dialogi = Find<QCheckBox>("dialogi");
    QTest::mouseClick(dialogi, Qt::LeftButton);
    EXPECT_EQ(dialogi->text(), QStringLiteral("The base is influenced"));
    QTest::mouseClick(dialogi, Qt::LeftButton);
    EXPECT_EQ(dialogi->text(), QStringLiteral("The base is not influenced"));
}

TEST_F(SimulationScreenTest, RepeatRunsWithTheNewValuesAndRedrawsTheOrbits)
{
    Tabs().setCurrentIndex(static_cast<int>(SimulationGraph::Velocity)); // looking at another graph
    SurfaceView& orbits = Tabs().View(SimulationGraph::Orbits);
    const Primitive firstRed =
        *std::find_if(orbits.surface().Primitives().begin(), orbits.surface().Primitives().end(),
                      [](const Primitive& p) { return p.color == colors::Red; });
    const auto clears = orbits.surface().ClearCount();

    Find<QScrollBar>("massvalue")->setValue(20);
    QTest::mouseClick(Find<QCheckBox>("dialogi"), Qt::LeftButton);
    Repeat();

    EXPECT_EQ(LabelText("Label4"), QStringLiteral("Mass=10.0"));
    ASSERT_TRUE(app.Simulation().LastRun().has_value());
    EXPECT_DOUBLE_EQ(app.Simulation().LastRun()->Mass, 10.0);
    EXPECT_TRUE(app.Simulation().LastRun()->BaseInfluenced);
    EXPECT_TRUE(app.BaseFree());
    EXPECT_EQ(Tabs().currentIndex(), 0); // the new orbits are brought forward
    EXPECT_GT(orbits.surface().ClearCount(), clears);

    // A heavy body on a free base slows it: a different inertial orbit is drawn.
    // The orbit is one polyline, its segments in order.
    const SimulationResult& run = *app.Simulation().LastRun();
    const auto& list = orbits.surface().Primitives();
    const auto redIt = std::find_if(list.begin(), list.end(),
                                    [](const Primitive& p) { return p.color == colors::Red; });
    ASSERT_NE(redIt, list.end());
    EXPECT_DOUBLE_EQ(redIt->x1, run.series.PositionInertialX[1]);
    const auto mid = static_cast<std::size_t>(run.StepCount / 2);
    const Primitive& midSegment = *(redIt + static_cast<long>(mid - 1));
    EXPECT_DOUBLE_EQ(midSegment.x1, run.series.PositionInertialX[mid]);
    EXPECT_NE(firstRed.window.width, 0.0);

    // ... and it is on the screen: a red pixel where the middle of the orbit maps to.
    const QImage image = orbits.grab().toImage();
    const WorldWindow& w = midSegment.window;
    const int px = static_cast<int>((midSegment.x1 - w.left) / w.width * orbits.width() + 0.5);
    const int py = static_cast<int>((midSegment.y1 - w.top) / w.height * orbits.height() + 0.5);
    bool red = false;
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -2; dy <= 2; ++dy) {
            const QColor c = image.pixelColor(px + dx, py + dy);
            red = red || (c.red() > 200 && c.green() < 120 && c.blue() < 120);
        }
    }
    EXPECT_TRUE(red) << "no red near pixel " << px << ", " << py;
}

TEST_F(SimulationScreenTest, ATooShortIntervalIsWidenedSaidSoAndRepeatedExactly)
{
    Find<QScrollBar>("xronosolikos")->setValue(40);
    Find<QScrollBar>("timeinterval")->setValue(1);
    Repeat();
    EXPECT_EQ(Find<QScrollBar>("timeinterval")->value(), 1);
    EXPECT_EQ(LabelText("Label2"),
              QStringLiteral("Interval dt = 0.00628 (widened: at most 5000 steps)"));
    const SimulationResult first = *app.Simulation().LastRun();
    EXPECT_EQ(first.StepCount, 5000);
    Repeat(); // the same bars: the same run, step for step
    const SimulationResult& second = *app.Simulation().LastRun();
    EXPECT_EQ(second.StepCount, first.StepCount);
    EXPECT_EQ(second.TimeStep, first.TimeStep);
    EXPECT_EQ(second.series.PositionInertialX, first.series.PositionInertialX);
}

TEST_F(SimulationScreenTest, BeepsOncePerRunWhenAFreeBaseCatchesTheBody)
{
    EXPECT_EQ(beeps, 0);
    Find<QScrollBar>("xronosolikos")->setValue(40);
    QTest::mouseClick(Find<QCheckBox>("dialogi"), Qt::LeftButton);
    Repeat();
    EXPECT_EQ(beeps, 1);
    Repeat();
    EXPECT_EQ(beeps, 2);
}

// A graph button shows its graph in its tab; the tab's own button opens the same drawing in a
// window of its own.
TEST_F(SimulationScreenTest, AGraphButtonShowsItsGraphInItsTabAndTheTabOpensItsWindow)
{
    QTest::mouseClick(Find<QPushButton>("gonxro"), Qt::LeftButton);
    const SurfaceView& tab = Tabs().View(SimulationGraph::BaseAngle);
    EXPECT_TRUE(tab.isVisible());
    EXPECT_FALSE(app.baseAngleGraph().isVisible());
    Surface expected; // the angle graph of the last run, drawn at the tab's size
    expected.SetTextMeasure(MeasureText);
    expected.SetPixelSize(tab.width(), tab.height());
    DrawBaseAngleGraph(expected, *app.Simulation().LastRun());
    const auto& list = tab.surface().Primitives();
    EXPECT_EQ(list, expected.Primitives());

    QTest::mouseClick(Find<QPushButton>("ownWindow_6"), Qt::LeftButton);
    EXPECT_TRUE(app.baseAngleGraph().isVisible());
    EXPECT_EQ(app.baseAngleGraph().windowTitle(), QStringLiteral("Angle of Base vs Time"));
    app.baseAngleGraph().resize(tab.size());
    EXPECT_EQ(app.baseAngleGraph().surface().Primitives(), list);
}

} // namespace
} // namespace ttl
