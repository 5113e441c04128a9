#include "turntable/ui/simulation_activity.h"

#include "shell/ui/animation_player.h"
#include "shell/ui/controls.h"
#include "shell/ui/screen_placement.h"
#include "shell/ui/surface_view.h"
#include "turntable/animations.h"
#include "turntable/orbit_graph.h"
#include "turntable/run_csv.h"
#include "turntable/time_graphs.h"
#include "turntable/ui/rotating_screen.h"
#include "turntable/ui/work_energy_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace ttl {

namespace {
constexpr Placement RotatingPlacement{0.0, 0.5, 0.85, 0.5};
constexpr Placement OrbitPlacement{0.0, 0.0, 0.5, 0.5};
constexpr Placement OrbitAnimationPlacement{0.5, 0.0, 0.5, 0.5};
// A few milliseconds a frame: the pace of the classroom version's busy loop, without blocking.
constexpr int FrameIntervalMs = 4;

void ShowOnTop(QWidget& window)
{
    window.show();
    window.raise();
}

// Square, in the upper right quarter of the screen: over the orbit animation's place, never over
// the simulation screen's controls in the lower half.
void PlaceSquare(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const int side = std::min(area.height() / 2 - 40, area.width() / 2); // the title bar too
    window.setGeometry(area.left() + area.width() / 2, area.top(), side, side);
    KeepOnScreen(window); // its frame too, when it already shows
}
} // namespace

SimulationActivity::SimulationActivity(SimulationWindows windows)
    : m_windows(std::move(windows)), m_beep([] { QApplication::beep(); })
{
}

SimulationActivity::~SimulationActivity() = default;

AnimationPlayer& SimulationActivity::VectorsPlayer()
{
    if (!m_vectorsPlayer) {
        m_vectorsPlayer = std::make_unique<AnimationPlayer>(m_windows.vectors(), FrameIntervalMs);
    }
    return *m_vectorsPlayer;
}

AnimationPlayer& SimulationActivity::OrbitPlayer()
{
    if (!m_orbitPlayer) {
        m_orbitPlayer =
            std::make_unique<AnimationPlayer>(m_windows.orbitAnimation(), FrameIntervalMs);
    }
    return *m_orbitPlayer;
}

void SimulationActivity::StopAnimations()
{
    if (m_vectorsPlayer) {
        m_vectorsPlayer->Stop();
    }
    if (m_orbitPlayer) {
        m_orbitPlayer->Stop();
    }
}

void SimulationActivity::RunSimulation()
{
    StopAnimations(); // they read the series this run replaces
    RotatingScreen& screen = m_windows.rotating();
    m_lastRun = ttl::RunSimulation(screen.inputs());
    const SimulationResult& run = *m_lastRun;

    PlaceWindow(screen, RotatingPlacement);
    screen.show();

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

    // The graph windows open on the screen show the new run at once.
    for (const auto& [window, draw] :
         {std::pair{&m_windows.angularVelocity(), &DrawAngularVelocityGraph},
          std::pair{&m_windows.velocities(), &DrawVelocityGraph}}) {
        if (window->isVisible()) {
            draw(window->surface(), run);
            window->update();
        }
    }
    WorkEnergyWindow& work = m_windows.workEnergy();
    if (work.isVisible()) {
        m_workRange = ComputeWorkRange(run);
        const double factor = m_workView.halfMaximum ? 1.0 : 0.5;
        DrawWorkEnergyGraph(work.surface(), run, factor * m_workRange.max, factor * m_workRange.min,
                            !m_workView.halfMaximum);
        work.update();
    }

    if (run.restStep) {
        m_beep();
    }
}

void SimulationActivity::Repeat()
{
    StopAnimations();
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
    ShowOnTop(m_windows.baseAngle()); // drawn by the run
}

void SimulationActivity::ShowGraph(SurfaceView& window,
                                   void (*draw)(Surface&, const SimulationResult&))
{
    if (m_lastRun) {
        draw(window.surface(), *m_lastRun);
    }
    window.update();
    ShowOnTop(window);
}

void SimulationActivity::ShowAngularVelocityGraph()
{
    ShowGraph(m_windows.angularVelocity(), &DrawAngularVelocityGraph);
}

void SimulationActivity::ShowVelocityGraph()
{
    ShowGraph(m_windows.velocities(), &DrawVelocityGraph);
}

void SimulationActivity::StartVectorsAnimation()
{
    SurfaceView& window = m_windows.vectors();
    PlaceSquare(window);
    ShowOnTop(window);
    if (!m_lastRun) {
        return;
    }
    m_vectorsAnimation = std::make_unique<VectorsAnimation>(*m_lastRun);
    m_vectorsAnimation->Begin(window.surface());
    window.update();
    VectorsPlayer().Start(m_vectorsAnimation->FrameCount(), [this, &window](int i) {
        m_vectorsAnimation->DrawFrame(window.surface(), i);
    });
}

void SimulationActivity::StartOrbitAnimation()
{
    SurfaceView& window = m_windows.orbitAnimation();
    PlaceWindow(window, OrbitAnimationPlacement);
    ShowOnTop(window);
    if (!m_lastRun) {
        return;
    }
    m_orbitAnimation = std::make_unique<OrbitAnimation>(*m_lastRun);
    m_orbitAnimation->Begin(window.surface());
    window.update();
    OrbitPlayer().Start(
        m_orbitAnimation->FrameCount(),
        [this, &window](int i) { m_orbitAnimation->DrawFrame(window.surface(), i); },
        [this, &window] { m_orbitAnimation->Finish(window.surface()); });
}

void SimulationActivity::ShowWorkEnergyGraph()
{
    WorkEnergyWindow& window = m_windows.workEnergy();
    m_workView.halfMaximum = true;
    window.SetRangeCaption(ToQString(m_workView.ButtonCaption()));
    if (m_lastRun) {
        m_workRange = ComputeWorkRange(*m_lastRun);
        DrawWorkEnergyGraph(window.surface(), *m_lastRun, m_workRange.max, m_workRange.min, false);
    }
    window.update();
    ShowOnTop(window);
}

void SimulationActivity::ToggleWorkRange()
{
    WorkEnergyWindow& window = m_windows.workEnergy();
    const bool halve = m_workView.halfMaximum;
    m_workView.halfMaximum = !halve;
    window.SetRangeCaption(ToQString(m_workView.ButtonCaption()));
    if (m_lastRun) {
        const double factor = halve ? 0.5 : 1.0;
        DrawWorkEnergyGraph(window.surface(), *m_lastRun, factor * m_workRange.max,
                            factor * m_workRange.min, true);
    }
    window.update();
}

WriteResult SimulationActivity::SaveLastRun(const QString& path) const
{
    if (!m_lastRun) {
        return WriteResult::Failed(QObject::tr("There is no run to save yet."));
    }
    return WriteWholeFile(path, QByteArray::fromStdString(RunCsv(*m_lastRun)));
}

void SimulationActivity::SaveRunInteractively()
{
    RotatingScreen& screen = m_windows.rotating();
    if (!m_lastRun) {
        QMessageBox::information(&screen, QObject::tr("Save run"),
                                 QObject::tr("There is no run to save yet."));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(&screen, QObject::tr("Save run as CSV"),
                                                      QStringLiteral("turntable-run.csv"),
                                                      QObject::tr("CSV table (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    if (const WriteResult written = SaveLastRun(path); !written) {
        QMessageBox::warning(&screen, QObject::tr("Save run"), written.reason);
    }
}

} // namespace ttl
