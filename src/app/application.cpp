#include "app/application.h"

#include "app/derivation_link.h"
#include "app/experiment_menu.h"

#include "curve/ui/first_step_screen.h"
#include "explorer/ui/choice_window.h"
#include "explorer/ui/explorer_screen.h"
#include "shell/ui/help_menu.h"
#include "shell/ui/introduction_screen.h"
#include "shell/ui/navigation.h"
#include "shell/ui/screen_placement.h"
#include "shell/ui/surface_view.h"
#include "shell/ui/window_keeper.h"
#include "translating/ui/relative_motion_screen.h"
#include "turntable/ui/rotating_screen.h"
#include "turntable/ui/simulation_activity.h"
#include "turntable/ui/work_energy_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace ttl {

namespace {

constexpr Placement FullScreen{0.0, 0.0, 1.0, 1.0};
constexpr Placement GraphPlacement{0.0, 0.0, 0.85, 0.5};
constexpr double ExplorerWidth = 0.8;

// Creates the screen in `slot` on first use, then runs `setUp` on it once.
template <typename Screen, typename SetUp> Screen& Lazy(std::unique_ptr<Screen>& slot, SetUp setUp)
{
    if (!slot) {
        slot = std::make_unique<Screen>();
        setUp(*slot);
    }
    return *slot;
}

template <typename Screen> Screen& Lazy(std::unique_ptr<Screen>& slot)
{
    return Lazy(slot, [](Screen&) {});
}

std::unique_ptr<SurfaceView> GraphWindow(const char* name, const char* caption)
{
    auto window = std::make_unique<SurfaceView>();
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(QCoreApplication::translate("ttl::Application", caption));
    window->resize(640, 400);
    AddHelpKeys(*window, GuideSection::Simulation);
    return window;
}

SurfaceView& LazyGraph(std::unique_ptr<SurfaceView>& slot, WindowKeeper& keeper, const char* name,
                       const char* caption, const Placement* placement = nullptr)
{
    if (!slot) {
        slot = GraphWindow(name, caption);
        keeper.Keep(*slot);
        if (placement != nullptr) {
            PlaceWindow(*slot, *placement);
        }
    }
    return *slot;
}

QRect AvailableArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
}

} // namespace

Application::Application() : m_keeper(std::make_unique<WindowKeeper>()) {}
Application::~Application() = default;

void Application::Start()
{
    introduction().show();
}

IntroductionScreen& Application::introduction()
{
    return Lazy(m_introduction, [this](IntroductionScreen& s) {
        PlaceWindow(s, FullScreen);
        m_keeper->Keep(s, EndProgram);
        QObject::connect(&s, &IntroductionScreen::firstExplanationChosen, &s,
                         [this] { ShowFirstStep(); });
        QObject::connect(&s, &IntroductionScreen::explorerChosen, &s, [this] { OpenExplorer(); });
        QObject::connect(&s, &IntroductionScreen::simulationChosen, &s,
                         [this] { Simulation().RunSimulation(); });
    });
}

FirstStepScreen& Application::firstExplanation()
{
    return Lazy(m_firstExplanation, [this](FirstStepScreen& s) {
        QObject::connect(&s, &FirstStepScreen::nextChosen, &s, [this] { OpenExplorer(); });
        QObject::connect(&s, &FirstStepScreen::relativeMotionChosen, &s, [this] {
            RelativeMotionScreen& relative = translatingFrame();
            relative.show();
            relative.raise();
        });
        const auto back = [this] { BackToIntroduction(firstExplanation()); };
        QObject::connect(&s, &FirstStepScreen::backChosen, &s, back);
        m_keeper->Keep(s, back);
        QObject::connect(&s, &FirstStepScreen::endChosen, &s, EndProgram);
        AddExperimentMenu(*this, s, QStringLiteral("curve-lab"));
        AddRecordingActions(s.TimedRunRecording());
    });
}

RelativeMotionScreen& Application::translatingFrame()
{
    return Lazy(m_translatingFrame, [this](RelativeMotionScreen& s) {
        PlaceWindow(s, FullScreen);
        QObject::connect(&s, &RelativeMotionScreen::nextChosen, &s, [this] {
            translatingFrame().hide();
            OpenExplorer();
        });
        const auto back = [this] {
            translatingFrame().hide();
            ShowIntroductionIfNoScreen();
        };
        QObject::connect(&s, &RelativeMotionScreen::backChosen, &s, back);
        m_keeper->Keep(s, back);
        QObject::connect(&s, &RelativeMotionScreen::endChosen, &s, EndProgram);
        AddExperimentMenu(*this, s, QStringLiteral("translating-frame"));
        AddRecordingActions(s.TimeEvolutionRecording(s.LabView()));
        AddRecordingActions(s.TimeEvolutionRecording(s.MovingView()));
    });
}

