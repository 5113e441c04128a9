#include "screen_lookup.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>

namespace ttl {
namespace {

using testing_support::Screen;

enum class Kind {
    Button,
    Check,
    Option,
    HBar,
    VBar,
    Menu,
    Entry,
    CheckableEntry,
    Label,
    Picture,
    TextBox,
    Timer
};

struct ControlRow {
    const char* screen;
    const char* name;
    Kind kind;
    const char* caption = "";
    int minimum = 0;
    int maximum = 0;
    int initial = 0;
    bool onOrTopIsMax = false; // options: selected; vertical bars: the maximum is at the top
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const ControlRow& row, std::ostream* out)
{
    *out << row.screen << "." << row.name;
}

QString Shown(const QString& caption)
{
    QString text = caption;
    return text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

class ScreenControlsTest : public testing::TestWithParam<ControlRow> {
protected:
    Application app;
};

TEST_P(ScreenControlsTest, ExistsWithItsCaptionRangeAndInitialState)
{
    const ControlRow& row = GetParam();
    QWidget& screen = Screen(app, row.screen);
    const QString name = QString::fromLatin1(row.name);
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case Kind::Button: {
        auto* w = screen.findChild<QPushButton*>(name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(Shown(w->text()), caption);
        EXPECT_FALSE(w->toolTip().isEmpty());
        break;
    }
    case Kind::Check: {
        auto* w = screen.findChild<QCheckBox*>(name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(Shown(w->text()), caption);
        EXPECT_FALSE(w->isChecked());
        break;
    }
    case Kind::Option: {
        auto* w = screen.findChild<QRadioButton*>(name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(Shown(w->text()), caption);
        EXPECT_EQ(w->isChecked(), row.onOrTopIsMax);
        break;
    }
    case Kind::HBar:
    case Kind::VBar: {
        auto* w = screen.findChild<QScrollBar*>(name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->orientation(), row.kind == Kind::HBar ? Qt::Horizontal : Qt::Vertical);
        EXPECT_EQ(w->minimum(), row.minimum);
        EXPECT_EQ(w->maximum(), row.maximum);
        EXPECT_EQ(w->value(), row.initial);
        EXPECT_EQ(w->invertedAppearance(), row.onOrTopIsMax);
        EXPECT_FALSE(w->toolTip().isEmpty()) << "a tooltip says what the bar sets";
        break;
    }
    case Kind::Menu: {
        auto* w = screen.findChild<QMenu*>(name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(Shown(w->title()), caption);
        break;
    }
    case Kind::Entry:
    case Kind::CheckableEntry: {
        auto* w = screen.findChild<QAction*>(name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(Shown(w->text()), caption);
        EXPECT_EQ(w->isCheckable(), row.kind == Kind::CheckableEntry);
        EXPECT_FALSE(w->isChecked());
        break;
    }
    case Kind::Label: {
        auto* w = screen.findChild<QLabel*>(name);
        ASSERT_NE(w, nullptr);
        if (row.caption[0] != '\0') {
            EXPECT_EQ(w->text(), caption);
        }
        break;
    }
    case Kind::Picture:
        EXPECT_NE(screen.findChild<SurfaceView*>(name), nullptr);
        break;
    case Kind::TextBox:
        EXPECT_NE(screen.findChild<QTextEdit*>(name), nullptr);
        break;
    case Kind::Timer: {
        auto* w = screen.findChild<QTimer*>(name);
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->isActive());
        break;
    }
    }
}

std::string RowName(const testing::TestParamInfo<ControlRow>& info)
{
    return std::string(info.param.screen) + "_" + info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Introduction, ScreenControlsTest,
    testing::Values(ControlRow{"EISAGOGIKI", "Command1", Kind::Button,
                               "PRESS THE BUTTON TO SEE THE NEXT EXPLANATION"},
                    ControlRow{"EISAGOGIKI", "Command3", Kind::Button, "ROTATING FRAME"},
                    ControlRow{"EISAGOGIKI", "Command2", Kind::Button, "SIMULATION"},
                    ControlRow{"EISAGOGIKI", "Picture1", Kind::Picture},
                    ControlRow{"EISAGOGIKI", "Text1_0", Kind::TextBox},
                    ControlRow{"EISAGOGIKI", "Text1_1", Kind::TextBox},
                    ControlRow{"EISAGOGIKI", "Text1_2", Kind::TextBox},
                    ControlRow{"EISAGOGIKI", "Label1", Kind::Label}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    FirstExplanation, ScreenControlsTest,
    testing::Values(
        ControlRow{"firststep", "XANAPISO", Kind::Entry, "BACK"},
        ControlRow{"firststep", "CAMPYLONO", Kind::Menu, "CURVE - ACCELERATION"},
        ControlRow{"firststep", "DYNAMEISDIAFORES", Kind::CheckableEntry, "RADIUS OF CURVATURE"},
        ControlRow{"firststep", "campyles", Kind::Entry, "FACTORS THAT AFFECT ACCELERATION"},
        ControlRow{"firststep", "GUESSFORCE", Kind::CheckableEntry,
                   "MAKE AN ASSUMPTION FOR THE FORCE"},
        ControlRow{"firststep", "SXETIKH_KINHSH", Kind::Entry, "RELATIVE MOTION"},
        ControlRow{"firststep", "TERMATISMOS", Kind::Entry, "END"},
        ControlRow{"firststep", "PARAKATOEVENT", Kind::Entry, "NEXT"},
        ControlRow{"firststep", "Command1", Kind::Button, "START"},
        ControlRow{"firststep", "Timer1", Kind::Timer},
        ControlRow{"firststep", "Option1", Kind::Option, "Explanation for friction", 0, 0, 0, true},
        ControlRow{"firststep", "Option2", Kind::Option, "Time"},
        ControlRow{"firststep", "Option3", Kind::Option, "Factors that affect acceleration"},
        ControlRow{"firststep", "arxikives", Kind::VBar, "", 0, 5, 3},
        ControlRow{"firststep", "epitaxyno", Kind::HBar, "", 0, 35, 20},
        ControlRow{"firststep", "syxnotikamp", Kind::HBar, "", 1, 60, 15},
        ControlRow{"firststep", "platosvalue", Kind::VBar, "", 1, 35, 20},
        ControlRow{"firststep", "eikona", Kind::Picture},
        ControlRow{"firststep", "Text1", Kind::TextBox},
        ControlRow{"firststep", "Label1", Kind::Label},
        ControlRow{"firststep", "Label2", Kind::Label},
        ControlRow{"firststep", "Label3", Kind::Label},
        ControlRow{"firststep", "Label4", Kind::Label}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Simulation, ScreenControlsTest,
    testing::Values(
        ControlRow{"rotating", "massvalue", Kind::HBar, "", 1, 20, 1},
        ControlRow{"rotating", "syntelfri", Kind::HBar, "", 0, 10, 10},
        ControlRow{"rotating", "xronosolikos", Kind::HBar, "", 1, 40, 4},
        ControlRow{"rotating", "timeinterval", Kind::HBar, "", 1, 10, 5},
        ControlRow{"rotating", "dialogi", Kind::Check, "The base is not influenced"},
        ControlRow{"rotating", "epanalipsi", Kind::Button, "REPEAT"},
        ControlRow{"rotating", "Command1", Kind::Button, "BACK"},
        ControlRow{"rotating", "telos", Kind::Button, "END"},
        ControlRow{"rotating", "xronotroxia", Kind::Button, "Orbit vs time"},
        ControlRow{"rotating", "base_centrafugalwork", Kind::Button, "Work and Energy vs Time"},
        ControlRow{"rotating", "goniakiarxi", Kind::Button, "Angular Velocity vs time"},
        ControlRow{"rotating", "Grafikhvel", Kind::Button, "Velocity vs Time"},
        ControlRow{"rotating", "enarxixronou", Kind::Button,
                   "Vectors of Velocity and acceleration"},
        ControlRow{"rotating", "gonxro", Kind::Button, "Angle of Base vs time"},
        ControlRow{"rotating", "Label5", Kind::Label,
                   "Observe the evolution of the position of the body in ROTATING (blue) and "
                   "in INERTIAL (red) FRAMES"},
        ControlRow{"rotating", "Label6", Kind::Label,
                   "Observe the work in the ROTATING Frame. Then the work of FRICTION plus the "
                   "WORK of CENTRIFUGAL force is not equal to the change of kinetic energy in "
                   "case of changing angular velocity (or Angular momentum is constant)"},
        ControlRow{"rotating", "Label7", Kind::Label,
                   "If the base does not ROTATE with a constant rate (due to a stabilising "
                   "mechanism), then the ANGULAR VELOCITY changes but the ANGULAR MOMENTUM "
                   "remains constant"},
        ControlRow{"rotating", "Label8", Kind::Label,
                   "The velocity in the INERTIAL frame : Absolute and Relative, and the speed. "
                   "The same entities in the ROTATING frame."},
        ControlRow{"rotating", "Label9", Kind::Label,
                   "Observe the change of the ANGLE between the vectors of VELOCITY and "
                   "ACCELERATION. Observe that when this angle is >90° the movement is "
                   "decelerating, when <90° the speed increases"},
        ControlRow{"rotating", "Label10", Kind::Label,
                   "Graphical representation of the angle of base vs time. Observe that for "
                   "constant angular momentum the graph is a line."},
        ControlRow{"base_centrafugal", "Command1", Kind::Button, "half MAXIMUM"}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    StepExplorer, ScreenControlsTest,
    testing::Values(
        ControlRow{"exigisi2", "EPANELAVE", Kind::Entry, "REPEAT"},
        ControlRow{"exigisi2", "piso", Kind::Entry, "BACK"},
        ControlRow{"exigisi2", "TELOS", Kind::Entry, "END"},
        ControlRow{"exigisi2", "CHRONIKHMETAVOLH", Kind::Entry, "CONTINUOUS CHANGE"},
        ControlRow{"exigisi2", "FOUCAULT", Kind::Menu, "FOUCAULT PENDULUM"},
        ControlRow{"exigisi2", "FOUCAULTTEXTBOOK", Kind::CheckableEntry, "FOUCAULT TEXTBOOK"},
        ControlRow{"exigisi2", "FOUCAULTV0", Kind::CheckableEntry, "FOUCAULT with initial speed"},
        ControlRow{"exigisi2", "CORIOLISEXP", Kind::Entry, "CORIOLIS & CENTRIFUGAL"},
        ControlRow{"exigisi2", "Command1", Kind::Button, "STEP"},
        ControlRow{"exigisi2", "Timer1", Kind::Timer},
        ControlRow{"exigisi2", "Option1", Kind::Option, "ROTATING FRAME"},
        ControlRow{"exigisi2", "Option2", Kind::Option, "INERTIAL FRAME", 0, 0, 0, true},
        ControlRow{"exigisi2", "Check1", Kind::Check, "VELOCITY OF POINT OF BASE"},
        ControlRow{"exigisi2", "Check2", Kind::Check, "SHOW RELATIVE VELOCITY"},
        ControlRow{"exigisi2", "Check3", Kind::Check, "NON ZERO FRICTION"},
        ControlRow{"exigisi2", "Check4", Kind::Check, "show CORIOLIS"},
        ControlRow{"exigisi2", "Check5", Kind::Check, "CENTRIFUGAL FORCE"},
        ControlRow{"exigisi2", "Check6", Kind::Check, "BASE ACC"},
        ControlRow{"exigisi2", "Check7", Kind::Check, "TOTAL Force"},
        ControlRow{"exigisi2", "vxtax", Kind::HBar, "", -10, 10, 1},
        ControlRow{"exigisi2", "vytax", Kind::HBar, "", -10, 10, 0},
        ControlRow{"exigisi2", "mazalazo", Kind::HBar, "", 1, 20, 2},
        ControlRow{"exigisi2", "zoumerno", Kind::HBar, "", 50, 400, 120},
        ControlRow{"exigisi2", "protosimiox", Kind::HBar, "", 1, 64, 60},
        ControlRow{"exigisi2", "XSCALEFIGURE", Kind::HBar, "", -10, 20, 0},
        ControlRow{"exigisi2", "YSCALEFIGURE", Kind::VBar, "", -10, 30, 0, true},
        ControlRow{"exigisi2", "Picture1", Kind::Picture},
        ControlRow{"exigisi2", "Picture2", Kind::Picture},
        ControlRow{"exigisi2", "Text1", Kind::TextBox},
        ControlRow{"exigisi2", "Label1", Kind::Label, "Scale = 1.2*RADIUS"},
        ControlRow{"exigisi2", "Label2", Kind::Label, "Mass = 1.0"},
        ControlRow{"exigisi2", "Label3", Kind::Label, "Vx =1X ωΧR"},
        ControlRow{"exigisi2", "Label4", Kind::Label, "Vy =0X ωΧR"},
        ControlRow{"DIALEGO", "MHSTATHERIGON", Kind::Option, "CONSTANT ANGULAR MOMENTUM"},
        ControlRow{"DIALEGO", "STATHERIGON", Kind::Option, "CONSTANT ANGULAR VELOCITY", 0, 0, 0,
                   true}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    RelativeMotion, ScreenControlsTest,
    testing::Values(
        ControlRow{"exigisirelative", "Command1", Kind::Button, "STEP"},
        ControlRow{"exigisirelative", "Command2", Kind::Button, "TIME EVOLUTION"},
        ControlRow{"exigisirelative", "Command3", Kind::Button, "REPEAT"},
        ControlRow{"exigisirelative", "Command4", Kind::Button, "CLS"},
        ControlRow{"exigisirelative", "Command5", Kind::Button, "BACK"},
        ControlRow{"exigisirelative", "Command6", Kind::Button, "NEXT"},
        ControlRow{"exigisirelative", "TELOSPRO", Kind::Button, "END"},
        ControlRow{"exigisirelative", "Timer1", Kind::Timer},
        ControlRow{"exigisirelative", "arxikivx", Kind::HBar, "", -10, 10, 2},
        ControlRow{"exigisirelative", "arxikvy", Kind::HBar, "", -10, 10, 1},
        ControlRow{"exigisirelative", "arxikx", Kind::HBar, "", -30, 30, 5},
        ControlRow{"exigisirelative", "arxikiy", Kind::HBar, "", -30, 30, -5},
        ControlRow{"exigisirelative", "taxythtax", Kind::HBar, "", -5, 5, 0},
        ControlRow{"exigisirelative", "epitaxynshx", Kind::HBar, "", -5, 5, 0},
        ControlRow{"exigisirelative", "taxythtay", Kind::VBar, "", -5, 5, 0},
        ControlRow{"exigisirelative", "epitaxynshy", Kind::VBar, "", -5, 5, 0},
        ControlRow{"exigisirelative", "trivistoepipedo", Kind::HBar, "", 0, 100, 0},
        ControlRow{"exigisirelative", "mazatoysomatos", Kind::HBar, "", 1, 300, 1},
        ControlRow{"exigisirelative", "overallscale", Kind::HBar, "", 1, 10, 1},
        ControlRow{"exigisirelative", "xscaleeikona1", Kind::HBar, "", -50, 50, 0},
        ControlRow{"exigisirelative", "xscaleeikona2", Kind::HBar, "", -50, 50, 0},
        ControlRow{"exigisirelative", "yscaleeikona1", Kind::VBar, "", -50, 50, 0, true},
        ControlRow{"exigisirelative", "yscaleeikona2", Kind::VBar, "", -50, 50, 0, true},
        ControlRow{"exigisirelative", "eikona1", Kind::Picture},
        ControlRow{"exigisirelative", "eikona2", Kind::Picture},
        ControlRow{"exigisirelative", "Label1", Kind::Label, "Vx FRAME=0"},
        ControlRow{"exigisirelative", "Label11", Kind::Label, "Scale = 1"}),
    RowName);

struct ScreenRow {
    const char* name;
    const char* caption;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const ScreenRow& row, std::ostream* out)
{
    *out << row.name;
}

class ScreenCaptionTest : public testing::TestWithParam<ScreenRow> {};

TEST_P(ScreenCaptionTest, IsATopLevelWindowWithItsCaption)
{
    Application app;
    QWidget& screen = Screen(app, GetParam().name);
    EXPECT_EQ(screen.objectName(), QString::fromLatin1(GetParam().name));
    EXPECT_EQ(screen.windowTitle(), QString::fromUtf8(GetParam().caption));
    EXPECT_TRUE(screen.isWindow());
    EXPECT_FALSE(screen.isModal());
    EXPECT_EQ(&Screen(app, GetParam().name), &screen); // created once
}

INSTANTIATE_TEST_SUITE_P(
    AllScreens, ScreenCaptionTest,
    testing::Values(
        ScreenRow{"EISAGOGIKI", "INTRODUCTION"}, ScreenRow{"firststep", "FIRST EXPLANATION"},
        ScreenRow{"exigisirelative", "EXPLANATIONS FOR RELATIVE MOTION"},
        ScreenRow{"exigisi2", "FOLLOW THE MOVEMENT STEP BY STEP"},
        ScreenRow{"DIALEGO", "How the base turns"},
        ScreenRow{"rotating", "Simulation of both frames - Variables"},
        ScreenRow{"x_ygraph", "Graphs of the orbits"},
        ScreenRow{"goniaxronos", "Angle of Base vs Time"},
        ScreenRow{"goniakigraph", "Angular Velocity vs Time"},
        ScreenRow{"velocitytimes", "Velocities"}, ScreenRow{"xronikh", "Angle of Vectors"},
        ScreenRow{"xronoorbit", "Time development of the orbit"},
        ScreenRow{"base_centrafugal", "Work and Energy in rotating and inertial frames"}),
    [](const testing::TestParamInfo<ScreenRow>& info) { return std::string(info.param.name); });

TEST(ScrollBars, AVerticalBarWithItsMaximumAtTheTopMovesUpWithTheUpKey)
{
    Application app;
    auto* bar = app.explorer().findChild<QScrollBar*>(QStringLiteral("YSCALEFIGURE"));
    ASSERT_NE(bar, nullptr);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar->value(), 1);
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &up);
    EXPECT_EQ(bar->value(), 2);
}

} // namespace
} // namespace ttl
