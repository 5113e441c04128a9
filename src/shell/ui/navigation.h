#pragma once

#include <functional>

class QWidget;

namespace ttl {

// Runs `effect` when the control `name` of `screen` is clicked: a button, an option, a check box
// or a menu entry. Naming a control the screen does not have is a programming error.
void OnClick(QWidget& screen, const char* name, std::function<void()> effect);

// Ends the program at once: every screen closes, nothing is asked.
void EndProgram();

} // namespace ttl
