#include "app/command_line.h"

#include "app/experiment_screens.h"
#include "app/language.h"
#include "app/toolkit_options.h"
#include "derivation/derivation_pages.h"
#include "turntable/ui/simulation_experiment.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <iterator>
#include <tuple>

namespace ttl {

namespace {

struct Setting {
    const char* name;
    const char* description;
    ScrollRange range;
    int SimulationInputs::*field;
};

const Setting Settings[] = {
    {"mass",
     QT_TRANSLATE_NOOP("ttl::CommandLine", "Mass scroll-bar value: the mass is the value / 2."),
     simulation_controls::Mass, &SimulationInputs::massValue},
    {"friction",
     QT_TRANSLATE_NOOP("ttl::CommandLine", "Friction scroll-bar value: mu*g is the value / 10."),
     simulation_controls::Friction, &SimulationInputs::frictionValue},
    {"interval",
     QT_TRANSLATE_NOOP("ttl::CommandLine", "Interval scroll-bar value: dt is the value / 1250."),
     simulation_controls::Interval, &SimulationInputs::intervalValue},
    {"total",
     QT_TRANSLATE_NOOP("ttl::CommandLine",
                       "Total-time scroll-bar value: the run lasts the value x pi / 4."),
     simulation_controls::PeriodCount, &SimulationInputs::periodCount},
};

// A message of the command line's, in the language installed (the system's, or --lang's).
QString Translated(const char* text)
{
    return QCoreApplication::translate("cli", text);
}

CommandLine Refused(const QString& why)
{
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.text = why;
    return line;
}

// Every option the program takes, as the parser knows them.
struct Options {
    QCommandLineOption help{QStringLiteral("help")};
    QCommandLineOption version{
        QStringLiteral("version"),
        QCoreApplication::translate("ttl::CommandLine", "Print the program's name and version.")};
    QCommandLineOption exportCsv{
        QStringLiteral("export-csv"),
        QCoreApplication::translate("ttl::CommandLine", "Write every series of a run to FILE."),
        QStringLiteral("FILE")};
    QCommandLineOption influenced{
        QStringLiteral("influenced"),
        QCoreApplication::translate("ttl::CommandLine", "The base is free: the body slows it.")};
    QCommandLineOption snapshot{
        QStringLiteral("snapshot"),
        QCoreApplication::translate(
            "ttl::CommandLine",
            "Write a picture of SCREEN (listed below) to FILE (PNG, or SVG by its extension; "
            "\"-\" for PNG on standard output) without a display, and exit."),
        QStringLiteral("SCREEN")};
    QCommandLineOption size{
        QStringLiteral("size"),
        QCoreApplication::translate("ttl::CommandLine", "The picture's size, default 1366x768."),
        QStringLiteral("WxH")};
    QCommandLineOption steps{
        QStringLiteral("steps"),
        QCoreApplication::translate("ttl::CommandLine",
                                    "explorer, translating-frame: STEP pressed N times first; "
                                    "orbit-animation, vectors: N frames played (all by default)."),
        QStringLiteral("N")};
    QCommandLineOption rotatingFrame{
        QStringLiteral("rotating"),
        QCoreApplication::translate("ttl::CommandLine",
                                    "explorer, derivation: the rotating observer's frame.")};
    QCommandLineOption page{
        QStringLiteral("page"),
        QCoreApplication::translate("ttl::CommandLine", "derivation: the page, from 0."),
        QStringLiteral("N")};
    QCommandLineOption record{
        QStringLiteral("record"),
        QCoreApplication::translate(
            "ttl::CommandLine",
            "Record the animation of SCREEN (orbit-animation, vectors, explorer or "
            "translating-frame) as an animated GIF FILE without a display, and exit; --size WxH, "
            "default 640x480."),
        QStringLiteral("SCREEN")};
    QCommandLineOption seconds{
        QStringLiteral("seconds"),
        QCoreApplication::translate("ttl::CommandLine",
                                    "--record: N seconds of the animation, 1 to 120, default 10."),
        QStringLiteral("N")};
    QCommandLineOption open{
        QStringLiteral("open"),
        QCoreApplication::translate("ttl::CommandLine",
                                    "Take the settings from the experiment FILE (.ttlab); an "
                                    "option given beside it overrides the file's value."),
        QStringLiteral("FILE")};
    QCommandLineOption lang{
        QStringLiteral("lang"),
        QCoreApplication::translate(
            "ttl::CommandLine",
            "The language of the windows: el (Greek) or en (English); by default the "
            "system's."),
        QStringLiteral("LANGUAGE")};

