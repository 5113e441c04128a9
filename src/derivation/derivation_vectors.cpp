#include "derivation/derivation_vectors.h"

#include "mechanics/turntable_model.h"

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {

Vec2 FromRotatingAxes(Vec2 v, double theta)
{
    return IntoRotatingAxes(v, -theta);
}

} // namespace

Vec2 OmegaCross(double omega, Vec2 v)
{
    return {omega * v.y, -omega * v.x};
}

Vec2 RelativeOrbitAt(const RecordedMotion& state, int k, double theta)
{
    const auto i = static_cast<std::size_t>(k);
    return FromRotatingAxes({state.PathXR[i], state.PathYR[i]}, theta);
}

DerivationVectors ComputeDerivationVectors(const RecordedMotion& state, int t1)
{
    DerivationVectors d;
    d.t2 = std::min(DerivationSecondStep, state.StepIndex);
    d.t1 = std::clamp(t1, 0, d.t2);
    d.dt = (d.t2 - d.t1) * state.StepInterval;
    const auto i1 = static_cast<std::size_t>(d.t1);
    const auto i2 = static_cast<std::size_t>(d.t2);
    d.theta1 = state.AngleHistory[i1];
    d.theta2 = state.AngleHistory[i2];
    d.omega1 = state.OmegaHistory[i1];
    d.omega2 = state.OmegaHistory[i2];

    d.x11 = {state.PathX[i1], state.PathY[i1]};
    d.x22 = {state.PathX[i2], state.PathY[i2]};
    d.x21 = RelativeOrbitAt(state, d.t2, d.theta1);
    d.x12 = RelativeOrbitAt(state, d.t1, d.theta2);

    d.Va11 = state.VelocityHistory[i1];
    d.Va22 = state.VelocityHistory[i2];
    d.Vb11 = OmegaCross(d.omega1, d.x11);
    d.Vb22 = OmegaCross(d.omega2, d.x22);
    d.Vre11 = d.Va11 - d.Vb11;
    d.Vre22 = d.Va22 - d.Vb22;
    // Carried back by the base's turn from t2 to t1, as the relative orbit is.
    d.Vre21 = FromRotatingAxes(IntoRotatingAxes(d.Vre22, d.theta2), d.theta1);
    d.Vb21 = FromRotatingAxes(IntoRotatingAxes(d.Vb22, d.theta2), d.theta1);

    d.r1 = {state.PathXR[i1], state.PathYR[i1]};
    d.r2 = {state.PathXR[i2], state.PathYR[i2]};
    d.Vre1 = IntoRotatingAxes(d.Vre11, d.theta1);
    d.Vre2 = IntoRotatingAxes(d.Vre22, d.theta2);
    d.Vb1 = IntoRotatingAxes(d.Vb11, d.theta1);
    d.Vb2 = IntoRotatingAxes(d.Vb22, d.theta2);
    d.Va1 = d.Vre1 + d.Vb1;
    d.Va2 = d.Vre2 + d.Vb2;
    return d;
}

} // namespace ttl
