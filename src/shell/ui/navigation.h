#pragma once

namespace ttl {

// Ends the program at once: every screen closes, nothing is asked.
void EndProgram();

} // namespace ttl
