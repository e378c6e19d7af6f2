#include "calc/EquivalentLength.h"

#include "calc/OutputText.h"

namespace calc {
namespace {

using LD = long double;

constexpr const char* kLength2 = "sLabel93";

// Resistivities of the typical copper and aluminium wire, fixed and
// independent of temperature.
constexpr double kCopper = 0.0178;
constexpr double kAluminium = 0.0287;

bool CrossSectionAccepted(double s) {
    return s >= 2.5 && s <= 120;
}

} // namespace

LabelWrites RunEquivalentLength(const EquivalentLengthInputs& in, const NumberFormat& fmt) {
    LabelWrites labels;
    LabelWriter out(labels, fmt);
    if (!CrossSectionAccepted(in.crossSection1) || !(in.length1 >= 0) ||
        !CrossSectionAccepted(in.crossSection2)) {
        out.Mark(kLength2);
        return labels;
    }
    const double rho1 = in.copper1 ? kCopper : kAluminium;
    const double rho2 = in.copper2 ? kCopper : kAluminium;
    // Equal resistances ρ1·L1/S1 = ρ2·L2/S2, in the order of the help pages.
    const double length2 =
        static_cast<double>(static_cast<LD>(in.crossSection2) * rho1 /
                            (static_cast<LD>(in.crossSection1) * rho2) * in.length1);
    out.Rounded(kLength2, length2, 1);
    return labels;
}

} // namespace calc
