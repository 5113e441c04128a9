#pragma once

#include "shell/ui/file_writing.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace ttl {

// A saved experiment: the screen it is shown on, by the name --snapshot takes, and that screen's
// settings, which the screen itself reads and checks.
struct Experiment {
    QString screen;
    QJsonObject settings;
};

// An experiment read from a file, or why it was refused.
struct ExperimentReading {
    Experiment experiment;
    QString problem; // empty when read
    explicit operator bool() const { return problem.isEmpty(); }
};

// Larger files are refused before they are read: no experiment comes near it.
inline constexpr qint64 LargestExperimentFile = 1 << 20;

// The file's text, `{"format": "turntable-lab-experiment", "version": 1, "screen": ..., "settings":
// {...}}`, indented for a reader.
[[nodiscard]] QByteArray ExperimentJson(const Experiment& experiment);

// Checks the envelope: JSON, the format, a version this program reads, one of `screens`, a
// settings object. The settings' values are the screen's to check.
[[nodiscard]] ExperimentReading ParseExperiment(const QByteArray& text, const QStringList& screens);

[[nodiscard]] ExperimentReading ReadExperimentFile(const QString& path, const QStringList& screens);
[[nodiscard]] WriteResult SaveExperimentFile(const QString& path, const Experiment& experiment);

} // namespace ttl
