#include "shell/ui/screen_placement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {

// The title bar and borders round the window's client area, as far as the window system has
// told them (nothing before the window was first shown).
QMargins FrameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

} // namespace

void PlaceWindow(QWidget& window, const Placement& placement)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const auto scaled = [](int length, double fraction) {
        return static_cast<int>(std::lround(length * fraction));
    };
    const QRect frame(area.left() + scaled(area.width(), placement.left),
                      area.top() + scaled(area.height(), placement.top),
                      scaled(area.width(), placement.width),
                      scaled(area.height(), placement.height));
    window.setGeometry(frame.marginsRemoved(FrameMargins(window)));
    KeepOnScreen(window); // a minimum size larger than the place
}

QPoint BesidePosition(const QRect& anchor, const QSize& size, const QRect& available)
{
    int x = anchor.right() + 1;
    if (x + size.width() > available.right() + 1) {
        x = available.right() + 1 - size.width();
    }
    x = std::max(x, available.left());
    const int y =
        std::max(available.top(), std::min(anchor.top(), available.bottom() + 1 - size.height()));
    return {x, y};
}

void PlaceBeside(QWidget& window, const QWidget& anchor)
{
    const QScreen* screen = anchor.screen() ? anchor.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    window.setWindowState(window.windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    window.adjustSize();
    // Before its first showing a window has no frame yet: allow for a typical title bar.
    const QSize decoration =
        window.isVisible() ? window.frameGeometry().size() - window.size() : QSize(16, 40);
    window.move(BesidePosition(anchor.frameGeometry(), window.size() + decoration,
                               screen->availableGeometry()));
    KeepOnScreen(window);
}

QRect FitInside(const QRect& frame, const QRect& available)
{
    const int width = std::min(frame.width(), available.width());
    const int height = std::min(frame.height(), available.height());
    const int x = std::clamp(frame.x(), available.left(), available.right() + 1 - width);
    const int y = std::clamp(frame.y(), available.top(), available.bottom() + 1 - height);
    return {x, y, width, height};
}

void KeepOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr ||
        (window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0) {
        return;
    }
    const QRect frame = window.frameGeometry();
    const QRect fitted = FitInside(frame, screen->availableGeometry());
    if (fitted != frame) {
        window.setGeometry(fitted.marginsRemoved(FrameMargins(window)));
    }
}

} // namespace ttl