ExplorerScreen& Application::explorer()
{
    if (!m_explorer) {
        m_explorer = std::make_unique<ExplorerScreen>(
            m_baseFree, [this]() -> ChoiceWindow& { return baseChoice(); },
            DrawDerivationForExplorer);
        PlaceWindow(*m_explorer, {0.0, 0.0, ExplorerWidth, 1.0});
        m_keeper->Keep(*m_explorer, [this] { explorer().Back(); });
        QObject::connect(m_explorer.get(), &ExplorerScreen::backChosen, m_explorer.get(),
                         [this] { ShowIntroductionIfNoScreen(); });
        QObject::connect(m_explorer.get(), &ExplorerScreen::endChosen, m_explorer.get(),
                         EndProgram);
        AddExperimentMenu(*this, *m_explorer, QStringLiteral("explorer"));
        AddRecordingActions(m_explorer->ContinuousRunRecording());
    }
    return *m_explorer;
}

ChoiceWindow& Application::baseChoice()
{
    return Lazy(m_baseChoice, [this](ChoiceWindow& s) {
        s.ShowChoice(m_baseFree);
        m_keeper->Keep(s);
        QObject::connect(&s, &ChoiceWindow::baseChoiceMade, &s,
                         [this](bool baseFree) { SetBaseFree(baseFree); });
    });
}

RotatingScreen& Application::simulationScreen()
{
    return Lazy(m_simulationScreen, [this](RotatingScreen& s) {
        QObject::connect(&s, &RotatingScreen::backChosen, &s, [this] { LeaveSimulation(); });
        m_keeper->Keep(s, [this] { LeaveSimulation(); });
        QObject::connect(&s, &RotatingScreen::endChosen, &s, EndProgram);
        AddExperimentMenu(*this, s, QStringLiteral("simulation"));
        QObject::connect(&s, &RotatingScreen::repeatChosen, &s, [this] { Simulation().Repeat(); });
        QObject::connect(&s, &RotatingScreen::graphChosen, &s, [this](SimulationGraph graph) {
            Simulation().ShowGraph(graph, GraphPlace::Tab);
        });
        QObject::connect(&s, &RotatingScreen::windowChosen, &s, [this](SimulationGraph graph) {
            Simulation().ShowGraph(graph, GraphPlace::Window);
        });
        QObject::connect(&s, &RotatingScreen::workRangeToggled, &s,
                         [this] { Simulation().ToggleWorkRange(); });
        QObject::connect(&s, &RotatingScreen::saveChosen, &s,
                         [this] { Simulation().SaveRunInteractively(); });
        QObject::connect(&s, &RotatingScreen::baseCouplingChosen, &s,
                         [this](bool baseFree) { SetBaseFree(baseFree); });
        s.ShowBaseInfluenced(m_baseFree);
    });
}

SurfaceView& Application::orbitWindow()
{
    return LazyGraph(m_orbitWindow, *m_keeper, "x_ygraph",
                     QT_TRANSLATE_NOOP("ttl::Application", "Graphs of the orbits"));
}

SurfaceView& Application::baseAngleGraph()
{
    return LazyGraph(m_baseAngleGraph, *m_keeper, "goniaxronos",
                     QT_TRANSLATE_NOOP("ttl::Application", "Angle of Base vs Time"),
                     &GraphPlacement);
}

SurfaceView& Application::angularVelocityGraph()
{
    return LazyGraph(m_angularVelocityGraph, *m_keeper, "goniakigraph",
                     QT_TRANSLATE_NOOP("ttl::Application", "Angular Velocity vs Time"),
                     &GraphPlacement);
}

SurfaceView& Application::velocityGraph()
{
    return LazyGraph(m_velocityGraph, *m_keeper, "velocitytimes",
                     QT_TRANSLATE_NOOP("ttl::Application", "Velocities"), &GraphPlacement);
}

SurfaceView& Application::vectorsAnimation()
{
    return LazyGraph(m_vectorsAnimation, *m_keeper, "xronikh",
                     QT_TRANSLATE_NOOP("ttl::Application", "Angle of Vectors"));
}

