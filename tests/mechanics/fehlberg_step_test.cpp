#include "mechanics/fehlberg_step.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ttl {
namespace {

using State = std::array<double, 7>;

// x'' = -x with x(0) = 1, v(0) = 0: x = cos t, v = -sin t. Component 0 is v, 1 is x.
State Oscillator(double, const State& y)
{
    State rate{};
    rate[0] = -y[1];
    rate[1] = y[0];
    rate[6] = 1.0; // would move component 6 if it were advanced
    return rate;
}

double GlobalError(double h)
{
    const int steps = static_cast<int>(std::lround(2.0 / h));
    State y{0.0, 1.0, 0, 0, 0, 0, 0};
    for (int i = 0; i < steps; ++i) {
        FehlbergStep(Oscillator, i * h, y, h, y, 2);
    }
    const double t = steps * h;
    return std::hypot(y[1] - std::cos(t), y[0] + std::sin(t));
}

TEST(FehlbergStep, IsFourthOrder)
{
    for (double h : {0.2, 0.1, 0.05}) {
        const double ratio = GlobalError(h) / GlobalError(h / 2);
        EXPECT_NEAR(ratio, 16.0, 2.0) << "h = " << h;
    }
}

TEST(FehlbergStep, ExponentialGrowthMatchesItsTaylorSeriesToFourthOrder)
{
    // For y' = y one step gives the Taylor series of e^h through h^4 plus h^5/104.
    const auto growth = [](double, const State& y) { return y; };
    const double h = 0.1;
    State out{};
    FehlbergStep(growth, 0.0, State{1, 0, 0, 0, 0, 0, 0}, h, out, 1);
    const double taylor = 1 + h + h * h / 2 + h * h * h / 6 + h * h * h * h / 24;
    EXPECT_NEAR(out[0], taylor + std::pow(h, 5) / 104.0, 1e-15);
}

TEST(FehlbergStep, LeavesComponentsFromNUpwardUntouched)
{
    State in{0.0, 1.0, 0, 0, 0, 0, 0};
    State out{};
    out.fill(7.0);
    FehlbergStep(Oscillator, 0.0, in, 0.1, out, 6);
    EXPECT_EQ(out[6], 7.0);
    EXPECT_NE(out[1], 7.0);
    EXPECT_EQ(in[1], 1.0); // input unchanged
}

TEST(FehlbergStep, DoesNothingForNBelowOne)
{
    State out{};
    out.fill(3.0);
    FehlbergStep(Oscillator, 0.0, State{}, 0.1, out, 0);
    for (double v : out) {
        EXPECT_EQ(v, 3.0);
    }
}

TEST(FehlbergStep, MayWriteOverItsInput)
{
    State separate{};
    const State start{0.3, 0.9, 0, 0, 0, 0, 0};
    FehlbergStep(Oscillator, 0.0, start, 0.1, separate, 7);
    State inPlace = start;
    FehlbergStep(Oscillator, 0.0, inPlace, 0.1, inPlace, 7);
    EXPECT_EQ(inPlace, separate);
}

} // namespace
} // namespace ttl
