#include "shell/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace ttl {

namespace {

char g_separator = '.';

// A value as a string of significant decimal digits d0 d1 d2 ... meaning 0.d0d1d2... x 10^(exponent
// + 1).
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0; // power of ten of digits[0]
};

// Fifteen significant digits: the precision at which a double reads back as the number typed.
// to_chars, unlike printf, writes a point whatever the C locale Qt has set from the system.
Decimal ToDecimal(double value)
{
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::scientific, 14);
    *written.ptr = '\0';
    Decimal d;
    const char* p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            d.digits.push_back(*p);
        }
    }
    d.exponent = std::atoi(p + 1);
    return d;
}

// Keeps `count` leading digits, rounding half away from zero; a carry may add a digit in front.
void RoundToDigits(Decimal& d, int count)
{
    if (count < 0) {
        d.digits.assign(1, '0');
        d.exponent = 0;
        return;
    }
    if (count >= static_cast<int>(d.digits.size())) {
        d.digits.append(static_cast<std::size_t>(count) - d.digits.size(), '0');
        return;
    }
    const bool roundUp = d.digits[static_cast<std::size_t>(count)] >= '5';
    d.digits.resize(static_cast<std::size_t>(count));
    if (roundUp) {
        int i = count - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(0, 1, '1');
            ++d.exponent;
        }
    }
    if (d.digits.empty()) {
        d.digits.assign(1, '0');
    }
}

bool AllZero(const std::string& digits)
{
    return digits.find_first_not_of('0') == std::string::npos;
}

std::string FormatFixed(double value, int decimals)
{
    Decimal d = ToDecimal(value);
    // Digits needed: those before the point (exponent + 1) and the decimals.
    RoundToDigits(d, d.exponent + 1 + decimals);
    std::string integerPart;
    std::string fraction;
    for (int power = std::max(d.exponent, 0); power >= -decimals; --power) {
        const int index = d.exponent - power;
        const char digit = (index >= 0 && index < static_cast<int>(d.digits.size()))
                               ? d.digits[static_cast<std::size_t>(index)]
                               : '0';
        (power >= 0 ? integerPart : fraction).push_back(digit);
    }
    std::string out = (d.negative && !AllZero(integerPart + fraction)) ? "-" : "";
    out += integerPart;
    if (decimals > 0) {
        out += g_separator;
        out += fraction;
    }
    return out;
}

std::string FormatScientific(double value)
{
    if (value == 0.0) {
        return std::string("0") + g_separator + "0E+00";
    }
    Decimal d = ToDecimal(value);
    RoundToDigits(d, 2);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%c%c%cE%c%02d", d.negative ? "-" : "", d.digits[0],
                  g_separator, d.digits[1], d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
    return buffer;
}

} // namespace

void SetDecimalSeparator(char separator)
{
    g_separator = separator;
}

std::string FormatNumber(double value, std::string_view pattern)
{
    const auto first = pattern.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::string(pattern);
    }
    const auto last = pattern.find_last_not_of(' ');
    const std::string_view lead = pattern.substr(0, first);
    const std::string_view core = pattern.substr(first, last - first + 1);
    const std::string_view trail = pattern.substr(last + 1);

    std::string body;
    if (!std::isfinite(value)) {
        body = std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf");
    } else if (core.find('E') != std::string_view::npos) {
        body = FormatScientific(value);
    } else {
        const auto point = core.find('.');
        const int decimals =
            point == std::string_view::npos ? 0 : static_cast<int>(core.size() - point - 1);
        body = FormatFixed(value, decimals);
    }
    return std::string(lead) + body + std::string(trail);
}

std::string FormatPlain(double value, int decimals)
{
    std::string text = FormatNumber(value, decimals > 0 ? "0." + std::string(decimals, '0') : "0");
    if (decimals > 0 && std::isfinite(value)) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == g_separator) {
            text.pop_back();
        }
        if (text == "-0") {
            text = "0";
        }
    }
    return text;
}

std::string PowerOfTen(int exponent)
{
    static const char* const Superscripts[] = {"\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
                                               "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    std::string text = "10";
    if (exponent < 0) {
        text += "\u207B";
    }
    for (char digit : std::to_string(std::abs(exponent))) {
        text += Superscripts[digit - '0'];
    }
    return text;
}

std::string FormatWithFactor(double value, int significant)
{
    if (!std::isfinite(value) || value == 0.0) {
        return FormatNumber(value, "0");
    }
    significant = std::max(1, significant);
    const Decimal d = ToDecimal(value);
    // The exponent after rounding: 9.96 to two digits is 10.
    Decimal rounded = d;
    RoundToDigits(rounded, significant);
    const int exponent = rounded.exponent;
    const double magnitude = std::abs(value);
    if (magnitude >= 1e-3 && magnitude < 1e5) {
        return FormatPlain(value, std::max(0, significant - 1 - exponent));
    }
    const double mantissa = value / std::pow(10.0, exponent);
    return FormatPlain(mantissa, significant - 1) + " \u00D7 " + PowerOfTen(exponent);
}

} // namespace ttl
