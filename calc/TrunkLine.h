#pragma once

// The three-phase trunk-line calculator: wire resistance, equivalent
// resistance, squared form factor, energy lost and both percentages, with the
// step-by-step trace.

#include "calc/LabelWrite.h"
#include "calc/NumberDisplay.h"

#include <cstdint>
#include <string>
#include <vector>

namespace calc {

// The values read from the trunk-line page, as its fields hand them over.
struct TrunkLineInputs {
    std::string resistivityText;    // sComboBox3 text, copied into the trace
    std::int64_t temperature = 30;  // sSpinEdit5
    double crossSection = 35;       // sDecimalSpinEdit10
    std::string lengthText = "340"; // sSpinEdit6 text, copied into the trace
    std::int64_t length = 340;      // sSpinEdit6 value
    double coef1 = 2.5;             // sDecimalSpinEdit1, K
    double coef2 = 0.2;             // sDecimalSpinEdit6, Kз
    std::int64_t period = 365;      // sSpinEdit15, Д
    std::int64_t power = 51000;     // sSpinEdit3, W
    bool useTg = true;              // sRadioButton5 checked
    double coef3 = 0.29;            // sDecimalSpinEdit2, tg φ
    double coef3cos = 0.96;         // sDecimalSpinEdit9, cos φ
    std::int64_t powerAll = 54000;  // sSpinEdit1, Wсети
};

struct TrunkLineRun {
    LabelWrites labels;
    std::vector<std::string> trace; // the whole trace, one entry a line
};

TrunkLineRun RunTrunkLine(const TrunkLineInputs& in, const NumberFormat& fmt);

} // namespace calc
