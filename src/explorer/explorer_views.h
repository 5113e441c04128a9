#pragma once

#include "explorer/explorer_model.h"
#include "shell/surface.h"
#include "mechanics/turntable_model.h"

namespace ttl {

// The main diagram spans zoom * R on each side of the axis, y upward, with a band of legend rows
// below (the picture widened to stay square); the derivation's shift bars move it by a tenth of
// their values. Depends on the picture's pixel size: scale again after a resize.
void ScaleExplorerDiagram(Surface& picture1, const ExplorerState& state, int zoomValue,
                          int shiftX = 0, int shiftY = 0);

// Arrows are drawn as these multiples of the velocities and forces: one scale for each kind in
// a view, chosen so that the fastest velocity and the strongest force the run can reach stay
// inside the picture (forces never longer than ForceScale times).
struct ArrowScales {
    double velocity = 1.0;
    double force = 0.3;
};
ArrowScales ExplorerArrowScales(const ExplorerState& state, const ExplorerControls& controls);

// The forces of the rotating observer at the body's current position, not yet scaled for
// drawing. Friction is zero while NON ZERO FRICTION is clear.
struct RotatingFrameForces {
    Vec2 position;         // (x', y')
    Vec2 velocity;         // v', the relative velocity in rotating axes
    Vec2 inertialVelocity; // the inertial velocity in rotating axes
    Vec2 friction;
    Vec2 centrifugal;      // m*omega^2*(x', y')
    Vec2 coriolis;         // 2*m*omega*(-v'_y, v'_x)
    Vec2 baseAcceleration; // m*alpha*(-y', x')
    [[nodiscard]] Vec2 Total() const;
};
RotatingFrameForces ForcesInRotatingFrame(const ExplorerState& state,
                                          const ExplorerControls& controls);

// Step 0: the base, the body at (0, StartRadius) and its launch velocity in red.
void DrawStartPicture(Surface& picture1, const ExplorerState& state,
                      const ExplorerControls& controls);

// The current step as the inertial observer sees it, or the start picture before the first step.
void RedrawInertialView(Surface& picture1, const ExplorerState& state,
                        const ExplorerControls& controls);

// The current step as the rotating observer sees it, with the forces that observer needs; the
// force diagram repeats the Coriolis, base-acceleration and total forces from one origin.
void RedrawRotatingView(Surface& picture1, Surface& picture2, const ExplorerState& state,
                        const ExplorerControls& controls);

// One step, then its picture. Nothing happens once the histories are full.
StepOutcome StepInertialView(Surface& picture1, ExplorerState& state,
                             const ExplorerControls& controls);
StepOutcome StepRotatingView(Surface& picture1, Surface& picture2, ExplorerState& state,
                             const ExplorerControls& controls);

} // namespace ttl
