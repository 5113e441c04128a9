#pragma once

#include "translating/relative_motion.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace ttl {

// What the translating frame shows: its bars, whether the lab view follows the body, and how
// many steps the run has taken.
struct TranslatingExperiment {
    RelativeMotionInputs inputs;
    bool follow = false;
    int steps = 0;
};

[[nodiscard]] QJsonObject TranslatingSettings(const TranslatingExperiment& experiment);

// The experiment the settings describe, or nothing and why (the problem names the field).
[[nodiscard]] std::optional<TranslatingExperiment>
ReadTranslatingSettings(const QJsonObject& settings, QString& problem);

} // namespace ttl
