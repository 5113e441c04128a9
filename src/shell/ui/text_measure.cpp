#include "shell/ui/text_measure.h"

#include "shell/drawing_scale.h"
#include "shell/ui/surface_geometry.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

#include <bit>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace ttl {

namespace {

// Qt shapes a text again each time it is measured, and a running step measures the same few
// legend texts at every tick: a measure is kept for each text and font, and for what else sets
// its size (the program's scale of texts, the screen's dots per inch).
std::string MeasureKey(const std::string& text, const Font& font)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 0.0;
    std::string key;
    key.reserve(font.name.size() + text.size() + 32);
    for (const double number : {font.size, DrawingScale(), dpi}) {
        key += std::to_string(std::bit_cast<std::uint64_t>(number));
        key += ' ';
    }
    key += font.bold ? 'b' : 'r';
    key += font.name;
    key += '\0';
    key += text;
    return key;
}

} // namespace

TextExtent MeasureText(const std::string& text, const Font& font)
{
    constexpr std::size_t MostKept = 4096;
    thread_local std::unordered_map<std::string, TextExtent> kept;
    std::string key = MeasureKey(text, font);
    if (const auto found = kept.find(key); found != kept.end()) {
        return found->second;
    }
    const QFontMetricsF metrics(ToQFont(font));
    const TextExtent extent{metrics.horizontalAdvance(QString::fromStdString(text)),
                            metrics.height()};
    if (kept.size() >= MostKept) {
        kept.clear(); // a long session's many different numbers
    }
    kept.emplace(std::move(key), extent);
    return extent;
}

} // namespace ttl
