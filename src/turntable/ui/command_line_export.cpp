#include "turntable/ui/command_line_export.h"

#include "turntable/run_csv.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace ttl {

namespace {

struct Setting {
    const char* name;
    const char* description;
    ScrollRange range;
    int SimulationInputs::*field;
};

const Setting Settings[] = {
    {"mass", "Mass scroll-bar value: the mass is the value / 2.", simulation_controls::Mass,
     &SimulationInputs::massValue},
    {"friction", "Friction scroll-bar value: mu*g is the value / 10.",
     simulation_controls::Friction, &SimulationInputs::frictionValue},
    {"interval", "Interval scroll-bar value: dt is the value / 1250.",
     simulation_controls::Interval, &SimulationInputs::intervalValue},
    {"total", "Total-time scroll-bar value: the run lasts the value x pi / 4.",
     simulation_controls::PeriodCount, &SimulationInputs::periodCount},
};

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

} // namespace

bool WantsHeadlessRun(const QStringList& arguments)
{
    for (const QString& a : arguments) {
        if (a.startsWith(QStringLiteral("--export-csv")) || a == QStringLiteral("--help") ||
            a == QStringLiteral("-h")) {
            return true;
        }
    }
    return false;
}

int RunCommandLineExport(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Turntable Lab: mechanics in rotating frames. Without options, opens the "
                       "program; with --export-csv, runs the simulation without windows."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption exportCsv(QStringLiteral("export-csv"),
                                       QStringLiteral("Write every series of a run to FILE."),
                                       QStringLiteral("FILE"));
    parser.addOption(exportCsv);
    for (const Setting& s : Settings) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(s.name),
                                            QStringLiteral("%1 %2 to %3, default %4.")
                                                .arg(QString::fromLatin1(s.description))
                                                .arg(s.range.minimum)
                                                .arg(s.range.maximum)
                                                .arg(s.range.initial),
                                            QStringLiteral("N")));
    }
    const QCommandLineOption influenced(QStringLiteral("influenced"),
                                        QStringLiteral("The base is free: the body slows it."));
    parser.addOption(influenced);

    if (!parser.parse(arguments)) {
        Print(stderr, parser.errorText());
        return 2;
    }
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        return 0;
    }
    if (!parser.isSet(exportCsv)) {
        Print(stderr, QStringLiteral("Nothing to do: give --export-csv FILE, or see --help."));
        return 2;
    }
    SimulationInputs inputs;
    inputs.baseInfluenced = parser.isSet(influenced);
    for (const Setting& s : Settings) {
        const QString name = QString::fromLatin1(s.name);
        if (!parser.isSet(name)) {
            continue;
        }
        bool ok = false;
        const int value = parser.value(name).toInt(&ok);
        if (!ok || value < s.range.minimum || value > s.range.maximum) {
            Print(stderr, QStringLiteral("--%1 must be a whole number from %2 to %3, not \"%4\".")
                              .arg(name)
                              .arg(s.range.minimum)
                              .arg(s.range.maximum)
                              .arg(parser.value(name)));
            return 2;
        }
        inputs.*s.field = value;
    }
    ModelParameters params;
    const SimulationResult run = RunSimulation(params, inputs);
    const QString path = parser.value(exportCsv);
    if (!SaveRunCsv(run, path.toStdString())) {
        Print(stderr, QStringLiteral("Could not write %1.").arg(path));
        return 1;
    }
    Print(stdout, QStringLiteral("Wrote %1 steps to %2.").arg(run.StepCount).arg(path));
    return 0;
}

} // namespace ttl
