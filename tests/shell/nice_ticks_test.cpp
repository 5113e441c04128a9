#include "shell/nice_ticks.h"
#include "shell/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace ttl {
namespace {

// The label as a number, or NaN when it is not a plain decimal in the reader's separator.
double ReadPlain(const std::string& label, char separator)
{
    std::string text = label;
    for (char& c : text) {
        if (c == separator) {
            c = '.';
        } else if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '-')) {
            return std::nan("");
        }
    }
    return std::stod(text);
}

bool IsNiceStep(double step)
{
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    for (double nice : {1.0, 2.0, 5.0, 10.0}) {
        if (std::abs(mantissa - nice) < 1e-9 * nice) {
            return true;
        }
    }
    return false;
}

struct Range {
    double low;
    double high;
    int room; // labels that fit
};

TEST(NiceTicks, NiceStepsEncloseTheDataWithPlainDistinctLabels)
{
    const Range ranges[] = {
        {0.0, 36.4, 10},   {0.0, 9.9, 10},      {0.0, 1e-9, 10},       {-1e9, 1e9, 10},
        {0.0, 1e9, 10},    {3e-4, 7e-4, 10},    {0.0, 2.7e-4, 6},      {-36.4, -2.2, 10},
        {-0.37, 1.2, 10},  {-5.0, 5.0, 10},     {1e5, 1e5 + 3.0, 10},  {9.9999, 10.0001, 10},
        {-1e-7, 3e-6, 10}, {0.0, 6.2832, 4},    {0.0, 123456.0, 7},    {2.0, 2.0, 10},
        {0.0, 0.0, 10},    {-4.2e-13, 1.3e-13, 10}};
    for (char separator : {'.', ','}) {
        SetDecimalSeparator(separator);
        for (const Range& r : ranges) {
            const TickSet ticks = NiceTicks(r.low, r.high, r.room);
            const std::string row = std::to_string(r.low) + " .. " + std::to_string(r.high);
            const auto count = static_cast<int>(ticks.values.size());
            EXPECT_GE(count, r.room >= 10 ? 5 : 3) << row;
            EXPECT_LE(count, r.room) << row;
            EXPECT_TRUE(IsNiceStep(ticks.step)) << row << " step " << ticks.step;
            EXPECT_LE(ticks.First(), r.low) << row;
            EXPECT_GE(ticks.Last(), r.high) << row;
            if (r.high > r.low) { // not more than a step of empty room on either side
                EXPECT_GT(ticks.First(), r.low - ticks.step * 1.000001) << row;
                EXPECT_LT(ticks.Last(), r.high + ticks.step * 1.000001) << row;
            }

            const double factor = std::pow(10.0, ticks.factorExponent);
            std::set<std::string> distinct;
            for (std::size_t i = 0; i < ticks.values.size(); ++i) {
                const std::string& label = ticks.labels[i];
                const double read = ReadPlain(label, separator);
                EXPECT_NEAR(read * factor, ticks.values[i], 1e-6 * ticks.step) << row << " " << label;
                distinct.insert(label);
                // no more digits than the step needs, and no trailing zero after the separator
                EXPECT_NE(label.back(), separator) << label;
                if (label.find(separator) != std::string::npos) {
                    EXPECT_NE(label.back(), '0') << row << " " << label;
                }
                EXPECT_LE(label.size(), 12U) << row << " " << label;
            }
            EXPECT_EQ(distinct.size(), ticks.labels.size()) << row;
            const double largest = std::max(std::abs(ticks.First()), std::abs(ticks.Last()));
            EXPECT_EQ(ticks.factorExponent != 0, largest < 1e-3 || largest >= 1e5) << row;
        }
    }
    SetDecimalSeparator('.');
}

TEST(FormatWithFactor, PlainBetweenAThousandthAndAHundredThousandElseAFactor)
{
    const std::pair<double, const char*> cases[] = {
        {1.3e-13, "1.3 \u00D7 10\u207B\u00B9\u00B3"},
        {-2.5e-4, "-2.5 \u00D7 10\u207B\u2074"},
        {9.96e6, "1 \u00D7 10\u2077"},
        {0.25, "0.25"},
        {1300.0, "1300"},
        {0.0, "0"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(FormatWithFactor(value), expected) << value;
    }
    EXPECT_EQ(FactorSuffix(-4), " \u00D7 10\u207B\u2074");
    EXPECT_EQ(FactorSuffix(0), "");
}

} // namespace
} // namespace ttl
