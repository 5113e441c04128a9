#include "screen_lookup.h"
#include "window_checks.h"

#include "shell/ui/drawing_palette.h"
#include "turntable/ui/simulation_activity.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace ttl {
namespace {

using testing_support::Click;
using testing_support::Screen;

struct NavigationRow {
    const char* label;
    std::vector<const char*> before; // screens shown first
    const char* screen;
    const char* control;
    std::vector<const char*> visible;
    std::vector<const char*> hidden;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const NavigationRow& row, std::ostream* out)
{
    *out << row.label;
}

class NavigationTest : public testing::TestWithParam<NavigationRow> {
protected:
    void SetUp() override
    {
        app.Simulation().SetBeep([] {});
    }
    Application app;
};

TEST_P(NavigationTest, ShowsAndHidesTheScreensOfTheTable)
{
    const NavigationRow& row = GetParam();
    app.Start();
    for (const char* name : row.before) {
        Screen(app, name).show();
    }
    Click(Screen(app, row.screen), row.control);
    for (const char* name : row.visible) {
        EXPECT_TRUE(Screen(app, name).isVisible()) << name << " should be visible";
    }
    for (const char* name : row.hidden) {
        EXPECT_FALSE(Screen(app, name).isVisible()) << name << " should be hidden";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, NavigationTest,
    testing::Values(
        NavigationRow{"IntroductionToFirstExplanation",
                      {},
                      "EISAGOGIKI",
                      "Command1",
                      {"firststep"},
                      {"EISAGOGIKI"}},
        NavigationRow{"IntroductionToExplorer",
                      {},
                      "EISAGOGIKI",
                      "Command3",
                      {"exigisi2", "EISAGOGIKI"},
                      {"DIALEGO"}},
        NavigationRow{"IntroductionToSimulation",
                      {},
                      "EISAGOGIKI",
                      "Command2",
                      {"rotating", "EISAGOGIKI"},
                      {"goniaxronos", "x_ygraph"}}, // the run is shown on the screen itself
        NavigationRow{"FirstExplanationNext",
                      {"firststep"},
                      "firststep",
                      "PARAKATOEVENT",
                      {"exigisi2", "firststep"},
                      {}},
        NavigationRow{"FirstExplanationRelativeMotion",
                      {"firststep"},
                      "firststep",
                      "SXETIKH_KINHSH",
                      {"exigisirelative", "firststep"},
                      {}},
        NavigationRow{"FirstExplanationBack",
                      {"firststep"},
                      "firststep",
                      "XANAPISO",
                      {"EISAGOGIKI"},
                      {"firststep"}},
        NavigationRow{"RelativeMotionNext",
                      {"exigisirelative"},
                      "exigisirelative",
                      "Command6",
                      {"exigisi2"},
                      {"exigisirelative"}},
        NavigationRow{"RelativeMotionBack",
                      {"exigisirelative"},
                      "exigisirelative",
                      "Command5",
                      {"EISAGOGIKI"},
                      {"exigisirelative"}},
        NavigationRow{
            "ExplorerBack", {"exigisi2"}, "exigisi2", "piso", {"EISAGOGIKI"}, {"exigisi2"}},
        NavigationRow{"SimulationBack",
                      {"rotating", "xronikh", "x_ygraph"},
                      "rotating",
                      "Command1",
                      {"EISAGOGIKI"},
                      {"rotating", "xronikh", "x_ygraph"}}, // no graph stays over the introduction
        NavigationRow{"SimulationRepeat",
                      {"xronoorbit"},
                      "rotating",
                      "epanalipsi",
                      {"rotating"},
                      {"xronoorbit"}},
        NavigationRow{"SimulationAngleOfBase",
                      {"rotating"},
                      "rotating",
                      "gonxro",
                      {"rotating"},
                      {"goniaxronos"}},
        NavigationRow{
            "SimulationAngleOfBaseWindow", {}, "rotating", "ownWindow_6", {"goniaxronos"}, {}}),
    [](const testing::TestParamInfo<NavigationRow>& info) {
        return std::string(info.param.label);
    });

// What a user does on the way: a click, the title bar's close button, a drag of the window to
// `to`, its maximise button.
struct WalkStep {
    enum Kind { Click, Close, Move, Maximise } kind;
    const char* screen;
    const char* control = nullptr;
    QPoint to = {};
};

struct WalkRow {
    const char* label;
    std::vector<WalkStep> steps;
    std::vector<const char*> landsOn; // the windows shown at the end; none: the program ended
};

void PrintTo(const WalkRow& row, std::ostream* out)
{
    *out << row.label;
}

class WalkTest : public testing::TestWithParam<WalkRow> {};

void Take(Application& app, const WalkStep& step)
{
    QWidget& window = Screen(app, step.screen);
    switch (step.kind) {
    case WalkStep::Click:
        Click(window, step.control);
        break;
    case WalkStep::Close: // as its title-bar button does
        window.close();
        break;
    case WalkStep::Move:
        window.move(step.to);
        break;
    case WalkStep::Maximise:
        window.showMaximized();
        break;
    }
}

// After every step a window shows or the program has ended, and every window shown lies whole
// on the screen (ctest runs this at 1024x768 and 1366x768 as well).
TEST_P(WalkTest, NeverLeavesTheProgramWindowlessOrAWindowOffScreen)
{
    const QSize display = QGuiApplication::primaryScreen()->size();
    SCOPED_TRACE(std::to_string(display.width()) + "x" + std::to_string(display.height()));
    Application app;
    app.Simulation().SetBeep([] {});
    bool ended = false;
    testing_support::RunInEventLoop([&](const testing_support::QuitWatch& quit) {
        app.Start();
        int n = 0;
        for (const WalkStep& step : GetParam().steps) {
            Take(app, step);
            QCoreApplication::processEvents();
            ++n;
            EXPECT_TRUE(testing_support::AWindowIsVisible() || quit.Ended()) << "after step " << n;
            if (step.kind != WalkStep::Move) { // the user may drag a window partly off the screen
                EXPECT_EQ(testing_support::WindowsOffScreen(), "") << "after step " << n;
            }
        }
        ended = quit.Ended();
    });
    EXPECT_EQ(ended, GetParam().landsOn.empty());
    std::set<std::string> shown;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            shown.insert(window->objectName().toStdString());
        }
    }
    EXPECT_EQ(shown, std::set<std::string>(GetParam().landsOn.begin(), GetParam().landsOn.end()));
}

