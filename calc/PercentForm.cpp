// The percentage form of the trace (FormatPercent of NumberDisplay.h).

#include "calc/DecimalDigits.h"
#include "calc/NumberDisplay.h"

#include <algorithm>
#include <cmath>

namespace calc {
namespace {

constexpr int kSignificant = 4;
constexpr int kDecimals = 2;
constexpr int kScientificFrom = 5; // integer digits of 10000

} // namespace

std::string FormatPercent(double x, const NumberFormat& fmt) {
    if (!std::isfinite(x))
        return FormatGeneral(x, fmt);

    // Digits of the rounded value, from the first digit down to the second
    // decimal; the value is 0.digits * 10^exponent.
    DecimalDigits d;
    if (x == 0) {
        d.digits = "0";
        d.exponent = 1;
    } else {
        const DecimalDigits exact = EighteenDigits(x);
        const int keep = std::min(kSignificant, exact.exponent + kDecimals);
        if (keep <= 0) {
            // Every kept place is zero; the first dropped digit may still round up.
            const bool up = keep == 0 && exact.digits[0] >= '5';
            d.negative = exact.negative;
            d.digits = up ? "1" : "0";
            d.exponent = up ? 1 - kDecimals : 1;
        } else {
            d = CutDigits(exact, keep);
        }
    }

    if (d.exponent >= kScientificFrom)
        return WriteScientific(CutDigits(EighteenDigits(x), kSignificant), fmt.decimalSeparator);

    // Lay the digits out over the places 10^(exponent-1) ... 10^-2.
    std::string intPart, fracPart(kDecimals, '0');
    for (int i = 0; i < static_cast<int>(d.digits.size()); ++i) {
        const int place = d.exponent - 1 - i; // power of ten of this digit
        if (place >= 0) {
            if (intPart.empty())
                intPart.assign(place + 1, '0');
            intPart[intPart.size() - 1 - place] = d.digits[i];
        } else if (-place <= kDecimals) {
            fracPart[-place - 1] = d.digits[i];
        }
    }
    if (intPart.empty())
        intPart = "0";
    const bool zero = d.digits == "0";
    return (d.negative && !zero ? "-" : "") + intPart + fmt.decimalSeparator + fracPart;
}

} // namespace calc
