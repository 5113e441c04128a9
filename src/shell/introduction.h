#pragma once

#include "shell/surface.h"

#include <array>
#include <string>

namespace ttl {

struct IntroductionText {
    std::string text;
    double fontSize; // points
};

// The three texts of the introduction: the question, the difficulty with the textbook answer,
// and the circular argument some teachers offer, in the reader's language.
std::array<IntroductionText, 3> IntroductionTexts();

// The font family the introduction texts ask for; a serif font with Greek glyphs stands in.
inline constexpr const char* IntroductionFontName = "Times New Roman Greek";

// The friction picture of the introduction on a square surface: the turntable, the friction of
// the textbooks toward the centre, the velocity of the body, the friction students expect, the
// axis, the sense of rotation and the angular velocity seen end-on.
void DrawIntroductionPicture(Surface& surface);

} // namespace ttl
