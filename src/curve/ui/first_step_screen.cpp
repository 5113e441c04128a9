#include "curve/ui/first_step_screen.h"

#include "curve/curve_labels.h"
#include "shell/ui/controls.h"
#include "shell/ui/drawing_palette.h"
#include "shell/ui/help_menu.h"
#include "shell/ui/square_frame.h"
#include "shell/ui/surface_view.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace ttl {

namespace {

// A tick every 16 ms, one frame of a 60 Hz display; each tick is 0.05 time units, so the body
// crosses the window in a few seconds.
constexpr int TickMs = 16;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

FirstStepScreen::FirstStepScreen(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("firststep"));
    setWindowTitle(tr("FIRST EXPLANATION"));

    auto* bar = new QMenuBar(this);
    QAction* back = AddMenuCommand(bar, "XANAPISO", tr("BACK"));
    QMenu* curve = AddMenu(bar, "CAMPYLONO", tr("CURVE - ACCELERATION"));
    m_radius = AddMenuEntry(curve, "DYNAMEISDIAFORES", tr("RADIUS OF CURVATURE"), true);
    QAction* factors = AddMenuEntry(curve, "campyles", tr("FACTORS THAT AFFECT ACCELERATION"));
    m_guess = AddMenuEntry(curve, "GUESSFORCE", tr("MAKE AN ASSUMPTION FOR THE FORCE"), true);
    QAction* relativeMotion = AddMenuCommand(bar, "SXETIKH_KINHSH", tr("RELATIVE MOTION"));
    QAction* end = AddMenuCommand(bar, "TERMATISMOS", tr("END"));
    QAction* next = AddMenuCommand(bar, "PARAKATOEVENT", tr("NEXT"));
    AddViewMenu(bar);
    AddHelpMenu(bar, GuideSection::CurveLab);

    m_eikona = new SurfaceView;
    m_eikona->setObjectName(QStringLiteral("eikona"));
    // The disk's texts are sized to the picture: drawn again when it changes size.
    m_eikona->setRedraw([this](Surface& surface) {
        if (m_showing == Showing::Disk) {
            (void)DrawFirstExplanation(surface);
        }
    });
    m_timer = MakeTimer(this, "Timer1", TickMs);

    auto* options = new QGroupBox(tr("Show"), this);
    auto* optionLayout = new QVBoxLayout(options);
    m_options[1] = MakeOption(options, "Option1", tr("Explanation for friction"), true,
                              tr("Why a body sliding on a disk falls behind it"));
    m_options[2] = MakeOption(options, "Option2", tr("Time"), false,
                              tr("The body moving along the curve in time"));
    m_options[3] = MakeOption(options, "Option3", tr("Factors that affect acceleration"), false,
                              tr("How speed, curvature and tangential acceleration decide the "
                                 "acceleration"));
    for (int i = 1; i <= 3; ++i) {
        optionLayout->addWidget(m_options[i]);
    }
    m_start = MakeButton(this, "Command1", tr("START"), tr("Start the body along the curve"));

    QWidget* parameters = MakeParameters();

