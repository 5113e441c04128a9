#pragma once

#include "turntable/model_parameters.h"

#include <memory>

namespace ttl {

class RotatingScreen;
class SimulationActivity;
class SurfaceView;

// Owns the shared model parameters and every screen. A screen is created the first time any
// code asks for it and lives until the program ends; navigation only shows and hides screens.
class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Opens the first screen.
    void Start();

    ModelParameters& Parameters() { return m_parameters; }

    RotatingScreen& rotating();
    SurfaceView& x_ygraph();
    SurfaceView& goniaxronos();

    SimulationActivity& Simulation();

private:
    ModelParameters m_parameters;
    std::unique_ptr<RotatingScreen> m_rotating;
    std::unique_ptr<SurfaceView> m_x_ygraph;
    std::unique_ptr<SurfaceView> m_goniaxronos;
    std::unique_ptr<SimulationActivity> m_simulation;
};

} // namespace ttl
