#include "explorer/ui/explorer_screen.h"

#include "explorer/explorer_guidance.h"
#include "explorer/explorer_labels.h"
#include "explorer/explorer_model.h"
#include "explorer/explorer_views.h"
#include "explorer/ui/choice_window.h"
#include "shell/ui/controls.h"
#include "shell/ui/drawing_palette.h"
#include "shell/ui/screen_placement.h"
#include "shell/ui/square_frame.h"
#include "shell/ui/surface_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace ttl {

ExplorerScreen::ExplorerScreen(bool baseFree, std::function<ChoiceWindow&()> choiceWindow,
                               DerivationDrawer drawDerivation, QWidget* parent)
    : QWidget(parent), m_baseFree(baseFree), m_choiceWindow(std::move(choiceWindow)),
      m_beep([] { QApplication::beep(); }), m_drawDerivation(std::move(drawDerivation))
{
    setObjectName(QStringLiteral("exigisi2"));
    setWindowTitle(tr("FOLLOW THE MOVEMENT STEP BY STEP"));
    BuildControls();
    ConnectHandlers();
    AddShortcuts(*this, {{"Command1", QKeySequence(Qt::Key_S)},
                         {"CHRONIKHMETAVOLH", QKeySequence(Qt::Key_C)},
                         {"EPANELAVE", QKeySequence(Qt::CTRL | Qt::Key_R)},
                         {"piso", QKeySequence(Qt::Key_Escape)},
                         {"TELOS", QKeySequence(Qt::CTRL | Qt::Key_Q)}});

    // Loading: the pendulum is off, the base starts at omega0 = 0.5, the body at rest on it.
    m_state.HubRadius = m_state.BaseRadius / 20.0;
    m_state.StartOmega = m_state.StartRadius / 2.0;
    ScaleExplorerDiagram(m_picture1->surface(), m_state, m_zoumerno->value());
    // The legend band's height follows the font's, so a new size needs a new scale.
    m_picture1->setRedraw([this](Surface&) { RedrawForSize(); });
    Option2_Click();
}

ExplorerControls ExplorerScreen::Controls() const
{
    ExplorerControls c;
    c.rotatingFrame = m_option1->isChecked();
    for (int i = 1; i <= 7; ++i) {
        c.check[static_cast<std::size_t>(i)] = m_checks[i]->isChecked();
    }
    c.vxValue = m_vxtax->value();
    c.vyValue = m_vytax->value();
    c.massValue = m_mazalazo->value();
    c.zoomValue = m_zoumerno->value();
    c.foucault = m_foucaultTextbook->isChecked() ? FoucaultMode::Textbook
                 : m_foucaultV0->isChecked()     ? FoucaultMode::InitialSpeed
                                                 : FoucaultMode::Off;
    // The application's flag is the one source: the choice window and the simulation screen
    // show it too.
    c.baseChoice =
        m_baseFree ? BaseChoice::ConstantAngularMomentum : BaseChoice::ConstantAngularVelocity;
    return c;
}

bool ExplorerScreen::RotatingFrameSelected() const
{
    return m_option1->isChecked();
}

void ExplorerScreen::UpdateBaseAccelerationChoice()
{
    // "BASE ACC" is offered only in the rotating frame, and only while the base is free.
    m_checks[6]->setVisible(RotatingFrameSelected() && m_choiceWindow().isVisible() && m_baseFree);
}

void ExplorerScreen::BaseChoiceChanged(bool baseFree)
{
    m_baseFree = baseFree;
    m_timer->stop();
    ChangeBaseChoice(m_state);
    m_choiceWindow().ShowChoice(m_baseFree);
    UpdateBaseAccelerationChoice();
    m_state.DerivationActive ? RerunDerivation() : Redraw();
}

void ExplorerScreen::PlaceChoiceWindow()
{
    PlaceBeside(m_choiceWindow(), *this);
}

void ExplorerScreen::RedrawForSize()
{
    if (m_state.DerivationActive) {
        DrawDerivation();
        return;
    }
    ScaleExplorerDiagram(m_picture1->surface(), m_state, m_zoumerno->value(), m_xscale->value(),
                         m_yscale->value());
    const ExplorerControls controls = Controls();
    if (controls.rotatingFrame) {
        RedrawRotatingView(m_picture1->surface(), m_picture2->surface(), m_state, controls);
    } else {
        RedrawInertialView(m_picture1->surface(), m_state, controls);
    }
}

