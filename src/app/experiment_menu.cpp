#include "app/experiment_menu.h"

#include "app/experiment_screens.h"
#include "shell/ui/help_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>

namespace ttl {

namespace {
constexpr int RecentCount = 8;
const QString RecentKey = QStringLiteral("experiments/recent");

void Remember(const QString& path)
{
    QStringList recent = RecentExperiments();
    const QString full = QFileInfo(path).absoluteFilePath();
    recent.removeAll(full);
    recent.prepend(full);
    QSettings().setValue(RecentKey, recent.mid(0, RecentCount));
}

void Forget(const QString& path)
{
    QStringList recent = RecentExperiments();
    recent.removeAll(path);
    QSettings().setValue(RecentKey, recent);
}

QString ExperimentFilter()
{
    return QCoreApplication::translate("ttl::ExperimentMenu", "Turntable Lab experiment (*.ttlab)");
}

void OpenInteractively(Application& app, QWidget& screen, const QString& path)
{
    if (const QString problem = OpenExperimentFrom(app, path); !problem.isEmpty()) {
        if (!QFileInfo::exists(path)) {
            Forget(path);
        }
        QMessageBox::warning(
            &screen, QCoreApplication::translate("ttl::ExperimentMenu", "Open experiment"),
            QCoreApplication::translate("ttl::ExperimentMenu", "Could not open %1: %2")
                .arg(path, problem));
    }
}

void SaveInteractively(Application& app, QWidget& screen, const QString& screenName)
{
    QString path = QFileDialog::getSaveFileName(
        &screen, QCoreApplication::translate("ttl::ExperimentMenu", "Save experiment"),
        RecentExperiments().value(0), ExperimentFilter());
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".ttlab"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".ttlab");
    }
    if (const WriteResult written = SaveExperimentTo(app, screenName, path); !written) {
        QMessageBox::warning(&screen,
                             QCoreApplication::translate("ttl::ExperimentMenu", "Save experiment"),
                             written.reason);
    }
}

// The recent files, listed afresh each time the menu opens.
void FillRecent(QMenu& menu, Application& app, QWidget& screen)
{
    menu.clear();
    const QStringList recent = RecentExperiments();
    for (int k = 0; k < recent.size(); ++k) {
        const QString& path = recent[k];
        QAction* entry =
            menu.addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(path).fileName()));
        entry->setToolTip(path);
        QObject::connect(entry, &QAction::triggered, &screen,
                         [&app, &screen, path] { OpenInteractively(app, screen, path); });
    }
    menu.setEnabled(!recent.isEmpty());
}
} // namespace

QStringList RecentExperiments()
{
    return QSettings().value(RecentKey).toStringList();
}

WriteResult SaveExperimentTo(Application& app, const QString& screenName, const QString& path)
{
    const WriteResult written = SaveExperimentFile(path, CurrentExperiment(app, screenName));
    if (written) {
        Remember(path);
    }
    return written;
}

QString OpenExperimentFrom(Application& app, const QString& path)
{
    const ExperimentReading reading = ReadExperimentFile(path, ExperimentScreens());
    QString problem = reading ? OpenExperiment(app, reading.experiment) : reading.problem;
    if (problem.isEmpty()) {
        Remember(path);
    }
    return problem;
}

void AddExperimentMenu(Application& app, QWidget& screen, const QString& screenName)
{
    QMenuBar* bar = ScreenMenuBar(screen);
    auto* file = new QMenu(QCoreApplication::translate("ttl::ExperimentMenu", "&File"), bar);
    file->setObjectName(QStringLiteral("FILEMENU"));
    bar->insertMenu(bar->actions().value(0), file);

    QAction* save =
        file->addAction(QCoreApplication::translate("ttl::ExperimentMenu", "Save experiment…"));
    save->setObjectName(QStringLiteral("SAVEEXPERIMENT"));
    save->setShortcut(QKeySequence::Save);
    save->setToolTip(QCoreApplication::translate(
        "ttl::ExperimentMenu",
        "Keep this screen's settings in a file, to open in class or at home"));
    save->setEnabled(ExperimentScreens().contains(screenName));
    QObject::connect(save, &QAction::triggered, &screen,
                     [&app, &screen, screenName] { SaveInteractively(app, screen, screenName); });

    QAction* open =
        file->addAction(QCoreApplication::translate("ttl::ExperimentMenu", "Open experiment…"));
    open->setObjectName(QStringLiteral("OPENEXPERIMENT"));
    open->setShortcut(QKeySequence::Open);
    QObject::connect(open, &QAction::triggered, &screen, [&app, &screen] {
        const QString path = QFileDialog::getOpenFileName(
            &screen, QCoreApplication::translate("ttl::ExperimentMenu", "Open experiment"),
            RecentExperiments().value(0), ExperimentFilter());
        if (!path.isEmpty()) {
            OpenInteractively(app, screen, path);
        }
    });

    QMenu* recent =
        file->addMenu(QCoreApplication::translate("ttl::ExperimentMenu", "Recent experiments"));
    recent->setObjectName(QStringLiteral("RECENTEXPERIMENTS"));
    QObject::connect(file, &QMenu::aboutToShow, recent,
                     [recent, &app, &screen] { FillRecent(*recent, app, screen); });
}

} // namespace ttl
