#include "shell/ui/window_keeper.h"

#include "shell/ui/navigation.h"
#include "shell/ui/screen_placement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace ttl {

WindowKeeper::WindowKeeper()
{
    // Every window, the program's dialogs and help included, is kept on screen.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(this);
    }
}

void WindowKeeper::Keep(QWidget& window, std::function<void()> onClose)
{
    if (onClose) {
        m_onClose[&window] = std::move(onClose);
        connect(&window, &QObject::destroyed, this,
                [this](QObject* gone) { m_onClose.erase(gone); });
    }
}

bool WindowKeeper::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the program passes here: the three that matter are told apart first.
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Resize && type != QEvent::Close) {
        return false;
    }
    auto* window = qobject_cast<QWidget*>(watched);
    // A picture drawn off screen (a snapshot, a recording) takes the size asked for.
    if (window == nullptr || !window->isWindow() ||
        window->testAttribute(Qt::WA_DontShowOnScreen)) {
        return false;
    }
    const bool grown = event->type() == QEvent::Resize && window->isVisible();
    if ((event->type() == QEvent::Show || grown) && !m_fitting) {
        // Before the window appears, a position or size kept from another screen or a maximised
        // showing; while it shows, a layout grown with new controls or a size the program set:
        // either would leave it partly out of reach.
        m_fitting = true;
        KeepOnScreen(*window);
        m_fitting = false;
    } else if (event->type() == QEvent::Close && !ProgramEnding()) {
        const auto found = m_onClose.find(watched);
        if (found != m_onClose.end()) {
            // A copy: the action may end the program, which closes this window again.
            const std::function<void()> onClose = found->second;
            onClose();
        }
    }
    return false;
}

} // namespace ttl
