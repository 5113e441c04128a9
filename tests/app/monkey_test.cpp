#include "../shell/ui/window_checks.h"
#include "app/application.h"
#include "shell/palette.h"
#include "shell/ui/animation_player.h"
#include "shell/ui/surface_view.h"
#include "turntable/ui/simulation_activity.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTimerEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace ttl {
namespace {

// Controls the monkey reaches by other actions: END (pressed now and then, not at every
// other click) and the file dialogs (answered with awkward names).
const std::set<QString> Reserved{QStringLiteral("TELOS"), QStringLiteral("telos"),
                                 QStringLiteral("TERMATISMOS"), QStringLiteral("TELOSPRO"),
                                 QStringLiteral("saveCsv")};

int FromEnvironment(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoi(value) : fallback;
}

// The program's own timers (a screen's Timer1, an animation's frame timer) tick only when the
// monkey says so: real time never reaches them, so a seed replays the same run on any machine.
class TimerGate : public QObject {
public:
    TimerGate() { QCoreApplication::instance()->installEventFilter(this); }

    static bool IsProgramTimer(QObject* object)
    {
        auto* timer = qobject_cast<QTimer*>(object);
        return timer != nullptr && (timer->objectName() == QStringLiteral("Timer1") ||
                                    qobject_cast<AnimationPlayer*>(timer->parent()) != nullptr);
    }

    void Tick(QTimer& timer)
    {
        m_open = true;
        QTimerEvent tick(timer.timerId());
        QCoreApplication::sendEvent(&timer, &tick);
        m_open = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return event->type() == QEvent::Timer && !m_open && IsProgramTimer(watched);
    }

private:
    bool m_open = false;
};

// What the monkey answers when the program asks in a window of its own: a file dialog gets
// `path`, a question its "Yes", a message its OK, a context menu the entry `menuEntry` (or it
// closes when there is none). Answers are queued, so that a dialog opened by an answer (the
// question whether to replace a file) is answered in turn.
class Answerer : public QObject {
public:
    QString path;
    int menuEntry = -1;

    Answerer()
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] { Answer(); });
        m_timer.start();
    }

private:
    void Answer()
    {
        QWidget* asking = QApplication::activePopupWidget();
        if (asking == nullptr) {
            asking = QApplication::activeModalWidget();
        }
        if (asking == nullptr) {
            return;
        }
        // Asked again after an answer (a file dialog refusing a name): the user gives up.
        const bool again = asking == m_answered;
        m_answered = asking;
        QTimer::singleShot(0, asking, [this, asking, again] {
            if (!again) {
                AnswerNow(asking);
            } else if (auto* dialog = qobject_cast<QDialog*>(asking)) {
                dialog->reject();
            } else {
                asking->close();
            }
        });
    }

    void AnswerNow(QWidget* asking) const
    {
        if (auto* menu = qobject_cast<QMenu*>(asking)) {
            const QList<QAction*> entries = menu->actions();
            if (menuEntry >= 0 && menuEntry < entries.size()) {
                menu->setActiveAction(entries[menuEntry]);
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                menu->close();
            }
        } else if (auto* files = qobject_cast<QFileDialog*>(asking)) {
            files->selectFile(path);
            static_cast<QDialog*>(files)->accept(); // public there
        } else if (auto* box = qobject_cast<QMessageBox*>(asking)) {
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            yes != nullptr ? yes->click() : box->accept();
        } else if (auto* dialog = qobject_cast<QDialog*>(asking)) {
            dialog->reject();
        } else {
            asking->close();
        }
    }

    QTimer m_timer;
    QPointer<QWidget> m_answered;
};

// Random actions on every visible, enabled control of every screen, from a fixed seed. After
// each: a window shows or the program has ended, every window shown is whole on the screen, no
// label or text says nan or inf, no surface was offered a non-finite coordinate, and every
// colour drawn has its colour-blind-safe colour in the palette table.
class Monkey {
public:
    explicit Monkey(unsigned seed) : m_random(seed), m_seed(seed) { MakeAwkwardPaths(); }

