#include "translating/ui/relative_motion_screen.h"

#include "shell/ui/controls.h"
#include "shell/ui/surface_view.h"
#include "translating/relative_motion_controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cstring>
#include <map>
#include <string>

namespace ttl {

namespace {

// A picture box with its pan bars: the vertical one at its right, the horizontal one below.
QGroupBox* PannedView(QWidget* parent, const char* picture, const QString& caption,
                      QScrollBar* horizontal, QScrollBar* vertical)
{
    auto* box = new QGroupBox(caption, parent);
    auto* view = new SurfaceView(box);
    view->setObjectName(QString::fromLatin1(picture));
    view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* grid = new QGridLayout(box);
    grid->addWidget(view, 0, 0);
    grid->addWidget(vertical, 0, 1);
    grid->addWidget(horizontal, 1, 0);
    return box;
}

} // namespace

RelativeMotionScreen::RelativeMotionScreen(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("exigisirelative"));
    setWindowTitle(QStringLiteral("EXPLANATIONS FOR RELATIVE MOTION"));
    MakeTimer(this, "Timer1", 0);

    std::map<std::string, QScrollBar*> bars;
    auto* parameters = new QGroupBox(tr("Frame and body"), this);
    auto* grid = new QGridLayout(parameters);
    int row = 0;
    for (const RelativeMotionControl& c : RelativeMotionControls()) {
        const bool pan = std::strlen(c.label) == 0;
        auto* bar = MakeScrollBar(pan ? static_cast<QWidget*>(this) : parameters, c.name,
                                  c.vertical ? Qt::Vertical : Qt::Horizontal, c.range, tr(c.tip));
        bars[c.name] = bar;
        if (pan) {
            continue;
        }
        QLabel* label =
            MakeLabel(parameters, c.label,
                      QString::fromStdString(RelativeMotionLabel(c, c.range.initial, false)));
        label->setBuddy(bar);
        if (c.vertical) {
            bar->setFixedHeight(60);
        }
        grid->addWidget(label, row, 0);
        grid->addWidget(bar, row, 1);
        ++row;
        const bool frameVx = std::strcmp(c.name, "taxythtax") == 0;
        connect(bar, &QScrollBar::valueChanged, this, [this, label, &c, frameVx](int value) {
            m_frameVxChanged = m_frameVxChanged || frameVx;
            label->setText(QString::fromStdString(RelativeMotionLabel(c, value, m_frameVxChanged)));
        });
    }

    grid->setRowStretch(row, 1);

    auto* commands = new QGridLayout;
    const struct {
        const char* name;
        const char* caption;
        const char* tip;
    } buttons[] = {
        {"Command1", "STEP", "Advance the motion by one step"},
        {"Command2", "TIME EVOLUTION", "Run the motion continuously"},
        {"Command3", "REPEAT", "Start again from the initial values"},
        {"Command4", "CLS", "Clear both views"},
        {"Command5", "BACK", "Close this screen"},
        {"Command6", "NEXT", "On to the rotating frame, step by step"},
        {"TELOSPRO", "END", "End the program"},
    };
    int index = 0;
    for (const auto& b : buttons) {
        commands->addWidget(MakeButton(this, b.name, QString::fromLatin1(b.caption), tr(b.tip)),
                            index / 4, index % 4);
        ++index;
    }

    auto* views = new QHBoxLayout;
    views->addWidget(PannedView(this, "eikona1", QStringLiteral("LAB FRAME"), bars["xscaleeikona1"],
                                bars["yscaleeikona1"]));
    views->addWidget(PannedView(this, "eikona2", QStringLiteral("MOVING FRAME"),
                                bars["xscaleeikona2"], bars["yscaleeikona2"]));

    auto* left = new QVBoxLayout;
    left->addLayout(views, 1);
    left->addLayout(commands);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addWidget(parameters, 1);
}

} // namespace ttl
