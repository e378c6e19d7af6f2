#pragma once

// Reading the resistivity at 20 °C out of a free material text, and the
// material's temperature coefficient.

#include "calc/NumberDisplay.h"

#include <optional>
#include <string>
#include <string_view>

namespace calc {

// Keeps the digits of the text in their order; every "," or "." after the
// first digit becomes `separator`; everything else is dropped.
std::string ExtractNumber(std::string_view text, std::string_view separator);

// The resistivity at 20 °C, or nothing when no number can be read.
// The result may be 0 (the caller checks ρ20 > 0).
std::optional<double> ReadResistivity(std::string_view text, const NumberFormat& fmt);

// α in 1/°C by the band of ρ20; 0 outside every band.
double TemperatureCoefficient(double rho20);

} // namespace calc
