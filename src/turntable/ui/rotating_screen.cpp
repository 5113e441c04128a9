#include "turntable/ui/rotating_screen.h"

#include "shell/ui/controls.h"
#include "shell/ui/help_menu.h"
#include "shell/ui/drawing_palette.h"
#include "turntable/simulation_labels.h"
#include "turntable/work_energy_graph.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace ttl {

RotatingScreen::RotatingScreen(QWidget* parent) : QWidget(parent)
{
    namespace c = simulation_controls;
    setObjectName(QStringLiteral("rotating"));
    setWindowTitle(tr("Simulation of both frames - Variables"));

    m_massvalue = MakeScrollBar(this, "massvalue", Qt::Horizontal, c::Mass,
                                tr("Mass of the body: the value / 2"));
    m_syntelfri = MakeScrollBar(this, "syntelfri", Qt::Horizontal, c::Friction,
                                tr("Friction coefficient times g: the value / 10"));
    m_timeinterval = MakeScrollBar(this, "timeinterval", Qt::Horizontal, c::Interval,
                                   tr("Time step dt of the integration: the value / 1250"));
    m_xronosolikos = MakeScrollBar(this, "xronosolikos", Qt::Horizontal, c::PeriodCount,
                                   tr("Total time of the run: the value × π/4"));
    m_label4 = MakeLabel(this, "Label4", ToQString(MassLabel(c::Mass.initial)));
    m_label3 = MakeLabel(this, "Label3", ToQString(FrictionLabel(c::Friction.initial)));
    m_label2 = MakeLabel(this, "Label2",
                         ToQString(IntervalLabel(c::Interval.initial, c::PeriodCount.initial)));
    m_label1 = MakeLabel(this, "Label1", ToQString(TotalTimeLabel(c::PeriodCount.initial)));
    m_dialogi = MakeCheckBox(this, "dialogi", ToQString(BaseInfluenceCaption(false)),
                             tr("Ticked: the base turns freely and the total angular momentum is "
                                "conserved. Clear: the base turns at a constant rate."));

    m_tabs = new SimulationGraphTabs(this);
    // The bars and buttons scroll rather than being cut on a small screen or in large text.
    auto* column = new QWidget;
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->addWidget(BuildParameterPanel());
    columnLayout->addWidget(BuildGraphPanel());
    columnLayout->addStretch(1);
    m_controls = MakeScrollPanel(this, column);
    auto* layout = new QHBoxLayout(this);
    auto* bar = new QMenuBar(this);
    AddViewMenu(bar);
    AddHelpMenu(bar, GuideSection::Simulation);
    layout->setMenuBar(bar);
    layout->addWidget(m_controls, 0);
    layout->addWidget(m_tabs, 1);
    // Tab follows the panel down: the save button sits above the row of commands.
    auto* save = findChild<QPushButton*>(QStringLiteral("saveCsv"));
    setTabOrder(m_dialogi, save);
    setTabOrder(save, findChild<QPushButton*>(QStringLiteral("epanalipsi")));
    ConnectControls();
}

QGroupBox* RotatingScreen::BuildParameterPanel()
{
    auto* repeat = MakeButton(this, "epanalipsi", tr("REPEAT"),
                              tr("Run the simulation again with these values"));
    auto* back = MakeButton(this, "Command1", tr("BACK"), tr("Back to the introduction"));
    auto* end = MakeButton(this, "telos", tr("END"), tr("End the program"));
    auto* save = MakeButton(this, "saveCsv", tr("Save run as CSV…"),
                            tr("Write every series of the last run to a table file"));
    connect(repeat, &QPushButton::clicked, this, &RotatingScreen::repeatChosen);
    connect(back, &QPushButton::clicked, this, &RotatingScreen::backChosen);
    connect(end, &QPushButton::clicked, this, &RotatingScreen::endChosen);
    connect(save, &QPushButton::clicked, this, &RotatingScreen::saveChosen);

    auto* parameters = new QGroupBox(tr("Parameters"));
    auto* parameterLayout = new QVBoxLayout(parameters);
    for (auto [label, bar] : {std::pair{m_label4, m_massvalue},
                              {m_label3, m_syntelfri},
                              {m_label2, m_timeinterval},
                              {m_label1, m_xronosolikos}}) {
        label->setBuddy(bar);
        parameterLayout->addWidget(label);
        parameterLayout->addWidget(bar);
    }
    parameterLayout->addWidget(m_dialogi);
    auto* commands = new QHBoxLayout;
    commands->addWidget(repeat);
    commands->addWidget(back);
    commands->addWidget(end);
    parameterLayout->addWidget(save);
    parameterLayout->addLayout(commands);
    return parameters;
}