void ExplorerScreen::OneStep()
{
    UpdateGuidance();
    const ExplorerControls controls = Controls();
    const StepOutcome outcome =
        controls.rotatingFrame
            ? StepRotatingView(m_picture1->surface(), m_picture2->surface(), m_state, controls)
            : StepInertialView(m_picture1->surface(), m_state, controls);
    if (!outcome.advanced) {
        m_timer->stop(); // the histories are full
    }
    if (outcome.beep) {
        m_beep();
    }
    SurfaceView::refreshNow({m_picture1, m_picture2});
}

void ExplorerScreen::Redraw()
{
    if (m_state.DerivationActive) {
        DrawDerivation();
        return;
    }
    UpdateGuidance();
    const ExplorerControls controls = Controls();
    if (controls.rotatingFrame) {
        RedrawRotatingView(m_picture1->surface(), m_picture2->surface(), m_state, controls);
    } else {
        RedrawInertialView(m_picture1->surface(), m_state, controls);
    }
    m_picture1->refresh();
    m_picture2->refresh();
}

void ExplorerScreen::Reset()
{
    ResetExplorer(m_state, Controls());
    Redraw();
}

void ExplorerScreen::UpdateGuidance()
{
    const auto guidance = ShowGuidanceText(Controls(), m_state.DerivationActive);
    if (!guidance) {
        return;
    }
    // Laying the text out again at every tick of a continuous run would cost more than the step,
    // and so would reading it back from the box to compare.
    if (guidance == m_shownGuidance) {
        return;
    }
    QPalette palette = m_text1->palette();
    palette.setColor(QPalette::Text,
                     QColor(guidance->color.red, guidance->color.green, guidance->color.blue));
    m_text1->setPalette(palette);
    m_text1->setPlainText(ToQString(guidance->text));
    m_shownGuidance = guidance;
}

void ExplorerScreen::ShowChoiceWindowAfterFriction(bool activate)
{
    ChoiceWindow& choice = m_choiceWindow();
    if (!m_checks[3]->isChecked()) {
        choice.hide();
        return;
    }
    choice.ShowChoice(m_baseFree);
    choice.show();
    if (activate) {
        choice.raise();
    }
}

void ExplorerScreen::LeaveDerivation()
{
    m_state.DerivationActive = false;
    ShowDerivationControls(false);
    m_xscale->hide();
    m_yscale->hide();
    m_xscale->setValue(0);
    m_yscale->setValue(0);
    m_derivationPage = 0;
    // The explorer's own world window again, for what it draws next.
    ScaleExplorerDiagram(m_picture1->surface(), m_state, m_zoumerno->value());
}

void ExplorerScreen::Command1_Click()
{
    // A step of the motion ends the derivation: the picture is the step's again.
    LeaveDerivation();
    m_timer->stop();
    ShowChoiceWindowAfterFriction(false);
    OneStep();
    ShowChoiceWindowAfterFriction(true);
    UpdateBaseAccelerationChoice();
}

void ExplorerScreen::Timer1_Timer()
{
    OneStep();
}

void ExplorerScreen::CHRONIKHMETAVOLH_Click()
{
    LeaveDerivation();
    const bool pendulum = m_foucaultTextbook->isChecked() || m_foucaultV0->isChecked();
    m_timer->setInterval(pendulum ? FoucaultTickMs : StepTickMs);
    m_timer->start();
}

void ExplorerScreen::EPANELAVE_Click()
{
    LeaveDerivation();
    m_timer->stop();
    m_zoumerno->setValue(ZoomAfterRepeat);
    m_foucaultTextbook->setChecked(false);
    m_foucaultV0->setChecked(false);
    Reset();
    ShowChoiceWindowAfterFriction(true);
}

void ExplorerScreen::Back()
{
    LeaveDerivation();
    m_foucaultTextbook->setChecked(false);
    m_foucaultV0->setChecked(false);
    m_timer->stop();
    hide();
    Reset();
    // The choice window belongs beside the explorer; it does not stay behind on its own.
    m_choiceWindow().hide();
    emit backChosen();
}