using Step = WalkStep;
INSTANTIATE_TEST_SUITE_P(
    BackAndClose, WalkTest,
    testing::Values(WalkRow{"IntroductionClosedUnderTheExplorerEnds",
                            {{Step::Click, "EISAGOGIKI", "Command3"}, {Step::Close, "EISAGOGIKI"}},
                            {}},
                    WalkRow{"CurveLabClosedUnderTheExplorerThenBack",
                            {{Step::Click, "EISAGOGIKI", "Command1"},
                             {Step::Click, "firststep", "PARAKATOEVENT"},
                             {Step::Close, "firststep"},
                             {Step::Click, "exigisi2", "piso"}},
                            {"EISAGOGIKI"}},
                    WalkRow{"TranslatingFrameBackAfterTheCurveLabClosed",
                            {{Step::Click, "EISAGOGIKI", "Command1"},
                             {Step::Click, "firststep", "SXETIKH_KINHSH"},
                             {Step::Close, "firststep"},
                             {Step::Click, "exigisirelative", "Command5"}},
                            {"EISAGOGIKI"}},
                    WalkRow{"TranslatingFrameAndCurveLabClosed",
                            {{Step::Click, "EISAGOGIKI", "Command1"},
                             {Step::Click, "firststep", "SXETIKH_KINHSH"},
                             {Step::Close, "exigisirelative"},
                             {Step::Close, "firststep"}},
                            {"EISAGOGIKI"}},
                    WalkRow{"ExplorerAndItsChoiceWindowClosed",
                            {{Step::Click, "EISAGOGIKI", "Command1"},
                             {Step::Click, "firststep", "PARAKATOEVENT"},
                             {Step::Click, "exigisi2", "Check3"},
                             {Step::Close, "DIALEGO"},
                             {Step::Close, "exigisi2"}},
                            {"firststep"}},
                    WalkRow{"SimulationClosedWithItsGraphs",
                            {{Step::Click, "EISAGOGIKI", "Command2"},
                             {Step::Click, "rotating", "gonxro"},
                             {Step::Close, "goniaxronos"},
                             {Step::Close, "rotating"}},
                            {"EISAGOGIKI"}},
                    WalkRow{"ExplorerMovedRightThenReopened",
                            {{Step::Click, "EISAGOGIKI", "Command3"},
                             {Step::Move, "exigisi2", nullptr, {400, 0}},
                             {Step::Click, "exigisi2", "piso"},
                             {Step::Click, "EISAGOGIKI", "Command3"}},
                            {"EISAGOGIKI", "exigisi2"}},
                    WalkRow{"MaximisedChoiceWindowShownAgain",
                            {{Step::Click, "EISAGOGIKI", "Command3"},
                             {Step::Click, "exigisi2", "Check3"},
                             {Step::Maximise, "DIALEGO"},
                             {Step::Click, "exigisi2", "piso"},
                             {Step::Click, "EISAGOGIKI", "Command3"},
                             {Step::Click, "exigisi2", "Command1"}},
                            {"EISAGOGIKI", "exigisi2", "DIALEGO"}}),
    [](const testing::TestParamInfo<WalkRow>& info) { return std::string(info.param.label); });

