#pragma once

#include "shell/surface.h"
#include "turntable/simulation_run.h"
#include "mechanics/turntable_model.h"

namespace ttl {

// The body's velocity as the animations draw it: at step 1 the start velocity (omega0 * R0, 0).
Vec2 AnimationVelocity(const SimulationResult& run, int i);

// Friction per unit mass at step i, against the relative velocity; a component in which the body
// rests on the base (after step 20) points to the axis instead. Zero when the body neither slides
// nor rests.
Vec2 AnimationForce(const SimulationResult& run, int i);

// "Angle of Vectors": the velocity (x3, red) and the friction force (x4, blue) from the origin,
// frame by frame, over the dash-dot arrows of the start and a dotted circle of the start speed.
// The moving arrows are drawn with AutoRedraw off, so each frame clears the last one's.
class VectorsAnimation {
public:
    explicit VectorsAnimation(const SimulationResult& run) : m_run(run) {}
    [[nodiscard]] int FrameCount() const { return m_run.StepCount - 3; }
    // Background, world window fitted to the surface's shape, and everything that stays.
    void Begin(Surface& surface) const;
    void DrawFrame(Surface& surface, int i) const;

private:
    const SimulationResult& m_run;
};

// "Time development of the orbit": the body moving in both frames with its arrows, leaving a
// trail of points; the two orbits are drawn whole at the end.
class OrbitAnimation {
public:
    explicit OrbitAnimation(const SimulationResult& run);
    [[nodiscard]] int FrameCount() const { return m_run.StepCount - 5; }
    void Begin(Surface& surface) const;
    void DrawFrame(Surface& surface, int i) const;
    void Finish(Surface& surface) const;

private:
    const SimulationResult& m_run;
    // The body starts at rest on the base, so its first relative speed is all but zero; the
    // fastest relative speed of the run scales the arrows seen from the base instead.
    double m_fastestRelative = 0.0;
};

} // namespace ttl
