#pragma once

// The first block of both loss calculators: the checks and formulas that
// turn a material and a cross-section into the resistance of one metre.

#include "calc/NumberDisplay.h"

#include <cstdint>
#include <string>

namespace calc {

bool TemperatureAccepted(std::int64_t t);

// ρt = ρ20 · (1 + α · (t − 20)), the product α · (t − 20) first.
double ResistivityAt(double rho20, double alpha, std::int64_t t);

// r0 = ρt / F; the caller has refused F = 0.
double ResistancePerMetre(double rhoT, double crossSection);

// "(α = 0,0045)": α is shown unrounded.
std::string AlphaText(double alpha, const NumberFormat& fmt);

} // namespace calc
