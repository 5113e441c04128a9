#include "translating/ui/translating_experiment.h"

#include "shell/ui/settings_reader.h"
#include "shell/ui/surface_view.h"
#include "translating/relative_motion_controls.h"
#include "translating/relative_motion_views.h"
#include "translating/ui/relative_motion_screen.h"

#include <QCheckBox>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstring>

namespace ttl {

namespace {

using In = RelativeMotionInputs;

// Each setting's name in a file, its scroll bar and the input it sets.
struct TranslatingSetting {
    const char* name;
    const char* bar;
    int In::*input;
};

// Following the body moves the lab view past its bars' own range; this only keeps a file's
// number sane.
constexpr int FarthestFollowedPan = 100000;

ScrollRange BarRange(const char* bar)
{
    const auto& controls = RelativeMotionControls();
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [bar](const auto& c) { return std::strcmp(c.name, bar) == 0; });
    return found->range;
}

const std::array<TranslatingSetting, 15>& TranslatingBarSettings()
{
    static const std::array<TranslatingSetting, 15> settings{{
        {"frame_vx", "taxythtax", &In::frameVx},
        {"frame_vy", "taxythtay", &In::frameVy},
        {"frame_ax", "epitaxynshx", &In::frameAx},
        {"frame_ay", "epitaxynshy", &In::frameAy},
        {"body_vx", "arxikivx", &In::bodyVx},
        {"body_vy", "arxikvy", &In::bodyVy},
        {"body_x", "arxikx", &In::bodyX},
        {"body_y", "arxikiy", &In::bodyY},
        {"friction", "trivistoepipedo", &In::friction},
        {"mass", "mazatoysomatos", &In::mass},
        {"scale", "overallscale", &In::scale},
        {"lab_pan_x", "xscaleeikona1", &In::labPanX},
        {"lab_pan_y", "yscaleeikona1", &In::labPanY},
        {"moving_pan_x", "xscaleeikona2", &In::movingPanX},
        {"moving_pan_y", "yscaleeikona2", &In::movingPanY},
    }};
    return settings;
}

bool IsLabPan(const TranslatingSetting& s)
{
    return s.input == &In::labPanX || s.input == &In::labPanY;
}

} // namespace

QJsonObject TranslatingSettings(const TranslatingExperiment& e)
{
    SettingsWriter writer;
    for (const TranslatingSetting& s : TranslatingBarSettings()) {
        writer.Integer(s.name, e.inputs.*s.input);
    }
    return writer.Boolean("follow", e.follow).Integer("steps", e.steps).Settings();
}

std::optional<TranslatingExperiment> ReadTranslatingSettings(const QJsonObject& settings,
                                                             QString& problem)
{
    SettingsReader reader(settings);
    TranslatingExperiment e;
    for (const TranslatingSetting& s : TranslatingBarSettings()) {
        e.inputs.*s.input = IsLabPan(s)
                                ? reader.Integer(s.name, -FarthestFollowedPan, FarthestFollowedPan)
                                : reader.Bar(s.name, BarRange(s.bar));
    }
    e.follow = reader.Boolean("follow");
    e.steps = reader.Integer("steps", 0, RelativeMotionMaxSteps);
    reader.RefuseUnreadFields();
    if (!reader.Ok()) {
        problem = reader.Problem();
        return std::nullopt;
    }
    return e;
}

TranslatingExperiment RelativeMotionScreen::Experiment() const
{
    return {Inputs(), m_follow->isChecked(), m_run.n};
}

void RelativeMotionScreen::SetBars(const RelativeMotionInputs& inputs)
{
    for (const TranslatingSetting& s : TranslatingBarSettings()) {
        QScrollBar* bar = m_bars.at(s.bar);
        const QSignalBlocker quiet(bar);
        if (IsLabPan(s)) {
            bar->setRange(std::min(-50, inputs.*s.input), std::max(50, inputs.*s.input));
        }
        bar->setValue(inputs.*s.input);
    }
}

void RelativeMotionScreen::OpenExperiment(const TranslatingExperiment& e)
{
    m_timer->stop();
    RestartRelativeMotion(m_run);
    SetBars(e.inputs);
    m_frameVxChanged = m_frameVxChanged || e.inputs.frameVx != RelativeMotionInputs{}.frameVx;
    {
        const QSignalBlocker quiet(m_follow);
        m_follow->setChecked(e.follow);
    }
    BeginLabView(m_eikona1->surface(), Inputs());
    m_eikona2->surface().Cls();
    RewindowMoving();
    // The steps again with the bars' last values: a bar moved mid-run is not replayed.
    for (int k = 0; k < e.steps; ++k) {
        OneStep();
    }
    // A view panned after its last step is where it was left.
    SetBars(e.inputs);
    RewindowLab();
    RewindowMoving();
    UpdateLabels();
    UpdateStepButton();
}

} // namespace ttl
