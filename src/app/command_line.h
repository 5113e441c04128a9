#pragma once

#include "app/experiment_file.h"
#include "app/recording.h"
#include "app/snapshot.h"
#include "turntable/simulation_run.h"

#include <QString>
#include <QStringList>

#include <iostream>
#include <optional>

namespace ttl {

// What the command line asks for. Anything it does not understand is refused, never ignored:
// an unknown option, a stray argument, a repeated option, an empty file name, a bad value.
struct CommandLine {
    enum class Action { OpenProgram, Help, Version, ExportCsv, Snapshot, Record, Refuse };
    Action action = Action::OpenProgram;
    SimulationInputs inputs;              // the simulation screen's scroll bars and check box
    bool simulationSettingsGiven = false; // any of --mass, --friction, ... was given
    QString csvPath;                      // "-" is standard output
    QString text;                         // the help or version text, or why the line is refused
    SnapshotRequest snapshot;             // --snapshot SCREEN FILE [--size WxH] ...
    RecordingRequest recording;           // --record SCREEN FILE [--seconds N] [--size WxH]
    QString language;                     // --lang: "el" or "en"; empty for the system's
    // The experiment file given (FILE or --open), with the options beside it applied to it.
    std::optional<Experiment> experiment;
};

CommandLine ParseCommandLine(const QStringList& arguments);

// "turntable-lab X.Y.Z", from the project's version in CMakeLists.txt.
QString VersionText();

// `--export-csv FILE [--mass N] [--friction N] [--interval N] [--total N] [--influenced]`: runs
// the simulation with those scroll-bar values (the screen's defaults when absent) and writes its
// CSV, to standard output for FILE "-". Returns the exit code: 0 on success, 2 for a refused
// command line (nothing written), 1 when the file cannot be written. The CSV goes to `out` when
// FILE is "-"; messages go to `out` (help) and `err`.
int RunCommandLineExport(const QStringList& arguments, std::ostream& out = std::cout,
                         std::ostream& err = std::cerr);

} // namespace ttl
