#include "shell/ui/controls.h"

#include "shell/ui/side_panel.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QWheelEvent>

namespace ttl {

namespace {
// The object name of the design, the tooltip, and for screen readers a name (the caption, or the
// tooltip when there is none) and a description (the tooltip).
template <typename Widget>
Widget* Named(Widget* widget, const char* name, const QString& tip = {},
              const QString& caption = {})
{
    widget->setObjectName(QString::fromLatin1(name));
    if (!tip.isEmpty()) {
        widget->setToolTip(tip);
        widget->setAccessibleDescription(tip);
    }
    const QString spoken = !caption.isEmpty() ? caption
                           : !tip.isEmpty()   ? tip
                                              : widget->objectName();
    widget->setAccessibleName(spoken);
    return widget;
}
// Buttons and menus read '&' as a keyboard mnemonic; captions show it as it stands.
QString Literal(const QString& caption)
{
    QString escaped = caption;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
} // namespace

namespace {
// Takes the mouse wheel only while it has the keyboard focus: a wheel turned over a panel that
// scrolls moves the panel, and never silently changes a setting on the way.
class FocusWheelScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void wheelEvent(QWheelEvent* event) override
    {
        if (!hasFocus()) {
            event->ignore(); // passed on to the parent, a scrolling panel
            return;
        }
        QScrollBar::wheelEvent(event);
    }
};
} // namespace

QScrollBar* MakeScrollBar(QWidget* parent, const char* name, Qt::Orientation orientation,
                          ScrollRange range, const QString& tip)
{
    auto* bar = Named(new FocusWheelScrollBar(orientation, parent), name, tip);
    bar->setRange(range.minimum, range.maximum);
    bar->setValue(range.initial);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setFocusPolicy(Qt::StrongFocus);
    if (orientation == Qt::Horizontal) {
        bar->setMinimumWidth(160);
    } else {
        bar->setMinimumHeight(120);
        if (range.maximumAtTop) {
            // The larger number at the top, and the Up key moves toward it.
            bar->setInvertedAppearance(true);
            bar->setInvertedControls(false);
        }
    }
    return bar;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tip)
{
    return Named(new QPushButton(Literal(caption), parent), name, tip, caption);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = Named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    return label;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption,
                        const QString& tip)
{
    return Named(new QCheckBox(Literal(caption), parent), name, tip, caption);
}

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption, bool selected,
                         const QString& tip)
{
    auto* option = Named(new QRadioButton(Literal(caption), parent), name, tip, caption);
    option->setChecked(selected);
    return option;
}

QScrollArea* MakeScrollPanel(QWidget* parent, QWidget* content)
{
    return new SidePanel(content, parent);
}

QTextEdit* MakeTextBox(QWidget* parent, const char* name)
{
    auto* box = Named(new QTextEdit(parent), name, {}, QObject::tr("Explanation"));
    box->setReadOnly(true);
    box->setAcceptRichText(false);
    box->setWordWrapMode(QTextOption::WordWrap);
    box->setTabChangesFocus(true); // read with the arrow keys; Tab goes on to the next control
    return box;
}

QTimer* MakeTimer(QObject* parent, const char* name, int intervalMs)
{
    auto* timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(intervalMs);
    return timer;
}

QAction* AddMenuCommand(QMenuBar* bar, const char* name, const QString& caption)
{
    QAction* action = bar->addAction(Literal(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* menu = bar->addMenu(Literal(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* AddMenuEntry(QMenu* menu, const char* name, const QString& caption, bool checkable)
{
    QAction* action = menu->addAction(Literal(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

void AddShortcuts(QWidget& screen, std::initializer_list<Shortcut> shortcuts)
{
    for (const Shortcut& s : shortcuts) {
        const QString name = QString::fromLatin1(s.control);
        const QString keys = s.keys.toString(QKeySequence::NativeText);
        if (auto* button = screen.findChild<QAbstractButton*>(name)) {
            // An action of the window rather than the button's own shortcut: it works wherever
            // the focus is in the window, even in a text box.
            auto* action = new QAction(&screen);
            action->setShortcut(s.keys);
            action->setShortcutContext(Qt::WindowShortcut);
            screen.addAction(action);
            QObject::connect(action, &QAction::triggered, button, [button] {
                if (button->isVisible() && button->isEnabled()) {
                    button->click();
                }
            });
            button->setToolTip(button->toolTip() + QStringLiteral(" (%1)").arg(keys));
        } else if (auto* action = screen.findChild<QAction*>(name)) {
            action->setShortcut(s.keys);
            action->setToolTip(action->text() + QStringLiteral(" (%1)").arg(keys));
        }
    }
}

} // namespace ttl
