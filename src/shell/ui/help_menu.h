#pragma once

#include "shell/ui/guide_window.h"

class QAction;
class QMenuBar;
class QWidget;

namespace ttl {

// A "Help" menu on the bar: "Teacher's guide" (F1), opening the guide at `section`, and "About
// Turntable Lab". F1 works anywhere in the bar's window. Returns the guide's entry.
QAction* AddHelpMenu(QMenuBar* bar, GuideSection section);

// For a window without a menu bar: F1 opens the guide at `section`; both entries become actions
// of the window, which a drawing's context menu lists.
void AddHelpKeys(QWidget& window, GuideSection section);

// The menu bar at the top of a screen's layout, made there if it has none yet.
QMenuBar* ScreenMenuBar(QWidget& screen);

} // namespace ttl
