#include "app/application.h"
#include "shell/ui/surface_view.h"
#include "translating/ui/relative_motion_screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace ttl {
namespace {

class RelativeMotionScreenTest : public testing::Test {
protected:
    RelativeMotionScreen& screen() { return app.translatingFrame(); }
    void Click(const char* name)
    {
        screen().findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    void Set(const char* bar, int value)
    {
        screen().findChild<QScrollBar*>(QString::fromLatin1(bar))->setValue(value);
    }
    static int Count(const Surface& s, PrimitiveKind kind)
    {
        int count = 0;
        for (const Primitive& p : s.Primitives()) {
            count += p.kind == kind ? 1 : 0;
        }
        return count;
    }
    static int CountPoints(const Surface& s) { return Count(s, PrimitiveKind::Point); }
    QString LabelText(const char* name)
    {
        return screen().findChild<QLabel*>(QString::fromLatin1(name))->text();
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

// At the defaults with Ax = 5 and friction 0.50 the forces are 0.1: drawn at the run's own scale
// they are plain to see on a 1024 x 768 display.
TEST_F(RelativeMotionScreenTest, ForceArrowsAreLongEnoughToSeeAtTheDefaultMass)
{
    screen().resize(1024, 768);
    screen().show();
    QApplication::processEvents();
    Set("epitaxynshx", 5);
    Set("trivistoepipedo", 50);
    for (int k = 0; k < 3; ++k) {
        Click("Command1");
    }
    const Surface& moving = screen().MovingView().surface();
    const double pixelsPerUnit = moving.PixelWidth() / std::abs(moving.ScaleWidth());
    const Vec2 at = screen().Run().movingPosition[3];
    double fictitious = 0.0, friction = 0.0;
    for (const Primitive& p : moving.TransientPrimitives()) {
        if (p.kind == PrimitiveKind::Line && p.x1 == at.x && p.y1 == at.y) {
            const double px = std::hypot(p.x2 - p.x1, p.y2 - p.y1) * pixelsPerUnit;
            if (p.color == Color{0, 0, 255}) {
                fictitious = std::max(fictitious, px);
            } else if (p.color == Color{0, 255, 0}) {
                friction = std::max(friction, px);
            }
        }
    }
    EXPECT_GE(fictitious, 20.0);
    EXPECT_GE(friction, 20.0);
}

// The platform's acceleration, mu and the mass act on the run at once; the initial values wait
// for the next launch, and their labels say so while a run goes on.
TEST_F(RelativeMotionScreenTest, BarsActOnTheRunAtOnceOrSayTheyWaitForTheNextLaunch)
{
    Set("epitaxynshx", 3);
    const QString idle = LabelText("Label5");
    Click("Command1");
    Click("Command1");
    Set("epitaxynshx", 5);
    EXPECT_EQ(screen().Run().frame.a.x, 5.0);
    EXPECT_TRUE(LabelText("Label4").contains(QStringLiteral("5")));
    EXPECT_NE(LabelText("Label5"), idle); // the same value, but waiting
    Set("arxikivx", 7);
    Click("Command1");
    EXPECT_EQ(screen().Run().labPosition[0].x, 5.0); // the launch's, unchanged
    Click("Command3");
    Set("arxikivx", 2);
    EXPECT_EQ(LabelText("Label5"), idle);
}

// A pan or a change of scale shows what the view showed, no more: not a trail CLS cleared, and
// REPEAT's marks stay.
TEST_F(RelativeMotionScreenTest, PanAndScaleKeepWhatTheViewShowedAndNoMore)
{
    for (int k = 0; k < 5; ++k) {
        Click("Command1");
    }
    Click("Command4");
    Set("xscaleeikona1", 10);
    EXPECT_EQ(CountPoints(screen().LabView().surface()), 0);
    Click("Command1");
    Click("Command1");
    Set("yscaleeikona2", -10);
    Set("overallscale", 4);
    EXPECT_EQ(CountPoints(screen().LabView().surface()), 2);
    EXPECT_EQ(CountPoints(screen().MovingView().surface()), 2);
    for (int k = 0; k < 30; ++k) {
        Click("Command1");
    }
    Click("Command3");
    const int circles = Count(screen().LabView().surface(), PrimitiveKind::Circle);
    EXPECT_EQ(circles, 3);
    Set("xscaleeikona1", -10);
    Set("overallscale", 2);
    EXPECT_EQ(Count(screen().LabView().surface(), PrimitiveKind::Circle), circles);
    EXPECT_TRUE(screen().LabView().surface().TransientPrimitives().empty()); // no arrows back
}

TEST_F(RelativeMotionScreenTest, FollowingTheBodyKeepsItInTheLabViewWithItsTrail)
{
    auto* follow = screen().findChild<QCheckBox*>(QStringLiteral("Follow"));
    ASSERT_NE(follow, nullptr);
    EXPECT_FALSE(follow->isChecked());
    EXPECT_FALSE(follow->toolTip().isEmpty());
    Set("epitaxynshx", 5);
    Set("epitaxynshy", -2);
    Set("trivistoepipedo", 100); // held: it rides with the platform, far out of the view
    follow->setChecked(true);
    const Surface& lab = screen().LabView().surface();
    for (int k = 1; k <= 300; ++k) {
        Click("Command1");
        const Vec2 body = screen().Run().labPosition[static_cast<std::size_t>(k)];
        ASSERT_GE(body.x, lab.ScaleLeft()) << k;
        ASSERT_LE(body.x, lab.ScaleLeft() + lab.ScaleWidth()) << k;
        ASSERT_LE(body.y, lab.ScaleTop()) << k;
        ASSERT_GE(body.y, lab.ScaleTop() + lab.ScaleHeight()) << k;
    }
    EXPECT_EQ(CountPoints(lab), 300);
    EXPECT_LT(screen().findChild<QScrollBar*>(QStringLiteral("xscaleeikona1"))->value(), -50);
}

} // namespace
} // namespace ttl
