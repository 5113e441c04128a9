#pragma once

namespace ttl {

// How much larger than normal every drawing's texts and lines are shown, for a projector at the
// back of a classroom: 1 is normal, from 0.75 to 2.5. Surfaces measure their texts with it and the
// painters widen pens and fonts by it; views showing a drawing must be repainted after a change.
void SetDrawingScale(double scale);
[[nodiscard]] double DrawingScale();

// A pen of `width` pixels at the current scale.
[[nodiscard]] double ScaledPenWidth(int width);

} // namespace ttl
