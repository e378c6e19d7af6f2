#include "calc/TrunkLine.h"

#include "calc/Material.h"
#include "calc/OutputText.h"
#include "calc/TrunkLineTrace.h"
#include "calc/WireResistance.h"

#include <cmath>

namespace calc {
namespace {

using LD = long double;

// Output labels of the trunk-line page.
constexpr const char* kAlpha = "sLabel46";
constexpr const char* kRhoT = "sLabel43";
constexpr const char* kR0 = "sLabel47";
constexpr const char* kREquiv = "sLabel25";
constexpr const char* kFormFactor = "sLabel11";
constexpr const char* kCosFromTg = "sLabel19";
constexpr const char* kTgFromCos = "sLabel95";
constexpr const char* kLosses = "sLabel16";
constexpr const char* kLinePercent = "sLabel7";
constexpr const char* kNetworkPercent = "sLabel39";

} // namespace

TrunkLineRun RunTrunkLine(const TrunkLineInputs& in, const NumberFormat& fmt) {
    TrunkLineRun run;
    LabelWriter out(run.labels, fmt);
    TrunkLineTrace trace(run.trace, fmt);
    const auto fail = [&] {
        out.Mark(kNetworkPercent);
        return run;
    };

    trace.Opening();

    // Block 1: resistance of one metre.
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
    trace.Resistivity(in.resistivityText, rho20, alpha, in.temperature, rhoT);

    const double crossSection = in.crossSection;
    if (crossSection == 0) {
        for (const char* label : {kR0, kNetworkPercent, kREquiv, kLosses, kLinePercent})
            out.Mark(label);
        trace.ZeroCrossSection();
        return run;
    }
    const double r0 = ResistancePerMetre(rhoT, crossSection);
    out.Rounded(kR0, r0, 5);
    trace.CrossSection(crossSection, rhoT, r0, in.lengthText);

    // Block 2: equivalent resistance.
    if (in.length < 0)
        return fail();
    const double k = in.coef1;
    if (!(k >= 1 && k <= 3))
        return fail();
    const double rEquiv = static_cast<double>(static_cast<LD>(in.length) * r0 / k);
    out.Rounded(kREquiv, rEquiv, 3);
    trace.EquivalentResistance(r0, in.length, k, rEquiv);

    // Block 3: squared form factor.
    const double fill = in.coef2;
    if (!(fill >= 0 && fill <= 1))
        return fail();
    const double kf2 =
        static_cast<double>((2 * static_cast<LD>(fill) + 1) / (3 * static_cast<LD>(fill)));
    out.Rounded(kFormFactor, kf2, 2);
    trace.FormFactor(fill, kf2);

    // Each power-factor field shows its counterpart, whichever is in use.
    const double tgField = in.coef3;
    const double cosField = in.coef3cos;
    const LD cosFromTg = 1.0L / sqrtl(1.0L + static_cast<LD>(tgField) * tgField);
    out.Text(kCosFromTg, "(cos φ ≈ " + LabelRounded(cosFromTg, 2, fmt) + ")");
    const LD tgFromCos = sqrtl(1.0L - static_cast<LD>(cosField) * cosField) / cosField;
    out.Text(kTgFromCos, "(tg φ ≈ " + LabelRounded(tgFromCos, 2, fmt) + ")");
    if (!(tgField >= 0 && tgField <= 1))
        return fail();

    // Block 4: energy lost and its percentages.
    const std::int64_t power = in.power;
    if (power < 0)
        return fail();
    const LD powerSquared = static_cast<LD>(power) * power;
    trace.LossFormula(in.period, power, powerSquared);
    const std::int64_t period = in.period;
    if (period < 0)
        return fail();

    // With cos φ in use, the losses take the rounded tg φ that the page shows.
    const double tg = in.useTg ? tgField : static_cast<double>(RoundTo(tgFromCos, 2));
    const LD tgSquared = static_cast<LD>(tg) * tg;
    trace.LossValues(tg, tgSquared, kf2, period, rEquiv);

    const LD numerator = powerSquared * (1 + tgSquared) * kf2;
    const LD denominator = (0.4L * 0.4L) * (24 * static_cast<LD>(period));
    double losses = static_cast<double>(numerator / denominator * rEquiv / 1000);
    const double linePercent = static_cast<double>(static_cast<LD>(losses) / power * 100);
    trace.Substitution(power, tg, kf2, period, rEquiv, numerator, denominator, losses, linePercent);

    const bool exceeds = static_cast<LD>(losses) > static_cast<LD>(power);
    trace.Verdict(exceeds, linePercent);
    trace.Closing();
    if (exceeds)
        losses = static_cast<double>(power);

    out.Rounded(kLosses, losses, 3);
    const double limitedPercent = static_cast<double>(static_cast<LD>(losses) / power * 100);
    out.Rounded(kLinePercent, limitedPercent, 2);

    const std::int64_t powerAll = in.powerAll;
    if (powerAll < 0)
        return fail();
    const double networkPercent = static_cast<double>(static_cast<LD>(losses) / powerAll * 100);
    out.Rounded(kNetworkPercent, networkPercent, 2);
    return run;
}

} // namespace calc
