#include "shell/ui/help_menu.h"

#include "shell/ui/about_box.h"
#include "shell/ui/controls.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace ttl {

namespace {

// The window's own entries, found again if asked twice: two actions on F1 in one window would
// cancel each other.
QAction* GuideEntry(QWidget& window, GuideSection section)
{
    const QString name = QStringLiteral("HELPGUIDE");
    if (auto* existing = window.findChild<QAction*>(name, Qt::FindDirectChildrenOnly)) {
        return existing;
    }
    auto* guide = new QAction(QObject::tr("Teacher's guide"), &window);
    guide->setObjectName(name);
    guide->setShortcut(QKeySequence::HelpContents);
    guide->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(guide, &QAction::triggered, &window,
                     [section] { GuideWindow::Instance().showSection(section); });
    window.addAction(guide);
    return guide;
}

QAction* AboutEntry(QWidget& window)
{
    const QString name = QStringLiteral("HELPABOUT");
    if (auto* existing = window.findChild<QAction*>(name, Qt::FindDirectChildrenOnly)) {
        return existing;
    }
    auto* about = new QAction(QObject::tr("About Turntable Lab"), &window);
    about->setObjectName(name);
    about->setMenuRole(QAction::AboutRole);
    QObject::connect(about, &QAction::triggered, &window, [&window] { ShowAboutBox(&window); });
    window.addAction(about);
    return about;
}

} // namespace

QAction* AddHelpMenu(QMenuBar* bar, GuideSection section)
{
    QWidget& window = *bar->window();
    QMenu* help = AddMenu(bar, "HELP", QObject::tr("Help"));
    QAction* guide = GuideEntry(window, section);
    help->addAction(guide);
    help->addAction(AboutEntry(window));
    return guide;
}

void AddHelpKeys(QWidget& window, GuideSection section)
{
    GuideEntry(window, section);
    AboutEntry(window);
}

QMenuBar* ScreenMenuBar(QWidget& screen)
{
    QLayout* layout = screen.layout();
    if (auto* bar = qobject_cast<QMenuBar*>(layout->menuBar())) {
        return bar;
    }
    auto* bar = new QMenuBar(&screen);
    layout->setMenuBar(bar);
    return bar;
}

} // namespace ttl
