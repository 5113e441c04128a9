#include "translating/ui/relative_motion_screen.h"

#include "shell/translation.h"
#include "shell/ui/controls.h"
#include "shell/ui/help_menu.h"
#include "shell/ui/square_frame.h"
#include "shell/ui/surface_view.h"
#include "translating/relative_motion_controls.h"
#include "translating/relative_motion_views.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>
#include <optional>

namespace ttl {

namespace {

// A step every 16 ms: about 60 steps a second, so a continuous run of 1400 steps lasts some
// 22 s, watchable in class.
constexpr int TickMs = 16;

// Bars that act on a launched run at once.
bool IsLiveBar(const char* name)
{
    for (const char* live : {"epitaxynshx", "epitaxynshy", "trivistoepipedo", "mazatoysomatos"}) {
        if (std::strcmp(name, live) == 0) {
            return true;
        }
    }
    return false;
}

// Widens a pan bar's range only as far as a followed body needs, back to its own as it returns.
void SetPan(QScrollBar* bar, int value)
{
    const QSignalBlocker quiet(bar);
    bar->setRange(std::min(-50, value), std::max(50, value));
    bar->setValue(value);
}

// A picture box kept square, with its pan bars: the vertical one at its right, the horizontal
// one below.
QGroupBox* PannedView(QWidget* parent, SurfaceView* view, const QString& caption,
                      QScrollBar* horizontal, QScrollBar* vertical)
{
    auto* box = new QGroupBox(caption, parent);
    QFont bold = box->font();
    bold.setBold(true);
    box->setFont(bold);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new SquareFrame(view, box), 0, 0);
    grid->addWidget(vertical, 0, 1);
    grid->addWidget(horizontal, 1, 0);
    return box;
}

} // namespace

RelativeMotionScreen::RelativeMotionScreen(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("exigisirelative"));
    setWindowTitle(tr("EXPLANATIONS FOR RELATIVE MOTION"));
    m_timer = MakeTimer(this, "Timer1", TickMs);
    connect(m_timer, &QTimer::timeout, this, &RelativeMotionScreen::Timer1_Timer);

    QGroupBox* parameters = BuildParameters();
    QGridLayout* commands = BuildCommands();

    m_eikona1 = new SurfaceView;
    m_eikona1->setObjectName(QStringLiteral("eikona1"));
    m_eikona1->setToolTip(tr("The body seen from the laboratory: its path and velocity"));
    m_eikona2 = new SurfaceView;
    m_eikona2->setObjectName(QStringLiteral("eikona2"));
    m_eikona2->setToolTip(tr("The body seen from the platform: its relative velocity, the "
                             "fictitious force of the platform's acceleration and friction"));
    // The legend's rows follow the font's height.
    m_eikona2->setRedraw([this](Surface&) { RewindowMoving(); });

    auto* views = new QHBoxLayout;
    views->addWidget(PannedView(this, m_eikona1, tr("LAB FRAME"), m_bars["xscaleeikona1"],
                                m_bars["yscaleeikona1"]));
    views->addWidget(PannedView(this, m_eikona2, tr("MOVING FRAME"), m_bars["xscaleeikona2"],
                                m_bars["yscaleeikona2"]));

    auto* left = new QVBoxLayout;
    left->addLayout(views, 1);
    left->addLayout(commands);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    // The bars scroll rather than push the window past a small screen or large text.
    layout->addWidget(MakeScrollPanel(this, parameters), 0);
    AddHelpMenu(ScreenMenuBar(*this), GuideSection::TranslatingFrame);
    AddShortcuts(*this, {{"Command1", QKeySequence(Qt::Key_S)},
                         {"Command2", QKeySequence(Qt::Key_T)},
                         {"Command3", QKeySequence(Qt::CTRL | Qt::Key_R)},
                         {"Command4", QKeySequence(Qt::CTRL | Qt::Key_L)},
                         {"Command5", QKeySequence(Qt::Key_Escape)},
                         {"Command6", QKeySequence(Qt::CTRL | Qt::Key_N)},
                         {"TELOSPRO", QKeySequence(Qt::CTRL | Qt::Key_Q)},
                         {"Follow", QKeySequence(Qt::Key_F)}});

    BeginLabView(m_eikona1->surface(), Inputs());
    RewindowMoving();
}

