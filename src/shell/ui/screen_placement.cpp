#include "shell/ui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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

} // namespace ttl
