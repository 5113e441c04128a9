#include "shell/ui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ttl {

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
    window.setGeometry(area.left() + scaled(area.width(), placement.left),
                       area.top() + scaled(area.height(), placement.top),
                       scaled(area.width(), placement.width),
                       scaled(area.height(), placement.height));
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
    window.adjustSize();
    // Before its first showing a window has no frame yet: allow for a typical title bar.
    const QSize decoration =
        window.isVisible() ? window.frameGeometry().size() - window.size() : QSize(16, 40);
    window.move(BesidePosition(anchor.frameGeometry(), window.size() + decoration,
                               screen->availableGeometry()));
}

} // namespace ttl
