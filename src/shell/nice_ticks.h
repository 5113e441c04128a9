#pragma once

#include <string>
#include <vector>

namespace ttl {

// The ticks of one axis: values at a step of 1, 2 or 5 x 10^n, the first at or below the data's
// low end and the last at or above its high end, with their labels in plain decimals. Where the
// values are below 1e-3 or above 1e5 the labels are the values divided by 10^factorExponent,
// which the axis title then names (FactorSuffix).
struct TickSet {
    std::vector<double> values;
    std::vector<std::string> labels;
    double step = 0.0;
    int factorExponent = 0; // 0: the labels are the values themselves

    [[nodiscard]] double First() const { return values.front(); }
    [[nodiscard]] double Last() const { return values.back(); }
};

// Ticks for low..high, at most `maxTicks` of them (clamped to 3..10), as many as that allows:
// the finest nice step whose ticks fit. An empty or inverted range is widened around its value;
// a non-finite one gives the ticks of 0..1.
[[nodiscard]] TickSet NiceTicks(double low, double high, int maxTicks);

// " × 10⁻⁴" for the title of an axis whose labels are scaled by 10^exponent; empty for 0.
[[nodiscard]] std::string FactorSuffix(int exponent);

} // namespace ttl