QGroupBox* RotatingScreen::BuildGraphPanel()
{
    struct GraphRow {
        SimulationGraph graph;
        const char* button;
        const char* caption;
        const char* tab;
        const char* label;
        const char* explanation;
    };
    // Each graph button opens its tab, whose first line explains what to look for in the graph.
    const GraphRow rows[] = {
        {SimulationGraph::OrbitAnimation, "xronotroxia", QT_TR_NOOP("Orbit vs time"),
         QT_TR_NOOP("Orbit vs time"), "Label5",
         QT_TR_NOOP("Observe the evolution of the position of the body in ROTATING (blue) and in "
                    "INERTIAL (red) FRAMES")},
        {SimulationGraph::WorkEnergy, "base_centrafugalwork", QT_TR_NOOP("Work and Energy vs Time"),
         QT_TR_NOOP("Work and energy"), "Label6",
         QT_TR_NOOP(
             "Observe the work in the ROTATING Frame. Then the work of FRICTION plus the WORK of "
             "CENTRIFUGAL force is not equal to the change of kinetic energy in case of changing "
             "angular velocity (or Angular momentum is constant)")},
        {SimulationGraph::AngularVelocity, "goniakiarxi", QT_TR_NOOP("Angular Velocity vs time"),
         QT_TR_NOOP("Angular velocity"), "Label7",
         QT_TR_NOOP(
             "If the base does not ROTATE with a constant rate (due to a stabilising mechanism), "
             "then the ANGULAR VELOCITY changes but the ANGULAR MOMENTUM remains constant")},
        {SimulationGraph::Velocity, "Grafikhvel", QT_TR_NOOP("Velocity vs Time"),
         QT_TR_NOOP("Velocities"), "Label8",
         QT_TR_NOOP(
             "The velocity in the INERTIAL frame : Absolute and Relative, and the speed. The same "
             "entities in the ROTATING frame.")},
        {SimulationGraph::VectorsAnimation, "enarxixronou",
         QT_TR_NOOP("Vectors of Velocity and acceleration"), QT_TR_NOOP("Vectors"), "Label9",
         QT_TR_NOOP(
             "Observe the change of the ANGLE between the vectors of VELOCITY and ACCELERATION. "
             "Observe that when this angle is >90\u00B0 the movement is decelerating, when "
             "<90\u00B0 the speed increases")},
        {SimulationGraph::BaseAngle, "gonxro", QT_TR_NOOP("Angle of Base vs time"),
         QT_TR_NOOP("Angle of base"), "Label10",
         QT_TR_NOOP(
             "Graphical representation of the angle of base vs time. Observe that for constant "
             "angular momentum the graph is a line.")},
    };
    m_tabs->AddGraph(SimulationGraph::Orbits, tr("Orbits"));
    auto* graphs = new QGroupBox(tr("Graphs of the last run"));
    auto* buttons = new QVBoxLayout(graphs);
    for (const GraphRow& r : rows) {
        // The explanation is the button's tooltip as well, so it can be read before choosing.
        auto* button = MakeButton(graphs, r.button, tr(r.caption), tr(r.explanation));
        connect(button, &QPushButton::clicked, this,
                [this, graph = r.graph] { emit graphChosen(graph); });
        buttons->addWidget(button);
        m_tabs->AddGraph(r.graph, tr(r.tab), r.label, tr(r.explanation));
    }
    m_tabs->WorkRangeButton().setText(ToQString(WorkGraphView{}.ButtonCaption()));
    return graphs;
}

