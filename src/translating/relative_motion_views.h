#pragma once

#include "shell/surface.h"
#include "translating/relative_motion.h"

namespace ttl {

// Forces are drawn at this many world units per unit of force: the largest force the bars allow
// (friction 1 x mass 6 x g) is a quarter of the view's side, 15 S.
double RelativeForceScale(int scale);

// Starts a view afresh: its world window, a square of side 60 S centred at (-S px, -S py) with y
// upward, cleared; the moving-frame view gets its legend.
void BeginLabView(Surface& lab, const RelativeMotionInputs& in);
void BeginMovingView(Surface& moving, const RelativeMotionInputs& in);

// The trails from the launch to the current step, drawn once after a view was started afresh.
void DrawTrails(Surface& lab, Surface& moving, const RelativeMotionRun& run);

// After a step: the newest point of each trail, and the arrows of the current step on the
// transient layer (the previous step's are cleared). In the lab view the body's velocity; in the
// moving-frame view its relative velocity, the fictitious force -m af in its x and y parts, and
// friction: kinetic while it slides, static (m af) while it rests on the platform.
void DrawRelativeStep(Surface& lab, Surface& moving, const RelativeMotionRun& run,
                      const RelativeMotionInputs& in);

// The arrows of the current step again, after the views were started afresh.
void DrawRelativeArrows(Surface& lab, Surface& moving, const RelativeMotionRun& run,
                        const RelativeMotionInputs& in);

// REPEAT: the stored run once more, as marks: each moving-frame point (to step 1300), and at
// every tenth step a circle at the lab position and one at the moving-frame position.
void DrawRelativeReplay(Surface& lab, Surface& moving, const RelativeMotionRun& run);

} // namespace ttl
