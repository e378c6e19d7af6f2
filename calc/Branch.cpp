#include "calc/Branch.h"

#include "calc/Material.h"
#include "calc/OutputText.h"
#include "calc/WireResistance.h"

namespace calc {
namespace {

using LD = long double;

// Output labels of the branch page.
constexpr const char* kAlpha = "sLabel34";
constexpr const char* kRhoT = "sLabel31";
constexpr const char* kR0 = "sLabel38";
constexpr const char* kResistance = "sLabel54";
constexpr const char* kPowerLoss = "sLabel75";
constexpr const char* kLosses = "sLabel77";
constexpr const char* kConsumption = "sLabel94";
constexpr const char* kAllLosses = "sLabel69";
constexpr const char* kBranchPercent = "sLabel71";
constexpr const char* kNetworkPercent = "sLabel55";

} // namespace

LabelWrites RunBranch(const BranchInputs& in, const NumberFormat& fmt) {
    LabelWrites labels;
    LabelWriter out(labels, fmt);
    const auto fail = [&] {
        out.Mark(kNetworkPercent);
        return labels;
    };

    const std::optional<double> read = ReadResistivity(in.resistivityText, fmt);
    if (!read || !(*read > 0))
        return fail();
    const double rho20 = *read;
    if (!TemperatureAccepted(in.temperature))
        return fail();
    const double alpha = TemperatureCoefficient(rho20);
    out.Text(kAlpha, AlphaText(alpha, fmt));
    const double rhoT = ResistivityAt(rho20, alpha, in.temperature);
    out.Rounded(kRhoT, rhoT, 4);

    const double crossSection = in.crossSection;
    if (crossSection == 0) {
        // The one-branch consumption does not depend on the wire, so it keeps its text.
        for (const char* label :
             {kNetworkPercent, kR0, kLosses, kResistance, kPowerLoss, kAllLosses, kBranchPercent})
            out.Mark(label);
        return labels;
    }
    const double r0 = ResistancePerMetre(rhoT, crossSection);
    out.Rounded(kR0, r0, 5);

    // Out along the phase wire and back along the neutral: twice the length.
    if (in.length < 0)
        return fail();
    const double k = in.coef1;
    if (!(k >= 1 && k <= 3))
        return fail();
    const double resistance = static_cast<double>(2 * static_cast<LD>(in.length) * r0 / k);
    out.Rounded(kResistance, resistance, 3);

    if (in.maxAmperage < 0)
        return fail();
    const LD current = static_cast<LD>(in.maxAmperage);
    const double powerLoss = static_cast<double>(current * current * resistance);
    out.Rounded(kPowerLoss, powerLoss, 2);

    const double use = in.coef2;
    if (!(use >= 0 && use <= 1))
        return fail();
    if (in.hours < 0 || in.hours > 24)
        return fail();
    if (in.period < 0)
        return fail();
    const LD hours = static_cast<LD>(in.hours);
    const LD period = static_cast<LD>(in.period);

    double losses = static_cast<double>(hours * powerLoss * period * use / 1000);
    const double consumption =
        static_cast<double>(230 * current * 0.9L / 1000 * hours * period * use);
    // A branch cannot lose more than it carries.
    if (consumption < losses)
        losses = consumption;
    out.Rounded(kLosses, losses, 2);
    out.Rounded(kConsumption, consumption, 0);

    if (in.amount < 0)
        return fail();
    if (in.power < 0)
        return fail();
    const LD metered = static_cast<LD>(in.power);
    double allLosses = static_cast<double>(static_cast<LD>(in.amount) * losses);
    if (static_cast<LD>(allLosses) > metered)
        allLosses = static_cast<double>(in.power);
    const double branchPercent = static_cast<double>(static_cast<LD>(allLosses) / metered * 100);
    out.Rounded(kAllLosses, allLosses, 2);
    out.Rounded(kBranchPercent, branchPercent, 2);

    if (in.powerAll < 0)
        return fail();
    const double networkPercent =
        static_cast<double>(static_cast<LD>(allLosses) / in.powerAll * 100);
    out.Rounded(kNetworkPercent, networkPercent, 2);
    return labels;
}

} // namespace calc
