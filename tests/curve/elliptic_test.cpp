#include "curve/elliptic.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ttl {
namespace {

const double Pi = 4.0 * std::atan(1.0);

TEST(EllipticE, AgreesWithTheStandardLibraryOverTheLabsRange)
{
    double worst = 0.0;
    for (double k = 0.0; k <= 0.99; k += 0.03) {
        for (double phi = 0.0; phi <= 20.0; phi += 0.173) {
            const double expected = std::ellint_2(k, phi); // (modulus, amplitude)
            const double got = EllipticE(phi, k);
            const double error = std::abs(got - expected) / std::max(1e-12, std::abs(expected));
            worst = std::max(worst, phi == 0.0 ? std::abs(got) : error);
        }
    }
    EXPECT_LE(worst, 1e-6);
    RecordProperty("worst_relative_error", std::to_string(worst));
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

TEST(InverseEllipticE, FindsTheAmplitudeToTheSearchTolerance)
{
    for (const double k : {0.2, 0.6, 0.95}) {
        const double quarter = EllipticE(Pi / 2.0, k);
        for (double phi = 0.05; phi < 14.0; phi += 0.61) {
            const double e = EllipticE(phi, k);
            EXPECT_NEAR(EllipticE(InverseEllipticE(e, k, quarter), k), e, 1e-4)
                << "k " << k << " phi " << phi;
        }
    }
}

TEST(Carlson, MatchesClosedFormsAndReportsInvalidArguments)
{
    for (const double x : {0.25, 1.0, 7.0}) {
        EXPECT_NEAR(CarlsonRF(x, x, x), 1.0 / std::sqrt(x), 1e-7);
        EXPECT_NEAR(CarlsonRD(x, x, x), std::pow(x, -1.5), 1e-7);
    }
    // R_F(0, 1, 1) = pi/2 and R_D(0, 1, 1) = 3 pi / 4
    EXPECT_NEAR(CarlsonRF(0.0, 1.0, 1.0), Pi / 2.0, 1e-7);
    EXPECT_NEAR(CarlsonRD(0.0, 1.0, 1.0), 3.0 * Pi / 4.0, 1e-7);

    bool invalid = false;
    CarlsonRF(1.0, 2.0, 3.0, &invalid);
    EXPECT_FALSE(invalid);
    CarlsonRF(-1.0, 2.0, 3.0, &invalid);
    EXPECT_TRUE(invalid);
    invalid = false;
    CarlsonRD(1.0, 1.0, 0.0, &invalid); // z below the lower limit
    EXPECT_TRUE(invalid);
}

} // namespace
} // namespace ttl
