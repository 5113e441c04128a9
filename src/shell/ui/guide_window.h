#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace ttl {

// The parts of the teacher's guide a window can open at; each is an anchor of the guide named
// as --snapshot names the screen.
enum class GuideSection { Introduction, Simulation, Explorer, CurveLab, TranslatingFrame };

QString GuideAnchor(GuideSection section);

// The guide follows the language of the windows ("en", "el"); a language without a guide of its
// own gets the English one.
void SetGuideLanguage(const QString& language);

// The teacher's guide, bundled with the program, in one window that every screen reuses.
class GuideWindow : public QWidget {
    Q_OBJECT

public:
    // The one window, made on first use and deleted with the application.
    static GuideWindow& Instance();

    // Loads the guide in the current language, shows the window at the section and raises it.
    void showSection(GuideSection section);

    [[nodiscard]] QTextBrowser& browser() const { return *m_browser; }

private:
    GuideWindow();
    QTextBrowser* m_browser;
};

} // namespace ttl