void ExplorerScreen::Check3_Click()
{
    PlaceChoiceWindow();
    UpdateGuidance();
    m_derivationPage = 0;
    ShowChoiceWindowAfterFriction(false);
    RerunDerivation();
}

void ExplorerScreen::Option1_Click()
{
    m_timer->stop(); // a new run: a continuous one does not carry on into it
    m_picture2->setVisible(!m_state.DerivationActive);
    for (int i : {4, 5, 7}) {
        m_checks[i]->show();
    }
    UpdateBaseAccelerationChoice();
    m_state.DerivationActive ? RestartDerivation() : Reset();
}

void ExplorerScreen::Option2_Click()
{
    m_timer->stop();
    m_picture2->hide();
    for (int i : {4, 5, 6, 7}) {
        m_checks[i]->hide();
    }
    m_state.DerivationActive ? RestartDerivation() : Reset();
}

void ExplorerScreen::CORIOLISEXP_Click()
{
    m_timer->stop();
    m_state.DerivationActive = true;
    m_xscale->show();
    m_yscale->show();
    ShowDerivationControls(true);
    RestartDerivation();
}

void ExplorerScreen::ShowDerivationControls(bool shown)
{
    m_protosimiox->setVisible(shown);
    m_intervalLabel->setVisible(shown);
    // The force diagram has nothing to show while the derivation owns the picture.
    m_picture2->setVisible(!shown && RotatingFrameSelected());
}

void ExplorerScreen::RerunDerivation()
{
    if (m_state.DerivationActive) {
        m_derivationPage = 0;
        RestartDerivation();
    }
}

void ExplorerScreen::RestartDerivation()
{
    const ExplorerControls controls = Controls();
    ResetExplorer(m_state, controls);
    m_state.DerivationActive = true;
    for (int k = 0; k < DerivationSteps; ++k) {
        AdvanceExplorer(m_state, controls);
    }
    DrawDerivation();
}

void ExplorerScreen::DrawDerivation(int turn)
{
    const DerivationPageRequest request{m_derivationPage,        turn,
                                        RotatingFrameSelected(), m_protosimiox->value(),
                                        m_zoumerno->value(),     m_xscale->value(),
                                        m_yscale->value()};
    const DerivationPageShown shown = m_drawDerivation(m_picture1->surface(), m_state, request);
    m_derivationPage = shown.page;
    m_intervalLabel->setText(ToQString(shown.intervalLabel));
    UpdateGuidance();
    m_picture1->refresh();
}

void ExplorerScreen::Picture1_MouseUp(double, double, Qt::KeyboardModifiers modifiers)
{
    if (!m_state.DerivationActive) {
        return;
    }
    DrawDerivation(modifiers == Qt::ShiftModifier ? -1 : 1);
}

void ExplorerScreen::mazalazo_Change()
{
    m_timer->stop();
    m_state.Mass = m_mazalazo->value() / 2.0;
    m_labels[2]->setText(ToQString(ExplorerMassLabel(m_mazalazo->value())));
    m_state.TotalAngularMomentum = ExplorerAngularMomentum(m_state);
    ShowChoiceWindowAfterFriction(false);
    RerunDerivation();
}

void ExplorerScreen::vtax_Change()
{
    m_labels[3]->setText(ToQString(ExplorerVelocityLabel('x', m_vxtax->value())));
    m_labels[4]->setText(ToQString(ExplorerVelocityLabel('y', m_vytax->value())));
    m_state.DerivationActive ? RerunDerivation() : Redraw();
}

void ExplorerScreen::zoumerno_Change()
{
    m_timer->stop();
    m_labels[1]->setText(ToQString(ExplorerScaleLabel(m_zoumerno->value(), false)));
    ScaleExplorerDiagram(m_picture1->surface(), m_state, m_zoumerno->value(), m_xscale->value(),
                         m_yscale->value());
    Redraw();
}

void ExplorerScreen::Foucault_Click(QAction* chosen, QAction* other)
{
    m_timer->stop();
    LeaveDerivation();
    chosen->setChecked(true);
    other->setChecked(false);
    UpdateGuidance();
}

} // namespace ttl
