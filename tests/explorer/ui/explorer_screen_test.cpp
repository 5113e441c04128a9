#include "explorer/ui/choice_window.h"
#include "explorer/ui/explorer_screen.h"
#include "shell/ui/application.h"
#include "shell/ui/surface_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace ttl {
namespace {

class ExplorerScreenTest : public testing::Test {
protected:
    void SetUp() override
    {
        app.OpenExplorer();
        screen().SetBeep([this] { ++beeps; });
    }

    ExplorerScreen& screen() { return app.exigisi2(); }

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
    QTest::qWait(600);
    EXPECT_GE(screen().State().StepIndex, 1); // the timer steps on its own
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
    app.DIALEGO().show();
    Click("Option1");
    app.DIALEGO().findChild<QAbstractButton*>(QStringLiteral("MHSTATHERIGON"))->click();
    for (int i = 0; i < 3; ++i) {
        Click("Command1");
        EXPECT_FALSE(app.DIALEGO().isVisible());
        EXPECT_FALSE(Find<QCheckBox>("Check6")->isVisible());
    }
}

TEST_F(ExplorerScreenTest, WithFrictionAndAFreeBaseStepOffersBaseAccInTheRotatingFrame)
{
    Click("Check3");
    EXPECT_TRUE(app.DIALEGO().isVisible());
    EXPECT_EQ(app.DIALEGO().x(), screen().x() + screen().width());
    app.DIALEGO().findChild<QAbstractButton*>(QStringLiteral("MHSTATHERIGON"))->click();
    Click("Option1");
    Click("Command1");
    EXPECT_TRUE(app.DIALEGO().isVisible());
    EXPECT_TRUE(Find<QCheckBox>("Check6")->isVisible());
    EXPECT_EQ(app.Parameters().BaseInfluenced, 1);
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
    const auto red = std::find_if(list.begin(), list.end(),
                                  [](const Primitive& p) { return p.color == colors::Red; });
    ASSERT_NE(red, list.end());
    EXPECT_DOUBLE_EQ(red->x2 - red->x1, -1.5);
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
    EXPECT_FALSE(app.DIALEGO().isVisible());
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_EQ(screen().State().StepIndex, 0);
}

} // namespace
} // namespace ttl