void RotatingScreen::ConnectControls()
{
    connect(m_massvalue, &QScrollBar::valueChanged, this, &RotatingScreen::massvalue_Change);
    connect(m_syntelfri, &QScrollBar::valueChanged, this, &RotatingScreen::syntelfri_Change);
    connect(m_timeinterval, &QScrollBar::valueChanged, this, &RotatingScreen::timeinterval_Change);
    connect(m_xronosolikos, &QScrollBar::valueChanged, this, &RotatingScreen::xronosolikos_Change);
    // The caption follows the box before the application hears of the change.
    connect(m_dialogi, &QCheckBox::clicked, this, &RotatingScreen::dialogi_Click);
    connect(m_dialogi, &QCheckBox::clicked, this, &RotatingScreen::baseCouplingChosen);
    connect(m_tabs, &SimulationGraphTabs::graphChosen, this, &RotatingScreen::graphChosen);
    connect(m_tabs, &SimulationGraphTabs::windowChosen, this, &RotatingScreen::windowChosen);
    connect(m_tabs, &SimulationGraphTabs::workRangeToggled, this,
            &RotatingScreen::workRangeToggled);
    AddShortcuts(*this, {{"epanalipsi", QKeySequence(Qt::CTRL | Qt::Key_R)},
                         {"Command1", QKeySequence(Qt::Key_Escape)},
                         {"telos", QKeySequence(Qt::CTRL | Qt::Key_Q)},
                         {"xronotroxia", QKeySequence(Qt::CTRL | Qt::Key_1)},
                         {"base_centrafugalwork", QKeySequence(Qt::CTRL | Qt::Key_2)},
                         {"goniakiarxi", QKeySequence(Qt::CTRL | Qt::Key_3)},
                         {"Grafikhvel", QKeySequence(Qt::CTRL | Qt::Key_4)},
                         {"enarxixronou", QKeySequence(Qt::CTRL | Qt::Key_5)},
                         {"gonxro", QKeySequence(Qt::CTRL | Qt::Key_6)}});
}

SimulationInputs RotatingScreen::inputs() const
{
    return SimulationInputs{m_massvalue->value(), m_syntelfri->value(), m_timeinterval->value(),
                            m_xronosolikos->value(), m_dialogi->isChecked()};
}

void RotatingScreen::SetInputs(const SimulationInputs& inputs)
{
    m_massvalue->setValue(inputs.massValue);
    m_syntelfri->setValue(inputs.frictionValue);
    m_timeinterval->setValue(inputs.intervalValue);
    m_xronosolikos->setValue(inputs.periodCount);
    ShowBaseInfluenced(inputs.baseInfluenced);
}

void RotatingScreen::massvalue_Change()
{
    m_label4->setText(ToQString(MassLabel(m_massvalue->value())));
}

void RotatingScreen::syntelfri_Change()
{
    m_label3->setText(ToQString(FrictionLabel(m_syntelfri->value())));
}

void RotatingScreen::timeinterval_Change()
{
    m_label2->setText(ToQString(IntervalLabel(m_timeinterval->value(), m_xronosolikos->value())));
}

void RotatingScreen::xronosolikos_Change()
{
    m_label1->setText(ToQString(TotalTimeLabel(m_xronosolikos->value())));
    // the total time decides whether dt has to be widened
    m_label2->setText(ToQString(IntervalLabel(m_timeinterval->value(), m_xronosolikos->value())));
}

void RotatingScreen::ShowBaseInfluenced(bool baseFree)
{
    m_dialogi->setChecked(baseFree);
    dialogi_Click();
}

void RotatingScreen::dialogi_Click()
{
    m_dialogi->setText(ToQString(BaseInfluenceCaption(m_dialogi->isChecked())));
}

} // namespace ttl
