#pragma once

#include "shell/surface.h"
#include "translating/relative_motion.h"

#include <optional>

namespace ttl {

// Forces are drawn at this many world units per unit of force: the run's largest force (before
// the launch, the largest the bars give) is a quarter of the view's side, 15 S, whatever the mass.
double RelativeForceScale(const RelativeMotionRun& run, const RelativeMotionInputs& in);

// Starts a view afresh: its world window, a square of side 60 S centred at (-S px, -S py) with y
// upward, cleared; the moving-frame view gets its legend with the force scale.
void BeginLabView(Surface& lab, const RelativeMotionInputs& in);
void BeginMovingView(Surface& moving, const RelativeMotionRun& run, const RelativeMotionInputs& in);

// A pan, a scale change or a new legend: the view through the window the inputs give it, showing
// what it showed before and nothing more: its trail points, the replay marks at the same size on
// screen, and the current arrows if they were showing.
void RewindowLabView(Surface& lab, const RelativeMotionRun& run, const RelativeMotionInputs& in);
void RewindowMovingView(Surface& moving, const RelativeMotionRun& run,
                        const RelativeMotionInputs& in);

// After a step: the newest point of each trail, and the arrows of the current step on the
// transient layer (the previous step's are cleared). In the lab view the body's velocity; in the
// moving-frame view its relative velocity, the fictitious force -m af in its x and y parts, and
// friction: kinetic while it slides, static (m af) while it rests on the platform.
void DrawRelativeStep(Surface& lab, Surface& moving, const RelativeMotionRun& run,
                      const RelativeMotionInputs& in);

// The arrows of the current step again, after a bar changed the forces.
void DrawRelativeArrows(Surface& lab, Surface& moving, const RelativeMotionRun& run,
                        const RelativeMotionInputs& in);

// REPEAT: the stored run once more, as marks: each moving-frame point (to step 1300), and at
// every tenth step a circle at the lab position and one at the moving-frame position, a few
// pixels across at any scale.
void DrawRelativeReplay(Surface& lab, Surface& moving, const RelativeMotionRun& run);

// The lab view's pans (x, y) that put the body back in its middle once it comes within a tenth
// of the view's side of an edge; nothing while it is well inside or before the launch.
struct LabPan {
    int x = 0;
    int y = 0;
};
std::optional<LabPan> FollowBody(const RelativeMotionRun& run, const RelativeMotionInputs& in);

} // namespace ttl