    m_text1 = MakeTextBox(this, "Text1");
    auto* side = new QVBoxLayout;
    side->addWidget(options);
    side->addWidget(m_start);
    side->addWidget(parameters);
    side->addWidget(m_text1, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(new SquareFrame(m_eikona, this), 3);
    layout->addLayout(side, 2);

    // The screen tidies itself before the application leaves it.
    connect(back, &QAction::triggered, this, &FirstStepScreen::XANAPISO_Click);
    connect(back, &QAction::triggered, this, &FirstStepScreen::backChosen);
    connect(relativeMotion, &QAction::triggered, this, &FirstStepScreen::relativeMotionChosen);
    connect(end, &QAction::triggered, this, &FirstStepScreen::endChosen);
    connect(next, &QAction::triggered, this, &FirstStepScreen::nextChosen);
    connect(factors, &QAction::triggered, this, &FirstStepScreen::campyles_Click);
    connect(m_radius, &QAction::triggered, this, &FirstStepScreen::DYNAMEISDIAFORES_Click);
    connect(m_guess, &QAction::triggered, this, &FirstStepScreen::GUESSFORCE_Click);
    connect(m_options[1], &QRadioButton::clicked, this, &FirstStepScreen::Option1_Click);
    connect(m_options[2], &QRadioButton::clicked, this, &FirstStepScreen::Option2_Click);
    connect(m_options[3], &QRadioButton::clicked, this, &FirstStepScreen::Option3_Click);
    connect(m_start, &QPushButton::clicked, this, &FirstStepScreen::Command1_Click);
    connect(m_timer, &QTimer::timeout, this, &FirstStepScreen::Timer1_Timer);
    ConnectBars();
    connect(m_eikona, &SurfaceView::mousePressed, this, &FirstStepScreen::eikona_MouseDown);
    connect(m_eikona, &SurfaceView::mouseReleased, this, &FirstStepScreen::eikona_MouseUp);

    AddShortcuts(*this, {{"Command1", QKeySequence(Qt::Key_S)},
                         {"XANAPISO", QKeySequence(Qt::Key_Escape)},
                         {"PARAKATOEVENT", QKeySequence(Qt::CTRL | Qt::Key_N)},
                         {"TERMATISMOS", QKeySequence(Qt::CTRL | Qt::Key_Q)}});
    ShowFirstExplanation(); // a teacher opening the screen sees the disk explanation
}

QWidget* FirstStepScreen::MakeParameters()
{
    m_platosvalue = MakeScrollBar(this, "platosvalue", Qt::Vertical, curve_controls::Amplitude,
                                  tr("Amplitude A of the curve: the value / 10"));
    m_arxikives = MakeScrollBar(this, "arxikives", Qt::Vertical, curve_controls::Speed,
                                tr("Initial speed v0 of the body: the value"));
    m_syxnotikamp =
        MakeScrollBar(this, "syxnotikamp", Qt::Horizontal, curve_controls::Frequency,
                      tr("Frequency β of the curve: the value in degrees per unit of x"));
    m_epitaxyno = MakeScrollBar(this, "epitaxyno", Qt::Horizontal, curve_controls::Tangential,
                                tr("Tangential acceleration of the body: the value / 10"));
    for (QScrollBar* vertical : {m_platosvalue, m_arxikives}) {
        vertical->setFixedHeight(90);
    }

    // Each label sits by its own bar.
    auto* parameters = new QGroupBox(tr("Curve and motion"), this);
    m_parameters = parameters;
    auto* grid = new QGridLayout(parameters);
    const char* names[] = {"", "Label1", "Label2", "Label3", "Label4"};
    for (int i = 1; i <= 4; ++i) {
        m_labels[i] = MakeLabel(parameters, names[i], QString());
    }
    grid->addWidget(m_labels[1], 0, 0);
    grid->addWidget(m_labels[4], 0, 1);
    grid->addWidget(m_platosvalue, 1, 0, Qt::AlignHCenter);
    grid->addWidget(m_arxikives, 1, 1, Qt::AlignHCenter);
    grid->addWidget(m_labels[2], 2, 0, 1, 2);
    grid->addWidget(m_syxnotikamp, 3, 0, 1, 2);
    grid->addWidget(m_labels[3], 4, 0, 1, 2);
    grid->addWidget(m_epitaxyno, 5, 0, 1, 2);
    for (int i = 1; i <= 4; ++i) {
        m_labels[i]->setBuddy(i == 1   ? static_cast<QWidget*>(m_platosvalue)
                              : i == 2 ? static_cast<QWidget*>(m_syxnotikamp)
                              : i == 3 ? static_cast<QWidget*>(m_epitaxyno)
                                       : static_cast<QWidget*>(m_arxikives));
    }
    return parameters;
}

void FirstStepScreen::ConnectBars()
{
    connect(m_arxikives, &QScrollBar::valueChanged, this,
            [this](int v) { BarChanged(m_labels[4], InitialSpeedLabel(v)); });
    connect(m_epitaxyno, &QScrollBar::valueChanged, this,
            [this](int v) { BarChanged(m_labels[3], TangentialLabel(v)); });
    connect(m_platosvalue, &QScrollBar::valueChanged, this,
            [this](int v) { BarChanged(m_labels[1], AmplitudeLabel(v)); });
    connect(m_syxnotikamp, &QScrollBar::valueChanged, this,
            [this](int v) { BarChanged(m_labels[2], FrequencyLabel(v)); });
}

void FirstStepScreen::ShowFirstExplanation()
{
    m_run = TimedCurveRun{};
    for (int i = 1; i <= 3; ++i) {
        m_options[i]->show();
    }
    Option1_Click();
}

CurveInputs FirstStepScreen::Inputs() const
{
    return {m_platosvalue->value(), m_syxnotikamp->value(), m_arxikives->value(),
            m_epitaxyno->value()};
}

void FirstStepScreen::hideEvent(QHideEvent* event)
{
    m_timer->stop();
    QWidget::hideEvent(event);
}

void FirstStepScreen::SetText(const std::string& text, bool explanationFont)
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif")});
    SetScaledFont(m_text1, font, explanationFont ? 12.0 : 0.0);
    m_text1->setPlainText(Text(text));
}

