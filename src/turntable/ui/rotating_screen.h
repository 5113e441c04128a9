#pragma once

#include "turntable/simulation_run.h"
#include "turntable/ui/simulation_graph_tabs.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QScrollBar;

namespace ttl {

// "Simulation of both frames - Variables": the parameters of a simulation run, REPEAT, the buttons
// of the graphs of the last run, and beside them the run itself: the orbits and each graph in a
// tab of its own. Where the buttons lead is the application's navigation.
class RotatingScreen : public QWidget {
    Q_OBJECT

public:
    explicit RotatingScreen(QWidget* parent = nullptr);

    [[nodiscard]] SimulationInputs inputs() const;

    // Sets the scroll bars and the check box, their labels following as after a change.
    void SetInputs(const SimulationInputs& inputs);

    // The base made free or driven elsewhere (the explorer's choice window).
    void ShowBaseInfluenced(bool baseFree);

    [[nodiscard]] SimulationGraphTabs& GraphTabs() const { return *m_tabs; }

signals:
    void backChosen();
    void endChosen();
    void repeatChosen();
    void saveChosen();
    // A graph button or a tab: the graph is shown in its tab.
    void graphChosen(ttl::SimulationGraph graph);
    // The tab's button: the graph opens in a window of its own.
    void windowChosen(ttl::SimulationGraph graph);
    void workRangeToggled();
    // The check box was clicked: the base is now free (true) or driven.
    void baseCouplingChosen(bool baseFree);

private:
    QGroupBox* BuildParameterPanel();
    QGroupBox* BuildGraphPanel();
    void ConnectControls();

    void massvalue_Change();
    void syntelfri_Change();
    void timeinterval_Change();
    void xronosolikos_Change();
    void dialogi_Click();

    QScrollBar* m_massvalue = nullptr;
    QScrollBar* m_syntelfri = nullptr;
    QScrollBar* m_timeinterval = nullptr;
    QScrollBar* m_xronosolikos = nullptr;
    QCheckBox* m_dialogi = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label4 = nullptr;
    SimulationGraphTabs* m_tabs = nullptr;
    QScrollArea* m_controls = nullptr;
};

} // namespace ttl
