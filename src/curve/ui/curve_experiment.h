#pragma once

#include "curve/curve_diagrams.h"
#include "curve/curve_model.h"
#include "shell/scroll_range.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace ttl {

namespace curve_controls {
inline constexpr ScrollRange Amplitude{1, 35, 20};  // platosvalue: A = value / 10
inline constexpr ScrollRange Speed{0, 5, 3};        // arxikives: v0 = value
inline constexpr ScrollRange Frequency{1, 60, 15};  // syxnotikamp: degrees per unit of x
inline constexpr ScrollRange Tangential{0, 35, 20}; // epitaxyno: at = value / 10
} // namespace curve_controls

// What the curve lab shows: the disk's explanation, the timed run (with the ticks it has run)
// or the curve with what the mouse does on it, and the four bars.
struct CurveExperiment {
    enum class View { Disk, TimedRun, Curve };
    View view = View::Disk;
    CurveMouseMode mouse = CurveMouseMode::None;
    CurveInputs inputs;
    int ticks = 0; // of the timed run; 0 before START
};

[[nodiscard]] QJsonObject CurveSettings(const CurveExperiment& experiment);

// The experiment the settings describe, or nothing and why (the problem names the field).
[[nodiscard]] std::optional<CurveExperiment> ReadCurveSettings(const QJsonObject& settings,
                                                               QString& problem);

} // namespace ttl
