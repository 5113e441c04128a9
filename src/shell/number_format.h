#pragma once

#include <string>
#include <string_view>

namespace ttl {

// Formats a number with one of the display patterns of the program:
//   "0", "0.0", "0.00", "0.000", "0.00000"  fixed point, at least one digit before the point;
//   "0.0E+00"                               one decimal in the mantissa, signed exponent of at
//                                           least two digits (1234 -> "1.2E+03");
// and any of these with literal blanks around it (" 0.00 " -> " 1.50 ").
// Halves round away from zero on the shortest decimal form of the value (2.675 -> "2.68"),
// and a value that rounds to zero never shows a minus sign.
// The point of the patterns is written as the reader's decimal separator, "0.5" or "0,5".
std::string FormatNumber(double value, std::string_view pattern);

// A number in plain decimals with at most `decimals` of them, trailing zeros dropped: 1.50 -> "1.5",
// 2.00 -> "2"; never an exponent, whatever the magnitude.
std::string FormatPlain(double value, int decimals);

// "10⁻⁴": ten to the power in superscript digits.
std::string PowerOfTen(int exponent);

// A measured value for a reader, `significant` digits of it: plain between 1e-3 and 1e5
// ("0.25", "1300"), else a plain mantissa with a factor ("1.3 × 10⁻¹³").
std::string FormatWithFactor(double value, int significant = 2);

// The decimal separator of the numbers on screen, '.' until the UI sets the reader's. Files and
// the command line do not use FormatNumber: they keep the point whatever the language.
void SetDecimalSeparator(char separator);

} // namespace ttl
