#include "app/application.h"
#include "app/command_line.h"
#include "app/experiment_file.h"
#include "turntable/run_csv.h"
#include "turntable/ui/rotating_screen.h"
#include "turntable/ui/simulation_activity.h"
#include "turntable/ui/simulation_experiment.h"

#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace ttl {
namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(RunExport, WritesOneRowPerStepThatReadsBackToTheSeries)
{
    SimulationInputs inputs;
    inputs.baseInfluenced = true;
    const SimulationResult run = RunSimulation(inputs);
    std::stringstream out;
    WriteRunCsv(run, out);
    std::string line;
    std::getline(out, line);
    EXPECT_EQ(line.rfind("time,x,y,vx,vy,", 0), 0U);
    std::size_t rows = 0;
    while (std::getline(out, line)) {
        std::stringstream fields(line);
        std::string cell;
        std::vector<double> values;
        while (std::getline(fields, cell, ',')) {
            values.push_back(std::stod(cell));
        }
        ASSERT_EQ(values.size(), 19U);
        EXPECT_EQ(values[1], run.series.PositionInertialX[rows]);
        EXPECT_EQ(values[10], run.series.BaseOmegaByMomentum[rows]);
        EXPECT_EQ(values[14], run.series.WorkBaseAcceleration[rows]);
        ++rows;
    }
    EXPECT_EQ(rows, static_cast<std::size_t>(run.StepCount) + 1);
}

TEST(RunExport, TheCommandLineWritesWhatTheScreenSavesForTheSameSettings)
{
    QTemporaryDir dir;
    const QString fromScreen = dir.filePath(QStringLiteral("screen.csv"));
    const QString fromCommandLine = dir.filePath(QStringLiteral("cli.csv"));
    {
        Application app;
        app.Simulation().SetBeep([] {});
        app.simulationScreen().findChild<QScrollBar*>(QStringLiteral("massvalue"))->setValue(7);
        app.simulationScreen().findChild<QScrollBar*>(QStringLiteral("xronosolikos"))->setValue(9);
        app.Simulation().RunSimulation();
        ASSERT_TRUE(app.Simulation().SaveLastRun(fromScreen));
    }
    EXPECT_EQ(RunCommandLineExport({QStringLiteral("turntable-lab"), QStringLiteral("--export-csv"),
                                    fromCommandLine, QStringLiteral("--mass"), QStringLiteral("7"),
                                    QStringLiteral("--total"), QStringLiteral("9")}),
              0);
    const QByteArray expected = ReadAll(fromScreen);
    EXPECT_FALSE(expected.isEmpty());
    EXPECT_EQ(ReadAll(fromCommandLine), expected);
}

TEST(RunExport, BadOptionsExitWithTwoAndWriteNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.csv"));
    const QStringList base{QStringLiteral("turntable-lab"), QStringLiteral("--export-csv"), path};
    EXPECT_EQ(
        RunCommandLineExport(base + QStringList{QStringLiteral("--mass"), QStringLiteral("21")}),
        2);
    EXPECT_EQ(
        RunCommandLineExport(base + QStringList{QStringLiteral("--friction"), QStringLiteral("x")}),
        2);
    EXPECT_EQ(RunCommandLineExport(base + QStringList{QStringLiteral("--no-such-option")}), 2);
    EXPECT_EQ(RunCommandLineExport(
                  {QStringLiteral("turntable-lab"), QStringLiteral("--mass"), QStringLiteral("3")}),
              2);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(RunCommandLineExport({QStringLiteral("turntable-lab"), QStringLiteral("--export-csv"),
                                    dir.filePath(QStringLiteral("missing/run.csv"))}),
              1);
}

// A line the program does not fully understand is refused with a message naming the problem,
// exit status 2 and nothing written.
TEST(RunExport, RefusesWhatItDoesNotUnderstand)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.csv"));
    const QString csv = QStringLiteral("--export-csv");
    struct Case {
        QStringList arguments;
        const char* named; // what the message must mention
    };
    const Case cases[] = {
        {{csv, path, QStringLiteral("extra")}, "extra"},
        {{csv, path, QStringLiteral("--mass"), QStringLiteral("3"), QStringLiteral("--mass"),
          QStringLiteral("4")},
         "--mass"},
        {{csv, path, csv, dir.filePath(QStringLiteral("other.csv"))}, "--export-csv"},
        {{QStringLiteral("--export-csv=")}, "file name"},
        {{csv, path, QStringLiteral("--total"), QStringLiteral("0")}, "--total"},
        {{QStringLiteral("--mass"), QStringLiteral("99")}, "--mass"}, // no window opens either
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunCommandLineExport(QStringList{QStringLiteral("turntable-lab")} + c.arguments,
                                       out, err),
                  2)
            << c.named;
        EXPECT_NE(err.str().find(c.named), std::string::npos) << err.str();
        EXPECT_TRUE(out.str().empty()) << c.named;
        EXPECT_FALSE(QFile::exists(path)) << c.named;
    }
    // The toolkit's own options are the toolkit's, not refused.
    EXPECT_EQ(ParseCommandLine({QStringLiteral("turntable-lab"), QStringLiteral("-platform"),
                                QStringLiteral("offscreen")})
                  .action,
              CommandLine::Action::OpenProgram);
}

