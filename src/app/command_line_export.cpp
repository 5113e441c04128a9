#include "app/command_line.h"

#include "shell/ui/file_writing.h"
#include "turntable/run_csv.h"

#include <QCoreApplication>

namespace ttl {

namespace {
void Print(std::ostream& stream, const QString& text)
{
    stream << text.toLocal8Bit().constData() << '\n';
}
} // namespace

int RunCommandLineExport(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    const CommandLine line = ParseCommandLine(arguments);
    switch (line.action) {
    case CommandLine::Action::Refuse:
        Print(err, line.text);
        return 2;
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        Print(out, line.text);
        return 0;
    case CommandLine::Action::Snapshot:
    case CommandLine::Action::Record:
    case CommandLine::Action::OpenProgram:
        Print(err, QCoreApplication::translate("ttl::CommandLine",
                                               "Nothing to do without windows: give --export-csv "
                                               "FILE, or see --help."));
        return 2;
    case CommandLine::Action::ExportCsv:
        break;
    }
    const SimulationResult run = RunSimulation(line.inputs);
    const WriteResult written =
        WriteFileOrStandardOutput(line.csvPath, QByteArray::fromStdString(RunCsv(run)), out);
    if (!written) {
        Print(err, written.reason);
        return 1;
    }
    if (line.csvPath == QStringLiteral("-")) {
        Print(err,
              QCoreApplication::translate("ttl::CommandLine", "Wrote %1 steps to standard output.")
                  .arg(run.StepCount));
    } else {
        Print(out, QCoreApplication::translate("ttl::CommandLine", "Wrote %1 steps to %2.")
                       .arg(run.StepCount)
                       .arg(line.csvPath));
    }
    return 0;
}

} // namespace ttl
