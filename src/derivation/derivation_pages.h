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
    int t1 = 45;
    int zoomValue = 120;
    int shiftX = 0;
    int shiftY = 0;
};

int DerivationPageCount(bool rotatingObserver);

// The page after a click (or before, with SHIFT), wrapped to the derivation's range.
int NextDerivationPage(int page, bool back, bool rotatingObserver);

// A page number kept when the observer changes, wrapped to the new range.
int WrapDerivationPage(int page, bool rotatingObserver);

// The page's explanation, line by line, as printed.
std::vector<std::string> DerivationText(bool rotatingObserver, int page);

// Draws the page from scratch: the common picture of the observer's derivation, the page's
// vectors and labels, its explanation and the footer. The world window is chosen so that the
// orbits, vectors and labels fit, with a band for the text above and the footer below; the zoom
// and the shift bars move it from there.
void DrawDerivationPage(Surface& picture, const ExplorerState& state, const DerivationView& view,
                        bool rotatingObserver, int page);

} // namespace ttl
