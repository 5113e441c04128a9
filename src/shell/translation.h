#pragma once

#include <initializer_list>
#include <string>

namespace ttl {

// The program's texts in the reader's language. The core names a text by a context and its
// English source, Tr("simulation", "Mass=%1"); the UI installs a translator that looks the pair
// up in the translation files. Without one, or for a text not translated, the English stands.
using Translator = std::string (*)(const char* context, const char* source);
void SetTranslator(Translator translator);

std::string Tr(const char* context, const char* source);

// Marks a text kept in a table for translation where it is used, with Tr(context, text).
constexpr const char* TrNoop(const char* /*context*/, const char* source)
{
    return source;
}

// The pattern with %1, %2, … replaced by the arguments in order; a translation may move them.
std::string Substitute(const std::string& pattern, std::initializer_list<std::string> arguments);

} // namespace ttl