    // In the event loop, as the program runs; after END the user starts it again.
    void Run(Application& app, int actions)
    {
        m_app = &app;
        app.Simulation().SetBeep([] {});
        int step = 0;
        while (step < actions && !testing::Test::HasFailure()) {
            testing_support::RunInEventLoop([&](const testing_support::QuitWatch& quit) {
                app.Start();
                for (; step < actions && !quit.Ended(); ++step) {
                    const std::string action = Act();
                    if (m_trace) {
                        std::fprintf(stderr, "action %d: %s\n", step, action.c_str());
                    }
                    QApplication::processEvents();
                    const std::string fault = Fault(quit);
                    if (!fault.empty()) {
                        ADD_FAILURE() << "seed " << m_seed << ", action " << step << " (" << action
                                      << "): " << fault;
                        return;
                    }
                }
            });
        }
    }

private:
    // Where the file dialogs are answered: a name with spaces and Greek letters, a folder that
    // cannot be written (for root too: a "folder" that is a file), an existing file.
    void MakeAwkwardPaths()
    {
        const QDir dir(m_folder.path());
        dir.mkdir(QStringLiteral("unwritable"));
        QFile::setPermissions(dir.filePath(QStringLiteral("unwritable")),
                              QFile::ReadOwner | QFile::ExeOwner);
        QFile file(dir.filePath(QStringLiteral("a file")));
        file.open(QIODevice::WriteOnly);
        QFile existing(dir.filePath(QStringLiteral("existing.csv")));
        existing.open(QIODevice::WriteOnly);
        m_paths = {dir.filePath(QStringLiteral("run of the Μονάδα 1.png")),
                   dir.filePath(QStringLiteral("unwritable/picture.png")),
                   dir.filePath(QStringLiteral("a file/picture.png")),
                   dir.filePath(QStringLiteral("existing.csv"))};
    }

