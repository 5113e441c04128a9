#pragma once

#include "turntable/simulation_run.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace ttl {

// The graphs and animations of the last run, one button each.
enum class SimulationGraph {
    OrbitAnimation,
    WorkEnergy,
    AngularVelocity,
    Velocity,
    VectorsAnimation,
    BaseAngle
};

// "Simulation of both frames - Variables": the parameters of a simulation run, REPEAT, and the
// buttons that open the graphs of the last run. Where the buttons lead is the application's
// navigation.
class RotatingScreen : public QWidget {
    Q_OBJECT

public:
    explicit RotatingScreen(QWidget* parent = nullptr);

    [[nodiscard]] SimulationInputs inputs() const;

    // Sets the scroll bars and the check box, their labels following as after a change.
    void SetInputs(const SimulationInputs& inputs);

    // The base made free or driven elsewhere (the explorer's choice window).
    void ShowBaseInfluenced(bool baseFree);

signals:
    void backChosen();
    void endChosen();
    void repeatChosen();
    void saveChosen();
    void graphChosen(ttl::SimulationGraph graph);
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
};

} // namespace ttl
