#include "calc/NumberDisplay.h"

#include "calc/DecimalDigits.h"

#include <algorithm>
#include <cmath>

namespace calc {
namespace {

// Rounded decimal literals, so that 10^-n is the nearest extended value and
// not a quotient.
constexpr long double kPow10[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                  1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                  1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L};
constexpr long double kPow10Neg[] = {1e-0L,  1e-1L,  1e-2L,  1e-3L,  1e-4L,  1e-5L,  1e-6L,
                                     1e-7L,  1e-8L,  1e-9L,  1e-10L, 1e-11L, 1e-12L, 1e-13L,
                                     1e-14L, 1e-15L, 1e-16L, 1e-17L, 1e-18L, 1e-19L, 1e-20L};
constexpr int kMaxDecimals = 20;

} // namespace

std::string FormatGeneral(long double x, const NumberFormat& fmt) {
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x < 0 ? "-INF" : "INF";
    if (x == 0)
        return "0";

    const DecimalDigits d = CutDigits(EighteenDigits(x), 15);
    const int e = d.exponent;
    if (e < -3 || e > 15)
        return WriteScientific(d, fmt.decimalSeparator);

    std::string s = d.negative ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    if (e <= 0) {
        s += '0';
        s += fmt.decimalSeparator;
        s.append(-e, '0');
        s += d.digits;
    } else if (n <= e) {
        s += d.digits;
        s.append(e - n, '0');
    } else {
        s.append(d.digits, 0, e);
        s += fmt.decimalSeparator;
        s.append(d.digits, e);
    }
    return s;
}

std::string FormatGeneral(double x, const NumberFormat& fmt) {
    return FormatGeneral(static_cast<long double>(x), fmt);
}

long double RoundTo(long double x, int decimals) {
    const int n = std::clamp(decimals, 0, kMaxDecimals);
    return nearbyintl(x * kPow10[n]) * kPow10Neg[n];
}

std::string FormatRounded(long double x, int decimals, const NumberFormat& fmt) {
    return FormatGeneral(RoundTo(x, decimals), fmt);
}

} // namespace calc