SurfaceView& Application::orbitAnimation()
{
    return LazyGraph(m_orbitAnimation, *m_keeper, "xronoorbit",
                     QT_TRANSLATE_NOOP("ttl::Application", "Time development of the orbit"));
}

WorkEnergyWindow& Application::workEnergyWindow()
{
    return Lazy(m_workEnergyWindow, [this](WorkEnergyWindow& s) {
        PlaceWindow(s, {0.0, 0.0, 0.9, 0.5});
        m_keeper->Keep(s);
        QObject::connect(&s, &WorkEnergyWindow::rangeToggled, &s,
                         [this] { Simulation().ToggleWorkRange(); });
    });
}

SimulationActivity& Application::Simulation()
{
    if (!m_simulation) {
        m_simulation = std::make_unique<SimulationActivity>(
            SimulationWindows{[this]() -> RotatingScreen& { return simulationScreen(); },
                              [this]() -> SurfaceView& { return orbitWindow(); },
                              [this]() -> SurfaceView& { return baseAngleGraph(); },
                              [this]() -> SurfaceView& { return orbitAnimation(); },
                              [this]() -> SurfaceView& { return angularVelocityGraph(); },
                              [this]() -> SurfaceView& { return velocityGraph(); },
                              [this]() -> SurfaceView& { return vectorsAnimation(); },
                              [this]() -> WorkEnergyWindow& { return workEnergyWindow(); }});
        for (const SimulationGraph graph :
             {SimulationGraph::OrbitAnimation, SimulationGraph::VectorsAnimation}) {
            for (const GraphPlace place : {GraphPlace::Tab, GraphPlace::Window}) {
                AddRecordingActions(m_simulation->AnimationRecording(graph, place));
            }
        }
    }
    return *m_simulation;
}

void Application::PresetSimulation(const SimulationInputs& inputs)
{
    simulationScreen().SetInputs(inputs);
    SetBaseFree(inputs.baseInfluenced);
}

void Application::SetBaseFree(bool baseFree)
{
    // One flag, shown by both the simulation screen's check box and the choice window.
    m_baseFree = baseFree;
    if (m_simulationScreen) {
        m_simulationScreen->ShowBaseInfluenced(baseFree);
    }
    if (m_baseChoice) {
        m_baseChoice->ShowChoice(baseFree);
    }
    if (m_explorer) {
        m_explorer->BaseChoiceChanged(baseFree);
    }
}

void Application::OpenExplorer()
{
    const QRect area = AvailableArea();
    ExplorerScreen& screen = explorer();
    screen.resize(static_cast<int>(area.width() * ExplorerWidth), screen.height());
    screen.PlaceChoiceWindow();
    screen.show();
    screen.raise();
}

void Application::ShowFirstStep()
{
    firstExplanation().ShowFirstExplanation();
    ShowCurveLab();
}

void Application::ShowCurveLab()
{
    FirstStepScreen& screen = firstExplanation();
    PlaceWindow(screen, FullScreen);
    screen.show();
    screen.raise();
    introduction().hide();
}

void Application::LeaveSimulation()
{
    Simulation().StopAnimations();
    introduction().show();
    simulationScreen().hide();
    // The graph windows belong to the simulation: they do not stay over the introduction.
    for (QWidget* window :
         {static_cast<QWidget*>(m_orbitWindow.get()), static_cast<QWidget*>(m_baseAngleGraph.get()),
          static_cast<QWidget*>(m_angularVelocityGraph.get()),
          static_cast<QWidget*>(m_velocityGraph.get()),
          static_cast<QWidget*>(m_vectorsAnimation.get()),
          static_cast<QWidget*>(m_orbitAnimation.get()),
          static_cast<QWidget*>(m_workEnergyWindow.get())}) {
        if (window != nullptr) {
            window->hide();
        }
    }
}

void Application::BackToIntroduction(QWidget& from)
{
    from.hide();
    introduction().show();
}

void Application::ShowIntroductionIfNoScreen()
{
    for (const QWidget* screen :
         {static_cast<QWidget*>(m_introduction.get()),
          static_cast<QWidget*>(m_firstExplanation.get()),
          static_cast<QWidget*>(m_translatingFrame.get()), static_cast<QWidget*>(m_explorer.get()),
          static_cast<QWidget*>(m_simulationScreen.get())}) {
        if (screen != nullptr && screen->isVisible()) {
            return;
        }
    }
    introduction().show();
}

} // namespace ttl
