#pragma once

// How a calculator fills its labels: rounded numbers, and the failure mark
// where a check fails or a value cannot be computed.

#include "calc/LabelWrite.h"
#include "calc/NumberDisplay.h"

#include <string>

namespace calc {

inline constexpr const char* kFailureMark = "-";

// FormatRounded(x, decimals), or the failure mark for an infinite or
// undefined value (a division by a zero consumption, period or cos φ).
std::string LabelRounded(long double x, int decimals, const NumberFormat& fmt);

// Appends label writes in the order a run makes them.
class LabelWriter {
public:
    LabelWriter(LabelWrites& out, const NumberFormat& fmt) : out_(out), fmt_(fmt) {}

    void Text(const char* control, std::string text) { out_.push_back({control, std::move(text)}); }
    void Rounded(const char* control, long double x, int decimals) {
        Text(control, LabelRounded(x, decimals, fmt_));
    }
    void Mark(const char* control) { Text(control, kFailureMark); }

private:
    LabelWrites& out_;
    const NumberFormat& fmt_;
};

} // namespace calc
