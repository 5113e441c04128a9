#pragma once

#include "turntable/model_parameters.h"
#include "turntable/simulation_run.h"

#include <functional>
#include <optional>

namespace ttl {

class RotatingScreen;
class SurfaceView;

// The windows of the simulation, created by their owner on first use.
struct SimulationWindows {
    std::function<RotatingScreen&()> rotating;
    std::function<SurfaceView&()> orbits;         // x_ygraph
    std::function<SurfaceView&()> baseAngle;      // goniaxronos
    std::function<SurfaceView&()> orbitAnimation; // xronoorbit
};

// Runs the turntable simulation from the simulation screen's controls and draws its windows;
// keeps the last run for the graph windows.
class SimulationActivity {
public:
    SimulationActivity(ModelParameters& parameters, SimulationWindows windows);

    // Reads the controls, runs, places and shows the simulation screen and the orbit window,
    // draws the angle-of-base window (shown by its button) and beeps once if a free base has
    // caught the body.
    void RunSimulation();

    // REPEAT: blanks and hides the orbit animation of the previous run, then runs again.
    void Repeat();

    void ShowBaseAngleGraph();

    [[nodiscard]] const std::optional<SimulationResult>& LastRun() const { return m_lastRun; }

    // The platform beep by default; tests count it instead.
    void SetBeep(std::function<void()> beep) { m_beep = std::move(beep); }

private:
    ModelParameters& m_parameters;
    SimulationWindows m_windows;
    std::optional<SimulationResult> m_lastRun;
    std::function<void()> m_beep;
};

} // namespace ttl
