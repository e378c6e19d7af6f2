#pragma once

// The one rule by which the program writes numbers for people to read.
// Values are written from their exact binary value; the decimal separator
// is the program's number format, read once at start from the user's locale.

#include <string>

namespace calc {

struct NumberFormat {
    std::string decimalSeparator = ",";
};

// General form: at most 15 significant digits (18 correctly rounded, then cut
// to 15 with the sixteenth deciding, away from zero), no trailing zeros, fixed
// notation for decimal exponents -3..15, scientific otherwise; INF, -INF, NAN.
std::string FormatGeneral(double x, const NumberFormat& fmt);
std::string FormatGeneral(long double x, const NumberFormat& fmt);

// x * 10^n rounded to a whole number, ties to even, times 10^-n; all in
// extended precision (n from 0 to 20).
long double RoundTo(long double x, int decimals);

// FormatGeneral of RoundTo(x, decimals), written without narrowing to double.
std::string FormatRounded(long double x, int decimals, const NumberFormat& fmt);

// The trace's percentage form: at most 4 significant digits and at most 2
// decimals, written with exactly 2 decimals; from 10000 on, scientific with at
// most 4 significant digits.
std::string FormatPercent(double x, const NumberFormat& fmt);

} // namespace calc
