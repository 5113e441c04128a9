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
class WorkEnergyWindow;

// Owns every screen and the one setting they share, whether the base is free. A screen is created the first time any
// code asks for it and lives until the program ends; navigation only shows and hides screens.
// The getters are named after the screens.
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

    IntroductionScreen& EISAGOGIKI();
    FirstStepScreen& firststep();
    RelativeMotionScreen& exigisirelative();
    ExplorerScreen& exigisi2();
    ChoiceWindow& DIALEGO();
    RotatingScreen& rotating();
    SurfaceView& x_ygraph();
    SurfaceView& goniaxronos();
    SurfaceView& goniakigraph();
    SurfaceView& velocitytimes();
    SurfaceView& xronikh();
    SurfaceView& xronoorbit();
    WorkEnergyWindow& base_centrafugal();

    SimulationActivity& Simulation();

    // The step explorer opens at 0.8 of the screen's width with the choice window created, not
    // shown, at its right edge.
    void OpenExplorer();

private:
    void ShowFirstStep();
    void BackToIntroduction(QWidget& from);
    // Makes the base free or driven for every activity and every control that shows it.
    void SetBaseInfluenced(bool baseFree);

    bool m_baseFree = false;
    std::unique_ptr<IntroductionScreen> m_EISAGOGIKI;
    std::unique_ptr<FirstStepScreen> m_firststep;
    std::unique_ptr<RelativeMotionScreen> m_exigisirelative;
    std::unique_ptr<ExplorerScreen> m_exigisi2;
    std::unique_ptr<ChoiceWindow> m_DIALEGO;
    std::unique_ptr<RotatingScreen> m_rotating;
    std::unique_ptr<SurfaceView> m_x_ygraph;
    std::unique_ptr<SurfaceView> m_goniaxronos;
    std::unique_ptr<SurfaceView> m_goniakigraph;
    std::unique_ptr<SurfaceView> m_velocitytimes;
    std::unique_ptr<SurfaceView> m_xronikh;
    std::unique_ptr<SurfaceView> m_xronoorbit;
    std::unique_ptr<WorkEnergyWindow> m_base_centrafugal;
    std::unique_ptr<SimulationActivity> m_simulation;
};

} // namespace ttl
