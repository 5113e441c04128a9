#include "shell/ui/side_panel.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace ttl {

namespace {
// The most of its screen's width a panel takes: the drawing beside it keeps the rest.
constexpr double ScreenShare = 0.4;
} // namespace

SidePanel::SidePanel(QWidget* content, QWidget* parent) : QScrollArea(parent)
{
    setWidget(content);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::NoFocus);
}

int SidePanel::Width() const
{
    const int whole = widget()->sizeHint().width() + verticalScrollBar()->sizeHint().width();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return whole;
    }
    return std::min(whole, static_cast<int>(ScreenShare * screen->availableGeometry().width()));
}

QSize SidePanel::sizeHint() const
{
    return {Width(), QScrollArea::sizeHint().height()};
}

QSize SidePanel::minimumSizeHint() const
{
    return {Width(), QScrollArea::minimumSizeHint().height()};
}

} // namespace ttl
