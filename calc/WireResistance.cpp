#include "calc/WireResistance.h"

namespace calc {

bool TemperatureAccepted(std::int64_t t) {
    return t >= -100 && t <= 200;
}

double ResistivityAt(double rho20, double alpha, std::int64_t t) {
    const long double rise = static_cast<long double>(alpha) * static_cast<long double>(t - 20);
    return static_cast<double>(static_cast<long double>(rho20) * (1.0L + rise));
}

double ResistancePerMetre(double rhoT, double crossSection) {
    return static_cast<double>(static_cast<long double>(rhoT) / crossSection);
}

std::string AlphaText(double alpha, const NumberFormat& fmt) {
    return "(α = " + FormatGeneral(alpha, fmt) + ")";
}

} // namespace calc