QGroupBox* RelativeMotionScreen::BuildParameters()
{
    auto* parameters = new QGroupBox(tr("Frame and body"), this);
    // A bar goes under its label when the panel is too narrow for both (large text).
    auto* form = new QFormLayout(parameters);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->setLabelAlignment(Qt::AlignLeft);
    form->setFormAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (const RelativeMotionControl& c : RelativeMotionControls()) {
        const bool pan = std::strlen(c.label) == 0;
        auto* bar = MakeScrollBar(pan ? static_cast<QWidget*>(this) : parameters, c.name,
                                  c.vertical ? Qt::Vertical : Qt::Horizontal, c.range,
                                  ToQString(Tr("translating", c.tip)));
        m_bars[c.name] = bar;
        if (pan) {
            // A pan moves its own view over the picture; the motion stays where it is.
            const bool lab = std::strstr(c.name, "eikona1") != nullptr;
            connect(bar, &QScrollBar::valueChanged, this,
                    lab ? &RelativeMotionScreen::RewindowLab
                        : &RelativeMotionScreen::RewindowMoving);
            continue;
        }
        QLabel* label =
            MakeLabel(parameters, c.label,
                      QString::fromStdString(RelativeMotionLabel(c, c.range.initial, false)));
        m_labels[c.name] = label;
        label->setBuddy(bar);
        label->setWordWrap(false); // one line each: the panel takes the width its labels need
        if (c.vertical) {
            bar->setFixedHeight(48);
        }
        form->addRow(label, bar);
        const bool frameVx = std::strcmp(c.name, "taxythtax") == 0;
        connect(bar, &QScrollBar::valueChanged, this, [this, frameVx] {
            m_frameVxChanged = m_frameVxChanged || frameVx;
            UpdateLabels();
        });
        if (IsLiveBar(c.name)) {
            connect(bar, &QScrollBar::valueChanged, this, &RelativeMotionScreen::LiveBarChanged);
        }
    }
    connect(m_bars["overallscale"], &QScrollBar::valueChanged, this,
            &RelativeMotionScreen::overallscale_Change);
    m_follow = MakeCheckBox(parameters, "Follow", tr("Follow the body"),
                            tr("Move the lab view with the body so that it stays in sight"));
    connect(m_follow, &QCheckBox::toggled, this, &RelativeMotionScreen::FollowTheBody);
    form->addRow(m_follow);
    m_launchNote = MakeLabel(parameters, "LaunchNote");
    form->addRow(m_launchNote);
    return parameters;
}

QGridLayout* RelativeMotionScreen::BuildCommands()
{
    m_commands = new QGridLayout;
    const struct {
        const char* name;
        const char* caption;
        const char* tip;
        void (RelativeMotionScreen::*handler)(); // a command of its own, or a signal
    } buttons[] = {
        {"Command4", QT_TR_NOOP("CLS"),
         QT_TR_NOOP("Clear both views; the motion goes on from where it is"),
         &RelativeMotionScreen::Command4_Click},
        {"Command1", QT_TR_NOOP("STEP"), QT_TR_NOOP("Advance the motion by one step"),
         &RelativeMotionScreen::Command1_Click},
        {"Command2", QT_TR_NOOP("TIME EVOLUTION"), QT_TR_NOOP("Run the motion continuously"),
         &RelativeMotionScreen::Command2_Click},
        {"Command3", QT_TR_NOOP("REPEAT"),
         QT_TR_NOOP("Show the run again, then start afresh from the values set"),
         &RelativeMotionScreen::Command3_Click},
        {"TELOSPRO", QT_TR_NOOP("END"), QT_TR_NOOP("End the program"),
         &RelativeMotionScreen::endChosen},
        {"Command5", QT_TR_NOOP("BACK"), QT_TR_NOOP("Close this screen"),
         &RelativeMotionScreen::backChosen},
        {"Command6", QT_TR_NOOP("NEXT"), QT_TR_NOOP("On to the rotating frame, step by step"),
         &RelativeMotionScreen::nextChosen},
    };
    for (const auto& b : buttons) {
        QPushButton* button = MakeButton(this, b.name, tr(b.caption), tr(b.tip));
        connect(button, &QPushButton::clicked, this, b.handler);
        if (std::strcmp(b.name, "Command1") == 0) {
            m_step = button;
        }
        m_commandButtons.push_back(button);
    }
    ArrangeCommands();
    return m_commands;
}

void RelativeMotionScreen::ArrangeCommands()
{
    int widest = 0;
    for (QPushButton* button : m_commandButtons) {
        m_commands->removeWidget(button);
        widest = std::max(widest, button->sizeHint().width());
    }
    // The bars take up to two fifths of the screen; the views and commands share the rest.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() * 11 / 20 : 4 * widest;
    const int spacing = std::max(0, m_commands->horizontalSpacing());
    const int columns = std::clamp((room + spacing) / (widest + spacing), 2, 4);
    int index = 0;
    for (QPushButton* button : m_commandButtons) {
        m_commands->addWidget(button, index / columns, index % columns);
        ++index;
    }
}

void RelativeMotionScreen::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        // after the buttons have taken the new font too
        QTimer::singleShot(0, this, &RelativeMotionScreen::ArrangeCommands);
    }
}

