#include "curve/elliptic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ttl {
namespace {

constexpr double Pi = std::numbers::pi;

// Composite Simpson of the integrand itself: an independent value of E(phi, k).
double IntegratedE(double phi, double k)
{
    constexpr int Intervals = 4000;
    const double h = phi / Intervals;
    double sum = 0.0;
    for (int i = 0; i <= Intervals; ++i) {
        const double s = std::sin(i * h);
        const double weight = (i == 0 || i == Intervals) ? 1.0 : (i % 2 == 1 ? 4.0 : 2.0);
        sum += weight * std::sqrt(1.0 - k * k * s * s);
    }
    return sum * h / 3.0;
}

TEST(EllipticE, AgreesWithTheIntegralOverTheLabsRange)
{
    for (const double k : {0.0, 0.3, 0.7, 0.95}) {
        for (const double phi : {0.0, 0.4, 1.5707963, 2.9, 7.3, 19.0}) {
            EXPECT_NEAR(EllipticE(phi, k), IntegratedE(phi, k), 1e-9) << "k " << k << " phi " << phi;
        }
    }
}

TEST(EllipticE, IsSymmetricAboutTheQuarterPeriodAndAddsUpOverHalfPeriods)
{
    for (const double k : {0.1, 0.5, 0.9}) {
        const double quarter = EllipticE(Pi / 2.0, k);
        for (const double delta : {0.1, 0.7, 1.3}) {
            EXPECT_NEAR(EllipticE(Pi / 2.0 + delta, k) + EllipticE(Pi / 2.0 - delta, k),
                        2.0 * quarter, 1e-9);
        }
        for (int n = 1; n <= 6; ++n) {
            EXPECT_NEAR(EllipticE(n * Pi, k), 2.0 * n * quarter, 1e-9 * n);
        }
    }
}

TEST(InverseEllipticE, RoundTripsToRoundingOverEveryModulusAndAmplitude)
{
    double worst = 0.0;
    for (double k = 0.0; k <= 0.999; k += 0.0333) {
        for (const double kk : {k, 0.999}) {
            for (double phi = 0.0; phi <= 20.0; phi += 0.0731) {
                const double back = InverseEllipticE(EllipticE(phi, kk), kk);
                worst = std::max(worst, std::abs(back - phi));
            }
        }
    }
    EXPECT_LE(worst, 1e-12);
    RecordProperty("worst_round_trip", std::to_string(worst));
}

} // namespace
} // namespace ttl
