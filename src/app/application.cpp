#include "app/application.h"

#include "app/derivation_link.h"

#include "curve/ui/first_step_screen.h"
#include "explorer/ui/choice_window.h"
#include "explorer/ui/explorer_screen.h"
#include "shell/ui/introduction_screen.h"
#include "shell/ui/navigation.h"
#include "shell/ui/screen_placement.h"
#include "shell/ui/surface_view.h"
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
    return window;
}

SurfaceView& LazyGraph(std::unique_ptr<SurfaceView>& slot, const char* name, const char* caption,
                       const Placement* placement = nullptr)
{
    if (!slot) {
        slot = GraphWindow(name, caption);
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

Application::Application() = default;
Application::~Application() = default;

void Application::Start()
{
    EISAGOGIKI().show();
}

IntroductionScreen& Application::EISAGOGIKI()
{
    return Lazy(m_EISAGOGIKI, [this](IntroductionScreen& s) {
        PlaceWindow(s, FullScreen);
        OnClick(s, "Command1", [this] { ShowFirstStep(); });
        OnClick(s, "Command3", [this] { OpenExplorer(); });
        OnClick(s, "Command2", [this] { Simulation().RunSimulation(); });
    });
}

FirstStepScreen& Application::firststep()
{
    return Lazy(m_firststep, [this](FirstStepScreen& s) {
        OnClick(s, "PARAKATOEVENT", [this] { OpenExplorer(); });
        OnClick(s, "SXETIKH_KINHSH", [this] {
            RelativeMotionScreen& relative = exigisirelative();
            relative.show();
            relative.raise();
        });
        OnClick(s, "XANAPISO", [this] { BackToIntroduction(firststep()); });
        OnClick(s, "TERMATISMOS", EndProgram);
    });
}

RelativeMotionScreen& Application::exigisirelative()
{
    return Lazy(m_exigisirelative, [this](RelativeMotionScreen& s) {
        PlaceWindow(s, FullScreen);
        OnClick(s, "Command6", [this] {
            exigisirelative().hide();
            OpenExplorer();
        });
        OnClick(s, "Command5", [this] { exigisirelative().hide(); });
        OnClick(s, "TELOSPRO", EndProgram);
    });
}

ExplorerScreen& Application::exigisi2()
{
    if (!m_exigisi2) {
        m_exigisi2 = std::make_unique<ExplorerScreen>(
            m_baseFree, [this]() -> ChoiceWindow& { return DIALEGO(); },
            DrawDerivationForExplorer);
        PlaceWindow(*m_exigisi2, {0.0, 0.0, ExplorerWidth, 1.0});
        OnClick(*m_exigisi2, "TELOS", EndProgram);
    }
    return *m_exigisi2;
}

ChoiceWindow& Application::DIALEGO()
{
    return Lazy(m_DIALEGO, [this](ChoiceWindow& s) {
        s.ShowChoice(m_baseFree);
        QObject::connect(&s, &ChoiceWindow::baseChoiceMade, &s,
                         [this](bool baseFree) { SetBaseInfluenced(baseFree); });
    });
}

RotatingScreen& Application::rotating()
{
    return Lazy(m_rotating, [this](RotatingScreen& s) {
        OnClick(s, "Command1", [this] {
            Simulation().StopAnimations();
            EISAGOGIKI().show();
            rotating().hide();
            // The graph windows belong to the simulation: they do not stay over the introduction.
            for (QWidget* window :
                 {static_cast<QWidget*>(m_x_ygraph.get()),
                  static_cast<QWidget*>(m_goniaxronos.get()),
                  static_cast<QWidget*>(m_goniakigraph.get()),
                  static_cast<QWidget*>(m_velocitytimes.get()),
                  static_cast<QWidget*>(m_xronikh.get()), static_cast<QWidget*>(m_xronoorbit.get()),
                  static_cast<QWidget*>(m_base_centrafugal.get())}) {
                if (window != nullptr) {
                    window->hide();
                }
            }
        });
        OnClick(s, "telos", EndProgram);
        OnClick(s, "epanalipsi", [this] { Simulation().Repeat(); });
        OnClick(s, "gonxro", [this] { Simulation().ShowBaseAngleGraph(); });
        OnClick(s, "goniakiarxi", [this] { Simulation().ShowAngularVelocityGraph(); });
        OnClick(s, "Grafikhvel", [this] { Simulation().ShowVelocityGraph(); });
        OnClick(s, "enarxixronou", [this] { Simulation().StartVectorsAnimation(); });
        OnClick(s, "xronotroxia", [this] { Simulation().StartOrbitAnimation(); });
        OnClick(s, "base_centrafugalwork", [this] { Simulation().ShowWorkEnergyGraph(); });
        OnClick(s, "saveCsv", [this] { Simulation().SaveRunInteractively(); });
        OnClick(s, "dialogi", [this] { SetBaseInfluenced(rotating().inputs().baseInfluenced); });
        s.ShowBaseInfluenced(m_baseFree);
    });
}

SurfaceView& Application::x_ygraph()
{
    return LazyGraph(m_x_ygraph, "x_ygraph",
                     QT_TRANSLATE_NOOP("ttl::Application", "Graphs of the orbits"));
}

SurfaceView& Application::goniaxronos()
{
    return LazyGraph(m_goniaxronos, "goniaxronos",
                     QT_TRANSLATE_NOOP("ttl::Application", "Angle of Base vs Time"),
                     &GraphPlacement);
}

SurfaceView& Application::goniakigraph()
{
    return LazyGraph(m_goniakigraph, "goniakigraph",
                     QT_TRANSLATE_NOOP("ttl::Application", "Angular Velocity vs Time"),
                     &GraphPlacement);
}

SurfaceView& Application::velocitytimes()
{
    return LazyGraph(m_velocitytimes, "velocitytimes",
                     QT_TRANSLATE_NOOP("ttl::Application", "Velocities"), &GraphPlacement);
}

SurfaceView& Application::xronikh()
{
    return LazyGraph(m_xronikh, "xronikh",
                     QT_TRANSLATE_NOOP("ttl::Application", "Angle of Vectors"));
}

SurfaceView& Application::xronoorbit()
{
    return LazyGraph(m_xronoorbit, "xronoorbit",
                     QT_TRANSLATE_NOOP("ttl::Application", "Time development of the orbit"));
}

WorkEnergyWindow& Application::base_centrafugal()
{
    return Lazy(m_base_centrafugal, [this](WorkEnergyWindow& s) {
        PlaceWindow(s, {0.0, 0.0, 0.9, 0.5});
        OnClick(s, "Command1", [this] { Simulation().ToggleWorkRange(); });
    });
}

SimulationActivity& Application::Simulation()
{
    if (!m_simulation) {
        m_simulation = std::make_unique<SimulationActivity>(
            SimulationWindows{[this]() -> RotatingScreen& { return rotating(); },
                              [this]() -> SurfaceView& { return x_ygraph(); },
                              [this]() -> SurfaceView& { return goniaxronos(); },
                              [this]() -> SurfaceView& { return xronoorbit(); },
                              [this]() -> SurfaceView& { return goniakigraph(); },
                              [this]() -> SurfaceView& { return velocitytimes(); },
                              [this]() -> SurfaceView& { return xronikh(); },
                              [this]() -> WorkEnergyWindow& { return base_centrafugal(); }});
    }
    return *m_simulation;
}

void Application::PresetSimulation(const SimulationInputs& inputs)
{
    rotating().SetInputs(inputs);
    SetBaseInfluenced(inputs.baseInfluenced);
}

void Application::SetBaseInfluenced(bool baseFree)
{
    // One flag, shown by both the simulation screen's check box and the choice window.
    m_baseFree = baseFree;
    if (m_rotating) {
        m_rotating->ShowBaseInfluenced(baseFree);
    }
    if (m_DIALEGO) {
        m_DIALEGO->ShowChoice(baseFree);
    }
    if (m_exigisi2) {
        m_exigisi2->BaseChoiceChanged(baseFree);
    }
}

void Application::OpenExplorer()
{
    const QRect area = AvailableArea();
    ExplorerScreen& explorer = exigisi2();
    explorer.resize(static_cast<int>(area.width() * ExplorerWidth), explorer.height());
    explorer.PlaceChoiceWindow();
    explorer.show();
    explorer.raise();
}

void Application::ShowFirstStep()
{
    FirstStepScreen& screen = firststep();
    PlaceWindow(screen, FullScreen);
    screen.ShowFirstExplanation();
    screen.show();
    EISAGOGIKI().hide();
}

void Application::BackToIntroduction(QWidget& from)
{
    from.hide();
    EISAGOGIKI().show();
}

} // namespace ttl
