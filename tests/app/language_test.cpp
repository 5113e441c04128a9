#include "app/application.h"
#include "app/command_line.h"
#include "app/language.h"
#include "shell/translation.h"
#include "turntable/run_csv.h"
#include "turntable/simulation_run.h"
#include "turntable/ui/rotating_screen.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace ttl {
namespace {

QString TextOf(QWidget& screen, const char* name)
{
    if (auto* button = screen.findChild<QAbstractButton*>(QString::fromLatin1(name))) {
        return button->text();
    }
    return screen.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// With --lang el the simulation screen speaks Greek: its caption, buttons, check box and the
// labels the core writes with their values, in the decimal comma. A text nobody translated stays
// English, and English comes back with --lang en. The table file keeps the point in any language.
TEST(Language, GreekScreensAndEnglishForWhatIsNotTranslated)
{
    const CommandLine line = ParseCommandLine(
        {QStringLiteral("turntable-lab"), QStringLiteral("--lang"), QStringLiteral("el")});
    ASSERT_EQ(line.action, CommandLine::Action::OpenProgram);
    ASSERT_EQ(InstallLanguage(line.language), QStringLiteral("el"));
    {
        Application app;
        RotatingScreen& screen = app.simulationScreen();
        EXPECT_EQ(screen.windowTitle(),
                  QStringLiteral("Προσομοίωση και στα δύο συστήματα - Μεταβλητές"));
        EXPECT_EQ(TextOf(screen, "epanalipsi"), QStringLiteral("ΕΠΑΝΑΛΗΨΗ"));
        EXPECT_EQ(TextOf(screen, "Command1"), QStringLiteral("ΠΙΣΩ"));
        EXPECT_EQ(TextOf(screen, "xronotroxia"), QStringLiteral("Τροχιά - χρόνος"));
        EXPECT_EQ(TextOf(screen, "dialogi"), QStringLiteral("Η βάση δεν επηρεάζεται"));
        EXPECT_EQ(TextOf(screen, "Label4"), QStringLiteral("Μάζα=0,5"));
        EXPECT_EQ(TextOf(screen, "Label3"),
                  QStringLiteral("Συντελεστής τριβής μ= 0,10 (μg = 1,00)"));
        EXPECT_EQ(Tr("simulation", "A text nobody translated"), "A text nobody translated");

        std::istringstream csv(RunCsv(RunSimulation(SimulationInputs{})));
        std::string header;
        std::string row;
        std::getline(csv, header);
        std::getline(csv, row);
        std::getline(csv, row);
        EXPECT_EQ(std::count(row.begin(), row.end(), ','),
                  std::count(header.begin(), header.end(), ','));
        EXPECT_NE(row.find('.'), std::string::npos) << row;
    }
    EXPECT_EQ(InstallLanguage(QStringLiteral("en")), QStringLiteral("en"));
    Application app;
    EXPECT_EQ(TextOf(app.simulationScreen(), "epanalipsi"), QStringLiteral("REPEAT"));
    EXPECT_EQ(TextOf(app.simulationScreen(), "Label4"), QStringLiteral("Mass=0.5"));

    // --help speaks the language asked for, like the windows.
    EXPECT_EQ(ParseCommandLine({QStringLiteral("turntable-lab"), QStringLiteral("--lang"),
                                QStringLiteral("el"), QStringLiteral("--help")})
                  .language,
              QStringLiteral("el"));

    for (const char* refused : {"fr", ""}) {
        EXPECT_EQ(ParseCommandLine({QStringLiteral("turntable-lab"), QStringLiteral("--lang"),
                                    QString::fromLatin1(refused)})
                      .action,
                  CommandLine::Action::Refuse)
            << refused;
    }
}

} // namespace
} // namespace ttl
