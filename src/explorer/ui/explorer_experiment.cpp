#include "explorer/ui/explorer_experiment.h"

#include "explorer/explorer_labels.h"
#include "explorer/explorer_model.h"
#include "explorer/ui/explorer_screen.h"
#include "shell/ui/settings_reader.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace ttl {

namespace {

const QStringList Frames{QStringLiteral("inertial"), QStringLiteral("rotating")};
const QStringList FoucaultModes{QStringLiteral("off"), QStringLiteral("textbook"),
                                QStringLiteral("initial-speed")};

// The check boxes by meaning, Check1 to Check7.
const char* const CheckNames[8] = {
    nullptr,         "show_base_velocity", "show_relative_velocity", "friction",
    "show_coriolis", "show_centrifugal",   "show_base_acceleration", "show_total_force"};

} // namespace

QJsonObject ExplorerSettings(const ExplorerExperiment& e)
{
    const ExplorerControls& c = e.controls;
    SettingsWriter writer;
    writer.Choice("frame", Frames, c.rotatingFrame ? 1 : 0);
    for (std::size_t i = 1; i <= 7; ++i) {
        writer.Boolean(CheckNames[i], c.check[i]);
    }
    return writer.Integer("vx", c.vxValue)
        .Integer("vy", c.vyValue)
        .Integer("mass", c.massValue)
        .Integer("zoom", c.zoomValue)
        .Choice("foucault", FoucaultModes, static_cast<int>(c.foucault))
        .Boolean("base_free", e.baseFree)
        .Integer("steps", e.steps)
        .Boolean("derivation", e.derivation)
        .Integer("derivation_page", e.derivationPage)
        .Integer("derivation_first_step", e.derivationFirstStep)
        .Integer("derivation_shift_x", e.derivationShiftX)
        .Integer("derivation_shift_y", e.derivationShiftY)
        .Settings();
}

std::optional<ExplorerExperiment>
ReadExplorerSettings(const QJsonObject& settings, QString& problem, DerivationPageCounter pages)
{
    namespace c = explorer_controls;
    SettingsReader reader(settings);
    ExplorerExperiment e;
    ExplorerControls& controls = e.controls;
    controls.rotatingFrame = reader.Choice("frame", Frames) == 1;
    for (std::size_t i = 1; i <= 7; ++i) {
        controls.check[i] = reader.Boolean(CheckNames[i]);
    }
    controls.vxValue = reader.Bar("vx", c::Vx);
    controls.vyValue = reader.Bar("vy", c::Vy);
    controls.massValue = reader.Bar("mass", c::Mass);
    controls.zoomValue = reader.Bar("zoom", c::Zoom);
    controls.foucault = static_cast<FoucaultMode>(reader.Choice("foucault", FoucaultModes));
    e.baseFree = reader.Boolean("base_free");
    e.steps = reader.Integer("steps", 0, MaxExplorerSteps);
    e.derivation = reader.Boolean("derivation");
    // Each observer's derivation has its own number of pages.
    e.derivationPage = reader.Integer("derivation_page", 0, pages(controls.rotatingFrame) - 1);
    e.derivationFirstStep = reader.Bar("derivation_first_step", c::FirstPoint);
    e.derivationShiftX = reader.Bar("derivation_shift_x", c::ShiftX);
    e.derivationShiftY = reader.Bar("derivation_shift_y", c::ShiftY);
    reader.RefuseUnreadFields();
    if (!reader.Ok()) {
        problem = reader.Problem();
        return std::nullopt;
    }
    controls.baseChoice =
        e.baseFree ? BaseChoice::ConstantAngularMomentum : BaseChoice::ConstantAngularVelocity;
    return e;
}

ExplorerExperiment ExplorerScreen::Experiment() const
{
    ExplorerExperiment e;
    e.controls = Controls();
    e.baseFree = m_baseFree;
    e.derivation = m_state.DerivationActive;
    // The derivation's steps are its own: the explorer's were set aside when it opened.
    e.steps = e.derivation ? 0 : m_state.StepIndex;
    e.derivationPage = m_derivationPage;
    e.derivationFirstStep = m_protosimiox->value();
    e.derivationShiftX = m_xscale->value();
    e.derivationShiftY = m_yscale->value();
    return e;
}

void ExplorerScreen::OpenExperiment(const ExplorerExperiment& e)
{
    m_timer->stop();
    LeaveDerivation();
    const ExplorerControls& c = e.controls;
    // Clicks set none of these: the frame's handler below redraws once with all of them.
    for (std::size_t i = 1; i <= 7; ++i) {
        m_checks[i]->setChecked(c.check[i]);
    }
    m_foucaultTextbook->setChecked(c.foucault == FoucaultMode::Textbook);
    m_foucaultV0->setChecked(c.foucault == FoucaultMode::InitialSpeed);
    // The bars' handlers keep their labels and the state's mass in step.
    m_vxtax->setValue(c.vxValue);
    m_vytax->setValue(c.vyValue);
    m_mazalazo->setValue(c.massValue);
    m_zoumerno->setValue(c.zoomValue);
    m_protosimiox->setValue(e.derivationFirstStep);
    (c.rotatingFrame ? m_option1 : m_option2)->setChecked(true);
    c.rotatingFrame ? Option1_Click() : Option2_Click();
    ShowChoiceWindowAfterFriction(false);
    if (e.derivation) {
        m_xscale->setValue(e.derivationShiftX);
        m_yscale->setValue(e.derivationShiftY);
        m_derivationPage = e.derivationPage;
        CORIOLISEXP_Click();
        return;
    }
    // The steps again with the bars' last values: a bar moved mid-run is not replayed.
    for (int k = 0; k < e.steps; ++k) {
        AdvanceExplorer(m_state, Controls());
    }
    Redraw();
}

} // namespace ttl
