#include "explorer/ui/explorer_screen.h"

#include "explorer/explorer_labels.h"
#include "shell/ui/controls.h"
#include "shell/ui/surface_view.h"

#include <QCheckBox>
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
#include <QVBoxLayout>

namespace ttl {

ExplorerScreen::ExplorerScreen(QWidget* parent) : QWidget(parent)
{
    namespace c = explorer_controls;
    setObjectName(QStringLiteral("exigisi2"));
    setWindowTitle(QStringLiteral("FOLLOW THE MOVEMENT STEP BY STEP"));

    auto* bar = new QMenuBar(this);
    AddMenuCommand(bar, "EPANELAVE", QStringLiteral("REPEAT"));
    AddMenuCommand(bar, "piso", QStringLiteral("BACK"));
    AddMenuCommand(bar, "TELOS", QStringLiteral("END"));
    AddMenuCommand(bar, "CHRONIKHMETAVOLH", QStringLiteral("CONTINUOUS CHANGE"));
    QMenu* foucault = AddMenu(bar, "FOUCAULT", QStringLiteral("FOUCAULT PENDULUM"));
    AddMenuEntry(foucault, "FOUCAULTTEXTBOOK", QStringLiteral("FOUCAULT TEXTBOOK"), true);
    AddMenuEntry(foucault, "FOUCAULTV0", QStringLiteral("FOUCAULT with initial speed"), true);
    AddMenuCommand(bar, "CORIOLISEXP", QStringLiteral("CORIOLIS & CENTRIFUGAL"));

    MakeTimer(this, "Timer1", 250);

    m_picture1 = new SurfaceView(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_picture2 = new SurfaceView(this);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    m_picture2->setToolTip(tr("The forces on the body drawn from a common origin"));
    m_picture2->setMinimumSize(160, 160);

    // Shown only while the derivation moves the diagram.
    auto* shiftX = MakeScrollBar(this, "XSCALEFIGURE", Qt::Horizontal, c::ShiftX,
                                 tr("Move the diagram sideways"));
    auto* shiftY = MakeScrollBar(this, "YSCALEFIGURE", Qt::Vertical, c::ShiftY,
                                 tr("Move the diagram up or down"));
    shiftX->hide();
    shiftY->hide();

    auto* diagram = new QGridLayout;
    diagram->addWidget(m_picture1, 0, 0);
    diagram->addWidget(shiftY, 0, 1);
    diagram->addWidget(shiftX, 1, 0);

    auto* frames = new QGroupBox(tr("Frame"), this);
    auto* frameLayout = new QVBoxLayout(frames);
    m_option1 = MakeOption(frames, "Option1", QStringLiteral("ROTAGING FRAME"), false,
                           tr("Watch the motion as an observer turning with the base"));
    auto* option2 = MakeOption(frames, "Option2", QStringLiteral("INERTIAL FRAME"), true,
                               tr("Watch the motion as an observer at rest beside the base"));
    frameLayout->addWidget(m_option1);
    frameLayout->addWidget(option2);

    const struct {
        const char* name;
        const char* caption;
        const char* tip;
    } checks[] = {
        {"Check1", "VELOCITY OF POINT OF BASE",
         "The velocity of the point of the base under the body"},
        {"Check2", "SHOW RELATIVE VELOCITY", "The velocity of the body relative to the base"},
        {"Check3", "NON ZERO FRICTION", "Friction between the body and the base"},
        {"Check4", "show CORIOLIS", "The Coriolis force of the rotating observer"},
        {"Check5", "CENTRIFUGAL  FLORCE", "The centrifugal force of the rotating observer"},
        {"Check6", "BASE ACC", "The force due to the angular acceleration of the base"},
        {"Check7", "TOTAL Force", "The sum of the forces the rotating observer counts"},
    };
    auto* shown = new QGroupBox(tr("Show"), this);
    auto* shownLayout = new QVBoxLayout(shown);
    for (int i = 0; i < 7; ++i) {
        m_checks[i] = MakeCheckBox(shown, checks[i].name, QString::fromLatin1(checks[i].caption),
                                   tr(checks[i].tip));
        shownLayout->addWidget(m_checks[i]);
    }

    auto* setup = new QGroupBox(tr("Body"), this);
    auto* setupLayout = new QVBoxLayout(setup);
    const auto addBar = [&](const char* label, const QString& text, const char* name,
                            ScrollRange range, const QString& tip) {
        auto* l = MakeLabel(setup, label, text);
        auto* b = MakeScrollBar(setup, name, Qt::Horizontal, range, tip);
        l->setBuddy(b);
        setupLayout->addWidget(l);
        setupLayout->addWidget(b);
    };
    addBar("Label3", ToQString(ExplorerVelocityLabel('x', c::Vx.initial)), "vxtax", c::Vx,
           tr("Initial vx of the body, in units of the base's speed under it"));
    addBar("Label4", ToQString(ExplorerVelocityLabel('y', c::Vy.initial)), "vytax", c::Vy,
           tr("Initial vy of the body, in units of the base's speed under it"));
    addBar("Label2", ToQString(ExplorerMassLabel(c::Mass.initial)), "mazalazo", c::Mass,
           tr("Mass of the body: the value / 2"));
    addBar("Label1", ToQString(ExplorerScaleLabel(c::Zoom.initial, true)), "zoumerno", c::Zoom,
           tr("Zoom of the diagram, in per cent of the base radius"));
    auto* firstPoint = MakeScrollBar(setup, "protosimiox", Qt::Horizontal, c::FirstPoint,
                                     tr("First point of the derivation"));
    firstPoint->hide();
    setupLayout->addWidget(firstPoint);

    auto* step =
        MakeButton(this, "Command1", QStringLiteral("STEP"), tr("Advance the motion by one step"));
    auto* guidance = MakeTextBox(this, "Text1");
    guidance->setMinimumHeight(100);

    auto* side = new QVBoxLayout;
    side->addWidget(m_picture2);
    side->addWidget(frames);
    side->addWidget(shown);
    side->addWidget(setup);
    side->addWidget(step);
    side->addWidget(guidance, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addLayout(diagram, 3);
    layout->addLayout(side, 1);

    connect(m_option1, &QRadioButton::clicked, this, &ExplorerScreen::Option1_Click);
    connect(option2, &QRadioButton::clicked, this, &ExplorerScreen::Option2_Click);
    // The inertial frame is selected at the start: its forces are not offered yet.
    Option2_Click();
}

bool ExplorerScreen::RotatingFrameSelected() const
{
    return m_option1->isChecked();
}

void ExplorerScreen::ShowBaseAccelerationChoice(bool baseFree)
{
    m_checks[5]->setVisible(baseFree && RotatingFrameSelected());
}

void ExplorerScreen::Option1_Click()
{
    m_picture2->show();
    for (int i : {3, 4, 6}) {
        m_checks[i]->show();
    }
}

void ExplorerScreen::Option2_Click()
{
    m_picture2->hide();
    for (int i : {3, 4, 5, 6}) {
        m_checks[i]->hide();
    }
}

} // namespace ttl
