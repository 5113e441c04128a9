#include "curve/curve_model.h"

#include "curve/elliptic.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ttl {

namespace {

// sqrt(1 + (A beta)^2), the factor and the modulus of the arc length's elliptic integral.
struct ArcScale {
    double factor;
    double modulus;
};

ArcScale ArcScaleOf(const CurveParameters& p)
{
    const double ab = p.A * p.beta;
    const double root = std::sqrt(1.0 + ab * ab);
    return {root / p.beta, ab / root};
}

} // namespace

CurveParameters ParametersOf(const CurveInputs& inputs)
{
    constexpr double pi = std::numbers::pi;
    return {inputs.amplitude / 10.0, inputs.frequency * pi / 180.0,
            static_cast<double>(inputs.speed), inputs.tangential / 10.0};
}

double ArcLength(const CurveParameters& p, double x)
{
    const ArcScale scale = ArcScaleOf(p);
    return scale.factor * EllipticE(p.beta * x, scale.modulus);
}

double XAtArcLength(const CurveParameters& p, double s)
{
    const ArcScale scale = ArcScaleOf(p);
    const double phi = InverseEllipticE(s / scale.factor, scale.modulus);
    return std::max(0.0, phi / p.beta);
}

CurvePoint CurveAt(const CurveParameters& p, double x)
{
    CurvePoint c;
    c.x = x;
    c.y = p.A * std::sin(p.beta * x);
    c.slope = p.A * p.beta * std::cos(p.beta * x);
    c.second = -p.A * p.beta * p.beta * std::sin(p.beta * x);
    if (c.second != 0.0) {
        c.radius = std::pow(1.0 + c.slope * c.slope, 1.5) / c.second;
        // A radius beyond 1e15 is an inflection point missed by rounding: the path is straight.
        c.curvature = std::abs(c.radius) > 1e15 ? 0.0 : 1.0 / c.radius;
    }
    c.theta = std::atan(c.slope);
    c.cosTheta = 1.0 / std::sqrt(1.0 + c.slope * c.slope);
    c.sinTheta = c.slope * c.cosTheta;
    c.arc = ArcLength(p, x);
    c.speed = std::sqrt(std::max(0.0, p.v0 * p.v0 + 2.0 * p.at * c.arc));
    c.normal = c.curvature * c.speed * c.speed;
    return c;
}

} // namespace ttl
