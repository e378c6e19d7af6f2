#include "calc/DecimalDigits.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace calc {

DecimalDigits EighteenDigits(long double x) {
    char buf[64];
    // glibc prints the exact binary value correctly rounded.
    std::snprintf(buf, sizeof buf, "%.17Le", fabsl(x));
    DecimalDigits d;
    d.negative = std::signbit(x);
    d.digits.reserve(18);
    d.digits += buf[0];
    const char* p = buf + 2;
    while (*p >= '0' && *p <= '9')
        d.digits += *p++;
    // p points at 'e'
    d.exponent = std::atoi(p + 1) + 1;
    return d;
}

DecimalDigits CutDigits(const DecimalDigits& d, int count) {
    DecimalDigits r = d;
    if (static_cast<int>(r.digits.size()) > count) {
        const bool up = r.digits[count] >= '5';
        r.digits.resize(count);
        if (up) {
            int i = count - 1;
            while (i >= 0 && r.digits[i] == '9')
                r.digits[i--] = '0';
            if (i >= 0) {
                ++r.digits[i];
            } else {
                r.digits.insert(r.digits.begin(), '1');
                r.digits.pop_back();
                ++r.exponent;
            }
        }
    }
    while (r.digits.size() > 1 && r.digits.back() == '0')
        r.digits.pop_back();
    return r;
}

std::string WriteScientific(const DecimalDigits& d, const std::string& separator) {
    std::string s = d.negative ? "-" : "";
    s += d.digits[0];
    if (d.digits.size() > 1) {
        s += separator;
        s.append(d.digits, 1);
    }
    s += 'E';
    s += std::to_string(d.exponent - 1);
    return s;
}

} // namespace calc
