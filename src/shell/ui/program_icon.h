#pragma once

#include <QIcon>

namespace ttl {

// The program's icon, the one of its menu entry, drawn from its SVG at the usual sizes.
QIcon ProgramIcon();

} // namespace ttl
