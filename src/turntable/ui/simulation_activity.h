#pragma once

#include "shell/ui/animation_recording.h"
#include "shell/ui/file_writing.h"
#include "shell/ui/graph_interaction.h"
#include "turntable/simulation_run.h"
#include "turntable/ui/simulation_graph_tabs.h"
#include "turntable/work_energy_graph.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace ttl {

class AnimationPlayer;
class GraphInteraction;
class OrbitAnimation;
class VectorsAnimation;
class RotatingScreen;
class Surface;
class SurfaceView;
class WorkEnergyWindow;

// The windows of the simulation, created by their owner on first use.
struct SimulationWindows {
    std::function<RotatingScreen&()> rotating;
    std::function<SurfaceView&()> orbits;          // x_ygraph
    std::function<SurfaceView&()> baseAngle;       // goniaxronos
    std::function<SurfaceView&()> orbitAnimation;  // xronoorbit
    std::function<SurfaceView&()> angularVelocity; // goniakigraph
    std::function<SurfaceView&()> velocities;      // velocitytimes
    std::function<SurfaceView&()> vectors;         // xronikh
    std::function<WorkEnergyWindow&()> workEnergy; // base_centrafugal
};

// Where a drawing of the run is shown: in its tab on the simulation screen, or in a window of its
// own as a second screen or a projector needs.
enum class GraphPlace { Tab, Window };

// Runs the turntable simulation from the simulation screen's controls and draws the run in the
// screen's tabs and in the graph windows; keeps the last run for them.
class SimulationActivity {
public:
    explicit SimulationActivity(SimulationWindows windows);
    ~SimulationActivity();
    SimulationActivity(const SimulationActivity&) = delete;
    SimulationActivity& operator=(const SimulationActivity&) = delete;

    // Reads the controls, runs, places and shows the simulation screen with the orbits in their
    // tab, draws the run again in every graph window that is open and beeps once if a free base
    // has caught the body.
    void RunSimulation();

    // REPEAT: blanks the orbit animation of the previous run and hides its window, then runs again.
    void Repeat();

    // Draws the graph of the last run (nothing before any run), or starts its animation, in its
    // tab or its window, and brings that forward.
    void ShowGraph(SimulationGraph graph, GraphPlace place);

    // Each graph in its own window, as the tabs' window buttons open them.
    void ShowBaseAngleGraph() { ShowGraph(SimulationGraph::BaseAngle, GraphPlace::Window); }
    void ShowAngularVelocityGraph()
    {
        ShowGraph(SimulationGraph::AngularVelocity, GraphPlace::Window);
    }
    void ShowVelocityGraph() { ShowGraph(SimulationGraph::Velocity, GraphPlace::Window); }
    void StartVectorsAnimation()
    {
        ShowGraph(SimulationGraph::VectorsAnimation, GraphPlace::Window);
    }
    void StartOrbitAnimation() { ShowGraph(SimulationGraph::OrbitAnimation, GraphPlace::Window); }
    // Full range; the range buttons halve it and restore it.
    void ShowWorkEnergyGraph() { ShowGraph(SimulationGraph::WorkEnergy, GraphPlace::Window); }
    void ToggleWorkRange();
    // "Save run as CSV…": asks for a file and writes the last run; says so when it cannot.
    void SaveRunInteractively();
    WriteResult SaveLastRun(const QString& path) const;

    // BACK and REPEAT stop a running animation.
    void StopAnimations();

    // The players of the animations, on the view each last played on (its tab at first).
    [[nodiscard]] AnimationPlayer& VectorsPlayer();
    [[nodiscard]] AnimationPlayer& OrbitPlayer();

    // An animation as a recording plays it: from its start, on its tab or its window as it is.
    [[nodiscard]] RecordableAnimation AnimationRecording(SimulationGraph graph, GraphPlace place);

    [[nodiscard]] const std::optional<SimulationResult>& LastRun() const { return m_lastRun; }

    // The platform beep by default; tests count it instead.
    void SetBeep(std::function<void()> beep) { m_beep = std::move(beep); }

private:
    // An animation's player, made again when the animation moves to another view.
    struct PlayerSlot {
        std::unique_ptr<AnimationPlayer> player;
        SurfaceView* view = nullptr;
    };

    // The view a graph is shown on in that place; every graph view passes here before it is drawn.
    // A still graph's view gets its reading (hover, zoom, pan) here, once.
    SurfaceView& GraphView(SimulationGraph graph, GraphPlace place);
    SurfaceView& PlaceView(SimulationGraph graph, GraphPlace place);
    static bool IsAnimation(SimulationGraph graph);
    // A still graph of the last run, fitted again; its reading draws it so that it follows the
    // view's size, scale and zoom.
    void DrawStill(SimulationGraph graph, SurfaceView& view);
    [[nodiscard]] ReadableGraph StillGraph(SimulationGraph graph) const;
    void StartAnimation(SimulationGraph graph, SurfaceView& view);
    AnimationPlayer& PlayerOn(PlayerSlot& slot, SurfaceView& view);
    void ShowWorkRangeCaption();
    // The graph windows that are open show the new run at once.
    void RedrawOpenGraphs();

    SimulationWindows m_windows;
    std::optional<SimulationResult> m_lastRun;
    std::function<void()> m_beep;
    // The animations read the last run; a new run stops them first.
    std::unique_ptr<VectorsAnimation> m_vectorsAnimation;
    std::unique_ptr<OrbitAnimation> m_orbitAnimation;
    PlayerSlot m_vectorsPlayer;
    PlayerSlot m_orbitPlayer;
    WorkGraphView m_workView;
    bool m_workWindowWording = false;
};

} // namespace ttl