CurveMouseMode FirstStepScreen::MouseMode() const
{
    if (m_guess->isChecked()) {
        return CurveMouseMode::AssumeForce;
    }
    return m_radius->isChecked() ? CurveMouseMode::RadiusOfCurvature : CurveMouseMode::None;
}

void FirstStepScreen::ShowCurveControls(bool shown)
{
    for (QWidget* w : {static_cast<QWidget*>(m_syxnotikamp), static_cast<QWidget*>(m_epitaxyno),
                       static_cast<QWidget*>(m_platosvalue), static_cast<QWidget*>(m_arxikives)}) {
        w->setVisible(shown);
    }
    for (int i = 1; i <= 4; ++i) {
        m_labels[i]->setVisible(shown);
    }
    m_parameters->setVisible(shown); // not an empty frame
}

void FirstStepScreen::CheckOption(int index)
{
    for (int i = 1; i <= 3; ++i) {
        // An auto-exclusive button cannot be unchecked directly.
        m_options[i]->setAutoExclusive(false);
        m_options[i]->setChecked(i == index);
        m_options[i]->setAutoExclusive(true);
    }
}

void FirstStepScreen::Show(Showing showing)
{
    m_showing = showing;
    if (showing != Showing::Curve) { // the mouse works only on the curve
        m_radius->setChecked(false);
        m_guess->setChecked(false);
    }
    CheckOption(showing == Showing::Disk ? 1 : showing == Showing::TimedRun ? 2 : 3);
    m_start->setVisible(showing == Showing::TimedRun);
    if (showing == Showing::Curve) {
        SetBarCaptions();
    }
    ShowCurveControls(showing == Showing::Curve);
    UpdateToolTip();
}

void FirstStepScreen::UpdateToolTip()
{
    QString tip;
    if (m_showing == Showing::Disk) {
        tip = tr("Why a body sliding on a turning disk falls behind the points of the disk "
                 "under it");
    } else if (m_showing == Showing::TimedRun) {
        tip = tr("The body moving along the curve: its velocity in red, its acceleration in "
                 "blue, and every 60 ticks a red point with the distance covered");
    } else if (MouseMode() == CurveMouseMode::AssumeForce) {
        tip = tr("Click on the curve for its vectors; SHIFT-drag from the curve to draw a force "
                 "to be judged");
    } else if (MouseMode() == CurveMouseMode::RadiusOfCurvature) {
        tip = tr("Click on the curve for its vectors and its circle of curvature");
    } else {
        tip = tr("Choose RADIUS OF CURVATURE or MAKE AN ASSUMPTION FOR THE FORCE to see the "
                 "vectors at a point of the curve you click");
    }
    m_eikona->setToolTip(tip);
}

void FirstStepScreen::Option1_Click()
{
    m_timer->stop(); // its ticks would draw over the explanation
    Show(Showing::Disk);
    SetText(DrawFirstExplanation(m_eikona->surface()), true);
    m_eikona->refresh();
}

void FirstStepScreen::Option2_Click()
{
    m_timer->stop();
    m_run = TimedCurveRun{};
    Show(Showing::TimedRun);
    ScaleCurveWindow(m_eikona->surface());
    m_eikona->surface().Cls();
    SetText(tr("The body moves along the curve with the initial speed and the tangential "
               "acceleration set for the curve, 0.05 time units a tick. Press START. Its velocity "
               "is drawn in red and its acceleration in dark blue. Every 60 ticks a red point "
               "marks its place, with the distance Ds covered in those 60 ticks as a multiple "
               "of the distance of the first 60, and the time t.")
                .toStdString());
    m_eikona->refresh();
}

void FirstStepScreen::SetBarCaptions()
{
    m_labels[2]->setText(Text(FrequencyLabel(m_syxnotikamp->value())));
    m_labels[3]->setText(Text(TangentialLabel(m_epitaxyno->value())));
    m_labels[1]->setText(Text(AmplitudeLabel(m_platosvalue->value())));
    m_labels[4]->setText(Text(InitialSpeedLabel(m_arxikives->value())));
}

