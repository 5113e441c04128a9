#include "shell/palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace ttl {
namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// How a colour looks to a viewer with a colour-vision deficiency: Machado, Oliveira and Fernandes
// (2009), full severity, applied in linear RGB.
const Matrix Protanopia{{{0.152286, 1.052583, -0.204868},
                         {0.114503, 0.786281, 0.099216},
                         {-0.003882, -0.048116, 1.051998}}};
const Matrix Deuteranopia{{{0.367322, 0.860646, -0.227968},
                           {0.280085, 0.672501, 0.047413},
                           {-0.011820, 0.042940, 0.968881}}};
const Matrix Tritanopia{{{1.255528, -0.076749, -0.178779},
                         {-0.078411, 0.930809, 0.147602},
                         {0.004733, 0.691367, 0.303900}}};

double Linear(double component)
{
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// CIELAB (D65) of the colour as the viewer sees it.
std::array<double, 3> SeenLab(Color color, const Matrix& deficiency)
{
    const double rgb[3] = {Linear(color.red), Linear(color.green), Linear(color.blue)};
    double seen[3];
    for (int i = 0; i < 3; ++i) {
        seen[i] = std::clamp(deficiency[i][0] * rgb[0] + deficiency[i][1] * rgb[1] +
                                 deficiency[i][2] * rgb[2],
                             0.0, 1.0);
    }
    const double x = (0.4124 * seen[0] + 0.3576 * seen[1] + 0.1805 * seen[2]) / 0.95047;
    const double y = 0.2126 * seen[0] + 0.7152 * seen[1] + 0.0722 * seen[2];
    const double z = (0.0193 * seen[0] + 0.1192 * seen[1] + 0.9505 * seen[2]) / 1.08883;
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
    return {116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

// The smallest difference (CIE76 ΔE) any of the three deficiencies leaves between two of the
// colours.
double SmallestSeenDifference(const std::vector<Color>& colours)
{
    double smallest = 1e9;
    for (const Matrix* m : {&Protanopia, &Deuteranopia, &Tritanopia}) {
        for (std::size_t i = 0; i < colours.size(); ++i) {
            for (std::size_t j = i + 1; j < colours.size(); ++j) {
                const auto a = SeenLab(colours[i], *m);
                const auto b = SeenLab(colours[j], *m);
                smallest = std::min(smallest, std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]));
            }
        }
    }
    return smallest;
}

bool IsGrey(Color c)
{
    return c.red == c.green && c.green == c.blue;
}

// The colours that mark quantities (greys are backgrounds and neutral lines) stay clearly apart
// for protanopes, deuteranopes and tritanopes; the drawings' own colours do not.
TEST(ColourBlindSafePalette, KeepsEveryQuantityApartInEveryColourBlindness)
{
    std::vector<Color> originals;
    std::vector<Color> safe;
    for (const PaletteEntry& e : ColourBlindSafeTable()) {
        if (IsGrey(e.original)) {
            continue;
        }
        originals.push_back(e.original);
        if (std::find(safe.begin(), safe.end(), e.safe) == safe.end()) {
            safe.push_back(e.safe);
        }
    }
    EXPECT_GE(safe.size(), 10U);
    EXPECT_GT(SmallestSeenDifference(safe), 8.0); // a difference of 2 or 3 is barely seen
    EXPECT_LT(SmallestSeenDifference(originals), 3.0); // the check can tell a poor palette
}

// Each colour of the drawings is listed once, and one that is not listed still gets a safe colour:
// that of the nearest listed one.
TEST(ColourBlindSafePalette, MapsListedColoursByTheTableAndOthersToTheNearest)
{
    const auto table = ColourBlindSafeTable();
    for (const PaletteEntry& e : table) {
        EXPECT_EQ(ColourBlindSafe(e.original), e.safe) << e.shows;
        EXPECT_EQ(std::count_if(table.begin(), table.end(),
                                [&](const PaletteEntry& o) { return o.original == e.original; }),
                  1)
            << e.shows;
    }
    EXPECT_EQ(ColourBlindSafe(Color{250, 3, 2}), ColourBlindSafe(Color{255, 0, 0}));
    EXPECT_EQ(ColourBlindSafe(Color{254, 254, 254}), (Color{255, 255, 255}));
}

} // namespace
} // namespace ttl
