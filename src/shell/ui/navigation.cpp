#include "shell/ui/navigation.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QWidget>

namespace ttl {

void OnClick(QWidget& screen, const char* name, std::function<void()> effect)
{
    const QString objectName = QString::fromLatin1(name);
    if (auto* button = screen.findChild<QAbstractButton*>(objectName)) {
        QObject::connect(button, &QAbstractButton::clicked, &screen, [effect] { effect(); });
        return;
    }
    auto* action = screen.findChild<QAction*>(objectName);
    Q_ASSERT_X(action != nullptr, "OnClick", name);
    if (action != nullptr) {
        QObject::connect(action, &QAction::triggered, &screen, [effect] { effect(); });
    }
}

void EndProgram()
{
    QApplication::closeAllWindows();
    QApplication::quit();
}

} // namespace ttl