TEST(Navigation, TheExplorerOpensOnceAtFourFifthsOfTheScreenWithTheChoiceWindowAtItsEdge)
{
    Application app;
    app.Start();
    Click(app.introduction(), "Command3");
    ExplorerScreen& first = app.explorer();
    first.findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(first.width(), 0.8 * area.width(), 1.0);
    // beside it where there is room, otherwise over its right edge: always whole on the screen
    EXPECT_TRUE(area.contains(app.baseChoice().frameGeometry()));
    EXPECT_EQ(app.baseChoice().y(), area.top());

    Click(first, "piso");
    Click(app.introduction(), "Command3");
    EXPECT_EQ(&app.explorer(), &first);
    EXPECT_TRUE(first.isVisible());
    EXPECT_TRUE(first.findChild<QCheckBox*>(QStringLiteral("Check1"))->isChecked());
}

TEST(Navigation, TheChoiceWindowSetsTheBaseAndOffersBaseAccInTheRotatingFrameOnly)
{
    Application app;
    app.Start();
    Click(app.introduction(), "Command3");
    app.baseChoice().show();
    auto* check6 = app.explorer().findChild<QCheckBox*>(QStringLiteral("Check6"));

    // the inertial frame is selected: BASE ACC stays hidden
    Click(app.baseChoice(), "MHSTATHERIGON");
    EXPECT_TRUE(app.BaseFree());
    EXPECT_FALSE(check6->isVisible());

    Click(app.explorer(), "Option1");
    Click(app.baseChoice(), "MHSTATHERIGON");
    EXPECT_TRUE(check6->isVisible());

    Click(app.baseChoice(), "STATHERIGON");
    EXPECT_FALSE(app.BaseFree());
    EXPECT_FALSE(check6->isVisible());
}

