#include "shell/gif_animation.h"

#include <gif_lib.h>

#include <gtest/gtest.h>

#include <cstring>

namespace ttl {
namespace {

// Reads a GIF back with giflib's decoder, independent of how it was written.
struct Decoded {
    int width = 0;
    int height = 0;
    std::vector<std::vector<std::uint32_t>> pictures; // each frame composed over the last
    int centiseconds = 0;
};

Decoded Decode(const std::string& bytes)
{
    struct Reader {
        const std::string* bytes;
        std::size_t at;
    } reader{&bytes, 0};
    const auto read = [](GifFileType* f, GifByteType* into, int length) {
        auto* r = static_cast<Reader*>(f->UserData);
        const std::size_t n = std::min<std::size_t>(length, r->bytes->size() - r->at);
        std::memcpy(into, r->bytes->data() + r->at, n);
        r->at += n;
        return static_cast<int>(n);
    };
    int error = 0;
    GifFileType* file = DGifOpen(&reader, read, &error);
    Decoded d;
    if (file == nullptr || DGifSlurp(file) != GIF_OK) {
        return d;
    }
    d.width = file->SWidth;
    d.height = file->SHeight;
    std::vector<std::uint32_t> picture(static_cast<std::size_t>(d.width) * d.height, 0);
    for (int k = 0; k < file->ImageCount; ++k) {
        const SavedImage& image = file->SavedImages[k];
        const ColorMapObject* map =
            image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : file->SColorMap;
        GraphicsControlBlock control;
        if (DGifSavedExtensionToGCB(file, k, &control) == GIF_OK) {
            d.centiseconds += control.DelayTime;
        }
        const GifImageDesc& desc = image.ImageDesc;
        for (int y = 0; y < desc.Height; ++y) {
            for (int x = 0; x < desc.Width; ++x) {
                const GifColorType c = map->Colors[image.RasterBits[y * desc.Width + x]];
                picture[static_cast<std::size_t>(desc.Top + y) * d.width + desc.Left + x] =
                    (std::uint32_t{c.Red} << 16) | (std::uint32_t{c.Green} << 8) | c.Blue;
            }
        }
        d.pictures.push_back(picture);
    }
    DGifCloseFile(file, &error);
    return d;
}

std::vector<std::uint32_t> Page(int width, int height, std::uint32_t colour)
{
    return std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour);
}

TEST(GifAnimation, PlaysBackEveryPictureForTheTimeItWasShown)
{
    constexpr int W = 40, H = 30;
    GifAnimation gif(W, H, GifPalette({colors::Red, colors::Blue}));
    std::vector<std::vector<std::uint32_t>> shown;
    shown.push_back(Page(W, H, 0xFFFFFF));
    // A growing red line, an unchanged frame, then a blue mark far from it; 40 ms a frame, as at
    // 25 frames a second, plus one odd delay whose rounding must be carried.
    for (int k = 0; k < 5; ++k) {
        auto next = shown.back();
        next[static_cast<std::size_t>(10) * W + 5 + k] = 0xFF0000;
        shown.push_back(next);
    }
    shown.push_back(shown.back());
    auto last = shown.back();
    last[static_cast<std::size_t>(H - 1) * W + W - 1] = 0x0000FF;
    shown.push_back(last);
    for (std::size_t k = 0; k < shown.size(); ++k) {
        gif.AddFrame(shown[k].data(), k == 3 ? 45 : 40);
    }
    const Decoded d = Decode(gif.Encode());
    ASSERT_EQ(d.pictures.size(), shown.size());
    EXPECT_EQ(d.width, W);
    EXPECT_EQ(d.height, H);
    for (std::size_t k = 0; k < shown.size(); ++k) {
        EXPECT_EQ(d.pictures[k], shown[k]) << "frame " << k;
    }
    // The file counts hundredths: the whole is within half of one of the 325 ms shown.
    EXPECT_NEAR(d.centiseconds, 32.5, 0.5);
}

TEST(GifAnimation, ColoursOutsideThePaletteTakeTheNearestAndCancelLeavesNothing)
{
    GifAnimation gif(8, 8, GifPalette({colors::Red}));
    const auto page = Page(8, 8, 0xFE0101); // a red the painter's smoothing might leave
    gif.AddFrame(page.data(), 40);
    const Decoded d = Decode(gif.Encode());
    ASSERT_EQ(d.pictures.size(), 1U);
    EXPECT_EQ(d.pictures[0][0], 0xFF0000U);
    EXPECT_TRUE(gif.Encode([] { return true; }, [](int) {}).empty());
    EXPECT_TRUE(GifAnimation(8, 8, {}).Encode().empty()); // no frame, no file
}

} // namespace
} // namespace ttl
