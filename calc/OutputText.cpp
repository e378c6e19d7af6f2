#include "calc/OutputText.h"

#include <cmath>

namespace calc {

std::string LabelRounded(long double x, int decimals, const NumberFormat& fmt) {
    const long double rounded = RoundTo(x, decimals);
    if (!std::isfinite(rounded))
        return kFailureMark;
    return FormatGeneral(rounded, fmt);
}

} // namespace calc
