#include "shell/palette.h"

#include <algorithm>
#include <array>

namespace ttl {

namespace {

namespace okabe_ito {
constexpr Color Black{0, 0, 0};
constexpr Color Orange{230, 159, 0};
constexpr Color SkyBlue{86, 180, 233};
constexpr Color BluishGreen{0, 158, 115};
constexpr Color Blue{0, 114, 178};
constexpr Color Vermillion{213, 94, 0};
constexpr Color ReddishPurple{204, 121, 167};
} // namespace okabe_ito

// Path marks: the colour of their frame, halfway to white.
constexpr Color LightVermillion{234, 175, 128};
constexpr Color LightBlue{128, 185, 217};
// From Paul Tol's set: wine tells the second of two moments from the first beside the reddish
// purple; indigo is a ninth colour that stays apart from the others in every kind of colour
// blindness (the set's yellow does not show on white, and darkened it meets vermillion).
constexpr Color Wine{136, 34, 85};
constexpr Color Indigo{51, 34, 136};

namespace oi = okabe_ito;

constexpr std::array Table{
    PaletteEntry{{0, 0, 0}, oi::Black, "totals, axes and texts"},
    PaletteEntry{{0, 5, 5}, oi::Black, "kinetic energy in the inertial frame"},
    PaletteEntry{{255, 255, 255}, {255, 255, 255}, "background"},
    PaletteEntry{{200, 200, 200}, {200, 200, 200}, "background of the orbit, the fan"},
    PaletteEntry{{170, 170, 150}, {170, 170, 150}, "background of the animation's picture"},
    PaletteEntry{{150, 150, 150}, {150, 150, 150}, "background of the vectors"},
    PaletteEntry{{225, 225, 225}, {225, 225, 225}, "grid lines of the graphs"},
    PaletteEntry{{90, 90, 90}, {90, 90, 90}, "differences of velocities"},
    PaletteEntry{{0, 150, 150}, {120, 120, 120}, "parallelogram of velocities"},

    PaletteEntry{{255, 0, 0}, oi::Vermillion, "the inertial frame, velocity"},
    PaletteEntry{{200, 0, 0}, oi::Vermillion, "absolute velocity"},
    PaletteEntry{{255, 120, 120}, LightVermillion, "path in the inertial frame"},

    PaletteEntry{{0, 0, 255}, oi::Blue, "the rotating frame, centrifugal force, force"},
    PaletteEntry{{55, 55, 255}, oi::Blue, "complementary terms"},
    PaletteEntry{{0, 25, 155}, oi::Blue, "acceleration along the curve"},
    PaletteEntry{{120, 120, 255}, LightBlue, "path in the rotating frame"},
    PaletteEntry{{0, 10, 255}, oi::Blue, "marks of the rotating observer"},

    PaletteEntry{{0, 255, 0}, oi::BluishGreen, "friction, velocity of the base"},
    PaletteEntry{{55, 255, 55}, oi::BluishGreen, "velocity of the base, again"},
    PaletteEntry{{5, 255, 5}, oi::BluishGreen, "static friction"},
    PaletteEntry{{0, 160, 0}, oi::BluishGreen, "velocity of the base"},
    PaletteEntry{{0, 165, 0}, oi::BluishGreen, "velocity of the base, in the derivation's texts"},
    PaletteEntry{{0, 155, 0}, oi::BluishGreen, "work of the centrifugal force"},
    PaletteEntry{{155, 155, 0}, oi::BluishGreen, "friction on the curve"},

    PaletteEntry{{255, 0, 255}, oi::ReddishPurple, "relative velocity"},
    PaletteEntry{{250, 0, 150}, oi::ReddishPurple, "circle of curvature"},
    PaletteEntry{{55, 0, 155}, oi::ReddishPurple, "what the students see"},
    PaletteEntry{{250, 50, 255}, oi::ReddishPurple, "path at the first moment"},
    PaletteEntry{{255, 105, 180}, Wine, "path at the second moment"},

    PaletteEntry{{100, 155, 150}, oi::Orange, "Coriolis force"},
    PaletteEntry{{5, 250, 255}, oi::Orange, "Coriolis term"},
    PaletteEntry{{0, 250, 10}, oi::Orange, "extra force for the curve's shape"},

    PaletteEntry{{150, 0, 155}, oi::SkyBlue, "force due to the base's angular acceleration"},
    PaletteEntry{{100, 0, 150}, oi::SkyBlue, "the same force, drawn small"},
    PaletteEntry{{200, 120, 0}, oi::SkyBlue, "a velocity moved to a common tail"},
    PaletteEntry{{5, 150, 255}, oi::SkyBlue, "centripetal acceleration"},
    PaletteEntry{{5, 150, 250}, oi::SkyBlue, "tangential acceleration"},
    PaletteEntry{{0, 150, 250}, oi::SkyBlue, "extra centripetal force"},
    PaletteEntry{{25, 50, 250}, oi::SkyBlue, "extra centripetal force, in the legend"},

    PaletteEntry{{150, 200, 50}, Indigo, "extra tangential force"},
};

int DistanceSquared(Color a, Color b)
{
    const int dr = a.red - b.red;
    const int dg = a.green - b.green;
    const int db = a.blue - b.blue;
    return dr * dr + dg * dg + db * db;
}

} // namespace

std::span<const PaletteEntry> ColourBlindSafeTable()
{
    return Table;
}

Color ColourBlindSafe(Color original)
{
    const auto nearest = std::min_element(
        Table.begin(), Table.end(), [original](const PaletteEntry& a, const PaletteEntry& b) {
            return DistanceSquared(a.original, original) < DistanceSquared(b.original, original);
        });
    return nearest->safe;
}

} // namespace ttl
