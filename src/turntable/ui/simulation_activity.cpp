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
// The screen shows the run itself now: it takes the whole screen.
constexpr Placement RotatingPlacement{0.0, 0.0, 1.0, 1.0};
constexpr Placement OrbitPlacement{0.0, 0.0, 0.5, 0.5};
constexpr Placement OrbitAnimationPlacement{0.5, 0.0, 0.5, 0.5};
// A few milliseconds a frame: the pace of the classroom version's busy loop, without blocking.
constexpr int FrameIntervalMs = 4;

void ShowOnTop(QWidget& window)
{
    window.show();
    window.raise();
}

// Square, in the upper right quarter of the screen, over the orbit animation's place.
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

// The windows of the orbits and the animations open where they always did.
void PlaceOwnWindow(SimulationGraph graph, QWidget& window)
{
    if (graph == SimulationGraph::Orbits) {
        PlaceWindow(window, OrbitPlacement);
    } else if (graph == SimulationGraph::OrbitAnimation) {
        PlaceWindow(window, OrbitAnimationPlacement);
    } else if (graph == SimulationGraph::VectorsAnimation) {
        PlaceSquare(window);
    }
}
} // namespace

SimulationActivity::SimulationActivity(SimulationWindows windows)
    : m_windows(std::move(windows)), m_beep([] { QApplication::beep(); })
{
}

SimulationActivity::~SimulationActivity() = default;

AnimationPlayer& SimulationActivity::PlayerOn(PlayerSlot& slot, SurfaceView& view)
{
    if (!slot.player || slot.view != &view) {
        slot.player = std::make_unique<AnimationPlayer>(view, FrameIntervalMs);
        slot.view = &view;
    }
    return *slot.player;
}

AnimationPlayer& SimulationActivity::VectorsPlayer()
{
    return m_vectorsPlayer.player
               ? *m_vectorsPlayer.player
               : PlayerOn(m_vectorsPlayer,
                          GraphView(SimulationGraph::VectorsAnimation, GraphPlace::Tab));
}

AnimationPlayer& SimulationActivity::OrbitPlayer()
{
    return m_orbitPlayer.player ? *m_orbitPlayer.player
                                : PlayerOn(m_orbitPlayer, GraphView(SimulationGraph::OrbitAnimation,
                                                                    GraphPlace::Tab));
}

void SimulationActivity::StopAnimations()
{
    for (const PlayerSlot* slot : {&m_vectorsPlayer, &m_orbitPlayer}) {
        if (slot->player) {
            slot->player->Stop();
        }
    }
}

SurfaceView& SimulationActivity::GraphView(SimulationGraph graph, GraphPlace place)
{
    // Every graph's view, in a tab or a window, is handed out here and nowhere else.
    SurfaceView& view = PlaceView(graph, place);
    if (!IsAnimation(graph)) {
        GraphReadingOf(view, [this, graph] { return StillGraph(graph); });
    }
    return view;
}

SurfaceView& SimulationActivity::PlaceView(SimulationGraph graph, GraphPlace place)
{
    if (place == GraphPlace::Tab) {
        return m_windows.rotating().GraphTabs().View(graph);
    }
    switch (graph) {
    case SimulationGraph::Orbits:
        return m_windows.orbits();
    case SimulationGraph::OrbitAnimation:
        return m_windows.orbitAnimation();
    case SimulationGraph::WorkEnergy:
        return m_windows.workEnergy();
    case SimulationGraph::AngularVelocity:
        return m_windows.angularVelocity();
    case SimulationGraph::Velocity:
        return m_windows.velocities();
    case SimulationGraph::VectorsAnimation:
        return m_windows.vectors();
    case SimulationGraph::BaseAngle:
        break;
    }
    return m_windows.baseAngle();
}

bool SimulationActivity::IsAnimation(SimulationGraph graph)
{
    return graph == SimulationGraph::OrbitAnimation || graph == SimulationGraph::VectorsAnimation;
}

void SimulationActivity::RunSimulation()
{
    StopAnimations(); // they read the series this run replaces
    RotatingScreen& screen = m_windows.rotating();
    m_lastRun = ttl::RunSimulation(screen.inputs());

    PlaceWindow(screen, RotatingPlacement);
    screen.show();
    m_workWindowWording = !m_workView.halfMaximum;
    RedrawOpenGraphs();
    ShowGraph(SimulationGraph::Orbits, GraphPlace::Tab);

    if (m_lastRun->restStep) {
        m_beep();
    }
}

void SimulationActivity::RedrawOpenGraphs()
{
    for (const SimulationGraph graph :
         {SimulationGraph::Orbits, SimulationGraph::BaseAngle, SimulationGraph::AngularVelocity,
          SimulationGraph::Velocity, SimulationGraph::WorkEnergy}) {
        // The orbits and the angle of the base are drawn even while their windows are closed,
        // as they always were: a picture of the window shows the run without opening it.
        const bool always = graph == SimulationGraph::Orbits || graph == SimulationGraph::BaseAngle;
        if (SurfaceView& window = GraphView(graph, GraphPlace::Window);
            always || window.isVisible()) {
            DrawStill(graph, window);
        }
    }
}

