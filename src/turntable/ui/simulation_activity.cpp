#include "turntable/ui/simulation_activity.h"

#include "shell/ui/screen_placement.h"
#include "shell/ui/surface_view.h"
#include "turntable/orbit_graph.h"
#include "turntable/ui/rotating_screen.h"

#include <QApplication>

namespace ttl {

namespace {
constexpr Placement RotatingPlacement{0.0, 0.5, 0.85, 0.5};
constexpr Placement OrbitPlacement{0.0, 0.0, 0.5, 0.5};
} // namespace

SimulationActivity::SimulationActivity(ModelParameters& parameters, SimulationWindows windows)
    : m_parameters(parameters), m_windows(std::move(windows)), m_beep([] { QApplication::beep(); })
{
}

void SimulationActivity::RunSimulation()
{
    RotatingScreen& screen = m_windows.rotating();
    m_lastRun = ttl::RunSimulation(m_parameters, screen.inputs());
    const SimulationResult& run = *m_lastRun;

    PlaceWindow(screen, RotatingPlacement);
    screen.show();
    if (run.intervalCapped) {
        screen.showCappedInterval(run.intervalValue);
    }

    // The orbits are fitted to the window's shape, so they are drawn again whenever it resizes.
    SurfaceView& orbits = m_windows.orbits();
    PlaceWindow(orbits, OrbitPlacement);
    orbits.setRedraw([this](Surface& surface) {
        if (m_lastRun) {
            DrawOrbitGraph(surface, *m_lastRun);
        }
    });
    orbits.redraw();
    orbits.show();

    SurfaceView& angle = m_windows.baseAngle();
    DrawBaseAngleGraph(angle.surface(), run);
    angle.update();

    if (run.restStep) {
        m_beep();
    }
}

void SimulationActivity::Repeat()
{
    SurfaceView& animation = m_windows.orbitAnimation();
    Surface& surface = animation.surface();
    surface.FilledBox(surface.ScaleLeft(), surface.ScaleTop(),
                      surface.ScaleLeft() + surface.ScaleWidth(),
                      surface.ScaleTop() + surface.ScaleHeight(), Color{170, 170, 150});
    animation.update();
    animation.hide();
    RunSimulation();
}

void SimulationActivity::ShowBaseAngleGraph()
{
    SurfaceView& angle = m_windows.baseAngle();
    angle.show();
    angle.raise();
}

} // namespace ttl
