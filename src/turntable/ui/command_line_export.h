#pragma once

#include <QStringList>

#include <optional>

namespace ttl {

// Whether the arguments ask for a run without windows (an export or the help text).
bool WantsHeadlessRun(const QStringList& arguments);

// `--export-csv FILE [--mass N] [--friction N] [--interval N] [--total N] [--influenced]`: runs
// the simulation with those scroll-bar values (the screen's defaults when absent) and writes its
// CSV. Returns the exit code: 0 on success, 2 for a bad option (nothing written), 1 when the
// file cannot be written. Messages go to standard output and error.
int RunCommandLineExport(const QStringList& arguments);

} // namespace ttl
