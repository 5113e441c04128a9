#include "../shell/ui/screen_lookup.h"
#include "app/language.h"
#include "shell/surface.h"
#include "turntable/ui/simulation_activity.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ttl {
namespace {

using testing_support::Click;
using testing_support::Screen;

// Every text a window shows: its caption, its controls' captions and tooltips, its menus, its
// text boxes and the texts printed on its drawings.
void CollectTexts(QWidget& window, std::set<QString>& texts)
{
    texts.insert(window.windowTitle());
    for (QWidget* w : window.findChildren<QWidget*>()) {
        texts.insert(w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            texts.insert(label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            texts.insert(button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            texts.insert(group->title());
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                texts.insert(tabs->tabText(i));
            }
        } else if (auto* box = qobject_cast<QTextEdit*>(w)) {
            texts.insert(box->toPlainText());
        } else if (auto* view = qobject_cast<SurfaceView*>(w)) {
            for (const Primitive& p : view->surface().Primitives()) {
                if (p.kind == PrimitiveKind::Text) {
                    texts.insert(QString::fromStdString(p.text));
                }
            }
        }
    }
    for (QAction* a : window.findChildren<QAction*>()) {
        texts.insert(a->text());
        texts.insert(a->toolTip());
    }
}

// Latin words of four letters or more that are not names (of people, of the program and its
// licence), keys or the symbols written beside the arrows.
QStringList EnglishWords(const QString& text)
{
    static const std::set<QString> allowed{
        QStringLiteral("coriolis"), QStringLiteral("foucault"),  QStringLiteral("turntable"),
        QStringLiteral("general"),  QStringLiteral("public"),    QStringLiteral("licence"),
        QStringLiteral("ctrl"),     QStringLiteral("shift"),     QStringLiteral("vrex"),
        QStringLiteral("vrelative"), QStringLiteral("relative")}; // a_relative, Vrelative
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{4,}"));
    QStringList found;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured();
        if (allowed.count(w.toLower()) == 0) {
            found << w;
        }
    }
    return found;
}

// In Greek, no screen of the program shows an English word: not its controls, not the texts the
// core draws, on every screen as a lesson goes through it.
TEST(GreekScreens, ShowNoEnglishWords)
{
    ASSERT_EQ(InstallLanguage(QStringLiteral("el")), QStringLiteral("el"));
    std::set<QString> texts;
    {
        Application app;
        app.Simulation().SetBeep([] {});
        QWidget& intro = Screen(app, "EISAGOGIKI");
        CollectTexts(intro, texts);
        Click(intro, "Command2"); // the simulation with its graphs
        for (const char* graph : {"xronotroxia", "base_centrafugalwork", "goniakiarxi",
                                  "Grafikhvel", "enarxixronou", "gonxro"}) {
            Click(Screen(app, "rotating"), graph);
            CollectTexts(Screen(app, "rotating"), texts); // the graph in its tab
        }
        for (int tab = 0; tab < SimulationGraphCount; ++tab) { // and in its own window
            Click(Screen(app, "rotating"), ("ownWindow_" + std::to_string(tab)).c_str());
        }
        for (const char* name : {"rotating", "x_ygraph", "goniaxronos", "goniakigraph",
                                 "velocitytimes", "xronikh", "xronoorbit", "base_centrafugal"}) {
            CollectTexts(Screen(app, name), texts);
        }
        QWidget& curve = Screen(app, "firststep");
        CollectTexts(curve, texts);
        for (const char* option : {"Option1", "Option2", "Option3"}) {
            if (curve.findChild<QAbstractButton*>(QString::fromLatin1(option)) != nullptr) {
                Click(curve, option);
                CollectTexts(curve, texts);
            }
        }
        QWidget& translating = Screen(app, "exigisirelative");
        for (int k = 0; k < 3; ++k) {
            Click(translating, "Command1");
        }
        CollectTexts(translating, texts);
        QWidget& explorer = Screen(app, "exigisi2");
        for (const char* frame : {"Option2", "Option1"}) {
            Click(explorer, frame);
            Click(explorer, "Command1");
            CollectTexts(explorer, texts);
            Click(explorer, "CORIOLISEXP");
            for (int page = 0; page < 10; ++page) {
                CollectTexts(explorer, texts);
                emit static_cast<ExplorerScreen&>(explorer).Picture1().mouseReleased(
                    0.0, 0.0, Qt::NoModifier);
            }
        }
        CollectTexts(Screen(app, "DIALEGO"), texts);
    }
    InstallLanguage(QStringLiteral("en"));
    QStringList english;
    for (const QString& text : texts) {
        if (!EnglishWords(text).isEmpty()) {
            english << QStringLiteral("\"%1\": %2").arg(text.left(70),
                                                        EnglishWords(text).join(QLatin1Char(' ')));
        }
    }
    EXPECT_TRUE(english.isEmpty()) << english.size() << " texts with English words:\n"
                                   << english.join(QLatin1Char('\n')).toStdString();
}

} // namespace
} // namespace ttl
