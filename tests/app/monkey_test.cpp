#include "app/application.h"
#include "shell/palette.h"
#include "shell/ui/surface_view.h"
#include "turntable/ui/simulation_activity.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace ttl {
namespace {

// What a monkey must not press: the END entries end the program, and the file dialogs wait for
// an answer.
const std::set<QString> Forbidden{QStringLiteral("TELOS"), QStringLiteral("telos"),
                                  QStringLiteral("TERMATISMOS"), QStringLiteral("TELOSPRO"),
                                  QStringLiteral("saveCsv")};

int FromEnvironment(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoi(value) : fallback;
}

// Random actions on every visible, enabled control of every screen, from a fixed seed. After
// each: no label or text says nan or inf, no surface was offered a non-finite coordinate, and
// every colour drawn has its colour-blind-safe colour in the palette table.
class Monkey {
public:
    explicit Monkey(unsigned seed) : m_random(seed), m_seed(seed) {}

    void Run(Application& app, int actions)
    {
        app.Simulation().SetBeep([] {});
        app.Start();
        for (int step = 0; step < actions; ++step) {
            const std::string action = Act();
            QApplication::processEvents();
            const std::string fault = Fault();
            ASSERT_TRUE(fault.empty())
                << "seed " << m_seed << ", action " << step << " (" << action << "): " << fault;
        }
    }

private:
    std::vector<QWidget*> Windows() const
    {
        std::vector<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) {
                windows.push_back(w);
            }
        }
        return windows;
    }

    template <typename T> std::vector<T*> Visible(QWidget* window) const
    {
        std::vector<T*> found;
        for (T* c : window->findChildren<T*>()) {
            // qt_ widgets are the toolkit's own, such as the menu bar's extension button whose
            // popup waits for a choice.
            if (c->isVisible() && c->isEnabled() && !Forbidden.count(c->objectName()) &&
                !c->objectName().startsWith(QStringLiteral("qt_"))) {
                found.push_back(c);
            }
        }
        return found;
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

    std::string Act()
    {
        const std::vector<QWidget*> windows = Windows();
        if (windows.empty()) {
            return "nothing to act on";
        }
        QWidget* window = windows[static_cast<std::size_t>(Pick(static_cast<int>(windows.size())))];
        const std::string where = window->objectName().toStdString() + ": ";
        switch (Pick(6)) {
        case 0: {
            const auto buttons = Visible<QAbstractButton>(window);
            if (!buttons.empty()) {
                QAbstractButton* b =
                    buttons[static_cast<std::size_t>(Pick(static_cast<int>(buttons.size())))];
                b->click();
                return where + "click " + b->objectName().toStdString();
            }
            break;
        }
        case 1: {
            std::vector<QAction*> actions;
            for (QAction* a : window->findChildren<QAction*>()) {
                if (a->isEnabled() && !a->objectName().isEmpty() &&
                    !Forbidden.count(a->objectName()) && !a->menu()) {
                    actions.push_back(a);
                }
            }
            if (!actions.empty()) {
                QAction* a =
                    actions[static_cast<std::size_t>(Pick(static_cast<int>(actions.size())))];
                a->trigger();
                return where + "menu " + a->objectName().toStdString();
            }
            break;
        }
        case 2: {
            const auto bars = Visible<QScrollBar>(window);
            if (!bars.empty()) {
                QScrollBar* b = bars[static_cast<std::size_t>(Pick(static_cast<int>(bars.size())))];
                if (Pick(2) == 0) {
                    b->setValue(b->minimum() + Pick(b->maximum() - b->minimum() + 1));
                    return where + "set " + b->objectName().toStdString();
                }
                b->setFocus();
                QTest::keyClick(b, Pick(2) == 0 ? Qt::Key_Right : Qt::Key_PageDown);
                return where + "key " + b->objectName().toStdString();
            }
            break;
        }
        case 3: {
            const auto views = Visible<SurfaceView>(window);
            if (!views.empty()) {
                SurfaceView* v =
                    views[static_cast<std::size_t>(Pick(static_cast<int>(views.size())))];
                const QPoint a(Pick(std::max(1, v->width())), Pick(std::max(1, v->height())));
                const QPoint b(Pick(std::max(1, v->width())), Pick(std::max(1, v->height())));
                QTest::mousePress(v, Qt::LeftButton, Qt::NoModifier, a);
                QTest::mouseRelease(v, Qt::LeftButton,
                                    Pick(2) == 0 ? Qt::NoModifier : Qt::ShiftModifier, b);
                return where + "mouse on " + v->objectName().toStdString();
            }
            break;
        }
        case 4:
            window->resize(100 + Pick(2900), 100 + Pick(1900));
            return where + "resize";
        default:
            QTest::qWait(Pick(30)); // the timers run
            return "wait";
        }
        return where + "nothing";
    }

    // A colour the table lacks would be shown as the nearest one's, not as chosen.
    static bool InPaletteTable(Color c)
    {
        const auto table = ColourBlindSafeTable();
        return std::any_of(table.begin(), table.end(),
                           [c](const PaletteEntry& e) { return e.original == c; });
    }

    std::string Fault() const
    {
        static const QRegularExpression number(QStringLiteral("\\b(nan|-?inf)\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (number.match(label->text()).hasMatch()) {
                    return "label " + label->objectName().toStdString() + " says " +
                           label->text().toStdString();
                }
            }
            for (QTextEdit* text : window->findChildren<QTextEdit*>()) {
                if (number.match(text->toPlainText()).hasMatch()) {
                    return "text " + text->objectName().toStdString();
                }
            }
            QList<SurfaceView*> views = window->findChildren<SurfaceView*>();
            if (auto* self = qobject_cast<SurfaceView*>(window)) {
                views.push_back(self);
            }
            for (SurfaceView* view : views) {
                if (view->surface().NonFiniteCalls() != 0) {
                    return "non-finite coordinates offered to " + view->objectName().toStdString();
                }
                if (!InPaletteTable(view->surface().BackColor())) {
                    return "background of " + view->objectName().toStdString() +
                           " is not in the palette table";
                }
                for (const Primitive& p : view->surface().Primitives()) {
                    if (!InPaletteTable(p.color)) {
                        return "colour " + std::to_string(p.color.red) + "," +
                               std::to_string(p.color.green) + "," +
                               std::to_string(p.color.blue) + " of " +
                               view->objectName().toStdString() + " is not in the palette table";
                    }
                    if (p.kind == PrimitiveKind::Text &&
                        number.match(QString::fromStdString(p.text)).hasMatch()) {
                        return "picture " + view->objectName().toStdString() + " prints " + p.text;
                    }
                }
            }
        }
        return {};
    }

    std::mt19937 m_random;
    unsigned m_seed;
};

class MonkeyTest : public testing::TestWithParam<unsigned> {};

// CI runs three seeds of 2000 actions; scripts/monkey.sh sets MONKEY_ACTIONS for longer runs.
TEST_P(MonkeyTest, RandomUseNeverBreaksTheProgram)
{
    Application app;
    Monkey(GetParam()).Run(app, FromEnvironment("MONKEY_ACTIONS", 2000));
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest, testing::ValuesIn([] {
                             std::vector<unsigned> seeds;
                             const int count = FromEnvironment("MONKEY_SEEDS", 3);
                             const int first = FromEnvironment("MONKEY_FIRST_SEED", 1);
                             for (int k = 0; k < count; ++k) {
                                 seeds.push_back(static_cast<unsigned>(first + k));
                             }
                             return seeds;
                         }()));

} // namespace
} // namespace ttl
