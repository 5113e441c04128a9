#include "../../shell/ui/text_boxes.h"
#include "app/application.h"
#include "explorer/explorer_views.h"
#include "explorer/ui/choice_window.h"
#include "explorer/ui/explorer_screen.h"
#include "shell/ui/screen_placement.h"
#include "shell/ui/surface_view.h"
#include "turntable/ui/rotating_screen.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

namespace ttl {
namespace {

class ExplorerScreenTest : public testing::Test {
protected:
    void SetUp() override
    {
        app.OpenExplorer();
        screen().SetBeep([this] { ++beeps; });
    }

    ExplorerScreen& screen() { return app.explorer(); }

    template <typename T> T* Find(const char* name)
    {
        T* found = screen().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void Click(const char* name)
    {
        if (auto* button = screen().findChild<QAbstractButton*>(QString::fromLatin1(name))) {
            button->click();
        } else {
            Find<QAction>(name)->trigger();
        }
    }

    QTimer* Timer() { return Find<QTimer>("Timer1"); }

    Application app;
    int beeps = 0;
};

TEST_F(ExplorerScreenTest, StepStopsAContinuousRun)
{
    Click("CHRONIKHMETAVOLH");
    EXPECT_TRUE(Timer()->isActive());
    EXPECT_EQ(Timer()->interval(), 250);
    // The timer steps on its own; a busy machine only makes the wait longer.
    EXPECT_TRUE(QTest::qWaitFor([this] { return screen().State().StepIndex >= 1; }, 30000));
    Click("Command1");
    EXPECT_FALSE(Timer()->isActive());
}

TEST_F(ExplorerScreenTest, APendulumRunsFasterAndOnlyOneModeIsChecked)
{
    Click("FOUCAULTTEXTBOOK");
    Click("FOUCAULTV0");
    EXPECT_FALSE(Find<QAction>("FOUCAULTTEXTBOOK")->isChecked());
    EXPECT_TRUE(Find<QAction>("FOUCAULTV0")->isChecked());
    Click("CHRONIKHMETAVOLH");
    EXPECT_EQ(Timer()->interval(), 25);

    Click("EPANELAVE");
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_FALSE(Find<QAction>("FOUCAULTV0")->isChecked());
    EXPECT_EQ(Find<QScrollBar>("zoumerno")->value(), 100);
    EXPECT_EQ(Find<QLabel>("Label1")->text(), QStringLiteral("SCALE= 1.00X Radius"));
    EXPECT_EQ(screen().State().StepIndex, 0);
}

TEST_F(ExplorerScreenTest, WithoutFrictionStepHidesTheChoiceWindowAndNeverOffersBaseAcc)
{
    app.baseChoice().show();
    Click("Option1");
    app.baseChoice().findChild<QAbstractButton*>(QStringLiteral("MHSTATHERIGON"))->click();
    for (int i = 0; i < 3; ++i) {
        Click("Command1");
        EXPECT_FALSE(app.baseChoice().isVisible());
        EXPECT_FALSE(Find<QCheckBox>("Check6")->isVisible());
    }
}

TEST_F(ExplorerScreenTest, WithFrictionAndAFreeBaseStepOffersBaseAccInTheRotatingFrame)
{
    Click("Check3");
    EXPECT_TRUE(app.baseChoice().isVisible());
    // beside the explorer, or at the screen's right edge when there is no room beside it
    const QRect area = screen().screen()->availableGeometry();
    EXPECT_TRUE(area.contains(app.baseChoice().frameGeometry()));
    app.baseChoice().findChild<QAbstractButton*>(QStringLiteral("MHSTATHERIGON"))->click();
    Click("Option1");
    Click("Command1");
    EXPECT_TRUE(app.baseChoice().isVisible());
    EXPECT_TRUE(Find<QCheckBox>("Check6")->isVisible());
    EXPECT_TRUE(app.BaseFree());
}

TEST_F(ExplorerScreenTest, TheFrameOptionsShowTheirForcesAndRestartAtStepZero)
{
    Click("Command1");
    Click("Command1");
    ASSERT_EQ(screen().State().StepIndex, 2);
    Click("Option1");
    EXPECT_EQ(screen().State().StepIndex, 0);
    EXPECT_TRUE(Find<SurfaceView>("Picture2")->isVisible());
    for (const char* name : {"Check4", "Check5", "Check7"}) {
        EXPECT_TRUE(Find<QCheckBox>(name)->isVisible()) << name;
    }
    Click("Command1");
    Click("Option2");
    EXPECT_EQ(screen().State().StepIndex, 0);
    EXPECT_FALSE(Find<SurfaceView>("Picture2")->isVisible());
    for (const char* name : {"Check4", "Check5", "Check6", "Check7"}) {
        EXPECT_FALSE(Find<QCheckBox>(name)->isVisible()) << name;
    }
}

TEST_F(ExplorerScreenTest, MovingVxBeforeTheFirstStepChangesTheStartArrowAndItsLabel)
{
    Find<QScrollBar>("vxtax")->setValue(-3);
    EXPECT_EQ(Find<QLabel>("Label3")->text(), QStringLiteral("Vx =-3X ωΧR"));
    const auto& list = screen().Picture1().surface().Primitives();
    const auto red = std::find_if(list.begin(), list.end(), [](const Primitive& p) {
        return p.color == colors::Red && p.x1 == 0.0 && p.y1 == 1.0;
    });
    ASSERT_NE(red, list.end());
    const double scale = ExplorerArrowScales(screen().State(), screen().Controls()).velocity;
    EXPECT_DOUBLE_EQ(red->x2 - red->x1, -1.5 * scale);
    Click("Command1");
    EXPECT_DOUBLE_EQ(screen().State().BodyVelocity.x, -1.5);
}

TEST_F(ExplorerScreenTest, TheGuidanceFollowsTheCheckBoxes)
{
    Click("Option1");
    Click("Command1");
    auto* text = Find<QTextEdit>("Text1");
    EXPECT_TRUE(text->toPlainText().endsWith(QStringLiteral("PRESS CENTRIFUGAL")));
    Click("Check5");
    EXPECT_TRUE(text->toPlainText().endsWith(QStringLiteral("PRESS CORIOLIS")));
    EXPECT_EQ(text->palette().color(QPalette::Text), QColor(0, 0, 255));
}

TEST_F(ExplorerScreenTest, BackStopsHidesAndResets)
{
    Click("Check3");
    Click("CHRONIKHMETAVOLH");
    Click("Command1");
    Click("piso");
    EXPECT_FALSE(screen().isVisible());
    EXPECT_FALSE(app.baseChoice().isVisible());
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_EQ(screen().State().StepIndex, 0);
}

} // namespace
} // namespace ttl

namespace ttl {
namespace {

TEST_F(ExplorerScreenTest, TheSimulationScreensBoxAndTheChoiceWindowShowTheBaseTheModelUses)
{
    auto* dialogi = app.simulationScreen().findChild<QCheckBox*>(QStringLiteral("dialogi"));
    dialogi->click(); // "The base is influenced"
    Click("Option1");
    Click("Check3");
    EXPECT_TRUE(
        app.baseChoice().findChild<QAbstractButton*>(QStringLiteral("MHSTATHERIGON"))->isChecked());
    Find<QScrollBar>("vxtax")->setValue(-3); // sliding against the base for a good while
    Click("Command1");
    const double l0 = ExplorerAngularMomentum(screen().State());
    for (int n = 0; n < 8; ++n) {
        Click("Command1");
        EXPECT_NEAR(ExplorerAngularMomentum(screen().State()), l0, 1e-9 * l0);
    }
    // Driven again from the choice window: the motor adds momentum, and the box says so.
    app.baseChoice().findChild<QAbstractButton*>(QStringLiteral("STATHERIGON"))->click();
    EXPECT_FALSE(dialogi->isChecked());
    for (int n = 0; n < 8; ++n) {
        Click("Command1");
    }
    EXPECT_GT(std::abs(ExplorerAngularMomentum(screen().State()) - l0), 0.05);
}

TEST_F(ExplorerScreenTest, AnythingThatRestartsTheRunStopsAContinuousOne)
{
    for (const char* restart : {"Option1", "Option2", "FOUCAULTTEXTBOOK", "EPANELAVE"}) {
        Click("CHRONIKHMETAVOLH");
        ASSERT_TRUE(Timer()->isActive());
        Click(restart);
        EXPECT_FALSE(Timer()->isActive()) << restart;
    }
}

TEST_F(ExplorerScreenTest, TheWheelOverThePanelNeverMovesAScrollBar)
{
    for (const char* name : {"vxtax", "vytax", "mazalazo", "zoumerno"}) {
        QScrollBar* bar = Find<QScrollBar>(name);
        const int before = bar->value();
        const QPointF at(bar->width() / 2.0, bar->height() / 2.0);
        QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        EXPECT_EQ(bar->value(), before) << name;
    }
}

// On a classroom projector: the choice window whole on the screen, and the legend's texts apart
// from each other and below the base.
TEST_F(ExplorerScreenTest, OnAProjectorTheChoiceWindowIsWholeAndTheLegendReadable)
{
    for (const QSize display : {QSize(1024, 768), QSize(1366, 768)}) {
        const QRect available(0, 0, display.width(), display.height() - 40);
        const QRect explorer(0, 0, static_cast<int>(0.8 * display.width()), available.height());
        const QSize choice = app.baseChoice().sizeHint() + QSize(16, 40);
        const QRect placed(BesidePosition(explorer, choice, available), choice);
        EXPECT_TRUE(available.contains(placed)) << display.width();

        screen().resize(explorer.size() - QSize(16, 40));
        screen().show();
        QApplication::processEvents();
        Click("Option1");
        Click("Check3");
        app.baseChoice().findChild<QAbstractButton*>(QStringLiteral("MHSTATHERIGON"))->click();
        Find<QScrollBar>("vxtax")->setValue(4);
        for (const char* check : {"Check1", "Check2", "Check4", "Check5", "Check6", "Check7"}) {
            Find<QCheckBox>(check)->setChecked(true);
        }
        for (int n = 0; n < 5; ++n) {
            Click("Command1");
        }
        const Surface& s = screen().Picture1().surface();
        ASSERT_GT(s.PixelWidth(), 300);
        EXPECT_EQ(testing_support::OverlappingTexts(s), "") << display.width();
        const double baseBottom = (-2.0 - s.ScaleTop()) / s.ScaleHeight() * s.PixelHeight();
        int legends = 0;
        for (const auto& box : testing_support::TextBoxes(s)) {
            if (box.text.rfind("L=", 0) != 0 && box.text.rfind("vREL", 0) != 0) {
                EXPECT_GE(box.pixels.top(), baseBottom) << box.text;
                ++legends;
            }
        }
        EXPECT_GE(legends, 8) << display.width();
        Click("Check3"); // back to the start for the next size
        Click("EPANELAVE");
    }
}

} // namespace
} // namespace ttl

namespace ttl {
namespace {

bool PrintedOnPicture1(ExplorerScreen& screen, const std::string& text)
{
    for (const Primitive& p : screen.Picture1().surface().Primitives()) {
        if (p.kind == PrimitiveKind::Text && p.text == text) {
            return true;
        }
    }
    return false;
}

TEST_F(ExplorerScreenTest, TheDerivationIsClickedThroughBothWaysForEitherObserver)
{
    Find<QScrollBar>("vxtax")->setValue(3);
    Click("CORIOLISEXP");
    EXPECT_TRUE(screen().State().DerivationActive);
    EXPECT_EQ(screen().State().StepIndex, 66);
    EXPECT_TRUE(Find<QScrollBar>("protosimiox")->isVisible());
    EXPECT_TRUE(screen().findChild<QTextEdit*>(QStringLiteral("Text1"))->toPlainText().isEmpty());
    SurfaceView* picture = &screen().Picture1();
    const QPoint middle(picture->width() / 2, picture->height() / 2);

    QTest::mouseClick(picture, Qt::LeftButton, Qt::ShiftModifier, middle);
    EXPECT_EQ(screen().DerivationPage(), 9);
    EXPECT_TRUE(PrintedOnPicture1(screen(), "page 9"));
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, middle);
    EXPECT_EQ(screen().DerivationPage(), 0);

