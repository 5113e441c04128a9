#pragma once

#include "shell/ui/file_writing.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace ttl {

class Application;

// "File" first on a screen's menu bar: "Save experiment…" (Ctrl+S), "Open experiment…" (Ctrl+O)
// and the recent experiments. `screenName` is the screen's name as --snapshot takes it.
void AddExperimentMenu(Application& app, QWidget& screen, const QString& screenName);

// Saves what the screen shows as an experiment file.
[[nodiscard]] WriteResult SaveExperimentTo(Application& app, const QString& screenName,
                                           const QString& path);

// Opens the file's experiment on its screen; empty when it opened, otherwise why not (and the
// program is as it was).
[[nodiscard]] QString OpenExperimentFrom(Application& app, const QString& path);

// The experiments saved or opened last, newest first, kept across runs.
[[nodiscard]] QStringList RecentExperiments();

} // namespace ttl