void SimulationActivity::Repeat()
{
    StopAnimations();
    // The last frame of the previous run is not shown again while the new run is made.
    for (const GraphPlace place : {GraphPlace::Tab, GraphPlace::Window}) {
        SurfaceView& animation = GraphView(SimulationGraph::OrbitAnimation, place);
        Surface& surface = animation.surface();
        surface.FilledBox(surface.ScaleLeft(), surface.ScaleTop(),
                          surface.ScaleLeft() + surface.ScaleWidth(),
                          surface.ScaleTop() + surface.ScaleHeight(), Color{170, 170, 150});
        animation.update();
    }
    m_windows.orbitAnimation().hide();
    RunSimulation();
}

void SimulationActivity::ShowGraph(SimulationGraph graph, GraphPlace place)
{
    SurfaceView& view = GraphView(graph, place);
    if (graph == SimulationGraph::WorkEnergy) { // opened at full range
        m_workView.halfMaximum = true;
        m_workWindowWording = false;
        ShowWorkRangeCaption();
    }
    if (place == GraphPlace::Tab) {
        m_windows.rotating().GraphTabs().ShowGraph(graph);
    } else {
        PlaceOwnWindow(graph, view);
        ShowOnTop(view);
    }
    if (IsAnimation(graph)) {
        StartAnimation(graph, view);
    } else {
        DrawStill(graph, view);
    }
}

void SimulationActivity::DrawStill(SimulationGraph graph, SurfaceView& view)
{
    GraphReadingOf(view, [this, graph] { return StillGraph(graph); }).ShowFitted();
}

ReadableGraph SimulationActivity::StillGraph(SimulationGraph graph) const
{
    if (!m_lastRun) {
        return {};
    }
    const SimulationResult& run = *m_lastRun;
    switch (graph) {
    case SimulationGraph::Orbits: // the orbits' points start at the first step
        return {OrbitGraph(run), PointTiming{run.TimeStep, run.TimeStep}};
    case SimulationGraph::BaseAngle:
        return {BaseAngleGraph(run), std::nullopt};
    case SimulationGraph::AngularVelocity:
        return {AngularVelocityGraph(run), std::nullopt};
    case SimulationGraph::Velocity:
        return {VelocityGraph(run), std::nullopt};
    case SimulationGraph::WorkEnergy: {
        const WorkRange range = ComputeWorkRange(run);
        const double factor = m_workView.halfMaximum ? 1.0 : 0.5;
        return {WorkEnergyGraph(run, factor * range.max, factor * range.min, m_workWindowWording),
                std::nullopt};
    }
    case SimulationGraph::OrbitAnimation:
    case SimulationGraph::VectorsAnimation:
        break;
    }
    return {};
}

void SimulationActivity::StartAnimation(SimulationGraph graph, SurfaceView& view)
{
    if (!m_lastRun) {
        return;
    }
    if (graph == SimulationGraph::VectorsAnimation) {
        m_vectorsAnimation = std::make_unique<VectorsAnimation>(*m_lastRun);
        m_vectorsAnimation->Begin(view.surface());
        view.update();
        PlayerOn(m_vectorsPlayer, view)
            .Start(m_vectorsAnimation->FrameCount(),
                   [this, &view](int i) { m_vectorsAnimation->DrawFrame(view.surface(), i); });
        return;
    }
    m_orbitAnimation = std::make_unique<OrbitAnimation>(*m_lastRun);
    m_orbitAnimation->Begin(view.surface());
    view.update();
    PlayerOn(m_orbitPlayer, view)
        .Start(
            m_orbitAnimation->FrameCount(),
            [this, &view](int i) { m_orbitAnimation->DrawFrame(view.surface(), i); },
            [this, &view] { m_orbitAnimation->Finish(view.surface()); });
}

void SimulationActivity::ShowWorkRangeCaption()
{
    const QString caption = ToQString(m_workView.ButtonCaption());
    m_windows.rotating().GraphTabs().WorkRangeButton().setText(caption);
    m_windows.workEnergy().SetRangeCaption(caption);
}

void SimulationActivity::ToggleWorkRange()
{
    m_workView.halfMaximum = !m_workView.halfMaximum;
    m_workWindowWording = true;
    ShowWorkRangeCaption();
    for (const GraphPlace place : {GraphPlace::Tab, GraphPlace::Window}) {
        if (SurfaceView& view = GraphView(SimulationGraph::WorkEnergy, place); view.isVisible()) {
            DrawStill(SimulationGraph::WorkEnergy, view);
        }
    }
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

RecordableAnimation SimulationActivity::AnimationRecording(SimulationGraph graph,
                                                          GraphPlace place)
{
    SurfaceView& view = GraphView(graph, place);
    PlayerSlot& slot =
        graph == SimulationGraph::VectorsAnimation ? m_vectorsPlayer : m_orbitPlayer;
    // Only the animation playing on this view counts: the other place may be playing its own.
    const auto playing = [&slot, &view] { return slot.view == &view && slot.player; };
    return {&view, [] { return FrameIntervalMs; }, [this, graph, &view] { StartAnimation(graph, view); },
            [playing, &slot] { return playing() && slot.player->IsRunning(); },
            [playing, &slot] {
                if (playing()) {
                    slot.player->Tick();
                }
            },
            {}};
}

} // namespace ttl
