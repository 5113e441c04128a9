#include "shell/ui/window_keeper.h"

#include "shell/ui/navigation.h"
#include "shell/ui/screen_placement.h"

#include <QEvent>
#include <QWidget>

namespace ttl {

void WindowKeeper::Keep(QWidget& window, std::function<void()> onClose)
{
    if (onClose) {
        m_onClose[&window] = std::move(onClose);
    }
    window.installEventFilter(this);
}

bool WindowKeeper::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = qobject_cast<QWidget*>(watched);
    if (window == nullptr || !window->isWindow()) {
        return false;
    }
    if (event->type() == QEvent::Show) {
        // Before the window appears: a position or size kept from another screen or a
        // maximised showing would leave it partly out of reach.
        KeepOnScreen(*window);
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
