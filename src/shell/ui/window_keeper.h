#pragma once

#include <QObject>

#include <functional>
#include <map>

class QWidget;

namespace ttl {

// Keeps the program's windows reachable: each is put whole on its screen every time it is shown
// or resized, and one closed by the user (its title-bar button) does what its BACK or END does, so the
// program never runs on without a window.
class WindowKeeper : public QObject {
public:
    WindowKeeper();

    // `onClose` runs when the user closes `window` (not while the program ends); without one
    // the window simply closes.
    void Keep(QWidget& window, std::function<void()> onClose = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<const QObject*, std::function<void()>> m_onClose;
    bool m_fitting = false; // fitting a window resizes it again
};

} // namespace ttl
