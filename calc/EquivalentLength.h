#pragma once

// The length of the typical wire that has the resistance of a piece of
// another wire.

#include "calc/LabelWrite.h"
#include "calc/NumberDisplay.h"

namespace calc {

struct EquivalentLengthInputs {
    bool copper1 = true;       // sRadioButton2 checked
    double crossSection1 = 6;  // sDecimalSpinEdit5
    double length1 = 8;        // sDecimalSpinEdit8
    bool copper2 = false;      // sRadioButton4 checked
    double crossSection2 = 16; // sDecimalSpinEdit7
};

LabelWrites RunEquivalentLength(const EquivalentLengthInputs& in, const NumberFormat& fmt);

} // namespace calc