class EndTest : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(EndTest, EndsTheProgramAtOnce)
{
    Application app;
    app.Start();
    QWidget& screen = Screen(app, GetParam().first);
    screen.show();
    QTimer::singleShot(0, &screen, [&] { Click(screen, GetParam().second); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_FALSE(app.introduction().isVisible());
}

INSTANTIATE_TEST_SUITE_P(EveryEndControl, EndTest,
                         testing::Values(std::pair{"firststep", "TERMATISMOS"},
                                         std::pair{"exigisirelative", "TELOSPRO"},
                                         std::pair{"exigisi2", "TELOS"},
                                         std::pair{"rotating", "telos"}),
                         [](const auto& info) { return std::string(info.param.second); });

TEST(Introduction, OpensFirstWithItsTextsAndASquarePicture)
{
    Application app;
    app.Start();
    IntroductionScreen& intro = app.introduction();
    EXPECT_TRUE(intro.isVisible());
    auto* text0 = intro.findChild<QTextEdit*>(QStringLiteral("Text1_0"));
    auto* text1 = intro.findChild<QTextEdit*>(QStringLiteral("Text1_1"));
    ASSERT_NE(text0, nullptr);
    ASSERT_NE(text1, nullptr);
    EXPECT_EQ(text0->font().families().front(), QStringLiteral("Times New Roman Greek"));
    EXPECT_DOUBLE_EQ(text1->font().pointSizeF(), 14.0);
    const QString before = text1->toPlainText();
    EXPECT_TRUE(before.contains(QStringLiteral("v=Aω")));

    for (const QSize size : {QSize(1200, 500), QSize(500, 1100)}) {
        intro.resize(size);
        QCoreApplication::processEvents();
        const SurfaceView& picture = intro.picture();
        EXPECT_EQ(picture.width(), picture.height()) << size.width() << "x" << size.height();
        EXPECT_GT(picture.width(), 50);
    }
    EXPECT_FALSE(intro.picture().surface().Primitives().empty());

    Click(intro, "Command1");
    EXPECT_FALSE(intro.isVisible());
    Click(app.firstExplanation(), "XANAPISO");
    EXPECT_TRUE(intro.isVisible());
    EXPECT_EQ(text1->toPlainText(), before);
}

std::string Named(const QWidget& widget)
{
    return widget.objectName().toStdString() + "(" + widget.metaObject()->className() + ")";
}

// The visible children of `widget` that overlap one another, named; a layout squeezed below
// what its controls need lays them over each other.
std::string OverlappingChildren(const QWidget& widget)
{
    if (qobject_cast<const QTabBar*>(&widget) != nullptr) {
        return {}; // its scroll buttons are its own affair
    }
    std::vector<const QWidget*> shown;
    for (const QObject* object : widget.children()) {
        const auto* child = qobject_cast<const QWidget*>(object);
        if (child != nullptr && !child->isWindow() && child->isVisible() &&
            !child->geometry().isEmpty()) {
            shown.push_back(child);
        }
    }
    std::string overlaps;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            if (shown[i]->geometry().intersects(shown[j]->geometry())) {
                overlaps += Named(*shown[i]) + " over " + Named(*shown[j]) + "; ";
            }
        }
    }
    for (const QObject* object : widget.children()) {
        if (const auto* child = qobject_cast<const QWidget*>(object);
            child != nullptr && !child->isWindow() && child->isVisible()) {
            overlaps += OverlappingChildren(*child);
        }
    }
    return overlaps;
}

// Every screen, at the normal size and on a projector at twice it, fits the screen's available
// area, and so does the least size its layout allows; its controls never overlap (ctest runs
// this at 1024x768 and 1366x768 as well).
class FitTest : public testing::TestWithParam<double> {
protected:
    void TearDown() override { DrawingPalette::Instance().setScale(1.0); }
};

TEST_P(FitTest, EveryScreenFitsItsScreenWithItsControlsApart)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    if (GetParam() > 1.0 && area.width() < 1024) {
        GTEST_SKIP() << "large text is for a projector, 1024 pixels across or more";
    }
    DrawingPalette::Instance().setScale(GetParam());
    Application app;
    app.Simulation().SetBeep([] {});
    for (const char* name : {"EISAGOGIKI", "firststep", "exigisirelative", "exigisi2", "DIALEGO",
                             "rotating", "x_ygraph", "velocitytimes", "base_centrafugal"}) {
        SCOPED_TRACE(std::string(name) + " on " + std::to_string(area.width()) + "x" +
                     std::to_string(area.height()) + " at " + std::to_string(GetParam()));
        QWidget& window = Screen(app, name);
        window.show();
        QCoreApplication::processEvents();
        const QSize decoration = window.frameGeometry().size() - window.size();
        const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize()) + decoration;
        EXPECT_LE(least.width(), area.width());
        EXPECT_LE(least.height(), area.height());
        EXPECT_TRUE(area.contains(window.frameGeometry()));
        EXPECT_EQ(OverlappingChildren(window), "");
        window.hide();
    }
}

INSTANTIATE_TEST_SUITE_P(NormalAndProjector, FitTest, testing::Values(1.0, 2.0),
                         [](const testing::TestParamInfo<double>& info) {
                             return "Scale" + std::to_string(std::lround(info.param * 100));
                         });

} // namespace
} // namespace ttl
