#pragma once

// The single-phase branch calculator: one typical branch, all like branches,
// and their percentages, with the losses capped by the consumption.

#include "calc/LabelWrite.h"
#include "calc/NumberDisplay.h"

#include <cstdint>
#include <string>

namespace calc {

struct BranchInputs {
    std::string resistivityText;   // sComboBox1
    std::int64_t temperature = 30; // sSpinEdit2
    double crossSection = 16;      // sDecimalSpinEdit11
    std::int64_t length = 35;      // sSpinEdit8
    double coef1 = 1;              // sDecimalSpinEdit4, K
    std::int64_t maxAmperage = 16; // sSpinEdit11, I
    double coef2 = 0.2;            // sDecimalSpinEdit3, Kисп
    std::int64_t hours = 24;       // sSpinEdit13, Ч
    std::int64_t period = 365;     // sSpinEdit14, Д
    std::int64_t amount = 20;      // sSpinEdit12, N
    std::int64_t power = 51000;    // sSpinEdit10, Pотв
    std::int64_t powerAll = 54000; // sSpinEdit9, Pсети
};

LabelWrites RunBranch(const BranchInputs& in, const NumberFormat& fmt);

} // namespace calc
