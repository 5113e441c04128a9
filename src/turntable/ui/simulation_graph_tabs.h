#pragma once

#include <QTabWidget>

#include <array>

class QPushButton;

namespace ttl {

class SurfaceView;

// The drawings of the last run, in the order of the simulation screen's tabs: the orbits, then one
// for each graph button.
enum class SimulationGraph {
    Orbits,
    OrbitAnimation,
    WorkEnergy,
    AngularVelocity,
    Velocity,
    VectorsAnimation,
    BaseAngle
};
inline constexpr int SimulationGraphCount = 7;

// One tab for each drawing of the last run: a line saying what to look for in it, a button that
// opens the same drawing in a window of its own (for a second screen or a projector), and the view
// it is drawn on. The work tab has the range button of the work window too.
class SimulationGraphTabs : public QTabWidget {
    Q_OBJECT

public:
    explicit SimulationGraphTabs(QWidget* parent = nullptr);

    // Adds the graph's tab; tabs are added in the order of SimulationGraph. Without an
    // explanation the tab has no line above its drawing.
    void AddGraph(SimulationGraph graph, const QString& caption,
                  const char* explanationName = nullptr, const QString& explanation = {});

    [[nodiscard]] SurfaceView& View(SimulationGraph graph) const;

    // Brings the graph's tab forward without announcing it as the user's choice.
    void ShowGraph(SimulationGraph graph);

    [[nodiscard]] QPushButton& WorkRangeButton() const { return *m_workRange; }

signals:
    // The user picked the graph's tab.
    void graphChosen(ttl::SimulationGraph graph);
    void windowChosen(ttl::SimulationGraph graph);
    void workRangeToggled();

private:
    std::array<SurfaceView*, SimulationGraphCount> m_views{};
    QPushButton* m_workRange = nullptr;
};

} // namespace ttl
