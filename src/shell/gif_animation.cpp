#include "shell/gif_animation.h"

#include <gif_lib.h>

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {
constexpr std::size_t MostColours = 256;
constexpr double PageBlends[] = {0.25, 0.5, 0.75};

Color Blend(Color c, Color page, double towardsPage)
{
    const auto mix = [&](double v, double p) { return v + (p - v) * towardsPage; };
    return Rgb(mix(c.red, page.red), mix(c.green, page.green), mix(c.blue, page.blue));
}

int Distance(Color c, std::uint32_t rgb)
{
    const int dr = c.red - static_cast<int>((rgb >> 16) & 0xFF);
    const int dg = c.green - static_cast<int>((rgb >> 8) & 0xFF);
    const int db = c.blue - static_cast<int>(rgb & 0xFF);
    return dr * dr + dg * dg + db * db;
}

bool AddOnce(std::vector<Color>& palette, Color c)
{
    if (palette.size() >= MostColours ||
        std::find(palette.begin(), palette.end(), c) != palette.end()) {
        return false;
    }
    palette.push_back(c);
    return true;
}

// A colour and the blends a smoothed edge of it makes with the page; whether any was new.
bool AddWithBlends(std::vector<Color>& palette, Color c, Color page)
{
    bool added = AddOnce(palette, c);
    for (double blend : PageBlends) {
        added = AddOnce(palette, Blend(c, page, blend)) || added;
    }
    return added;
}

// giflib writes through this into the string given as the file's user data.
int Append(GifFileType* file, const GifByteType* bytes, int length)
{
    static_cast<std::string*>(file->UserData)
        ->append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
    return length;
}

// Netscape's loop extension: play forever.
bool PutLoopForever(GifFileType* file)
{
    static const GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A',
                                              'P', 'E', '2', '.', '0'};
    static const GifByteType loop[] = {1, 0, 0};
    return EGifPutExtensionLeader(file, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(file, sizeof application, application) == GIF_OK &&
           EGifPutExtensionBlock(file, sizeof loop, loop) == GIF_OK &&
           EGifPutExtensionTrailer(file) == GIF_OK;
}

bool PutDelay(GifFileType* file, int centiseconds)
{
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = centiseconds;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType bytes[4];
    EGifGCBToExtension(&control, bytes);
    return EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, sizeof bytes, bytes) == GIF_OK;
}
} // namespace

std::vector<Color> GifPalette(const std::vector<Color>& drawn, Color page)
{
    std::vector<Color> palette{page, colors::Black};
    for (Color c : drawn) {
        AddWithBlends(palette, c, page);
    }
    return palette;
}

GifAnimation::GifAnimation(int width, int height, std::vector<Color> palette)
    : m_width(std::max(1, width)), m_height(std::max(1, height)), m_palette(std::move(palette))
{
    if (m_palette.empty()) {
        m_palette = GifPalette({});
    }
    m_palette.resize(std::min(m_palette.size(), MostColours));
}

void GifAnimation::AddColours(const std::vector<Color>& drawn, Color page)
{
    bool added = false;
    for (Color c : drawn) {
        added = AddWithBlends(m_palette, c, page) || added;
    }
    if (added) {
        m_nearest.clear(); // a new colour may be nearer than the one chosen before
    }
}

std::uint8_t GifAnimation::Index(std::uint32_t rgb)
{
    rgb &= 0xFFFFFF;
    const auto known = m_nearest.find(rgb);
    if (known != m_nearest.end()) {
        return known->second;
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < m_palette.size(); ++i) {
        if (Distance(m_palette[i], rgb) < Distance(m_palette[best], rgb)) {
            best = i;
        }
    }
    return m_nearest[rgb] = static_cast<std::uint8_t>(best);
}

void GifAnimation::AddFrame(const std::uint32_t* pixels, int milliseconds)
{
    const auto count = static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height);
    std::vector<std::uint8_t> picture(count);
    for (std::size_t i = 0; i < count; ++i) {
        picture[i] = Index(pixels[i]);
    }
    // The rectangle that differs from the last picture; the first frame is whole.
    int left = m_width, right = -1, top = m_height, bottom = -1;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * m_width + x;
            if (m_previous.empty() || picture[i] != m_previous[i]) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) { // nothing changed: one pixel keeps the frame and its delay
        left = right = top = bottom = 0;
    }
    Frame frame{left, top, right - left + 1, bottom - top + 1, 0, {}};
    frame.indices.reserve(static_cast<std::size_t>(frame.width) * frame.height);
    for (int y = top; y <= bottom; ++y) {
        const auto row = picture.begin() + static_cast<std::ptrdiff_t>(y) * m_width;
        frame.indices.insert(frame.indices.end(), row + left, row + right + 1);
    }
    m_owedCentiseconds += std::max(0, milliseconds) / 10.0;
    frame.centiseconds = static_cast<int>(std::lround(m_owedCentiseconds));
    m_owedCentiseconds -= frame.centiseconds;
    m_frames.push_back(std::move(frame));
    m_previous = std::move(picture);
}

std::string GifAnimation::EncodeFrames(const std::function<bool()>& cancelled,
                                       const std::function<void(int)>& progress) const
{
    if (m_frames.empty()) {
        return {};
    }
    std::string bytes;
    int error = 0;
    GifFileType* file = EGifOpen(&bytes, Append, &error);
    if (file == nullptr) {
        return {};
    }
    std::vector<GifColorType> colours(MostColours);
    for (std::size_t i = 0; i < m_palette.size(); ++i) {
        colours[i] = {m_palette[i].red, m_palette[i].green, m_palette[i].blue};
    }
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(MostColours), colours.data());
    EGifSetGifVersion(file, true);
    bool ok = map != nullptr && EGifPutScreenDesc(file, m_width, m_height, 8, 0, map) == GIF_OK &&
              PutLoopForever(file);
    int done = 0;
    for (const Frame& f : m_frames) {
        if (!ok || cancelled()) {
            ok = false;
            break;
        }
        ok = PutDelay(file, f.centiseconds) &&
             EGifPutImageDesc(file, f.left, f.top, f.width, f.height, false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < f.height; ++y) {
            auto* row =
                const_cast<GifPixelType*>(f.indices.data() + static_cast<std::size_t>(y) * f.width);
            ok = EGifPutLine(file, row, f.width) == GIF_OK;
        }
        progress(++done);
    }
    GifFreeMapObject(map);
    const bool closed = EGifCloseFile(file, &error) == GIF_OK;
    return ok && closed ? bytes : std::string();
}

} // namespace ttl
