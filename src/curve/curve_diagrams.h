#pragma once

#include "curve/curve_model.h"
#include "shell/surface.h"
#include "shell/vec2.h"

#include <string>

namespace ttl {

// Which entry of "CURVE - ACCELARATION" puts the mouse to work on the curve.
enum class CurveMouseMode { None, RadiusOfCurvature, AssumeForce };

// What the mouse left between a press and its release.
struct ForceAssumption {
    double xd = 0.0, yd = 0.0; // the press, in world units
    bool onCurve = false;
    Vec2 V; // velocity at the point shown
    Vec2 C; // centripetal acceleration, drawn at A/4
    Vec2 T; // tangential acceleration, drawn at A/4
};

// The curve lab's world window.
void ScaleCurveWindow(Surface& eikona);

// The acceleration-factors diagram: the curve and, at x = 0, 1.4, ... 19.6, the velocity, the
// centripetal and the total acceleration, with the legend. Returns the explanation for Text1.
std::string DrawAccelerationFactors(Surface& eikona, const CurveInputs& inputs);

// The radius-of-curvature diagram: the circles of curvature at the first crest and trough.
std::string DrawCurvatureCircles(Surface& eikona, const CurveInputs& inputs);

// The vectors at the curve point under (xc, yc) (x held to the curve's ends), or the
// radius-of-curvature diagram when the point is 0.1 or more off the curve. Returns Text1.
std::string ShowVectorsAtPoint(Surface& eikona, const CurveInputs& inputs, CurveMouseMode mode,
                               ForceAssumption& state, double xc, double yc);

// Judges the force dragged from the press to (xu, yu): is it right for the tangential
// acceleration and for the bending of the path, and which extra forces are still needed.
void JudgeForce(Surface& eikona, const CurveInputs& inputs, ForceAssumption& state, double xu,
                double yu);

// The fixed diagram of why a body sliding on a turning disk falls behind it; returns Text1.
std::string DrawFirstExplanation(Surface& eikona);

} // namespace ttl
