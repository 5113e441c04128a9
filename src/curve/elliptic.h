#pragma once

namespace ttl {

// Legendre's incomplete elliptic integral of the second kind, E(phi, k) = integral from 0 to
// phi of sqrt(1 - k^2 sin^2 t) dt, for any phi and 0 <= k <= 1.
double EllipticE(double phi, double k);

// The phi >= 0 with E(phi, k) = e, for e >= 0 and 0 <= k < 1, to 1e-12 relative on E.
double InverseEllipticE(double e, double k);

} // namespace ttl
