#include "curve/ui/first_step_screen.h"
#include "app/application.h"
#include "shell/ui/surface_view.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ttl {
namespace {

class FirstStepScreenTest : public testing::Test {
protected:
    void SetUp() override
    {
        screen().resize(900, 700);
        screen().show();
        QApplication::processEvents();
    }
    FirstStepScreen& screen() { return app.firststep(); }
    void Trigger(const char* name)
    {
        screen().findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
    QPoint Pixel(double x, double y)
    {
        SurfaceView& view = screen().eikona();
        const WorldWindow& w = view.surface().Window();
        return {static_cast<int>(std::lround((x - w.left) / w.width * view.width())),
                static_cast<int>(std::lround((y - w.top) / w.height * view.height()))};
    }
    bool Judged()
    {
        for (const Primitive& p : screen().eikona().surface().Primitives()) {
            if (p.kind == PrimitiveKind::Text && p.text.rfind("FORCE:", 0) == 0) {
                return true;
            }
        }
        return false;
    }
    Application app;
};

TEST_F(FirstStepScreenTest, OpensOnTheDiskExplanationWhateverTheBarsSay)
{
    const std::vector<Primitive> first = screen().eikona().surface().Primitives();
    ASSERT_FALSE(first.empty());
    Trigger("campyles");
    screen().findChild<QScrollBar*>(QStringLiteral("platosvalue"))->setValue(5);
    screen().findChild<QScrollBar*>(QStringLiteral("syxnotikamp"))->setValue(40);
    EXPECT_EQ(screen().findChild<QLabel*>(QStringLiteral("Label2"))->text().toStdString(),
              "Frequency \u03B2= 40\u00B0 (0.698 rad) per unit of x");
    screen().findChild<QRadioButton*>(QStringLiteral("Option1"))->click();
    EXPECT_EQ(screen().eikona().surface().Primitives(), first);
}

// Real mouse events on the picture: a SHIFT-drag from the curve is judged; from off the curve,
// or with CTRL as well, it is not.
TEST_F(FirstStepScreenTest, ASHIFTDragFromTheCurveIsJudgedAndNoOtherIs)
{
    Trigger("campyles");
    Trigger("GUESSFORCE");
    SurfaceView& view = screen().eikona();
    const double x = 6.0;
    const double y = 2.0 * std::sin(x * std::numbers::pi / 12.0);

    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, Pixel(x, y + 3.0)); // off it
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::ShiftModifier, Pixel(x, y + 5.0));
    EXPECT_FALSE(Judged());

    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, Pixel(x, y));
    ASSERT_TRUE(screen().Assumption().onCurve);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier,
                        Pixel(x, y - 3.0));
    EXPECT_FALSE(Judged());

    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, Pixel(x, y));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::ShiftModifier, Pixel(x, y - 3.0));
    EXPECT_TRUE(Judged());
}

TEST_F(FirstStepScreenTest, TheTimedRunStartsAndStopsItselfPastTheWindow)
{
    screen().findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
    auto* timer = screen().findChild<QTimer*>(QStringLiteral("Timer1"));
    screen().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    ASSERT_TRUE(timer->isActive());
    timer->setInterval(0);
    QElapsedTimer clock;
    clock.start();
    while (timer->isActive() && clock.elapsed() < 60000) {
        QApplication::processEvents();
    }
    EXPECT_FALSE(timer->isActive());
    const TimedCurveRun& run = screen().TimedRun();
    EXPECT_GT(run.x[static_cast<std::size_t>(run.n)], 30.0);
}

} // namespace
} // namespace ttl
