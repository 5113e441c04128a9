#include "app/application.h"
#include "app/experiment_file.h"
#include "app/experiment_menu.h"
#include "turntable/ui/rotating_screen.h"
#include "turntable/ui/simulation_activity.h"
#include "turntable/ui/simulation_experiment.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <random>

namespace ttl {
namespace {

const QStringList Screens{QStringLiteral("simulation"), QStringLiteral("explorer")};

// The simulation inputs a file describes, or the problem that refused it.
std::optional<SimulationInputs> ReadSimulation(const QByteArray& text, QString& problem)
{
    const ExperimentReading reading = ParseExperiment(text, Screens);
    if (!reading) {
        problem = reading.problem;
        return std::nullopt;
    }
    return ReadSimulationSettings(reading.experiment.settings, problem);
}

QByteArray SimulationFile(const SimulationInputs& inputs)
{
    return ExperimentJson({QStringLiteral("simulation"), SimulationSettings(inputs)});
}

bool WithinBars(const SimulationInputs& in)
{
    namespace bars = simulation_controls;
    const auto within = [](int v, const ScrollRange& r) {
        return v >= r.minimum && v <= r.maximum;
    };
    return within(in.massValue, bars::Mass) && within(in.frictionValue, bars::Friction) &&
           within(in.intervalValue, bars::Interval) && within(in.periodCount, bars::PeriodCount);
}

TEST(ExperimentFile, SimulationSettingsComeBackAsTheyWereSaved)
{
    for (const SimulationInputs& saved : {SimulationInputs{}, SimulationInputs{1, 0, 1, 1, true},
                                          SimulationInputs{20, 10, 10, 40, false}}) {
        QString problem;
        const std::optional<SimulationInputs> read = ReadSimulation(SimulationFile(saved), problem);
        ASSERT_TRUE(read) << problem.toStdString();
        EXPECT_EQ(read->massValue, saved.massValue);
        EXPECT_EQ(read->frictionValue, saved.frictionValue);
        EXPECT_EQ(read->intervalValue, saved.intervalValue);
        EXPECT_EQ(read->periodCount, saved.periodCount);
        EXPECT_EQ(read->baseInfluenced, saved.baseInfluenced);
    }
}

TEST(ExperimentFile, ABadFileIsRefusedNamingTheProblem)
{
    const QByteArray good = SimulationFile({10, 10, 5, 4, false});
    const auto with = [&](const char* from, const char* to) {
        QByteArray text = good;
        EXPECT_TRUE(text.contains(from)) << from;
        return text.replace(from, to);
    };
    struct Case {
        QByteArray text;
        const char* named; // a word the message must hold
    };
    const Case cases[] = {
        {"not json at all", "JSON"},
        {"[1, 2]", "JSON"},
        {with("turntable-lab-experiment", "spreadsheet"), "format"},
        {with("\"version\": 1", "\"version\": 2"), "newer"},
        {with("\"version\": 1", "\"version\": \"1\""), "version"},
        {with("\"screen\": \"simulation\"", "\"screen\": \"kitchen\""), "screen"},
        {with("\"screen\": \"simulation\"", "\"scren\": \"simulation\""), "screen"},
        {with("\"mass\": 10", "\"mass\": 21"), "mass"},
        {with("\"mass\": 10", "\"mass\": 1.5"), "mass"},
        {with("\"mass\": 10", "\"mass\": \"10\""), "mass"},
        {with("\"mass\": 10", "\"mass\": 1e400"), "JSON"},
        {with("\"mass\": 10", "\"mas\": 10"), "mass"},
        {with("\"influenced\": false", "\"influenced\": 0"), "influenced"},
        {with("\"friction\": 10,", "\"friction\": 10, \"colour\": 3,"), "colour"},
        {good + QByteArray(LargestExperimentFile, ' '), "1 MiB"},
    };
    for (const Case& c : cases) {
        QString problem;
        EXPECT_FALSE(ReadSimulation(c.text, problem)) << c.text.left(120).toStdString();
        EXPECT_TRUE(problem.contains(QLatin1String(c.named)))
            << c.named << ": " << problem.toStdString();
    }
}

// Mutated files are refused or read to values within the bars; never a crash.
TEST(ExperimentFile, MutatedFilesAreRefusedOrReadWithinRange)
{
    const QByteArray good = SimulationFile({3, 7, 2, 9, true});
    const QByteArray pieces[] = {"{",           "}",       "[",        "]",   ",",    ":",
                                 "\"",          "-1",      "1e308",    "NaN", "null", "true",
                                 "99999999999", "\\u0000", "\xCE\xB1", " "};
    std::mt19937 random(20261209);
    int accepted = 0;
    for (int round = 0; round < 4000; ++round) {
        QByteArray text = good;
        for (int edits = 1 + static_cast<int>(random() % 4); edits > 0; --edits) {
            const auto at =
                static_cast<qsizetype>(random() % static_cast<unsigned>(text.size() + 1));
            switch (random() % 4) {
            case 0:
                text.insert(at, pieces[random() % std::size(pieces)]);
                break;
            case 1:
                text.remove(at, 1 + static_cast<qsizetype>(random() % 6));
                break;
            case 2:
                if (at < text.size()) {
                    text[at] = static_cast<char>(random() % 256);
                }
                break;
            default:
                text.insert(at, text.mid(at / 2, 1 + static_cast<qsizetype>(random() % 12)));
            }
        }
        QString problem;
        const std::optional<SimulationInputs> read = ReadSimulation(text, problem);
        if (read) {
            ++accepted;
            EXPECT_TRUE(WithinBars(*read)) << text.toStdString();
        } else {
            EXPECT_FALSE(problem.isEmpty()) << text.toStdString();
        }
    }
    // Some mutations leave a valid file (spaces, a reordered field): both paths are exercised.
    EXPECT_GT(accepted, 0);
    EXPECT_LT(accepted, 4000);
}

bool SameInputs(const SimulationInputs& a, const SimulationInputs& b)
{
    return a.massValue == b.massValue && a.frictionValue == b.frictionValue &&
           a.intervalValue == b.intervalValue && a.periodCount == b.periodCount &&
           a.baseInfluenced == b.baseInfluenced;
}

// Saved, changed, opened: the screen and its run are back; a refused file changes nothing; both
// files reached are remembered, newest first.
TEST(ExperimentFile, TheSimulationScreenComesBackFromItsFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("μ experiment.ttlab"));
    Application app;
    app.Simulation().SetBeep([] {});
    const SimulationInputs saved{7, 2, 3, 6, true};
    app.PresetSimulation(saved);
    app.Simulation().RunSimulation();
    const SimulationResult savedRun = *app.Simulation().LastRun();
    ASSERT_TRUE(SaveExperimentTo(app, QStringLiteral("simulation"), path));

    app.PresetSimulation({});
    app.Simulation().RunSimulation();
    ASSERT_TRUE(OpenExperimentFrom(app, path).isEmpty());
    EXPECT_TRUE(SameInputs(app.simulationScreen().inputs(), saved));
    EXPECT_TRUE(app.BaseFree());
    ASSERT_TRUE(app.Simulation().LastRun());
    EXPECT_EQ(app.Simulation().LastRun()->StepCount, savedRun.StepCount);
    EXPECT_EQ(app.Simulation().LastRun()->series.PositionInertialX,
              savedRun.series.PositionInertialX);

    const QString bad = dir.filePath(QStringLiteral("bad.ttlab"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ExperimentJson({QStringLiteral("simulation"), SimulationSettings({})})
                   .replace("\"mass\": 1", "\"mass\": 100"));
    file.close();
    EXPECT_FALSE(OpenExperimentFrom(app, bad).isEmpty());
    EXPECT_FALSE(OpenExperimentFrom(app, dir.filePath(QStringLiteral("gone.ttlab"))).isEmpty());
    EXPECT_TRUE(SameInputs(app.simulationScreen().inputs(), saved));
    EXPECT_EQ(RecentExperiments().value(0), path);
}

} // namespace
} // namespace ttl
