#pragma once

// The exact decimal digits of a binary value, the common start of every
// number form the program writes.

#include <string>

namespace calc {

// |x| = 0.d1d2d3... * 10^exponent, digits without a decimal point.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// x correctly rounded to 18 significant digits; x must be finite and not 0.
DecimalDigits EighteenDigits(long double x);

// Keeps the first `count` digits (count >= 1), the next digit deciding: 5 or
// more rounds up, away from zero. A carry out of the first digit raises the
// exponent. Trailing zeros are dropped.
DecimalDigits CutDigits(const DecimalDigits& d, int count);

// Scientific notation of the digits: d1[sep rest]E[-]exp.
std::string WriteScientific(const DecimalDigits& d, const std::string& separator);

} // namespace calc
