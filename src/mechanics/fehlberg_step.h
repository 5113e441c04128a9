#pragma once

#include <array>
#include <cstddef>

namespace ttl {

// One fixed step h of the fourth-order formula of the Runge-Kutta-Fehlberg 4(5) pair, for
// components 0..n-1 of y; components from n upward are neither advanced nor written. `rates(t, w)`
// returns dy/dt for every component of w. Each stage evaluates the rates on the working state
// completed by the previous stage:
//   k1 = h f(t,        y)
//   k2 = h f(t + h/4,   y + k1/4)
//   k3 = h f(t + 3h/8,  y + 3/32 k1 + 9/32 k2)
//   k4 = h f(t + 12h/13, y + 1932/2197 k1 - 7200/2197 k2 + 7296/2197 k3)
//   k5 = h f(t + h,     y + 439/216 k1 - 8 k2 + 3680/513 k3 - 845/4104 k4)
//   y(t + h) = y + 25/216 k1 + 1408/2565 k3 + 2197/4104 k4 - 1/5 k5
// yIn and yOut may be the same array.
template <std::size_t Size, typename Rates>
void FehlbergStep(Rates&& rates, double t, const std::array<double, Size>& yIn, double h,
                  std::array<double, Size>& yOut, int n)
{
    if (n < 1) {
        return;
    }
    const std::size_t count =
        static_cast<std::size_t>(n) < Size ? static_cast<std::size_t>(n) : Size;
    const std::array<double, Size> y0 = yIn;
    std::array<double, Size> w = y0;
    std::array<double, Size> k1{}, k2{}, k3{}, k4{}, k5{};

    auto stage = [&](std::array<double, Size>& k, double time) {
        const std::array<double, Size> f = rates(time, w);
        for (std::size_t i = 0; i < count; ++i) {
            k[i] = h * f[i];
        }
    };

    stage(k1, t);
    for (std::size_t i = 0; i < count; ++i) {
        w[i] = y0[i] + k1[i] / 4.0;
    }
    stage(k2, t + h / 4.0);
    for (std::size_t i = 0; i < count; ++i) {
        w[i] = y0[i] + (3.0 / 32.0) * k1[i] + (9.0 / 32.0) * k2[i];
    }
    stage(k3, t + 3.0 * h / 8.0);
    for (std::size_t i = 0; i < count; ++i) {
        w[i] = y0[i] + (1932.0 / 2197.0) * k1[i] - (7200.0 / 2197.0) * k2[i] +
               (7296.0 / 2197.0) * k3[i];
    }
    stage(k4, t + 12.0 * h / 13.0);
    for (std::size_t i = 0; i < count; ++i) {
        w[i] = y0[i] + (439.0 / 216.0) * k1[i] - 8.0 * k2[i] + (3680.0 / 513.0) * k3[i] -
               (845.0 / 4104.0) * k4[i];
    }
    stage(k5, t + h);
    for (std::size_t i = 0; i < count; ++i) {
        yOut[i] = y0[i] + (25.0 / 216.0) * k1[i] + (1408.0 / 2565.0) * k3[i] +
                  (2197.0 / 4104.0) * k4[i] - k5[i] / 5.0;
    }
}

} // namespace ttl
