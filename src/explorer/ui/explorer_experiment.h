#pragma once

#include "explorer/explorer_state.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace ttl {

// What the step explorer shows: its frame, check boxes, bars and Foucault mode, whether the base
// is free, how many steps were taken, and the derivation when it is open.
struct ExplorerExperiment {
    ExplorerControls controls; // its baseChoice is left to baseFree
    bool baseFree = false;
    int steps = 0; // ignored while the derivation is open: it takes its own steps
    bool derivation = false;
    int derivationPage = 0;
    int derivationFirstStep = DerivationFirstStep;
    int derivationShiftX = 0;
    int derivationShiftY = 0;
};

[[nodiscard]] QJsonObject ExplorerSettings(const ExplorerExperiment& experiment);

// How many pages the derivation has for the rotating observer (true) or the inertial one.
using DerivationPageCounter = int (*)(bool rotatingObserver);

// The experiment the settings describe, or nothing and why (the problem names the field).
[[nodiscard]] std::optional<ExplorerExperiment>
ReadExplorerSettings(const QJsonObject& settings, QString& problem, DerivationPageCounter pages);

} // namespace ttl
