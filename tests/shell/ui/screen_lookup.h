#pragma once

#include "curve/ui/first_step_screen.h"
#include "explorer/ui/choice_window.h"
#include "explorer/ui/explorer_screen.h"
#include "app/application.h"
#include "shell/ui/introduction_screen.h"
#include "shell/ui/surface_view.h"
#include "translating/ui/relative_motion_screen.h"
#include "turntable/ui/rotating_screen.h"
#include "turntable/ui/work_energy_window.h"

#include <QAbstractButton>
#include <QAction>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>

namespace ttl::testing_support {

// The application's screen with this object name, created on first use like any screen.
inline QWidget& Screen(Application& app, const std::string& name)
{
    const std::map<std::string, std::function<QWidget&()>> screens{
        {"EISAGOGIKI", [&]() -> QWidget& { return app.introduction(); }},
        {"firststep", [&]() -> QWidget& { return app.firstExplanation(); }},
        {"exigisirelative", [&]() -> QWidget& { return app.translatingFrame(); }},
        {"exigisi2", [&]() -> QWidget& { return app.explorer(); }},
        {"DIALEGO", [&]() -> QWidget& { return app.baseChoice(); }},
        {"rotating", [&]() -> QWidget& { return app.simulationScreen(); }},
        {"x_ygraph", [&]() -> QWidget& { return app.orbitWindow(); }},
        {"goniaxronos", [&]() -> QWidget& { return app.baseAngleGraph(); }},
        {"goniakigraph", [&]() -> QWidget& { return app.angularVelocityGraph(); }},
        {"velocitytimes", [&]() -> QWidget& { return app.velocityGraph(); }},
        {"xronikh", [&]() -> QWidget& { return app.vectorsAnimation(); }},
        {"xronoorbit", [&]() -> QWidget& { return app.orbitAnimation(); }},
        {"base_centrafugal", [&]() -> QWidget& { return app.workEnergyWindow(); }},
    };
    const auto it = screens.find(name);
    if (it == screens.end()) {
        throw std::invalid_argument("no screen " + name);
    }
    return it->second();
}

// Clicks a button, option, check box or menu entry of a screen, as the user would.
inline void Click(QWidget& screen, const char* control)
{
    const QString name = QString::fromLatin1(control);
    if (auto* button = screen.findChild<QAbstractButton*>(name)) {
        button->click();
    } else if (auto* action = screen.findChild<QAction*>(name)) {
        action->trigger();
    } else {
        throw std::invalid_argument(std::string("no control ") + control);
    }
}

} // namespace ttl::testing_support
