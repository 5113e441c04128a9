#pragma once

#include "derivation/derivation_vectors.h"
#include "shell/surface.h"

#include <string>
#include <vector>

namespace ttl {

inline constexpr int InertialDerivationPages = 10; // pages 0..9
inline constexpr int RotatingDerivationPages = 9;  // pages 0..8

// The controls a page is drawn with: the first moment (protosimiox), the explorer's zoom and the
// two shift bars.
struct DerivationView {
    int t1 = DerivationFirstStep;
    int zoomValue = 120;
    int shiftX = 0;
    int shiftY = 0;
};

int DerivationPageCount(bool rotatingObserver);

// The page after a click (or before, with SHIFT), wrapped to the derivation's range.
int NextDerivationPage(int page, bool back, bool rotatingObserver);

// A page number kept when the observer changes, wrapped to the new range.
int WrapDerivationPage(int page, bool rotatingObserver);

// "Δt = 0.50 s": the interval between the derivation's two moments with the first at step t1.
std::string DerivationIntervalLabel(const RecordedMotion& state, int t1);

// The page's explanation, line by line, as printed.
std::vector<std::string> DerivationText(bool rotatingObserver, int page);

// Draws the page from scratch: the common picture of the observer's derivation, the page's
// vectors and labels, its explanation and the footer. One world window serves every page of the
// derivation: it holds the orbits and every page's vectors, with a band for the text above and
// the footer below; the zoom and the shift bars move it from there. A construction too small to
// read in place is drawn again, magnified, in an inset.
// Returns every arrow as drawn, in the picture's world units; a magnified arrow is drawn twice,
// in place and in the inset.
struct DrawnDerivationArrow {
    std::string label;
    Vec2 tail, vector;
    bool magnified = false;
};
std::vector<DrawnDerivationArrow> DrawDerivationPage(Surface& picture, const RecordedMotion& state,
                                                     const DerivationView& view,
                                                     bool rotatingObserver, int page);

} // namespace ttl
