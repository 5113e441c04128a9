#pragma once

#include "explorer/explorer_guidance.h"
#include "explorer/explorer_state.h"
#include "explorer/ui/explorer_experiment.h"
#include "shell/surface.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QAction;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QMenuBar;
class QRadioButton;
class QScrollBar;
class QTextEdit;
class QTimer;

namespace ttl {

struct RecordableAnimation;

class ChoiceWindow;
class SurfaceView;

// A page of the Coriolis and centrifugal derivation, asked of whoever draws them: `turn` moves
// to the next page (+1), the previous one (-1) or keeps this one (0), wrapped to the observer's
// pages; the zoom and shift bars place the picture.
struct DerivationPageRequest {
    int page = 0;
    int turn = 0;
    bool rotatingObserver = false;
    int t1 = DerivationFirstStep;
    int zoomValue = 120;
    int shiftX = 0;
    int shiftY = 0;
};
struct DerivationPageShown {
    int page = 0;
    std::string intervalLabel; // the time between the derivation's two moments
};
using DerivationDrawer = std::function<DerivationPageShown(Surface&, const RecordedMotion&,
                                                           const DerivationPageRequest&)>;

// "FOLLOW THE MOVEMENT STEP BY STEP": the body on the turntable followed step by step in the
// inertial or the rotating frame, with the forces each observer needs. The choice window beside
// it says whether the base is driven or free.
class ExplorerScreen : public QWidget {
    Q_OBJECT

public:
    ExplorerScreen(bool baseFree, std::function<ChoiceWindow&()> choiceWindow,
                   DerivationDrawer drawDerivation, QWidget* parent = nullptr);

    [[nodiscard]] bool RotatingFrameSelected() const;

    // The base was made free or driven (here or on the simulation screen): the run goes on from
    // the current state with the new coupling.
    void BaseChoiceChanged(bool baseFree);

    // The choice window goes beside the explorer's right edge, at its top, whole on the screen.
    void PlaceChoiceWindow();

    [[nodiscard]] const ExplorerState& State() const { return m_state; }
    [[nodiscard]] int DerivationPage() const { return m_derivationPage; }
    [[nodiscard]] ExplorerControls Controls() const;
    [[nodiscard]] SurfaceView& Picture1() { return *m_picture1; }
    [[nodiscard]] SurfaceView& Picture2() { return *m_picture2; }

    // What the screen shows, to be saved; and the same shown again, its steps redone. The base's
    // coupling is the application's to set first.
    [[nodiscard]] ExplorerExperiment Experiment() const;
    void OpenExperiment(const ExplorerExperiment& experiment);

    // BACK: the run stops and the explorer hides with its choice window; backChosen follows, so
    // that whoever placed it can show what lies behind.
    void Back();

    // The platform beep by default; tests count it instead.
    void SetBeep(std::function<void()> beep) { m_beep = std::move(beep); }

    // The continuous run (or the Foucault pendulum) from its start, as a recording plays it.
    [[nodiscard]] RecordableAnimation ContinuousRunRecording();

signals:
    void backChosen();
    void endChosen();

private:
    static constexpr int StepTickMs = 250;
    static constexpr int FoucaultTickMs = 25;
    static constexpr int ZoomAfterRepeat = 100;

    void BuildControls();
    QMenuBar* BuildMenus();
    QGridLayout* BuildDiagram();
    QGroupBox* BuildShownChecks();
    void ConnectHandlers();

    void Command1_Click();
    void Timer1_Timer();
    void CHRONIKHMETAVOLH_Click();
    void EPANELAVE_Click();
    void Check3_Click();
    void Option1_Click();
    void Option2_Click();
    void mazalazo_Change();
    void vtax_Change();
    void zoumerno_Change();
    void Foucault_Click(QAction* chosen, QAction* other);
    void CORIOLISEXP_Click();
    void Picture1_MouseUp(double x, double y, Qt::KeyboardModifiers modifiers);

    // The derivation from step 0: the model advanced its steps, then the current page.
    void RestartDerivation();
    // A control the motion depends on changed: the derivation's motion again, from page 0.
    void RerunDerivation();
    void DrawDerivation(int turn = 0);
    void ShowDerivationControls(bool shown);

    void OneStep();
    void RedrawForSize();
    void UpdateBaseAccelerationChoice();
    void Redraw();
    void Reset();
    void UpdateGuidance();
    void ShowChoiceWindowAfterFriction(bool activate);
    void LeaveDerivation();

    bool m_baseFree = false;
    std::function<ChoiceWindow&()> m_choiceWindow;
    std::function<void()> m_beep;
    DerivationDrawer m_drawDerivation;
    ExplorerState m_state;
    int m_derivationPage = 0;

    SurfaceView* m_picture1 = nullptr;
    SurfaceView* m_picture2 = nullptr;
    QRadioButton* m_option1 = nullptr;
    QRadioButton* m_option2 = nullptr;
    QCheckBox* m_checks[8] = {};
    QScrollBar* m_vxtax = nullptr;
    QScrollBar* m_vytax = nullptr;
    QScrollBar* m_mazalazo = nullptr;
    QScrollBar* m_zoumerno = nullptr;
    QScrollBar* m_protosimiox = nullptr;
    QLabel* m_intervalLabel = nullptr;
    QScrollBar* m_xscale = nullptr;
    QScrollBar* m_yscale = nullptr;
    QLabel* m_labels[5] = {};
    QTextEdit* m_text1 = nullptr;
    std::optional<Guidance> m_shownGuidance; // what m_text1 holds, in its colour
    QTimer* m_timer = nullptr;
    QAction* m_foucaultTextbook = nullptr;
    QAction* m_foucaultV0 = nullptr;
    QAction* m_repeat = nullptr;
    QAction* m_back = nullptr;
    QAction* m_continuous = nullptr;
    QAction* m_derivation = nullptr;
};

} // namespace ttl
