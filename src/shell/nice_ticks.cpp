#include "shell/nice_ticks.h"

#include "shell/number_format.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ttl {

namespace {

constexpr int FewestTicks = 3;
constexpr int MostTicks = 10;
// Outside these magnitudes the labels would need more than four zeros: a factor goes in the title.
constexpr double SmallestPlain = 1e-3;
constexpr double LargestPlain = 1e5;

// The nice step mantissa * 10^power and the ticks it puts around low..high.
struct Candidate {
    int mantissa = 1;
    int power = 0;
    double first = 0.0; // in steps
    double last = 0.0;

    [[nodiscard]] double Step() const
    {
        return power < 0 ? mantissa / std::pow(10.0, -power) : mantissa * std::pow(10.0, power);
    }
    [[nodiscard]] int Count() const { return static_cast<int>(last - first) + 1; }
};

Candidate Around(double low, double high, int mantissa, int power)
{
    Candidate c{mantissa, power};
    const double step = c.Step();
    // A hair of tolerance keeps a data end that lies on a tick from adding one beyond it.
    const double slack = 1e-9;
    c.first = std::floor(low / step + slack);
    c.last = std::ceil(high / step - slack);
    c.last = std::max(c.last, c.first + 1.0);
    return c;
}

// The candidates in increasing step from a step ten times finer than the span would need.
Candidate Choose(double low, double high, int maxTicks)
{
    constexpr std::array<int, 3> Mantissas{1, 2, 5};
    int power = static_cast<int>(std::floor(std::log10(high - low))) - 2;
    Candidate previous = Around(low, high, 1, power);
    for (;; ++power) {
        for (int mantissa : Mantissas) {
            const Candidate c = Around(low, high, mantissa, power);
            if (c.Count() <= maxTicks) {
                // Too few ticks to read a value off: the finer step, though it crowds a little.
                return c.Count() >= FewestTicks ? c : previous;
            }
            previous = c;
        }
    }
}

// The power of ten of the largest tick when the ticks need a factor, else 0.
int FactorExponent(double largestMagnitude)
{
    if (largestMagnitude == 0.0 ||
        (largestMagnitude >= SmallestPlain && largestMagnitude < LargestPlain)) {
        return 0;
    }
    return static_cast<int>(std::floor(std::log10(largestMagnitude)));
}

} // namespace

TickSet NiceTicks(double low, double high, int maxTicks)
{
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = 0.0;
        high = 1.0;
    }
    if (high < low) {
        std::swap(low, high);
    }
    if (!(high - low > 1e-12 * std::max(std::abs(low), std::abs(high))) || high == low) {
        const double half = low == 0.0 ? 1.0 : 0.1 * std::abs(low);
        low -= half;
        high += half;
    }
    const Candidate c = Choose(low, high, std::clamp(maxTicks, FewestTicks, MostTicks));
    TickSet ticks;
    ticks.step = c.Step();
    const double largest = std::max(std::abs(c.first), std::abs(c.last)) * ticks.step;
    ticks.factorExponent = FactorExponent(largest);
    // Adjacent ticks differ in the step's own decimal place and no finer one.
    const int decimals = std::max(0, ticks.factorExponent - c.power);
    const double labelScale = std::pow(10.0, c.power - ticks.factorExponent);
    for (double k = c.first; k <= c.last; k += 1.0) {
        // k * mantissa and the power of ten are exact, so each value is the correctly rounded
        // decimal: 3e-4 is 3 / 10^4, not 3 * 0.0001.
        const double multiple = k * c.mantissa;
        ticks.values.push_back(c.power < 0 ? multiple / std::pow(10.0, -c.power)
                                           : multiple * std::pow(10.0, c.power));
        ticks.labels.push_back(FormatPlain(k * c.mantissa * labelScale, decimals));
    }
    return ticks;
}

std::string FactorSuffix(int exponent)
{
    return exponent == 0 ? std::string() : " \u00D7 " + PowerOfTen(exponent);
}

} // namespace ttl