    // the first moment moves: the same page, another interval
    Find<QScrollBar>("protosimiox")->setValue(61);
    EXPECT_EQ(screen().DerivationPage(), 0);
    EXPECT_TRUE(PrintedOnPicture1(screen(), "\u0394t = 0.40"));

    // back to page 9, then the rotating observer: page 9 is beyond its range
    QTest::mouseClick(picture, Qt::LeftButton, Qt::ShiftModifier, middle);
    Click("Option1");
    EXPECT_EQ(screen().DerivationPage(), 0);
    EXPECT_TRUE(screen().State().DerivationActive);
    QTest::mouseClick(picture, Qt::LeftButton, Qt::ShiftModifier, middle);
    EXPECT_EQ(screen().DerivationPage(), 8);
    EXPECT_TRUE(PrintedOnPicture1(screen(), "Click for NEXT"));

    // entering again starts the motion afresh and advances it 66 steps
    Click("Command1"); // a step ends the derivation
    EXPECT_FALSE(screen().State().DerivationActive);
    EXPECT_EQ(screen().State().StepIndex, 67);
    Click("CORIOLISEXP");
    EXPECT_EQ(screen().State().StepIndex, 66);
    Click("EPANELAVE");
    EXPECT_FALSE(screen().State().DerivationActive);
    EXPECT_FALSE(Find<QScrollBar>("protosimiox")->isVisible());
}

// A control the motion depends on, changed on page 3 of the derivation: the motion is run
// again at once, as entering the derivation anew would run it, and page 0 is drawn.
TEST_F(ExplorerScreenTest, AControlTheMotionDependsOnRerunsTheDerivationFromPageZero)
{
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"vxtax", [&] { Find<QScrollBar>("vxtax")->setValue(-2); }},
        {"vytax", [&] { Find<QScrollBar>("vytax")->setValue(3); }},
        {"Check3", [&] { Click("Check3"); }},
        {"mazalazo", [&] { Find<QScrollBar>("mazalazo")->setValue(9); }},
    };
    SurfaceView* picture = &screen().Picture1();
    Click("Option1");
    Click("CORIOLISEXP");
    for (const auto& [name, change] : changes) {
        for (int k = 0; k < 3; ++k) {
            QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        }
        ASSERT_EQ(screen().DerivationPage(), 3);
        const auto end = [&] {
            return std::pair{screen().State().PathX[66], screen().State().PathY[66]};
        };
        const auto before = end();
        change();
        EXPECT_EQ(screen().DerivationPage(), 0) << name;
        EXPECT_TRUE(PrintedOnPicture1(screen(), "page 0")) << name;
        const auto after = end();
        if (std::string(name) != "mazalazo") { // the driven base's motion does not see the mass
            EXPECT_NE(after, before) << name;
        }
        Click("CORIOLISEXP");
        EXPECT_EQ(end(), after) << name;
        // the Δt bar and its label belong to the derivation; the force diagram gives way to it
        EXPECT_TRUE(Find<QLabel>("protosimioxLabel")->isVisibleTo(&screen()));
        EXPECT_FALSE(Find<SurfaceView>("Picture2")->isVisibleTo(&screen()));
    }
    Click("CHRONIKHMETAVOLH");
    EXPECT_FALSE(Find<QScrollBar>("protosimiox")->isVisibleTo(&screen()));
    EXPECT_TRUE(Find<SurfaceView>("Picture2")->isVisibleTo(&screen()));
}

} // namespace
} // namespace ttl
