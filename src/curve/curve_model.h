#pragma once

namespace ttl {

// The curve lab's scroll-bar values.
struct CurveInputs {
    int amplitude = 20;  // platosvalue: A = value / 10
    int frequency = 15;  // syxnotikamp: beta = value * pi / 180 per unit of x
    int speed = 3;       // arxikives: v0 = value
    int tangential = 20; // epitaxyno: at = value / 10
};

struct CurveParameters {
    double A = 2.0;
    double beta = 0.0;
    double v0 = 3.0;
    double at = 2.0;
};
CurveParameters ParametersOf(const CurveInputs& inputs);

// The curve y = A sin(beta x) on 0 <= x <= 20, drawn in the world window (0, 10)-(20, -10).
inline constexpr double CurveLength = 20.0;

// Everything the displays need at a point x of the curve. The arc length is the curve's own,
// sqrt(1 + (A beta)^2) / beta * E(beta x, A beta / sqrt(1 + (A beta)^2)), so the speed
// v = sqrt(v0^2 + 2 at s) is the speed the body really has there.
struct CurvePoint {
    double x = 0.0, y = 0.0;
    double slope = 0.0;     // y'
    double second = 0.0;    // y''
    double radius = 0.0;    // signed radius of curvature (1 + y'^2)^1.5 / y''; 0 where y'' = 0
    double curvature = 0.0; // 1 / radius, 0 where y'' = 0
    double theta = 0.0;     // tangent angle, in (-pi/2, pi/2)
    double cosTheta = 1.0, sinTheta = 0.0;
    double arc = 0.0;    // arc length from x = 0
    double speed = 0.0;  // v
    double normal = 0.0; // centripetal acceleration kappa v^2, positive where the curve bends up
};
CurvePoint CurveAt(const CurveParameters& p, double x);

// Arc length from x = 0, and the x at which the arc length from 0 is s.
double ArcLength(const CurveParameters& p, double x);
double XAtArcLength(const CurveParameters& p, double s);

} // namespace ttl
