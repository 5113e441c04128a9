#include "app/application.h"
#include "shell/ui/surface_view.h"
#include "translating/ui/relative_motion_screen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace ttl {
namespace {

class RelativeMotionScreenTest : public testing::Test {
protected:
    RelativeMotionScreen& screen() { return app.exigisirelative(); }
    void Click(const char* name)
    {
        screen().findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    void Set(const char* bar, int value)
    {
        screen().findChild<QScrollBar*>(QString::fromLatin1(bar))->setValue(value);
    }
    static int CountPoints(const Surface& s)
    {
        int points = 0;
        for (const Primitive& p : s.Primitives()) {
            points += p.kind == PrimitiveKind::Point ? 1 : 0;
        }
        return points;
    }
    Application app;
};

TEST_F(RelativeMotionScreenTest, StepsDrawBothFramesAndATimedRunStopsAt1400Steps)
{
    Set("epitaxynshx", 2);
    Set("trivistoepipedo", 10); // mu g = 1 < |af|: it keeps sliding
    for (int k = 0; k < 3; ++k) {
        Click("Command1");
    }
    EXPECT_EQ(screen().Run().n, 3);
    EXPECT_EQ(CountPoints(screen().LabView().surface()), 3);
    EXPECT_EQ(CountPoints(screen().MovingView().surface()), 3);
    EXPECT_FALSE(screen().MovingView().surface().TransientPrimitives().empty()); // the arrows

    auto* timer = screen().findChild<QTimer*>(QStringLiteral("Timer1"));
    Click("Command2");
    ASSERT_TRUE(timer->isActive());
    timer->setInterval(0); // as fast as the event loop goes
    QElapsedTimer clock;
    clock.start();
    while (timer->isActive() && clock.elapsed() < 120000) {
        QApplication::processEvents();
    }
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(screen().Run().n, 1400);

    // a pan redraws the same state without advancing it
    Set("xscaleeikona2", 10);
    EXPECT_EQ(screen().Run().n, 1400);
    EXPECT_EQ(CountPoints(screen().MovingView().surface()), 1400);

    Click("Command3"); // REPEAT: the marks of the run, then step 0
    EXPECT_EQ(screen().Run().n, 0);
    Click("Command4"); // CLS
    EXPECT_EQ(CountPoints(screen().LabView().surface()), 0);
}

// A platform moving steadily: no fictitious force, and the moving-frame view starts afresh once,
// when the body comes to rest on the platform.
TEST_F(RelativeMotionScreenTest, OnASteadyPlatformTheBodyComesToRestOnce)
{
    Set("taxythtax", 4);
    Set("trivistoepipedo", 30);
    const Surface& moving = screen().MovingView().surface();
    const std::size_t clears = moving.ClearCount();
    for (int k = 0; k < 200; ++k) {
        Click("Command1");
        for (const Primitive& p : moving.TransientPrimitives()) {
            ASSERT_NE(p.color, (Color{0, 0, 255})) << "a fictitious force at step " << k;
        }
    }
    EXPECT_TRUE(screen().Run().resting);
    EXPECT_EQ(moving.ClearCount(), clears + 1);
}

TEST_F(RelativeMotionScreenTest, StepIsRefusedAtTheEndOfTheTables)
{
    auto* step = screen().findChild<QPushButton*>(QStringLiteral("Command1"));
    for (int k = 0; k < RelativeMotionMaxSteps; ++k) {
        step->click();
    }
    EXPECT_FALSE(step->isEnabled());
    step->click();
    EXPECT_EQ(screen().Run().n, RelativeMotionMaxSteps);
    Click("Command3");
    EXPECT_TRUE(step->isEnabled());
}

} // namespace
} // namespace ttl
