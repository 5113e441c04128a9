#pragma once

#include <QString>

namespace ttl {

// The languages the program speaks, by their ISO codes; English is the texts' own.
inline constexpr const char* Languages[] = {"en", "el"};

// Puts the program's texts (and Qt's own, where Debian's qt6-translations-l10n is installed) in
// the language given, or in the system's language when `language` is empty. Texts without a
// translation stay in English; numbers on screen take that language's decimal separator. Call
// before the first window is made. Returns the language used.
QString InstallLanguage(const QString& language);

} // namespace ttl
