#include "curve/ui/curve_experiment.h"

#include "curve/timed_curve.h"
#include "curve/ui/first_step_screen.h"
#include "shell/ui/settings_reader.h"
#include "shell/ui/surface_view.h"

#include <QAction>
#include <QScrollBar>
#include <QTimer>

namespace ttl {

namespace {
const QStringList Views{QStringLiteral("disk"), QStringLiteral("timed-run"),
                        QStringLiteral("curve")};
const QStringList MouseModes{QStringLiteral("none"), QStringLiteral("radius-of-curvature"),
                             QStringLiteral("assume-force")};
} // namespace

QJsonObject CurveSettings(const CurveExperiment& e)
{
    return SettingsWriter()
        .Choice("view", Views, static_cast<int>(e.view))
        .Choice("mouse", MouseModes, static_cast<int>(e.mouse))
        .Integer("amplitude", e.inputs.amplitude)
        .Integer("frequency", e.inputs.frequency)
        .Integer("initial_speed", e.inputs.speed)
        .Integer("tangential_acceleration", e.inputs.tangential)
        .Integer("ticks", e.ticks)
        .Settings();
}

std::optional<CurveExperiment> ReadCurveSettings(const QJsonObject& settings, QString& problem)
{
    namespace c = curve_controls;
    SettingsReader reader(settings);
    CurveExperiment e;
    e.view = static_cast<CurveExperiment::View>(reader.Choice("view", Views));
    e.mouse = static_cast<CurveMouseMode>(reader.Choice("mouse", MouseModes));
    e.inputs.amplitude = reader.Bar("amplitude", c::Amplitude);
    e.inputs.frequency = reader.Bar("frequency", c::Frequency);
    e.inputs.speed = reader.Bar("initial_speed", c::Speed);
    e.inputs.tangential = reader.Bar("tangential_acceleration", c::Tangential);
    e.ticks = reader.Integer("ticks", 0, TimedCurveTableSize);
    reader.RefuseUnreadFields();
    if (!reader.Ok()) {
        problem = reader.Problem();
        return std::nullopt;
    }
    return e;
}

CurveExperiment FirstStepScreen::Experiment() const
{
    CurveExperiment e;
    e.view = m_showing == Showing::Disk       ? CurveExperiment::View::Disk
             : m_showing == Showing::TimedRun ? CurveExperiment::View::TimedRun
                                              : CurveExperiment::View::Curve;
    e.mouse = MouseMode();
    e.inputs = Inputs();
    e.ticks = m_showing == Showing::TimedRun ? m_run.n : 0; // a run left behind is not shown
    return e;
}

void FirstStepScreen::OpenExperiment(const CurveExperiment& e)
{
    m_timer->stop();
    m_run = TimedCurveRun{};
    // The bars first: each redraws the curve, which the view chosen below replaces.
    m_platosvalue->setValue(e.inputs.amplitude);
    m_syxnotikamp->setValue(e.inputs.frequency);
    m_arxikives->setValue(e.inputs.speed);
    m_epitaxyno->setValue(e.inputs.tangential);
    switch (e.view) {
    case CurveExperiment::View::Disk:
        Option1_Click();
        break;
    case CurveExperiment::View::TimedRun:
        Option2_Click();
        if (e.ticks > 0) {
            // The run as far as it had gone, stopped there: START goes on from the beginning.
            StartTimedCurve(m_run, m_eikona->surface(), Inputs());
            while (m_run.n < e.ticks && TimedCurveStep(m_run, m_eikona->surface(), Inputs())) {
            }
            m_eikona->refresh();
        }
        break;
    case CurveExperiment::View::Curve:
        e.mouse == CurveMouseMode::RadiusOfCurvature ? DYNAMEISDIAFORES_Click()
        : e.mouse == CurveMouseMode::AssumeForce     ? GUESSFORCE_Click()
                                                     : Option3_Click();
        break;
    }
}

} // namespace ttl
