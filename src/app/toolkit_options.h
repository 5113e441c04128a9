#pragma once

#include <QString>
#include <QStringList>

namespace ttl {

// The toolkit's options for --help-all, after the program's own.
[[nodiscard]] QString ToolkitOptionsHelp();

// The arguments without the options QApplication takes for itself (-platform offscreen, -style
// fusion, ...), which are the toolkit's to read, not the program's to refuse.
[[nodiscard]] QStringList WithoutToolkitOptions(const QStringList& arguments);

} // namespace ttl
