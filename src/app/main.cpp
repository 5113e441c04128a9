#include "app/application.h"
#include "app/command_line.h"
#include "app/experiment_screens.h"
#include "app/language.h"
#include "app/recording.h"
#include "app/snapshot.h"
#include "shell/ui/program_icon.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLoggingCategory>

#include <iostream>

namespace {
QStringList Arguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

// Without windows the output is for a user's shell or a script: the toolkit's notes on its
// platform ("This plugin does not support propagateSizeHints()") are noise there. The program's
// own warnings go straight to standard error, not through the toolkit's log, so they stay;
// QT_LOGGING_RULES still turns the toolkit's back on.
void SilenceToolkitNotes()
{
    QLoggingCategory::setFilterRules(
        QStringLiteral("*.debug=false\n*.info=false\n*.warning=false"));
}
} // namespace

int main(int argc, char* argv[])
{
    const QStringList arguments = Arguments(argc, argv);
    const ttl::CommandLine line = ttl::ParseCommandLine(arguments);
    // Where the settings are kept (~/.config/turntable-lab/), for pictures as for windows.
    QCoreApplication::setOrganizationName(QStringLiteral("turntable-lab"));
    if (line.action != ttl::CommandLine::Action::OpenProgram) {
        SilenceToolkitNotes();
    }
    if (line.action == ttl::CommandLine::Action::Snapshot ||
        line.action == ttl::CommandLine::Action::Record) {
        // Pictures without a display: the offscreen platform, unless one was asked for.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QApplication qapp(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Turntable Lab"));
        ttl::InstallLanguage(line.language);
        ttl::Application app;
        if (line.simulationSettingsGiven) {
            app.PresetSimulation(line.inputs);
        }
        if (line.experiment) {
            // Read and checked with the command line: nothing is left to refuse here.
            const QString problem = ttl::ApplyExperiment(app, *line.experiment);
            Q_ASSERT(problem.isEmpty());
        }
        return line.action == ttl::CommandLine::Action::Record
                   ? ttl::TakeRecording(app, line.recording)
                   : ttl::TakeSnapshot(app, line.snapshot);
    }
    if (line.action != ttl::CommandLine::Action::OpenProgram) {
        // No display needed: help, a refused line, or an export straight to a file.
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("turntable-lab"));
        ttl::InstallLanguage(line.language); // --help in the reader's language
        return ttl::RunCommandLineExport(arguments);
    }
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Turntable Lab"));
    QApplication::setApplicationVersion(QStringLiteral(TURNTABLE_LAB_VERSION));
    QApplication::setWindowIcon(ttl::ProgramIcon());
    ttl::InstallLanguage(line.language);

    ttl::Application app;
    if (line.simulationSettingsGiven) {
        app.PresetSimulation(line.inputs);
    }
    app.Start();
    if (line.experiment) {
        // Read and checked with the command line: nothing is left to refuse here.
        const QString problem = ttl::OpenExperiment(app, *line.experiment);
        Q_ASSERT(problem.isEmpty());
    }
    return QApplication::exec();
}
