#pragma once

#include <QKeySequence>

#include <initializer_list>

#include "shell/scroll_range.h"

#include <QString>

#include <string>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QObject;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QScrollBar;
class QTextEdit;
class QTimer;
class QWidget;

namespace ttl {

// Factories for the controls of the screens. Each control gets the object name the program's
// design gives it, so that code and tests find it with findChild.

// Core texts are UTF-8.
inline QString ToQString(const std::string& text)
{
    return QString::fromStdString(text);
}

QScrollBar* MakeScrollBar(QWidget* parent, const char* name, Qt::Orientation orientation,
                          ScrollRange range, const QString& tip);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tip = {});
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text = {});
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption,
                        const QString& tip = {});
QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption, bool selected,
                         const QString& tip = {});
// A frameless panel that scrolls `content` when it is larger than the room it gets: up and down,
// and sideways where its width would crowd the screen; Tab goes through the content's controls,
// and the panel follows them.
QScrollArea* MakeScrollPanel(QWidget* parent, QWidget* content);
// A multi-line text box for explanations: wraps words, read-only.
QTextEdit* MakeTextBox(QWidget* parent, const char* name);
// A timer that starts disabled.
QTimer* MakeTimer(QObject* parent, const char* name, int intervalMs);

// A menu-bar entry that acts when clicked.
QAction* AddMenuCommand(QMenuBar* bar, const char* name, const QString& caption);
// A menu-bar entry that opens a menu; its entries are added with AddMenuEntry.
QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption);
QAction* AddMenuEntry(QMenu* menu, const char* name, const QString& caption,
                      bool checkable = false);

// Keyboard shortcuts for a screen's frequent commands, each given to the button or menu entry of
// that object name and shown in its tooltip, e.g. "Advance the motion by one step (S)".
struct Shortcut {
    const char* control;
    QKeySequence keys;
};
void AddShortcuts(QWidget& screen, std::initializer_list<Shortcut> shortcuts);

} // namespace ttl