TEST(RunExport, ADashWritesTheSameBytesToStandardOutput)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.csv"));
    const QStringList settings{QStringLiteral("--mass"), QStringLiteral("5"),
                               QStringLiteral("--influenced")};
    std::ostringstream fileOut, fileErr, out, err;
    ASSERT_EQ(RunCommandLineExport(QStringList{QStringLiteral("turntable-lab"),
                                               QStringLiteral("--export-csv"), path} +
                                       settings,
                                   fileOut, fileErr),
              0);
    ASSERT_EQ(
        RunCommandLineExport(QStringList{QStringLiteral("turntable-lab"),
                                         QStringLiteral("--export-csv"), QStringLiteral("-")} +
                                 settings,
                             out, err),
        0);
    EXPECT_EQ(QByteArray::fromStdString(out.str()), ReadAll(path));
    EXPECT_NE(err.str().find("Wrote"), std::string::npos);
    EXPECT_FALSE(QFile::exists(QStringLiteral("-")));
}

// Simulation options without an export open the program with the screen's bars set.
TEST(RunExport, SimulationOptionsAloneSetTheScreenBeforeItOpens)
{
    const CommandLine line = ParseCommandLine(
        {QStringLiteral("turntable-lab"), QStringLiteral("--mass"), QStringLiteral("5"),
         QStringLiteral("--total"), QStringLiteral("12"), QStringLiteral("--influenced")});
    ASSERT_EQ(line.action, CommandLine::Action::OpenProgram);
    ASSERT_TRUE(line.simulationSettingsGiven);
    Application app;
    app.PresetSimulation(line.inputs);
    const SimulationInputs shown = app.simulationScreen().inputs();
    EXPECT_EQ(shown.massValue, 5);
    EXPECT_EQ(shown.periodCount, 12);
    EXPECT_TRUE(shown.baseInfluenced);
    EXPECT_EQ(shown.frictionValue, simulation_controls::Friction.initial);
}

// An experiment file stands for its settings' options; an option beside it overrides its value.
TEST(RunExport, AnExperimentFileWritesWhatItsOptionsWrite)
{
    QTemporaryDir dir;
    const QString experiment = dir.filePath(QStringLiteral("ρ run.ttlab"));
    ASSERT_TRUE(SaveExperimentFile(
        experiment, {QStringLiteral("simulation"), SimulationSettings({7, 3, 5, 9, true})}));
    const auto csv = [&](const QString& name, const QStringList& options) {
        const QString path = dir.filePath(name);
        EXPECT_EQ(RunCommandLineExport(QStringList{QStringLiteral("turntable-lab"),
                                                   QStringLiteral("--export-csv"), path} +
                                       options),
                  0)
            << options.join(u' ').toStdString();
        return ReadAll(path);
    };
    const QString open = QStringLiteral("--open");
    EXPECT_EQ(csv(QStringLiteral("a.csv"), {open, experiment}),
              csv(QStringLiteral("b.csv"),
                  {QStringLiteral("--mass"), QStringLiteral("7"), QStringLiteral("--friction"),
                   QStringLiteral("3"), QStringLiteral("--total"), QStringLiteral("9"),
                   QStringLiteral("--influenced")}));
    EXPECT_EQ(csv(QStringLiteral("c.csv"),
                  {open, experiment, QStringLiteral("--mass"), QStringLiteral("2")}),
              csv(QStringLiteral("d.csv"),
                  {QStringLiteral("--mass"), QStringLiteral("2"), QStringLiteral("--friction"),
                   QStringLiteral("3"), QStringLiteral("--total"), QStringLiteral("9"),
                   QStringLiteral("--influenced")}));

    // Opened as the program's argument, with the options applied to what it opens.
    const CommandLine line = ParseCommandLine({QStringLiteral("turntable-lab"), experiment,
                                               QStringLiteral("--total"), QStringLiteral("4")});
    ASSERT_EQ(line.action, CommandLine::Action::OpenProgram);
    ASSERT_TRUE(line.experiment);
    QString problem;
    const std::optional<SimulationInputs> opened =
        ReadSimulationSettings(line.experiment->settings, problem);
    ASSERT_TRUE(opened) << problem.toStdString();
    EXPECT_EQ(opened->massValue, 7);
    EXPECT_EQ(opened->periodCount, 4);
    EXPECT_TRUE(opened->baseInfluenced);

    // A bad or doubled experiment is refused, naming it.
    QFile broken(dir.filePath(QStringLiteral("broken.ttlab")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"format\": \"turntable-lab-experiment\", \"version\": 1}");
    broken.close();
    for (const QStringList& arguments :
         {QStringList{broken.fileName()},
          QStringList{QStringLiteral("--export-csv"), dir.filePath(QStringLiteral("e.csv")), open,
                      broken.fileName()},
          QStringList{experiment, open, experiment}}) {
        const CommandLine refused =
            ParseCommandLine(QStringList{QStringLiteral("turntable-lab")} + arguments);
        EXPECT_EQ(refused.action, CommandLine::Action::Refuse)
            << arguments.join(u' ').toStdString();
        EXPECT_FALSE(refused.text.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("e.csv"))));
}

} // namespace
} // namespace ttl
