#pragma once

#include "shell/ui/animation_recording.h"
#include "shell/ui/file_writing.h"
#include "turntable/simulation_run.h"
#include "turntable/work_energy_graph.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace ttl {

class AnimationPlayer;
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

// Runs the turntable simulation from the simulation screen's controls and draws its windows;
// keeps the last run for the graph windows.
class SimulationActivity {
public:
    explicit SimulationActivity(SimulationWindows windows);
    ~SimulationActivity();
    SimulationActivity(const SimulationActivity&) = delete;
    SimulationActivity& operator=(const SimulationActivity&) = delete;

    // Reads the controls, runs, places and shows the simulation screen and the orbit window,
    // draws the angle-of-base window (shown by its button) and beeps once if a free base has
    // caught the body.
    void RunSimulation();

    // REPEAT: blanks and hides the orbit animation of the previous run, then runs again.
    void Repeat();

    void ShowBaseAngleGraph();
    void ShowAngularVelocityGraph();
    void ShowVelocityGraph();
    // Place and show the animation's window, then play it.
    void StartVectorsAnimation();
    void StartOrbitAnimation();
    // Play it again from its start on its window as it is now.
    void PlayVectorsAnimation();
    void PlayOrbitAnimation();
    // The main button: full range; the window's own button halves it and restores it.
    void ShowWorkEnergyGraph();
    void ToggleWorkRange();
    // "Save run as CSV…": asks for a file and writes the last run; says so when it cannot.
    void SaveRunInteractively();
    WriteResult SaveLastRun(const QString& path) const;

    // BACK and REPEAT stop a running animation.
    void StopAnimations();

    [[nodiscard]] AnimationPlayer& VectorsPlayer();
    [[nodiscard]] AnimationPlayer& OrbitPlayer();

    // The two animations as a recording plays them: from their start, on their windows.
    [[nodiscard]] RecordableAnimation OrbitRecording();
    [[nodiscard]] RecordableAnimation VectorsRecording();

    [[nodiscard]] const std::optional<SimulationResult>& LastRun() const { return m_lastRun; }

    // The platform beep by default; tests count it instead.
    void SetBeep(std::function<void()> beep) { m_beep = std::move(beep); }

private:
    // Draws the last run's graph on the window (nothing before any run) and brings it forward.
    void ShowGraph(SurfaceView& window, void (*draw)(Surface&, const SimulationResult&));

    SimulationWindows m_windows;
    std::optional<SimulationResult> m_lastRun;
    std::function<void()> m_beep;
    // The animations read the last run; a new run stops them first.
    std::unique_ptr<VectorsAnimation> m_vectorsAnimation;
    std::unique_ptr<OrbitAnimation> m_orbitAnimation;
    std::unique_ptr<AnimationPlayer> m_vectorsPlayer;
    std::unique_ptr<AnimationPlayer> m_orbitPlayer;
    WorkRange m_workRange;
    WorkGraphView m_workView;
};

} // namespace ttl
