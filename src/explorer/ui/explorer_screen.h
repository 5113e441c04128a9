#pragma once

#include "explorer/explorer_state.h"
#include "turntable/model_parameters.h"

#include <QWidget>

#include <functional>

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

class ChoiceWindow;
class SurfaceView;

// "FOLLOW THE MOVEMENT STEP BY STEP": the body on the turntable followed step by step in the
// inertial or the rotating frame, with the forces each observer needs. The choice window beside
// it says whether the base is driven or free.
class ExplorerScreen : public QWidget {
    Q_OBJECT

public:
    ExplorerScreen(ModelParameters& shared, std::function<ChoiceWindow&()> choiceWindow,
                   QWidget* parent = nullptr);

    [[nodiscard]] bool RotatingFrameSelected() const;

    // The base was made free or driven (here or on the simulation screen): the run goes on from
    // the current state with the new coupling.
    void BaseChoiceChanged();

    // The choice window goes beside the explorer's right edge, at its top, whole on the screen.
    void PlaceChoiceWindow();

    [[nodiscard]] const ExplorerState& State() const { return m_state; }
    [[nodiscard]] int DerivationPage() const { return m_derivationPage; }
    [[nodiscard]] ExplorerControls Controls() const;
    [[nodiscard]] SurfaceView& Picture1() { return *m_picture1; }
    [[nodiscard]] SurfaceView& Picture2() { return *m_picture2; }

    // The platform beep by default; tests count it instead.
    void SetBeep(std::function<void()> beep) { m_beep = std::move(beep); }

private:
    void BuildControls();
    QMenuBar* BuildMenus();
    QGridLayout* BuildDiagram();
    QGroupBox* BuildShownChecks();
    void ConnectHandlers();

    void Command1_Click();
    void Timer1_Timer();
    void CHRONIKHMETAVOLH_Click();
    void EPANELAVE_Click();
    void piso_Click();
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
    void DrawDerivation();
    void ShowDerivationControls(bool shown);

    void OneStep();
    void RedrawForSize();
    void UpdateBaseAccelerationChoice();
    void Redraw();
    void Reset();
    void UpdateGuidance();
    void ShowChoiceWindowAfterFriction(bool activate);
    void LeaveDerivation();

    ModelParameters& m_shared;
    std::function<ChoiceWindow&()> m_choiceWindow;
    std::function<void()> m_beep;
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
    QTimer* m_timer = nullptr;
    QAction* m_foucaultTextbook = nullptr;
    QAction* m_foucaultV0 = nullptr;
    QAction* m_repeat = nullptr;
    QAction* m_back = nullptr;
    QAction* m_continuous = nullptr;
    QAction* m_derivation = nullptr;
};

} // namespace ttl
