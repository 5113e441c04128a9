#pragma once

namespace ttl {

// Carlson's symmetric elliptic integrals R_F(x, y, z) and R_D(x, y, z) by the duplication
// algorithm. Arguments outside the algorithm's domain (a negative one, sums below its lower
// limit, or beyond its upper limit) set *invalid, when given, and the result is that of the
// algorithm carried on regardless. The caller shows the message "invalid arguments in rf".
double CarlsonRF(double x, double y, double z, bool* invalid = nullptr);
double CarlsonRD(double x, double y, double z, bool* invalid = nullptr);

// Legendre's incomplete elliptic integral of the second kind, E(phi, k) = integral from 0 to
// phi of sqrt(1 - k^2 sin^2 t) dt: reduced to |phi| <= pi/2, and for any phi >= 0.
double EllipticEReduced(double phi, double k, bool* invalid = nullptr);
double EllipticE(double phi, double k, bool* invalid = nullptr);

// The phi >= 0 with E(phi, k) = e, to 1e-4 on E, by a stepping search from the quarter period
// below e; ec is E(pi/2, k).
double InverseEllipticE(double e, double k, double ec, bool* invalid = nullptr);

} // namespace ttl
