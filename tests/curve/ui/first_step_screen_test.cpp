#include "curve/ui/first_step_screen.h"
#include "app/application.h"
#include "../curve_test_support.h"
#include "shell/ui/introduction_screen.h"
#include "shell/ui/surface_view.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <utility>

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
    FirstStepScreen& screen() { return app.firstExplanation(); }
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
    template <typename T> T* Child(const char* name)
    {
        return screen().findChild<T*>(QString::fromLatin1(name));
    }
    void Click(const char* option) { Child<QRadioButton>(option)->click(); }
    void EnterFromTheIntroduction()
    {
        app.introduction().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QApplication::processEvents();
    }
    std::string Text1() { return Child<QTextEdit>("Text1")->toPlainText().toStdString(); }
    std::string Tip() { return screen().eikona().toolTip().toStdString(); }
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

// A moved bar's caption reads as the one the lab wrote on opening: same words, same language,
// same number format.
TEST_F(FirstStepScreenTest, ABarMovedAndBroughtBackLeavesItsCaptionAsItWas)
{
    Trigger("campyles");
    const std::pair<const char*, const char*> bars[] = {{"platosvalue", "Label1"},
                                                        {"syxnotikamp", "Label2"},
                                                        {"epitaxyno", "Label3"},
                                                        {"arxikives", "Label4"}};
    for (const auto& [bar, label] : bars) {
        QScrollBar* scroll = Child<QScrollBar>(bar);
        const QString opening = Child<QLabel>(label)->text();
        const int value = scroll->value();
        scroll->setValue(value == scroll->minimum() ? value + 1 : value - 1);
        EXPECT_NE(Child<QLabel>(label)->text(), opening) << bar;
        scroll->setValue(value);
        EXPECT_EQ(Child<QLabel>(label)->text(), opening) << bar;
    }
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

// Whatever was on the screen when BACK was chosen, the introduction's button brings back the
// first explanation as it was at the first entry: picture, options, bars, text and buttons.
TEST_F(FirstStepScreenTest, EveryEntryFromTheIntroductionStartsAfresh)
{
    EnterFromTheIntroduction();
    const std::vector<Primitive> picture = screen().eikona().surface().Primitives();
    const std::string text = Text1();
    const std::string tip = Tip();
    const std::vector<std::function<void()>> leftIn = {
        [&] { Trigger("campyles"); },
        [&] {
            Trigger("campyles");
            Trigger("DYNAMEISDIAFORES");
        },
        [&] { Trigger("GUESSFORCE"); },
        [&] { // a timed run going on
            Click("Option2");
            Child<QTimer>("Timer1")->setInterval(0);
            Child<QPushButton>("Command1")->click();
            for (int k = 0; k < 5; ++k) {
                QApplication::processEvents();
            }
            ASSERT_TRUE(Child<QTimer>("Timer1")->isActive());
        },
    };
    for (std::size_t i = 0; i < leftIn.size(); ++i) {
        leftIn[i]();
        Trigger("XANAPISO");
        EXPECT_FALSE(Child<QRadioButton>("Option2")->isChecked()) << i;
        EXPECT_FALSE(Child<QRadioButton>("Option3")->isChecked()) << i;
        EnterFromTheIntroduction();
        EXPECT_TRUE(screen().eikona().surface().Primitives() == picture) << i;
        EXPECT_EQ(Text1(), text) << i;
        EXPECT_EQ(Tip(), tip) << i;
        EXPECT_TRUE(Child<QRadioButton>("Option1")->isVisible()) << i;
        EXPECT_TRUE(Child<QRadioButton>("Option1")->isChecked()) << i;
        EXPECT_FALSE(Child<QPushButton>("Command1")->isVisible()) << i;
        EXPECT_FALSE(Child<QScrollBar>("platosvalue")->isVisible()) << i;
        EXPECT_FALSE(Child<QTimer>("Timer1")->isActive()) << i;
        EXPECT_FALSE(Child<QAction>("GUESSFORCE")->isChecked()) << i;
    }
}

// Each state of the screen shows its own text, tooltip and START button, and the mouse draws
// only where the curve is shown.
TEST_F(FirstStepScreenTest, EachStateShowsItsOwnTextTipAndButtons)
{
    const std::string diskTip = Tip();
    Trigger("GUESSFORCE"); // the mouse entry chosen over the disk ...
    const std::string guessTip = Tip();
    Click("Option1"); // ... and the disk shown again
    const std::vector<Primitive> disk = screen().eikona().surface().Primitives();
    const WorldWindow diskWindow = screen().eikona().surface().Window();
    QTest::mousePress(&screen().eikona(), Qt::LeftButton, Qt::NoModifier, Pixel(30.0, 30.0));
    QTest::mouseRelease(&screen().eikona(), Qt::LeftButton, Qt::ShiftModifier, Pixel(40, 20));
    EXPECT_TRUE(screen().eikona().surface().Primitives() == disk);
    EXPECT_EQ(screen().eikona().surface().Window(), diskWindow);

    Trigger("campyles");
    const std::string factorsText = Text1();
    EXPECT_FALSE(Child<QPushButton>("Command1")->isVisible());
    Click("Option2");
    EXPECT_NE(Text1(), factorsText);
    EXPECT_FALSE(Text1().empty());
    EXPECT_TRUE(Child<QPushButton>("Command1")->isVisible());
    const std::string timeTip = Tip();
    EXPECT_NE(timeTip, diskTip);
    EXPECT_NE(timeTip, guessTip);
    EXPECT_NE(diskTip, guessTip);
}

TEST_F(FirstStepScreenTest, TheTimedRunStartsAndStopsItselfPastTheWindow)
{
    // the slowest run along the steepest curve: the most labels
    Trigger("campyles");
    Child<QScrollBar>("platosvalue")->setValue(35);
    Child<QScrollBar>("syxnotikamp")->setValue(60);
    Child<QScrollBar>("arxikives")->setValue(1);
    Child<QScrollBar>("epitaxyno")->setValue(0);
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
    // measured with the view's own font
    EXPECT_EQ(curve_testing::Overlaps(curve_testing::TextBoxes(screen().eikona().surface())), 0);
}

} // namespace
} // namespace ttl
