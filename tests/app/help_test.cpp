#include "../shell/ui/screen_lookup.h"
#include "app/application.h"
#include "app/command_line.h"
#include "app/language.h"
#include "shell/ui/about_box.h"
#include "shell/ui/guide_window.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace ttl {
namespace {

// Where the anchor is in the guide's view, or an empty rectangle if the guide has no such anchor.
QRect AnchorRect(const QTextBrowser& browser, const QString& anchor)
{
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(anchor)) {
                QTextCursor cursor(browser.document());
                cursor.setPosition(it.fragment().position());
                return browser.cursorRect(cursor);
            }
        }
    }
    return {};
}

// F1 on each window opens the one guide, in the program's language, with the window's own
// section in view; a window with a menu bar has the entry in its Help menu too.
TEST(Help, EachScreensF1OpensTheGuideAtItsOwnSection)
{
    const struct {
        const char* screen;
        const char* section;
        bool menuBar;
    } cases[] = {
        {"EISAGOGIKI", "introduction", true},   {"firststep", "curve-lab", true},
        {"exigisirelative", "translating-frame", true}, {"exigisi2", "explorer", true},
        {"rotating", "simulation", true},       {"DIALEGO", "explorer", false},
        {"x_ygraph", "simulation", false},      {"base_centrafugal", "simulation", false},
    };
    Application app;
    for (const char* language : {"el", "en"}) {
        InstallLanguage(QString::fromLatin1(language));
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(language) + " " + c.screen);
            QWidget& screen = testing_support::Screen(app, c.screen);
            screen.show();
            screen.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
            QTest::keyClick(&screen, Qt::Key_F1);

            GuideWindow& guide = GuideWindow::Instance();
            ASSERT_TRUE(guide.isVisible());
            const QTextBrowser& browser = guide.browser();
            EXPECT_TRUE(browser.source().path().endsWith(
                QStringLiteral("guide_%1.html").arg(QString::fromLatin1(language))));
            const QRect anchor = AnchorRect(browser, QString::fromLatin1(c.section));
            ASSERT_FALSE(anchor.isNull()) << "no section " << c.section;
            EXPECT_TRUE(browser.viewport()->rect().contains(anchor.topLeft()));

            const auto* help = screen.findChild<QMenu*>(QStringLiteral("HELP"));
            EXPECT_EQ(help != nullptr, c.menuBar);
            if (help != nullptr) {
                EXPECT_EQ(help->actions().size(), 2);
            }
            guide.hide();
            screen.hide();
        }
    }
    InstallLanguage(QStringLiteral("en"));
}

TEST(Help, AboutShowsTheVersionTheCommandLinePrintsAndTheLicence)
{
    Application app;
    auto* about = app.introduction().findChild<QAction*>(QStringLiteral("HELPABOUT"));
    ASSERT_NE(about, nullptr);
    about->trigger();
    auto* box = app.introduction().findChild<AboutBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    const QString version = VersionText().section(QLatin1Char(' '), -1); // "turntable-lab 0.1.0"
    ASSERT_FALSE(version.isEmpty());
    const auto* summary = box->findChild<QLabel*>(QStringLiteral("aboutSummary"));
    EXPECT_TRUE(summary->text().contains(version)) << summary->text().toStdString();
    EXPECT_TRUE(summary->text().contains(QStringLiteral("GPL-3.0-or-later")));
    const QString licence =
        box->findChild<QPlainTextEdit*>(QStringLiteral("licenceText"))->toPlainText();
    EXPECT_TRUE(licence.contains(QStringLiteral("GNU GENERAL PUBLIC LICENSE")));
    EXPECT_TRUE(licence.contains(QStringLiteral("Version 3, 29 June 2007")));
    box->close();
}

} // namespace
} // namespace ttl
