#include "curve/elliptic.h"

#include <algorithm>
#include <cmath>

namespace ttl {

double EllipticE(double phi, double k)
{
    return std::ellint_2(k, phi); // (modulus, amplitude)
}

double InverseEllipticE(double e, double k)
{
    if (!(e > 0.0)) {
        return 0.0;
    }
    // dE/dphi = sqrt(1 - k^2 sin^2 phi) lies in [sqrt(1 - k^2), 1], so the root lies in
    // [e, e / sqrt(1 - k^2)] and Newton's method, kept inside that bracket, converges fast.
    const double slowest = std::sqrt((1.0 - k) * (1.0 + k));
    double low = e;
    double high = slowest > 0.0 ? e / slowest : e * 1e12;
    double phi = 0.5 * (low + high);
    for (int iteration = 0; iteration < 100; ++iteration) {
        const double residual = EllipticE(phi, k) - e;
        if (residual == 0.0) {
            break;
        }
        (residual > 0.0 ? high : low) = phi;
        const double s = std::sin(phi);
        const double next = phi - residual / std::sqrt(1.0 - k * k * s * s);
        const double previous = phi;
        phi = next > low && next < high ? next : 0.5 * (low + high);
        if (std::abs(phi - previous) <= 1e-15 * std::max(1.0, phi)) {
            break;
        }
    }
    return phi;
}

} // namespace ttl