void FirstStepScreen::SetUpFactors(bool clearFirst)
{
    Surface& s = m_eikona->surface();
    if (clearFirst) {
        s.Cls();
    }
    ScaleCurveWindow(s);
    m_timer->stop();
    m_run = TimedCurveRun{};
    m_radius->setChecked(false);
    m_guess->setChecked(false);
    Show(Showing::Curve);
    SetText(DrawFresh(DrawAccelerationFactors));
}

void FirstStepScreen::campyles_Click()
{
    m_options[2]->show();
    m_options[3]->show();
    m_options[1]->hide();
    SetUpFactors(true);
}

void FirstStepScreen::Option3_Click()
{
    SetUpFactors(false);
}

void FirstStepScreen::DYNAMEISDIAFORES_Click()
{
    m_timer->stop();
    m_radius->setChecked(true);
    m_guess->setChecked(false);
    Show(Showing::Curve);
    SetText(DrawFresh(DrawCurvatureCircles));
}

void FirstStepScreen::GUESSFORCE_Click()
{
    m_timer->stop();
    m_radius->setChecked(false);
    m_guess->setChecked(true);
    Show(Showing::Curve);
    DrawFresh(DrawAccelerationFactors);
    // The instructions stay: they say what to do with the mouse.
    SetText(tr("If you click on the diagram the vectors of FRICTION, VELOCITY & "
               "ACCELERATION (centripetal & tangential) are shown. PRESS SHIFT and drag the "
               "mouse from a point on the curve to draw a FORCE THAT EXPLAINS the SHAPE AND THE "
               "TANGENTIAL ACCELERATION")
                .toStdString());
}

void FirstStepScreen::BarChanged(QLabel* label, const std::string& caption)
{
    label->setText(Text(caption));
    SetText(DrawFresh(DrawAccelerationFactors));
}

std::string FirstStepScreen::DrawFresh(CurveDrawing draw)
{
    Surface& s = m_eikona->surface();
    s.Cls();
    ScaleCurveWindow(s);
    std::string text = draw(s, Inputs());
    m_eikona->refresh();
    return text;
}

void FirstStepScreen::Command1_Click()
{
    m_run = TimedCurveRun{};
    StartTimedCurve(m_run, m_eikona->surface(), Inputs());
    m_timer->start();
    m_eikona->refresh();
}

void FirstStepScreen::Timer1_Timer()
{
    if (!TimedCurveStep(m_run, m_eikona->surface(), Inputs())) {
        m_timer->stop();
    }
    m_eikona->refresh();
}

void FirstStepScreen::XANAPISO_Click()
{
    m_timer->stop();
    m_start->hide();
    CheckOption(m_options[1]->isChecked() ? 1 : 0);
    ShowCurveControls(false);
}

void FirstStepScreen::eikona_MouseDown(double x, double y, Qt::KeyboardModifiers)
{
    if (m_showing != Showing::Curve) {
        return;
    }
    if (!m_guess->isChecked()) {
        SetText(tr("The centripetal acceleration has a direction towards the concave side of "
                   "the curve. If the speed changes there is a component tangent to the curve; "
                   "the circles are plotted according to the radius of curvature.")
                    .toStdString());
        return;
    }
    m_assumption.xd = x;
    m_assumption.yd = y;
    Surface& s = m_eikona->surface();
    ScaleCurveWindow(s);
    const std::string text = ShowVectorsAtPoint(s, Inputs(), MouseMode(), m_assumption, x, y);
    SetText(text);
    m_eikona->refresh();
}

void FirstStepScreen::eikona_MouseUp(double x, double y, Qt::KeyboardModifiers modifiers)
{
    if (m_showing != Showing::Curve) {
        return;
    }
    if (m_radius->isChecked()) {
        Surface& s = m_eikona->surface();
        ScaleCurveWindow(s);
        SetText(ShowVectorsAtPoint(s, Inputs(), MouseMode(), m_assumption, x, y));
    } else if (m_guess->isChecked() && modifiers == Qt::ShiftModifier && m_assumption.onCurve) {
        JudgeForce(m_eikona->surface(), Inputs(), m_assumption, x, y);
    }
    m_eikona->refresh();
}

} // namespace ttl