RelativeMotionInputs RelativeMotionScreen::Inputs() const
{
    const auto value = [this](const char* name) { return m_bars.at(name)->value(); };
    RelativeMotionInputs in;
    in.frameVx = value("taxythtax");
    in.frameVy = value("taxythtay");
    in.frameAx = value("epitaxynshx");
    in.frameAy = value("epitaxynshy");
    in.bodyVx = value("arxikivx");
    in.bodyVy = value("arxikvy");
    in.bodyX = value("arxikx");
    in.bodyY = value("arxikiy");
    in.friction = value("trivistoepipedo");
    in.mass = value("mazatoysomatos");
    in.scale = value("overallscale");
    in.labPanX = value("xscaleeikona1");
    in.labPanY = value("yscaleeikona1");
    in.movingPanX = value("xscaleeikona2");
    in.movingPanY = value("yscaleeikona2");
    return in;
}

void RelativeMotionScreen::hideEvent(QHideEvent* event)
{
    m_timer->stop(); // BACK, NEXT: a hidden run does not go on
    QWidget::hideEvent(event);
}

void RelativeMotionScreen::OneStep()
{
    const RelativeMotionInputs in = Inputs();
    const bool launch = m_run.n == 0;
    const RelativeStepOutcome outcome = RelativeMotionStep(m_run, in);
    if (!outcome.advanced) {
        m_timer->stop();
        return;
    }
    if (outcome.cameToRest) {
        // At rest on the platform: the moving-frame view starts afresh.
        BeginMovingView(m_eikona2->surface(), m_run, in);
        m_legendScale = RelativeForceScale(m_run, in);
    } else if (RelativeForceScale(m_run, in) != m_legendScale) {
        RewindowMoving(); // the legend shows the new force scale
    }
    DrawRelativeStep(m_eikona1->surface(), m_eikona2->surface(), m_run, in);
    if (m_follow->isChecked()) {
        FollowTheBody();
    }
    m_eikona1->refresh();
    m_eikona2->refresh();
    if (launch) {
        UpdateLabels();
    }
    UpdateStepButton();
}

void RelativeMotionScreen::RewindowLab()
{
    RewindowLabView(m_eikona1->surface(), m_run, Inputs());
    m_eikona1->refresh();
}

void RelativeMotionScreen::RewindowMoving()
{
    const RelativeMotionInputs in = Inputs();
    RewindowMovingView(m_eikona2->surface(), m_run, in);
    m_legendScale = RelativeForceScale(m_run, in);
    m_eikona2->refresh();
}

void RelativeMotionScreen::LiveBarChanged()
{
    ApplyLiveInputs(m_run, Inputs());
    RewindowMoving(); // the arrows and the legend's scale follow the new forces
}

void RelativeMotionScreen::FollowTheBody()
{
    const std::optional<LabPan> pan = FollowBody(m_run, Inputs());
    if (!m_follow->isChecked() || !pan) {
        return;
    }
    SetPan(m_bars["xscaleeikona1"], pan->x);
    SetPan(m_bars["yscaleeikona1"], pan->y);
    RewindowLab();
}

void RelativeMotionScreen::UpdateLabels()
{
    const bool runGoing = m_run.n > 0;
    m_launchNote->setText(runGoing ? tr("* applies from the next launch") : QString());
    for (const RelativeMotionControl& c : RelativeMotionControls()) {
        if (const auto label = m_labels.find(c.name); label != m_labels.end()) {
            label->second->setText(QString::fromStdString(
                RelativeMotionLabel(c, m_bars[c.name]->value(), m_frameVxChanged, runGoing)));
        }
    }
}

void RelativeMotionScreen::UpdateStepButton()
{
    // The tables end at the last step: STEP is refused there, until REPEAT starts afresh.
    m_step->setEnabled(!m_run.Full());
}

void RelativeMotionScreen::Command1_Click()
{
    OneStep();
}

void RelativeMotionScreen::Command2_Click()
{
    m_timer->start();
}

void RelativeMotionScreen::Timer1_Timer()
{
    if (m_run.n >= RelativeMotionTimedSteps) {
        m_timer->stop();
        return;
    }
    OneStep();
}

void RelativeMotionScreen::Command3_Click()
{
    m_timer->stop();
    DrawRelativeReplay(m_eikona1->surface(), m_eikona2->surface(), m_run);
    RestartRelativeMotion(m_run);
    m_eikona1->refresh();
    m_eikona2->refresh();
    UpdateLabels();
    UpdateStepButton();
}

void RelativeMotionScreen::Command4_Click()
{
    m_run.resting = false;
    m_eikona1->surface().Cls();
    m_eikona2->surface().Cls();
    RewindowLab();
    RewindowMoving();
}

void RelativeMotionScreen::overallscale_Change()
{
    RewindowLab();
    RewindowMoving();
}

} // namespace ttl
