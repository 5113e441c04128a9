#include "turntable/ui/simulation_graph_tabs.h"

#include "shell/ui/controls.h"
#include "shell/ui/surface_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <string>

namespace ttl {

SimulationGraphTabs::SimulationGraphTabs(QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("graphTabs"));
    setUsesScrollButtons(true);  // seven tabs still reachable on a narrow screen or in large text
    setFocusPolicy(Qt::NoFocus); // Tab stops at the tab bar, whose arrow keys choose a tab
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0) {
            emit graphChosen(static_cast<SimulationGraph>(index));
        }
    });
}

void SimulationGraphTabs::AddGraph(SimulationGraph graph, const QString& caption,
                                   const char* explanationName, const QString& explanation)
{
    const int index = static_cast<int>(graph);
    auto* page = new QWidget;
    auto* row = new QHBoxLayout;
    // The buttons stacked beside the explanation: side by side they would crowd large text.
    auto* buttons = new QVBoxLayout;
    if (explanationName != nullptr) {
        QLabel* line = MakeLabel(page, explanationName, explanation);
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        row->addWidget(line, 1);
    } else {
        row->addStretch(1);
    }
    row->addLayout(buttons);
    if (graph == SimulationGraph::WorkEnergy) {
        m_workRange = MakeButton(page, "workRange", QString(),
                                 tr("Switch between the full range and half of the maximum"));
        connect(m_workRange, &QPushButton::clicked, this, &SimulationGraphTabs::workRangeToggled);
        buttons->addWidget(m_workRange);
    }
    const std::string windowName = "ownWindow_" + std::to_string(index);
    QPushButton* window =
        MakeButton(page, windowName.c_str(), tr("Open in its own window"),
                   tr("Show this drawing in a window of its own, for a second screen or a "
                      "projector"));
    connect(window, &QPushButton::clicked, this, [this, graph] { emit windowChosen(graph); });
    buttons->addWidget(window);

    auto* view = new SurfaceView(page);
    view->setObjectName(QStringLiteral("graphView_%1").arg(index));
    view->setWindowTitle(caption); // what a screen reader names the drawing
    m_views.at(static_cast<std::size_t>(index)) = view;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(row);
    layout->addWidget(view, 1);

    const QSignalBlocker quiet(this); // the first tab added becomes current: no choice of the user
    insertTab(index, page, caption);
}

SurfaceView& SimulationGraphTabs::View(SimulationGraph graph) const
{
    return *m_views.at(static_cast<std::size_t>(graph));
}

void SimulationGraphTabs::ShowGraph(SimulationGraph graph)
{
    const QSignalBlocker quiet(this);
    setCurrentIndex(static_cast<int>(graph));
    // The view takes its place at once: an animation fits its drawing to the view when it begins.
    if (QLayout* layout = currentWidget()->layout()) {
        layout->activate();
    }
}

} // namespace ttl
