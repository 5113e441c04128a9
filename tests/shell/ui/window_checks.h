#pragma once

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <functional>

#include <string>

namespace ttl::testing_support {

// Sees the program ask to end (QApplication::quit does nothing unless the event loop runs).
class QuitWatch : public QObject {
public:
    QuitWatch() { QCoreApplication::instance()->installEventFilter(this); }
    [[nodiscard]] bool Ended() const { return m_ended; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        m_ended = m_ended || event->type() == QEvent::Quit;
        return false;
    }

private:
    bool m_ended = false;
};

// Runs `body` in the event loop, as the program runs, with a watch on whether it asks to end.
inline void RunInEventLoop(const std::function<void(const QuitWatch&)>& body)
{
    QuitWatch quit;
    QTimer::singleShot(0, QCoreApplication::instance(), [&] {
        body(quit);
        QCoreApplication::exit(0);
    });
    QCoreApplication::exec();
}

inline bool AWindowIsVisible()
{
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            return true;
        }
    }
    return false;
}

// The visible windows whose frame is not whole on the available area of their screen.
inline std::string WindowsOffScreen()
{
    std::string off;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        const QScreen* screen = window->screen();
        if (window->isVisible() && screen != nullptr &&
            !screen->availableGeometry().contains(window->frameGeometry())) {
            const QRect f = window->frameGeometry();
            off += window->objectName().toStdString() + " at " + std::to_string(f.x()) + "," +
                   std::to_string(f.y()) + " " + std::to_string(f.width()) + "x" +
                   std::to_string(f.height()) + "; ";
        }
    }
    return off;
}

} // namespace ttl::testing_support
