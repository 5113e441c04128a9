#include "curve/elliptic.h"

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {

void Report(bool* invalid)
{
    if (invalid != nullptr) {
        *invalid = true;
    }
}

} // namespace

double CarlsonRF(double x, double y, double z, bool* invalid)
{
    constexpr double ErrorTolerance = 0.08;
    constexpr double Tiny = 1.5e-38;
    constexpr double Big = 3.0e37;
    constexpr double C1 = 1.0 / 24.0, C2 = 0.1, C3 = 3.0 / 44.0, C4 = 1.0 / 14.0;
    if (std::min({x, y, z}) < 0.0 || std::min({x + y, x + z, y + z}) < Tiny ||
        std::max({x, y, z}) > Big || !std::isfinite(x + y + z)) {
        Report(invalid);
        return 0.0;
    }
    double xt = x, yt = y, zt = z;
    double average = 0.0, dx = 0.0, dy = 0.0, dz = 0.0;
    do {
        const double sx = std::sqrt(xt), sy = std::sqrt(yt), sz = std::sqrt(zt);
        const double lambda = sx * (sy + sz) + sy * sz;
        xt = 0.25 * (xt + lambda);
        yt = 0.25 * (yt + lambda);
        zt = 0.25 * (zt + lambda);
        average = (xt + yt + zt) / 3.0;
        dx = (average - xt) / average;
        dy = (average - yt) / average;
        dz = (average - zt) / average;
    } while (std::max({std::abs(dx), std::abs(dy), std::abs(dz)}) > ErrorTolerance);
    const double e2 = dx * dy - dz * dz;
    const double e3 = dx * dy * dz;
    return (1.0 + (C1 * e2 - C2 - C3 * e3) * e2 + C4 * e3) / std::sqrt(average);
}

double CarlsonRD(double x, double y, double z, bool* invalid)
{
    constexpr double ErrorTolerance = 0.05;
    constexpr double Tiny = 1.5e-25;
    constexpr double Big = 4.5e21;
    constexpr double C1 = 3.0 / 14.0, C2 = 1.0 / 6.0, C3 = 9.0 / 22.0, C4 = 3.0 / 26.0;
    constexpr double C5 = 0.25 * C3, C6 = 1.5 * C4;
    if (std::min(x, y) < 0.0 || std::min(x + y, z) < Tiny || std::max({x, y, z}) > Big ||
        !std::isfinite(x + y + z)) {
        Report(invalid);
        return 0.0;
    }
    double xt = x, yt = y, zt = z;
    double sum = 0.0, factor = 1.0;
    double average = 0.0, dx = 0.0, dy = 0.0, dz = 0.0;
    do {
        const double sx = std::sqrt(xt), sy = std::sqrt(yt), sz = std::sqrt(zt);
        const double lambda = sx * (sy + sz) + sy * sz;
        sum += factor / (sz * (zt + lambda));
        factor *= 0.25;
        xt = 0.25 * (xt + lambda);
        yt = 0.25 * (yt + lambda);
        zt = 0.25 * (zt + lambda);
        average = 0.2 * (xt + yt + 3.0 * zt);
        dx = (average - xt) / average;
        dy = (average - yt) / average;
        dz = (average - zt) / average;
    } while (std::max({std::abs(dx), std::abs(dy), std::abs(dz)}) > ErrorTolerance);
    const double ea = dx * dy;
    const double eb = dz * dz;
    const double ec = ea - eb;
    const double ed = ea - 6.0 * eb;
    const double ee = ed + ec + ec;
    return 3.0 * sum + factor *
                           (1.0 + ed * (-C1 + C5 * ed - C6 * dz * ee) +
                            dz * (C2 * ee + dz * (-C3 * ec + dz * C4 * ea))) /
                           (average * std::sqrt(average));
}

double EllipticEReduced(double phi, double k, bool* invalid)
{
    const double s = std::sin(phi);
    const double c = std::cos(phi);
    const double q = (1.0 - s * k) * (1.0 + s * k);
    return s * (CarlsonRF(c * c, q, 1.0, invalid) -
                (s * k) * (s * k) * CarlsonRD(c * c, q, 1.0, invalid) / 3.0);
}

double EllipticE(double phi, double k, bool* invalid)
{
    const double pi = 4.0 * std::atan(1.0);
    if (phi == 0.0) {
        return 0.0;
    }
    if (phi <= pi / 2.0) {
        return EllipticEReduced(phi, k, invalid);
    }
    const double n = std::floor(phi / pi);
    const double m = std::floor(2.0 * phi / pi);
    const double quarter = EllipticEReduced(pi / 2.0, k, invalid);
    if (std::fmod(m, 2.0) != 0.0) {
        return (m + 1.0) * quarter - EllipticEReduced((n + 1.0) * pi - phi, k, invalid);
    }
    return EllipticEReduced(phi - n * pi, k, invalid) + m * quarter;
}

double InverseEllipticE(double e, double k, double ec, bool* invalid)
{
    const double pi = 4.0 * std::atan(1.0);
    const double n = ec > 0.0 ? std::floor(e / ec) : 0.0;
    double phi = n * pi / 2.0 + pi / 4.0;
    double step = pi / 20.0;
    double value = EllipticE(phi, k, invalid);
    int direction = value > e ? -1 : 1;
    while (std::abs(value - e) > 1e-4) {
        phi += e > value ? step : -step;
        value = EllipticE(phi, k, invalid);
        if ((direction == 1 && e < value) || (direction == -1 && e > value)) {
            direction = -direction; // crossed: back the other way, in finer steps
            step /= 2.0;
            if (std::abs(step) < 1e-11) {
                break;
            }
        }
    }
    return phi;
}

} // namespace ttl
