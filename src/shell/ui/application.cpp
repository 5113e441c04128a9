#include "shell/ui/application.h"

#include "shell/ui/surface_view.h"
#include "turntable/ui/rotating_screen.h"
#include "turntable/ui/simulation_activity.h"

#include <QApplication>

namespace ttl {

namespace {
std::unique_ptr<SurfaceView> MakeGraphWindow(const char* name, const char* caption)
{
    auto window = std::make_unique<SurfaceView>();
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(QString::fromUtf8(caption));
    window->resize(640, 400);
    return window;
}
} // namespace

Application::Application() = default;

Application::~Application() = default;

void Application::Start()
{
    Simulation().RunSimulation();
}

RotatingScreen& Application::rotating()
{
    if (!m_rotating) {
        m_rotating = std::make_unique<RotatingScreen>();
        QObject::connect(m_rotating.get(), &RotatingScreen::repeatRequested,
                         [this] { Simulation().RunSimulation(); });
        QObject::connect(m_rotating.get(), &RotatingScreen::angleGraphRequested,
                         [this] { Simulation().ShowBaseAngleGraph(); });
        QObject::connect(m_rotating.get(), &RotatingScreen::endRequested, &QApplication::quit);
    }
    return *m_rotating;
}

SurfaceView& Application::x_ygraph()
{
    if (!m_x_ygraph) {
        m_x_ygraph = MakeGraphWindow("x_ygraph", "Graphs of the orbits");
    }
    return *m_x_ygraph;
}

SurfaceView& Application::goniaxronos()
{
    if (!m_goniaxronos) {
        m_goniaxronos = MakeGraphWindow("goniaxronos", "Angle of Base vs Time");
    }
    return *m_goniaxronos;
}

SimulationActivity& Application::Simulation()
{
    if (!m_simulation) {
        m_simulation = std::make_unique<SimulationActivity>(
            m_parameters, SimulationWindows{[this]() -> RotatingScreen& { return rotating(); },
                                            [this]() -> SurfaceView& { return x_ygraph(); },
                                            [this]() -> SurfaceView& { return goniaxronos(); }});
    }
    return *m_simulation;
}

} // namespace ttl
