#include "shell/number_format.h"

#include <gtest/gtest.h>

#include <ostream>

#include <limits>

namespace ttl {
namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const FormatCase& row, std::ostream* out)
{
    *out << row.value << " as \"" << row.pattern << '"';
}

class FormatNumberTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, MatchesThePattern)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected)
        << c.value << " with \"" << c.pattern << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatNumberTest,
    testing::Values(
        // whole numbers: halves away from zero, no negative zero
        FormatCase{2.5, "0", "3"}, FormatCase{-2.5, "0", "-3"}, FormatCase{0.5, "0", "1"},
        FormatCase{0.49, "0", "0"}, FormatCase{-0.4, "0", "0"}, FormatCase{0.0, "0", "0"},
        FormatCase{1234.5, "0", "1235"},
        // fixed point, at least one digit before the point
        FormatCase{0.5, "0.0", "0.5"}, FormatCase{10.0, "0.0", "10.0"},
        FormatCase{0.125, "0.00", "0.13"}, FormatCase{2.675, "0.00", "2.68"},
        FormatCase{-0.001, "0.00", "0.00"}, FormatCase{-1.005, "0.00", "-1.01"},
        FormatCase{0.004, "0.000", "0.004"}, FormatCase{0.0064, "0.00000", "0.00640"},
        FormatCase{0.004, "0.00000", "0.00400"}, FormatCase{9.9996, "0.000", "10.000"},
        FormatCase{0.0004, "0.00", "0.00"}, FormatCase{0.005, "0.00", "0.01"},
        // scientific
        FormatCase{1234.0, "0.0E+00", "1.2E+03"}, FormatCase{0.0, "0.0E+00", "0.0E+00"},
        FormatCase{-0.05, "0.0E+00", "-5.0E-02"}, FormatCase{9.96, "0.0E+00", "1.0E+01"},
        FormatCase{1.25, "0.0E+00", "1.3E+00"}, FormatCase{6.2832, "0.0E+00", "6.3E+00"},
        FormatCase{1e100, "0.0E+00", "1.0E+100"},
        // blanks around the pattern are kept
        FormatCase{1.5, " 0.00 ", " 1.50 "}, FormatCase{-0.25, " 0.00 ", " -0.25 "}));

// A reader's decimal comma replaces the point in every pattern and nowhere else.
TEST(FormatNumber, WritesTheReadersDecimalSeparator)
{
    SetDecimalSeparator(',');
    const FormatCase cases[] = {{2.675, "0.00", "2,68"},       {-0.25, " 0.00 ", " -0,25 "},
                                {1234.0, "0.0E+00", "1,2E+03"}, {0.0, "0.0E+00", "0,0E+00"},
                                {1234.5, "0", "1235"}};
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected) << c.pattern;
    }
    SetDecimalSeparator('.');
    EXPECT_EQ(FormatNumber(2.675, "0.00"), "2.68");
}

TEST(FormatNumber, NonFiniteValuesAreNamedNotCrashedOn)
{
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "0.00"), "NaN");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "0.0E+00"), "Inf");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), "0"), "-Inf");
}

} // namespace
} // namespace ttl
