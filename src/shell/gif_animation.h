#pragma once

#include "shell/color.h"

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace ttl {

// The colours of a recording: the page, black, each colour the drawing uses and its blends into
// the page (the edges of smoothed lines and texts), at most 256 in all.
[[nodiscard]] std::vector<Color> GifPalette(const std::vector<Color>& drawn,
                                            Color page = colors::White);

// An animated GIF made one frame at a time from pictures of a drawing, each pixel given the
// nearest colour of a fixed palette. A frame keeps only the rectangle that changed since the
// one before, so a slowly growing drawing makes a small file. The file is encoded as a whole in
// Encode(), which may run on another thread than the frames were added on.
class GifAnimation {
public:
    GifAnimation(int width, int height, std::vector<Color> palette);

    // A picture of width x height pixels, 0xAARRGGBB in rows from the top (alpha ignored), shown
    // for `milliseconds`. Delays are kept to the file's hundredths of a second with the rounding
    // carried, so the whole plays as long as the frames' sum.
    void AddFrame(const std::uint32_t* pixels, int milliseconds);

    // Colours that appear as the drawing goes on, with their blends into the page, join the
    // palette while there is room; the frames added before keep theirs.
    void AddColours(const std::vector<Color>& drawn, Color page);

    [[nodiscard]] int FrameCount() const { return static_cast<int>(m_frames.size()); }
    [[nodiscard]] int Width() const { return m_width; }
    [[nodiscard]] int Height() const { return m_height; }

    // The file's bytes, looping forever; empty if the encoder failed or there is no frame.
    // `cancelled` is polled between frames: when it turns true encoding stops with nothing.
    // `progress` gets the frames encoded so far.
    template <typename Cancelled, typename Progress>
    [[nodiscard]] std::string Encode(Cancelled cancelled, Progress progress) const
    {
        return EncodeFrames([&] { return cancelled(); }, [&](int done) { progress(done); });
    }
    [[nodiscard]] std::string Encode() const
    {
        return EncodeFrames([] { return false; }, [](int) {});
    }

private:
    struct Frame {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        int centiseconds = 0;
        std::vector<std::uint8_t> indices; // the rectangle's pixels, row by row
    };

    [[nodiscard]] std::uint8_t Index(std::uint32_t rgb);
    [[nodiscard]] std::string EncodeFrames(const std::function<bool()>& cancelled,
                                           const std::function<void(int)>& progress) const;

    int m_width;
    int m_height;
    std::vector<Color> m_palette;
    std::unordered_map<std::uint32_t, std::uint8_t> m_nearest;
    std::vector<std::uint8_t> m_previous; // the whole last picture, as palette indices
    std::vector<Frame> m_frames;
    double m_owedCentiseconds = 0.0;
};

} // namespace ttl
