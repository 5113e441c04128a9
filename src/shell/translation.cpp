#include "shell/translation.h"

#include <vector>

namespace ttl {

namespace {
Translator g_translator = nullptr;
}

void SetTranslator(Translator translator)
{
    g_translator = translator;
}

std::string Tr(const char* context, const char* source)
{
    return g_translator != nullptr ? g_translator(context, source) : std::string(source);
}

std::string Substitute(const std::string& pattern, std::initializer_list<std::string> arguments)
{
    const std::vector<std::string> args(arguments);
    std::string result;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < args.size()) {
            result += args[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

} // namespace ttl
