#include "curve/ui/first_step_screen.h"

#include "shell/ui/controls.h"
#include "shell/ui/surface_view.h"

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

FirstStepScreen::FirstStepScreen(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("firststep"));
    setWindowTitle(QStringLiteral("FIRST EXPLANATION"));

    auto* bar = new QMenuBar(this);
    AddMenuCommand(bar, "XANAPISO", QStringLiteral("BACK"));
    QMenu* curve = AddMenu(bar, "CAMPYLONO", QStringLiteral("CURVE - ACCELARATION"));
    AddMenuEntry(curve, "DYNAMEISDIAFORES", QStringLiteral("RADIUS OF CURVATURE"), true);
    AddMenuEntry(curve, "campyles", QStringLiteral("FACTORS THAT AFFECT ACCELERATION"));
    AddMenuEntry(curve, "GUESSFORCE", QStringLiteral("MAKE AN ASSUMPTION FOR THE FORCE"), true);
    AddMenuCommand(bar, "SXETIKH_KINHSH", QStringLiteral("RELATIVE MOTION"));
    AddMenuCommand(bar, "TERMATISMOS", QStringLiteral("END"));
    AddMenuCommand(bar, "PARAKATOEVENT", QStringLiteral("NEXT"));

    m_eikona = new SurfaceView(this);
    m_eikona->setObjectName(QStringLiteral("eikona"));
    m_eikona->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    MakeTimer(this, "Timer1", 1);

    auto* options = new QGroupBox(tr("Show"), this);
    auto* optionLayout = new QVBoxLayout(options);
    optionLayout->addWidget(MakeOption(options, "Option1",
                                       QStringLiteral("Explanation for friction"), true,
                                       tr("Why a body sliding on a disk falls behind it")));
    optionLayout->addWidget(MakeOption(options, "Option2", QStringLiteral("Time"), false,
                                       tr("The body moving along the curve in time")));
    optionLayout->addWidget(MakeOption(options, "Option3",
                                       QStringLiteral("Factors that affect acceleration"), false,
                                       tr("How speed, curvature and tangential acceleration "
                                          "decide the acceleration")));
    auto* start =
        MakeButton(this, "Command1", QStringLiteral("START"), tr("Start the body along the curve"));

    auto* amplitude = MakeScrollBar(this, "platosvalue", Qt::Vertical, {1, 35, 20},
                                    tr("Amplitude A of the curve: the value / 10"));
    auto* speed = MakeScrollBar(this, "arxikives", Qt::Vertical, {0, 5, 3},
                                tr("Initial speed v0 of the body: the value"));
    auto* frequency =
        MakeScrollBar(this, "syxnotikamp", Qt::Horizontal, {1, 60, 15},
                      tr("Frequency β of the curve: the value × π/180 per unit of x"));
    auto* tangential = MakeScrollBar(this, "epitaxyno", Qt::Horizontal, {0, 35, 20},
                                     tr("Tangential acceleration of the body: the value / 10"));

    auto* parameters = new QGroupBox(tr("Curve and motion"), this);
    auto* grid = new QGridLayout(parameters);
    grid->addWidget(MakeLabel(parameters, "Label1"), 0, 0);
    grid->addWidget(MakeLabel(parameters, "Label2"), 0, 1);
    grid->addWidget(amplitude, 1, 0, Qt::AlignHCenter);
    grid->addWidget(speed, 1, 1, Qt::AlignHCenter);
    grid->addWidget(MakeLabel(parameters, "Label3"), 2, 0, 1, 2);
    grid->addWidget(frequency, 3, 0, 1, 2);
    grid->addWidget(MakeLabel(parameters, "Label4"), 4, 0, 1, 2);
    grid->addWidget(tangential, 5, 0, 1, 2);

    auto* side = new QVBoxLayout;
    side->addWidget(options);
    side->addWidget(start);
    side->addWidget(parameters);
    side->addWidget(MakeTextBox(this, "Text1"), 1);

    auto* layout = new QHBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(m_eikona, 3);
    layout->addLayout(side, 1);
}

} // namespace ttl
