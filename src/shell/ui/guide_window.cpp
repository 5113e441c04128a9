#include "shell/ui/guide_window.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace ttl {

namespace {

QString& GuideLanguage()
{
    static QString language = QStringLiteral("en");
    return language;
}

QUrl GuideUrl(GuideSection section)
{
    QString path = QStringLiteral(":/guide/guide_%1.html").arg(GuideLanguage());
    if (!QFile::exists(path)) {
        path = QStringLiteral(":/guide/guide_en.html");
    }
    QUrl url(QStringLiteral("qrc") + path);
    url.setFragment(GuideAnchor(section));
    return url;
}

QPointer<GuideWindow>& TheWindow()
{
    static QPointer<GuideWindow> window;
    return window;
}

} // namespace

QString GuideAnchor(GuideSection section)
{
    switch (section) {
    case GuideSection::Introduction:
        return QStringLiteral("introduction");
    case GuideSection::Simulation:
        return QStringLiteral("simulation");
    case GuideSection::Explorer:
        return QStringLiteral("explorer");
    case GuideSection::CurveLab:
        return QStringLiteral("curve-lab");
    case GuideSection::TranslatingFrame:
        return QStringLiteral("translating-frame");
    }
    return {};
}

void SetGuideLanguage(const QString& language)
{
    GuideLanguage() = language;
}

GuideWindow& GuideWindow::Instance()
{
    if (TheWindow().isNull()) {
        TheWindow() = new GuideWindow;
        // A window without a parent: it goes before the application's last widgets do.
        qAddPostRoutine([] { delete TheWindow().data(); });
    }
    return *TheWindow();
}

GuideWindow::GuideWindow() : m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("teachersGuide"));
    setWindowTitle(tr("Teacher's guide — Turntable Lab"));
    m_browser->setObjectName(QStringLiteral("guideText"));
    m_browser->setAccessibleName(tr("Teacher's guide"));
    m_browser->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(720, 640);
}

void GuideWindow::showSection(GuideSection section)
{
    // Set anew each time: the language may have changed since the guide was last shown.
    m_browser->setSource(GuideUrl(section));
    show();
    raise();
    activateWindow();
    // Again once shown: the page's layout, and so the anchor's place, follow the window's width.
    m_browser->scrollToAnchor(GuideAnchor(section));
}

} // namespace ttl
