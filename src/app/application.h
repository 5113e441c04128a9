#pragma once

#include "turntable/simulation_run.h"

#include <memory>

class QWidget;

namespace ttl {

class ChoiceWindow;
class ExplorerScreen;
class FirstStepScreen;
class IntroductionScreen;
class RelativeMotionScreen;
class RotatingScreen;
class SimulationActivity;
class SurfaceView;
class WindowKeeper;
class WorkEnergyWindow;

// Owns every screen and the one setting they share, whether the base is free. A screen is created
// the first time any code asks for it and lives until the program ends; navigation only shows and
// hides screens. Each getter is named for the screen or window it returns; the screens' object
// names stay those of the program's design (`exigisi2`, `rotating`, …).
class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Opens the introduction, the first screen.
    void Start();

    // The simulation screen's scroll bars and check box, set before it first opens (from the
    // command line).
    void PresetSimulation(const SimulationInputs& inputs);

    // Whether the base turns freely (the total angular momentum conserved) or is driven: the one
    // setting the screens share.
    [[nodiscard]] bool BaseFree() const { return m_baseFree; }
    // Makes the base free or driven for every activity and every control that shows it.
    void SetBaseFree(bool baseFree);

    IntroductionScreen& introduction();
    FirstStepScreen& firstExplanation();
    RelativeMotionScreen& translatingFrame();
    ExplorerScreen& explorer();
    ChoiceWindow& baseChoice();
    RotatingScreen& simulationScreen();
    SurfaceView& orbitWindow();
    SurfaceView& baseAngleGraph();
    SurfaceView& angularVelocityGraph();
    SurfaceView& velocityGraph();
    SurfaceView& vectorsAnimation();
    SurfaceView& orbitAnimation();
    WorkEnergyWindow& workEnergyWindow();

    SimulationActivity& Simulation();

    // The step explorer opens at 0.8 of the screen's width with the choice window created, not
    // shown, at its right edge.
    void OpenExplorer();
    // The curve lab shown as it was left, in place of the introduction.
    void ShowCurveLab();

private:
    void ShowFirstStep();
    void BackToIntroduction(QWidget& from);
    // Where a BACK lands when what lay behind was closed: the introduction, unless a screen shows.
    void ShowIntroductionIfNoScreen();
    // BACK on the simulation screen: the animations stop and the run's windows close with it.
    void LeaveSimulation();
    bool m_baseFree = false;
    // First, so that it outlives the windows it watches.
    std::unique_ptr<WindowKeeper> m_keeper;
    std::unique_ptr<IntroductionScreen> m_introduction;
    std::unique_ptr<FirstStepScreen> m_firstExplanation;
    std::unique_ptr<RelativeMotionScreen> m_translatingFrame;
    std::unique_ptr<ExplorerScreen> m_explorer;
    std::unique_ptr<ChoiceWindow> m_baseChoice;
    std::unique_ptr<RotatingScreen> m_simulationScreen;
    std::unique_ptr<SurfaceView> m_orbitWindow;
    std::unique_ptr<SurfaceView> m_baseAngleGraph;
    std::unique_ptr<SurfaceView> m_angularVelocityGraph;
    std::unique_ptr<SurfaceView> m_velocityGraph;
    std::unique_ptr<SurfaceView> m_vectorsAnimation;
    std::unique_ptr<SurfaceView> m_orbitAnimation;
    std::unique_ptr<WorkEnergyWindow> m_workEnergyWindow;
    std::unique_ptr<SimulationActivity> m_simulation;
};

} // namespace ttl
