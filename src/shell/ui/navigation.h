#pragma once

namespace ttl {

// Ends the program at once: every screen closes, nothing is asked.
void EndProgram();

// Whether EndProgram is closing the windows: a window closed then goes back nowhere.
[[nodiscard]] bool ProgramEnding();

} // namespace ttl
