#include "../shell/ui/screen_lookup.h"
#include "app/application.h"

#include <QAbstractButton>
#include <QScrollBar>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace ttl {
namespace {

// A screen reader can name every control and drawing of every screen.
TEST(Accessibility, EveryControlAndDrawingHasAName)
{
    Application app;
    for (const char* name : {"EISAGOGIKI", "firststep", "exigisirelative", "exigisi2", "DIALEGO",
                             "rotating", "x_ygraph", "goniaxronos", "goniakigraph", "velocitytimes",
                             "xronikh", "xronoorbit", "base_centrafugal"}) {
        QWidget& screen = testing_support::Screen(app, name);
        std::vector<QWidget*> widgets;
        for (auto* w : screen.findChildren<QAbstractButton*>()) {
            widgets.push_back(w);
        }
        for (auto* w : screen.findChildren<QScrollBar*>()) {
            if (!w->objectName().isEmpty()) { // not the scroll areas' own bars
                widgets.push_back(w);
            }
        }
        for (auto* w : screen.findChildren<QTextEdit*>()) {
            widgets.push_back(w);
        }
        for (auto* w : screen.findChildren<SurfaceView*>()) {
            widgets.push_back(w);
        }
        if (auto* self = qobject_cast<SurfaceView*>(&screen)) {
            widgets.push_back(self);
        }
        for (QWidget* w : widgets) {
            if (w->objectName().startsWith(QStringLiteral("qt_"))) {
                continue; // the toolkit's own
            }
            EXPECT_FALSE(w->accessibleName().isEmpty())
                << name << " " << w->metaObject()->className() << " "
                << w->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace ttl