    explicit Options(QCommandLineParser& parser)
    {
        parser.setApplicationDescription(QCoreApplication::translate(
            "ttl::CommandLine",
            "Turntable Lab: mechanics in rotating frames. Without options, opens the program. The "
            "simulation options set the simulation screen's scroll bars before it opens; with "
            "--export-csv the run is made without windows and written to FILE (\"-\" for "
            "standard output, with the \"Wrote\" line on standard error)."));
        help = parser.addHelpOption();
        parser.addOption(version);
        parser.addOption(exportCsv);
        for (const Setting& s : Settings) {
            parser.addOption(QCommandLineOption(
                QString::fromLatin1(s.name),
                QCoreApplication::translate("ttl::CommandLine", "%1 %2 to %3, default %4.")
                    .arg(QCoreApplication::translate("ttl::CommandLine", s.description))
                    .arg(s.range.minimum)
                    .arg(s.range.maximum)
                    .arg(s.range.initial),
                QStringLiteral("N")));
        }
        parser.addOptions(
            {influenced, snapshot, size, steps, rotatingFrame, page, record, seconds, open, lang});
    }
};

// Without a mode of its own, the line opens the program (with an experiment file, if given).
bool OpensProgram(const QCommandLineParser& parser, const Options& o)
{
    return !parser.isSet(o.snapshot) && !parser.isSet(o.exportCsv) && !parser.isSet(o.record);
}

// The positional arguments and repetitions the options allow; an empty text when they are kept.
QString RefusalOfShape(const QCommandLineParser& parser, const Options& o)
{
    // The picture file of --snapshot, or the experiment the program opens with, is the one
    // positional argument there is.
    const QStringList positional = parser.positionalArguments();
    const bool picture = parser.isSet(o.snapshot) || parser.isSet(o.record);
    const qsizetype allowed = picture || !parser.isSet(o.exportCsv) ? 1 : 0;
    if (positional.size() > allowed) {
        return Translated(
                   QT_TRANSLATE_NOOP("cli", "Unexpected argument \"%1\": no option takes it."))
            .arg(positional.at(allowed));
    }
    for (const QString& name : parser.optionNames()) {
        if (parser.optionNames().count(name) > 1) {
            return Translated(QT_TRANSLATE_NOOP("cli", "--%1 is given more than once.")).arg(name);
        }
    }
    return {};
}

// An option the chosen mode does not use is refused rather than silently ignored.
QString RefusalOfModes(const QCommandLineParser& parser, const Options& o)
{
    if (parser.isSet(o.snapshot) + parser.isSet(o.exportCsv) + parser.isSet(o.record) > 1) {
        return Translated(QT_TRANSLATE_NOOP(
            "cli", "Only one of --snapshot, --export-csv and --record can be given."));
    }
    if (parser.isSet(o.seconds) && !parser.isSet(o.record)) {
        return Translated(QT_TRANSLATE_NOOP("cli", "--seconds is used only with --record."));
    }
    if (parser.isSet(o.open) && OpensProgram(parser, o) &&
        !parser.positionalArguments().isEmpty()) {
        return Translated(QT_TRANSLATE_NOOP(
            "cli", "Give the experiment file once: as FILE or with --open, not both."));
    }
    if (!parser.isSet(o.snapshot)) {
        if (parser.isSet(o.size) && !parser.isSet(o.record)) {
            return Translated(
                QT_TRANSLATE_NOOP("cli", "--size is used only with --snapshot or --record."));
        }
        for (const QCommandLineOption* option : {&o.steps, &o.rotatingFrame, &o.page}) {
            if (parser.isSet(*option)) {
                return Translated(QT_TRANSLATE_NOOP("cli", "--%1 is used only with --snapshot."))
                    .arg(option->names().first());
            }
        }
    }
    return {};
}

// --steps, --rotating and --page mean something for some screens only; --page's range is that of
// the observer's derivation.
QString RefusalOfScreenOptions(const QCommandLineParser& parser, const Options& o,
                               const SnapshotRequest& r)
{
    struct Use {
        const QCommandLineOption* option;
        QStringList screens;
    };
    const Use uses[] = {
        {&o.steps,
         {QStringLiteral("explorer"), QStringLiteral("translating-frame"),
          QStringLiteral("orbit-animation"), QStringLiteral("vectors")}},
        {&o.rotatingFrame, {QStringLiteral("explorer"), QStringLiteral("derivation")}},
        {&o.page, {QStringLiteral("derivation")}}};
    for (const Use& use : uses) {
        if (parser.isSet(*use.option) && !use.screens.contains(r.screen)) {
            return Translated(QT_TRANSLATE_NOOP("cli", "--%1 is used only with the screens %2."))
                .arg(use.option->names().first(), use.screens.join(QStringLiteral(", ")));
        }
    }
    const int pages = DerivationPageCount(r.rotatingFrame);
    if (r.page >= pages) {
        return (r.rotatingFrame
                    ? Translated(QT_TRANSLATE_NOOP(
                          "cli", "--page must be from 0 to %1 for the rotating observer."))
                    : Translated(QT_TRANSLATE_NOOP(
                          "cli", "--page must be from 0 to %1 for the inertial observer.")))
            .arg(pages - 1);
    }
    return {};
}

// The experiment file of --open, or the one the program is opened with; empty for none.
QString ExperimentPath(const QCommandLineParser& parser, const Options& o)
{
    if (parser.isSet(o.open)) {
        return parser.value(o.open);
    }
    return OpensProgram(parser, o) ? parser.positionalArguments().value(0) : QString();
}

constexpr const char* SimulationScreen = "simulation";

// The experiment's settings as the starting point that the options then override.
QString ReadExperimentSettings(const QString& path, CommandLine& line)
{
    const ExperimentReading reading = ReadExperimentFile(path, ExperimentScreens());
    QString problem = reading.problem;
    if (reading && reading.experiment.screen != QLatin1String(SimulationScreen)) {
        problem = CheckExperiment(reading.experiment);
        if (problem.isEmpty()) {
            line.experiment = reading.experiment;
        }
    } else if (reading) {
        if (const std::optional<SimulationInputs> inputs =
                ReadSimulationSettings(reading.experiment.settings, problem)) {
            line.inputs = *inputs;
            line.simulationSettingsGiven = true;
            line.experiment = reading.experiment;
        }
    }
    return problem.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(path, problem);
}

// --lang, an experiment file and the simulation's scroll bars; an empty text when every value is
// in range.
QString ReadSettings(const QCommandLineParser& parser, const Options& o, CommandLine& line)
{
    if (parser.isSet(o.lang)) {
        line.language = parser.value(o.lang);
        if (std::find(std::begin(Languages), std::end(Languages), line.language) ==
            std::end(Languages)) {
            return Translated(QT_TRANSLATE_NOOP("cli", "--lang must be el or en, not \"%1\"."))
                .arg(line.language);
        }
    }
    if (const QString path = ExperimentPath(parser, o); !path.isEmpty()) {
        if (QString why = ReadExperimentSettings(path, line); !why.isEmpty()) {
            return why;
        }
    }
    if (parser.isSet(o.influenced)) {
        line.inputs.baseInfluenced = true;
        line.simulationSettingsGiven = true;
    }
    for (const Setting& s : Settings) {
        const QString name = QString::fromLatin1(s.name);
        if (!parser.isSet(name)) {
            continue;
        }
        bool ok = false;
        const int value = parser.value(name).toInt(&ok);
        if (!ok || value < s.range.minimum || value > s.range.maximum) {
            return Translated(QT_TRANSLATE_NOOP(
                                  "cli", "--%1 must be a whole number from %2 to %3, not \"%4\"."))
                .arg(name)
                .arg(s.range.minimum)
                .arg(s.range.maximum)
                .arg(parser.value(name));
        }
        line.inputs.*s.field = value;
        line.simulationSettingsGiven = true;
    }
    if (line.experiment && line.experiment->screen == QLatin1String(SimulationScreen)) {
        line.experiment->settings = SimulationSettings(line.inputs);
    }
    return {};
}

// --size WxH, when given; an empty text when it reads.
QString ReadSize(const QCommandLineParser& parser, const Options& o, QSize& size)
{
    if (!parser.isSet(o.size)) {
        return {};
    }
    const QStringList parts = parser.value(o.size).split(QLatin1Char('x'));
    bool okWidth = false, okHeight = false;
    if (parts.size() == 2) {
        size = QSize(parts[0].toInt(&okWidth), parts[1].toInt(&okHeight));
    }
    if (!okWidth || !okHeight) {
        return Translated(
                   QT_TRANSLATE_NOOP("cli", "--size must be WxH, such as 1024x768, not \"%1\"."))
            .arg(parser.value(o.size));
    }
    return {};
}

// What --record asks for; an empty text when it can be made.
QString ReadRecording(const QCommandLineParser& parser, const Options& o, RecordingRequest& r)
{
    r.screen = parser.value(o.record);
    if (!RecordingScreens().contains(r.screen)) {
        return Translated(
                   QT_TRANSLATE_NOOP("cli", "--record takes one of the screens %1, not \"%2\"."))
            .arg(RecordingScreens().join(QStringLiteral(", ")), r.screen);
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() || positional.first().isEmpty()) {
        return Translated(QT_TRANSLATE_NOOP("cli", "--record SCREEN needs the GIF file's name."));
    }
    r.file = positional.first();
    if (parser.isSet(o.seconds)) {
        bool ok = false;
        r.seconds = parser.value(o.seconds).toInt(&ok);
        if (!ok || r.seconds < 1 || r.seconds > LongestCommandLineRecording) {
            return Translated(
                       QT_TRANSLATE_NOOP("cli", "--seconds must be a whole number from 1 to %1."))
                .arg(LongestCommandLineRecording);
        }
    }
    return ReadSize(parser, o, r.size);
}

// What --snapshot asks for; an empty text when it can be made.
QString ReadSnapshot(const QCommandLineParser& parser, const Options& o, SnapshotRequest& r)
{
    r.screen = parser.value(o.snapshot);
    if (const QString unknown = UnknownScreenRefusal(r.screen); !unknown.isEmpty()) {
        return unknown;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() || positional.first().isEmpty()) {
        return Translated(
            QT_TRANSLATE_NOOP("cli", "--snapshot SCREEN needs the picture's file name."));
    }
    r.file = positional.first();
    if (QString why = ReadSize(parser, o, r.size); !why.isEmpty()) {
        return why;
    }
    for (const auto& [option, field, largest] :
         {std::tuple{&o.steps, &r.steps, 1500}, std::tuple{&o.page, &r.page, 9}}) {
        if (parser.isSet(*option)) {
            bool ok = false;
            *field = parser.value(*option).toInt(&ok);
            if (!ok || *field < 0 || *field > largest) {
                return Translated(
                           QT_TRANSLATE_NOOP("cli", "--%1 must be a whole number from 0 to %2."))
                    .arg(option->names().first())
                    .arg(largest);
            }
        }
    }
    r.rotatingFrame = parser.isSet(o.rotatingFrame);
    return RefusalOfScreenOptions(parser, o, r);
}

} // namespace

CommandLine ParseCommandLine(const QStringList& allArguments)
{
    QCommandLineParser parser;
    const Options o(parser);
    if (!parser.parse(WithoutToolkitOptions(allArguments))) {
        return Refused(parser.errorText());
    }
    CommandLine line;
    if (parser.isSet(o.help) || parser.isSet(QStringLiteral("help-all"))) {
        line.action = CommandLine::Action::Help;
        line.text = parser.helpText() + u'\n' + SnapshotScreensHelp();
        if (parser.isSet(QStringLiteral("help-all"))) {
            line.text += u'\n' + ToolkitOptionsHelp();
        }
        line.language = parser.value(o.lang); // so that --lang el --help reads Greek
        return line;
    }
    if (parser.isSet(o.version)) {
        line.action = CommandLine::Action::Version;
        line.text = VersionText();
        return line;
    }
    QString why = RefusalOfShape(parser, o);
    if (why.isEmpty()) {
        why = RefusalOfModes(parser, o);
    }
    if (why.isEmpty()) {
        why = ReadSettings(parser, o, line);
    }
    if (why.isEmpty() && parser.isSet(o.snapshot)) {
        why = ReadSnapshot(parser, o, line.snapshot);
        line.action = CommandLine::Action::Snapshot;
    } else if (why.isEmpty() && parser.isSet(o.record)) {
        why = ReadRecording(parser, o, line.recording);
        line.action = CommandLine::Action::Record;
    } else if (why.isEmpty() && parser.isSet(o.exportCsv)) {
        line.csvPath = parser.value(o.exportCsv);
        if (line.csvPath.isEmpty()) {
            why = Translated(QT_TRANSLATE_NOOP(
                "cli", "--export-csv needs a file name (or - for standard output)."));
        } else if (line.experiment && line.experiment->screen != QLatin1String(SimulationScreen)) {
            why = Translated(QT_TRANSLATE_NOOP("cli", "--export-csv writes a simulation's run, "
                                                      "and the experiment is for the %1 screen."))
                      .arg(line.experiment->screen);
        }
        line.action = CommandLine::Action::ExportCsv;
    }
    if (why.isEmpty()) {
        return line;
    }
    CommandLine refused = Refused(why);
    refused.language = line.language; // the reason in the language asked for
    return refused;
}

QString VersionText()
{
    return QStringLiteral("turntable-lab " TURNTABLE_LAB_VERSION);
}

} // namespace ttl
