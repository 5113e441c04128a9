#pragma once

#include "derivation/derivation_vectors.h"
#include "shell/color.h"
#include "shell/surface.h"

#include <string>
#include <utility>
#include <vector>

namespace ttl {

// What one page of a derivation draws, in world units, before it is laid out. Items marked
// `construction` are the page's vectors built around one point; they are drawn small in place
// and again, magnified and named, in an inset.
struct DerivationArrow {
    Vec2 tail;
    Vec2 vector;
    Color color{0, 0, 0};
    int width = 1;
    DrawStyle style = DrawStyle::Solid;
    std::string label = {};
    Color labelColor{0, 0, 0};
    bool construction = false;
};
struct DerivationSegment {
    Vec2 from, to;
    Color color;
    DrawStyle style = DrawStyle::Solid;
    bool construction = false;
};
struct DerivationRing {
    Vec2 centre;
    double radius;
    Color color;
    DrawStyle style = DrawStyle::Solid;
};
struct DerivationMark {
    Vec2 at;
    Color color;
    DrawStyle style = DrawStyle::Solid;
};

struct DerivationPageContent {
    std::vector<DerivationMark> marks;
    std::vector<DerivationRing> rings;
    std::vector<DerivationSegment> segments;
    std::vector<DerivationArrow> arrows;
    std::vector<std::pair<Vec2, std::string>> pointLabels;
    int pointWidth = 2;
    std::vector<Vec2> points;
    // A line printed under the inset, e.g. how near a finite-difference sum comes to its limit.
    std::string note;

    [[nodiscard]] bool HasConstruction() const;
};

// The page's marks, vectors and labels. Velocities are drawn at one scale for every page of the
// derivation; an acceleration a is drawn as the velocity change it makes in one time unit.
DerivationPageContent BuildDerivationPage(const RecordedMotion& state, const DerivationVectors& d,
                                          bool rotatingObserver, int page);

} // namespace ttl