    // In the order of their names: the toolkit lists them in an order of its own.
    static std::vector<QWidget*> Windows()
    {
        std::vector<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) {
                windows.push_back(w);
            }
        }
        std::sort(windows.begin(), windows.end(), [](const QWidget* a, const QWidget* b) {
            return a->objectName() < b->objectName();
        });
        return windows;
    }

    template <typename T> std::vector<T*> Visible(QWidget* window) const
    {
        std::vector<T*> found;
        for (T* c : window->findChildren<T*>()) {
            // qt_ widgets are the toolkit's own, such as the menu bar's extension button whose
            // popup waits for a choice.
            if (c->isVisible() && c->isEnabled() && !Reserved.count(c->objectName()) &&
                !c->objectName().startsWith(QStringLiteral("qt_"))) {
                found.push_back(c);
            }
        }
        return found;
    }

    std::vector<QAction*> Actions(QWidget* window, bool reserved) const
    {
        std::vector<QAction*> actions;
        for (QAction* a : window->findChildren<QAction*>()) {
            if (a->isEnabled() && !a->objectName().isEmpty() && !a->menu() &&
                Reserved.count(a->objectName()) == (reserved ? 1U : 0U)) {
                actions.push_back(a);
            }
        }
        return actions;
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

    template <typename T> T* PickOf(const std::vector<T*>& items)
    {
        return items.empty()
                   ? nullptr
                   : items[static_cast<std::size_t>(Pick(static_cast<int>(items.size())))];
    }

    std::string Act()
    {
        QWidget* window = PickOf(Windows());
        if (window == nullptr) {
            return "nothing to act on";
        }
        const std::string where = window->objectName().toStdString() + ": ";
        // The answers to any dialog this action opens, drawn whatever the action.
        m_answerer.path = m_paths[static_cast<std::size_t>(Pick(static_cast<int>(m_paths.size())))];
        m_answerer.menuEntry = Pick(3) - 1;
        const int kind = Pick(40);
        if (kind < 8) {
            return where + Click(window);
        }
        if (kind < 14) {
            return where + SetScrollBar(window);
        }
        if (kind < 18) {
            return where + Mouse(window);
        }
        if (kind < 28) {
            return Tick();
        }
        if (kind < 30) {
            return where + Place(window);
        }
        if (kind == 30) {
            window->close();
            return where + "close";
        }
        if (kind < 33) {
            return where + ContextMenu(window);
        }
        if (kind == 33) {
            return where + PressReserved(window);
        }
        return where + Menu(window);
    }

    // END, or "Save run as CSV…" with its file dialog.
    std::string PressReserved(QWidget* window)
    {
        std::vector<QObject*> reserved;
        for (QAction* a : Actions(window, true)) {
            reserved.push_back(a);
        }
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            if (b->isVisible() && b->isEnabled() && Reserved.count(b->objectName()) != 0) {
                reserved.push_back(b);
            }
        }
        QObject* chosen = PickOf(reserved);
        if (chosen == nullptr) {
            return "nothing reserved";
        }
        if (auto* button = qobject_cast<QAbstractButton*>(chosen)) {
            button->click();
        } else {
            qobject_cast<QAction*>(chosen)->trigger();
        }
        return "press " + chosen->objectName().toStdString();
    }

    std::string Click(QWidget* window)
    {
        if (QAbstractButton* b = PickOf(Visible<QAbstractButton>(window))) {
            b->click();
            return "click " + b->objectName().toStdString();
        }
        return "no button";
    }

    std::string Menu(QWidget* window)
    {
        if (QAction* a = PickOf(Actions(window, false))) {
            a->trigger();
            return "menu " + a->objectName().toStdString();
        }
        return "no menu entry";
    }

    std::string SetScrollBar(QWidget* window)
    {
        QScrollBar* b = PickOf(Visible<QScrollBar>(window));
        if (b == nullptr) {
            return "no scroll bar";
        }
        if (Pick(2) == 0) {
            b->setValue(b->minimum() + Pick(b->maximum() - b->minimum() + 1));
            return "set " + b->objectName().toStdString();
        }
        b->setFocus();
        QTest::keyClick(b, Pick(2) == 0 ? Qt::Key_Right : Qt::Key_PageDown);
        return "key " + b->objectName().toStdString();
    }

    std::vector<SurfaceView*> Views(QWidget* window) const
    {
        std::vector<SurfaceView*> views = Visible<SurfaceView>(window);
        if (auto* self = qobject_cast<SurfaceView*>(window)) {
            views.push_back(self);
        }
        return views;
    }

    QPoint PointIn(const QWidget& w)
    {
        return {Pick(std::max(1, w.width())), Pick(std::max(1, w.height()))};
    }

    std::string Mouse(QWidget* window)
    {
        SurfaceView* v = PickOf(Views(window));
        if (v == nullptr) {
            return "no drawing";
        }
        const QPoint a = PointIn(*v);
        const QPoint b = PointIn(*v);
        QTest::mousePress(v, Qt::LeftButton, Qt::NoModifier, a);
        QTest::mouseRelease(v, Qt::LeftButton, Pick(2) == 0 ? Qt::NoModifier : Qt::ShiftModifier,
                            b);
        return "mouse on " + v->objectName().toStdString();
    }

    // "Save picture…", "Copy picture" or nothing, as the answerer was told.
    std::string ContextMenu(QWidget* window)
    {
        SurfaceView* v = PickOf(Views(window));
        if (v == nullptr) {
            return "no drawing";
        }
        const QPoint at = PointIn(*v);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, v->mapToGlobal(at));
        QCoreApplication::sendEvent(v, &event);
        return "context menu of " + v->objectName().toStdString() + ", entry " +
               std::to_string(m_answerer.menuEntry);
    }

    // A drag or a resize by the user, whom the window system keeps on the screen.
    std::string Place(QWidget* window)
    {
        const QRect area = window->screen()->availableGeometry();
        const QMargins frame(window->geometry().left() - window->frameGeometry().left(),
                             window->geometry().top() - window->frameGeometry().top(),
                             window->frameGeometry().right() - window->geometry().right(),
                             window->frameGeometry().bottom() - window->geometry().bottom());
        const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize()) +
                            QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
        const int w = std::min(area.width(), least.width() + Pick(area.width()));
        const int h = std::min(area.height(), least.height() + Pick(area.height()));
        const QRect placed(area.left() + Pick(area.width() - w + 1),
                           area.top() + Pick(area.height() - h + 1), w, h);
        window->setGeometry(placed.marginsRemoved(frame));
        return "place at " + std::to_string(placed.x()) + "," + std::to_string(placed.y()) + " " +
               std::to_string(w) + "x" + std::to_string(h);
    }

    // The running timers tick a few times, as if that much time had passed.
    std::string Tick()
    {
        std::vector<QTimer*> running;
        for (QWidget* window : Windows()) {
            for (QTimer* timer : window->findChildren<QTimer*>()) {
                if (timer->isActive() && TimerGate::IsProgramTimer(timer)) {
                    running.push_back(timer);
                }
            }
        }
        for (AnimationPlayer* player :
             {&m_app->Simulation().VectorsPlayer(), &m_app->Simulation().OrbitPlayer()}) {
            if (player->IsRunning()) {
                running.push_back(player->findChild<QTimer*>());
            }
        }
        const int ticks = 1 + Pick(30);
        for (int k = 0; k < ticks; ++k) {
            for (QTimer* timer : running) {
                if (timer->isActive()) {
                    m_gate.Tick(*timer);
                }
            }
        }
        return std::to_string(ticks) + " ticks of " + std::to_string(running.size()) + " timers";
    }

    // A colour the table lacks would be shown as the nearest one's, not as chosen.
    static bool InPaletteTable(Color c)
    {
        const auto table = ColourBlindSafeTable();
        return std::any_of(table.begin(), table.end(),
                           [c](const PaletteEntry& e) { return e.original == c; });
    }

    static std::string Fault(const testing_support::QuitWatch& quit)
    {
        if (!testing_support::AWindowIsVisible() && !quit.Ended()) {
            return "no window shows and the program runs on";
        }
        if (const std::string off = testing_support::WindowsOffScreen(); !off.empty()) {
            return "off the screen: " + off;
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (std::string fault = WindowFault(window); !fault.empty()) {
                return fault;
            }
        }
        return {};
    }

    static std::string WindowFault(QWidget* window)
    {
        static const QRegularExpression number(QStringLiteral("\\b(nan|-?inf)\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
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
            const std::string name = view->objectName().toStdString();
            if (view->surface().NonFiniteCalls() != 0) {
                return "non-finite coordinates offered to " + name;
            }
            if (!InPaletteTable(view->surface().BackColor())) {
                return "background of " + name + " is not in the palette table";
            }
            for (const Primitive& p : view->surface().Primitives()) {
                if (!InPaletteTable(p.color)) {
                    return "colour " + std::to_string(p.color.red) + "," +
                           std::to_string(p.color.green) + "," + std::to_string(p.color.blue) +
                           " of " + name + " is not in the palette table";
                }
                if (p.kind == PrimitiveKind::Text &&
                    number.match(QString::fromStdString(p.text)).hasMatch()) {
                    return "picture " + name + " prints " + p.text;
                }
            }
        }
        return {};
    }

    std::mt19937 m_random;
    unsigned m_seed;
    bool m_trace = std::getenv("MONKEY_TRACE") != nullptr; // each action on standard error
    Application* m_app = nullptr;
    QTemporaryDir m_folder;
    std::vector<QString> m_paths;
    TimerGate m_gate;
    Answerer m_answerer;
};

class MonkeyTest : public testing::TestWithParam<unsigned> {};

// CI runs three short seeds; scripts/monkey.sh sets MONKEY_SEEDS and MONKEY_ACTIONS for longer
// runs. A failure names its seed and action number, which replay it.
TEST_P(MonkeyTest, RandomUseNeverBreaksTheProgram)
{
    Application app;
    Monkey(GetParam()).Run(app, FromEnvironment("MONKEY_ACTIONS", 400));
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
