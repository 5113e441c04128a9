#include "explorer/ui/explorer_screen.h"

#include "explorer/explorer_guidance.h"
#include "explorer/explorer_labels.h"
#include "explorer/explorer_model.h"
#include "explorer/explorer_views.h"
#include "explorer/ui/choice_window.h"
#include "shell/ui/controls.h"
#include "shell/ui/drawing_palette.h"
#include "shell/ui/help_menu.h"
#include "shell/ui/screen_placement.h"
#include "shell/ui/square_frame.h"
#include "shell/ui/surface_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>


// The screen's controls, menus and the connections of their handlers.
namespace ttl {

QMenuBar* ExplorerScreen::BuildMenus()
{
    auto* bar = new QMenuBar(this);
    m_repeat = AddMenuCommand(bar, "EPANELAVE", tr("REPEAT"));
    m_back = AddMenuCommand(bar, "piso", tr("BACK"));
    QAction* end = AddMenuCommand(bar, "TELOS", tr("END"));
    connect(end, &QAction::triggered, this, &ExplorerScreen::endChosen);
    m_continuous = AddMenuCommand(bar, "CHRONIKHMETAVOLH", tr("CONTINUOUS CHANGE"));
    QMenu* foucault = AddMenu(bar, "FOUCAULT", tr("FOUCAULT PENDULUM"));
    m_foucaultTextbook = AddMenuEntry(foucault, "FOUCAULTTEXTBOOK", tr("FOUCAULT TEXTBOOK"), true);
    m_foucaultV0 = AddMenuEntry(foucault, "FOUCAULTV0", tr("FOUCAULT with initial speed"), true);
    m_derivation = AddMenuCommand(bar, "CORIOLISEXP", tr("CORIOLIS & CENTRIFUGAL"));
    AddViewMenu(bar);
    AddHelpMenu(bar, GuideSection::Explorer);
    return bar;
}

// The picture with the derivation's shift bars beside it and its Δt bar under it.
QGridLayout* ExplorerScreen::BuildDiagram()
{
    namespace c = explorer_controls;
    // Shown only while the derivation moves the diagram.
    m_xscale = MakeScrollBar(this, "XSCALEFIGURE", Qt::Horizontal, c::ShiftX,
                             tr("Move the diagram sideways"));
    m_yscale = MakeScrollBar(this, "YSCALEFIGURE", Qt::Vertical, c::ShiftY,
                             tr("Move the diagram up or down"));
    m_xscale->hide();
    m_yscale->hide();

    // The derivation's first moment stays under the picture, in view on any screen.
    m_protosimiox = MakeScrollBar(this, "protosimiox", Qt::Horizontal, c::FirstPoint,
                                  tr("First point of the derivation"));
    m_intervalLabel = MakeLabel(this, "protosimioxLabel");
    m_intervalLabel->setBuddy(m_protosimiox);
    auto* interval = new QHBoxLayout;
    interval->addWidget(m_intervalLabel);
    interval->addWidget(m_protosimiox, 1);
    m_protosimiox->hide();
    m_intervalLabel->hide();

    auto* diagram = new QGridLayout;
    diagram->addWidget(new SquareFrame(m_picture1, this), 0, 0);
    diagram->addWidget(m_yscale, 0, 1);
    diagram->addWidget(m_xscale, 1, 0);
    diagram->addLayout(interval, 2, 0);
    return diagram;
}

QGroupBox* ExplorerScreen::BuildShownChecks()
{
    const struct {
        const char* name;
        const char* caption;
        const char* tip;
    } checks[] = {
        {"Check1", QT_TR_NOOP("VELOCITY OF POINT OF BASE"),
         QT_TR_NOOP("The velocity of the point of the base under the body")},
        {"Check2", QT_TR_NOOP("SHOW RELATIVE VELOCITY"),
         QT_TR_NOOP("The velocity of the body relative to the base")},
        {"Check3", QT_TR_NOOP("NON ZERO FRICTION"),
         QT_TR_NOOP("Friction between the body and the base")},
        {"Check4", QT_TR_NOOP("show CORIOLIS"),
         QT_TR_NOOP("The Coriolis force of the rotating observer")},
        {"Check5", QT_TR_NOOP("CENTRIFUGAL FORCE"),
         QT_TR_NOOP("The centrifugal force of the rotating observer")},
        {"Check6", QT_TR_NOOP("BASE ACC"),
         QT_TR_NOOP("The force due to the angular acceleration of the base")},
        {"Check7", QT_TR_NOOP("TOTAL Force"),
         QT_TR_NOOP("The sum of the forces the rotating observer counts")},
    };
    auto* shown = new QGroupBox(tr("Show"), this);
    auto* shownLayout = new QVBoxLayout(shown);
    for (int i = 1; i <= 7; ++i) {
        const auto& check = checks[i - 1];
        m_checks[i] = MakeCheckBox(shown, check.name, tr(check.caption), tr(check.tip));
        shownLayout->addWidget(m_checks[i]);
    }
    return shown;
}

void ExplorerScreen::BuildControls()
{
    namespace c = explorer_controls;
    QMenuBar* bar = BuildMenus();

    m_timer = MakeTimer(this, "Timer1", StepTickMs);

    m_picture1 = new SurfaceView;
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture2 = new SurfaceView(this);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    m_picture2->setToolTip(tr("The Coriolis, base-acceleration and total forces drawn again "
                              "from a common origin, so that they can be compared"));
    m_picture2->setFixedSize(200, 200);
    QGridLayout* diagram = BuildDiagram();

    auto* frames = new QGroupBox(tr("Frame"), this);
    auto* frameLayout = new QVBoxLayout(frames);
    m_option1 = MakeOption(frames, "Option1", tr("ROTATING FRAME"), false,
                           tr("Watch the motion as an observer turning with the base"));
    m_option2 = MakeOption(frames, "Option2", tr("INERTIAL FRAME"), true,
                           tr("Watch the motion as an observer at rest beside the base"));
    frameLayout->addWidget(m_option1);
    frameLayout->addWidget(m_option2);
    QGroupBox* shown = BuildShownChecks();

    auto* setup = new QGroupBox(tr("Body"), this);
    auto* setupLayout = new QVBoxLayout(setup);
    const auto addBar = [&](int label, const QString& text, const char* name, ScrollRange range,
                            const QString& tip) {
        m_labels[label] = MakeLabel(setup,
                                    label == 1   ? "Label1"
                                    : label == 2 ? "Label2"
                                    : label == 3 ? "Label3"
                                                 : "Label4",
                                    text);
        auto* b = MakeScrollBar(setup, name, Qt::Horizontal, range, tip);
        m_labels[label]->setBuddy(b);
        setupLayout->addWidget(m_labels[label]);
        setupLayout->addWidget(b);
        return b;
    };
    m_vxtax = addBar(3, ToQString(ExplorerVelocityLabel('x', c::Vx.initial)), "vxtax", c::Vx,
                     tr("Initial vx of the body, in units of the base's speed under it"));
    m_vytax = addBar(4, ToQString(ExplorerVelocityLabel('y', c::Vy.initial)), "vytax", c::Vy,
                     tr("Initial vy of the body, in units of the base's speed under it"));
    m_mazalazo = addBar(2, ToQString(ExplorerMassLabel(c::Mass.initial)), "mazalazo", c::Mass,
                        tr("Mass of the body: the value / 2"));
    m_zoumerno = addBar(1, ToQString(ExplorerScaleLabel(c::Zoom.initial, true)), "zoumerno",
                        c::Zoom, tr("Zoom of the diagram, in per cent of the base radius"));

    auto* step = MakeButton(this, "Command1", tr("STEP"),
                            tr("Advance the motion by one step (stops a continuous run)"));
    connect(step, &QPushButton::clicked, this, &ExplorerScreen::Command1_Click);
    m_text1 = MakeTextBox(this, "Text1");

    // STEP and the guidance stay in view; the other controls scroll rather than push the window
    // past a laptop screen's height.
    auto* panel = new QWidget;
    auto* controlsLayout = new QVBoxLayout(panel);
    controlsLayout->setContentsMargins(0, 0, 0, 0);
    controlsLayout->addWidget(m_picture2, 0, Qt::AlignHCenter);
    controlsLayout->addWidget(frames);
    controlsLayout->addWidget(shown);
    controlsLayout->addWidget(setup);
    controlsLayout->addStretch(1);
    QScrollArea* scroll = MakeScrollPanel(this, panel);
    m_text1->setMinimumHeight(90);
    m_text1->setMaximumHeight(160);
    auto* side = new QVBoxLayout;
    side->addWidget(step);
    side->addWidget(scroll, 1);
    side->addWidget(m_text1);

    auto* layout = new QHBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addLayout(diagram, 3);
    layout->addLayout(side, 1);
}

void ExplorerScreen::ConnectHandlers()
{
    connect(m_timer, &QTimer::timeout, this, &ExplorerScreen::Timer1_Timer);
    connect(m_continuous, &QAction::triggered, this, &ExplorerScreen::CHRONIKHMETAVOLH_Click);
    connect(m_repeat, &QAction::triggered, this, &ExplorerScreen::EPANELAVE_Click);
    connect(m_back, &QAction::triggered, this, &ExplorerScreen::Back);
    connect(m_foucaultTextbook, &QAction::triggered, this,
            [this] { Foucault_Click(m_foucaultTextbook, m_foucaultV0); });
    connect(m_foucaultV0, &QAction::triggered, this,
            [this] { Foucault_Click(m_foucaultV0, m_foucaultTextbook); });
    connect(m_option1, &QRadioButton::clicked, this, &ExplorerScreen::Option1_Click);
    connect(m_option2, &QRadioButton::clicked, this, &ExplorerScreen::Option2_Click);
    for (int i : {1, 2, 4, 5, 6, 7}) {
        connect(m_checks[i], &QCheckBox::clicked, this, &ExplorerScreen::Redraw);
    }
    connect(m_checks[3], &QCheckBox::clicked, this, &ExplorerScreen::Check3_Click);
    connect(m_mazalazo, &QScrollBar::valueChanged, this, &ExplorerScreen::mazalazo_Change);
    connect(m_vxtax, &QScrollBar::valueChanged, this, &ExplorerScreen::vtax_Change);
    connect(m_vytax, &QScrollBar::valueChanged, this, &ExplorerScreen::vtax_Change);
    connect(m_zoumerno, &QScrollBar::valueChanged, this, &ExplorerScreen::zoumerno_Change);
    connect(m_derivation, &QAction::triggered, this, &ExplorerScreen::CORIOLISEXP_Click);
    connect(m_picture1, &SurfaceView::mouseReleased, this, &ExplorerScreen::Picture1_MouseUp);
    for (QScrollBar* bar : {m_protosimiox, m_xscale, m_yscale}) {
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (m_state.DerivationActive) {
                DrawDerivation();
            }
        });
    }
}

} // namespace ttl
