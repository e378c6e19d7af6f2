#include "calc/TrunkLineTrace.h"

namespace calc {
namespace {

using res::Get;
using S = res::Str;

std::string Whole(std::int64_t n) {
    return std::to_string(n);
}

} // namespace

std::vector<res::Str> VerdictTexts(bool lossesExceedConsumption, double percent) {
    if (lossesExceedConsumption)
        return {S::VerdictImplausible1, S::VerdictImplausible2, S::VerdictImplausible3};
    if (percent > 75)
        return {S::VerdictSuspicious1, S::VerdictSuspicious2, S::VerdictSuspicious3};
    if (percent > 50)
        return {S::VerdictExtreme1, S::VerdictExtreme2};
    if (percent > 30)
        return {S::VerdictVeryHigh1, S::VerdictVeryHigh2};
    if (percent > 20)
        return {S::VerdictHigh1, S::VerdictHigh2};
    if (percent > 10)
        return {S::VerdictAcceptable};
    if (percent > 5)
        return {S::VerdictLow};
    // Tested, not assumed: NaN lies in no band.
    if (percent <= 5)
        return {S::VerdictVeryLow};
    return {};
}

void TrunkLineTrace::Opening() {
    Add(Get(S::TraceBegin));
    Empty();
    Add(Get(S::TraceBlock1));
    Empty();
}

void TrunkLineTrace::Resistivity(const std::string& materialText, double rho20, double alpha,
                                 std::int64_t t, double rhoT) {
    Add(Get(S::TraceResistivity) + " " + materialText);
    Add(G(rho20) + " * (1 + " + G(alpha) + " * (" + Whole(t) + " - 20)) = " + G(rhoT) + " " +
        Get(S::TraceUnitOhmMm2PerM));
    Empty();
}

void TrunkLineTrace::ZeroCrossSection() {
    Add(Get(S::TraceZeroCrossSection));
    Empty();
}

void TrunkLineTrace::CrossSection(double crossSection, double rhoT, double r0,
                                  const std::string& lengthText) {
    Add(Get(S::TraceCrossSection) + " " + G(crossSection) + " " + Get(S::TraceUnitMm2));
    Add(G(rhoT) + " / " + G(crossSection) + " = " + G(r0) + " " + Get(S::TraceUnitOhmPerM));
    Empty();
    Add(Get(S::TraceBlock2) + " " + lengthText + " " + Get(S::TraceUnitM));
    Empty();
}

void TrunkLineTrace::EquivalentResistance(double r0, std::int64_t length, double coef1,
                                          double rEquiv) {
    Add(G(r0) + " * " + Whole(length) + " / " + G(coef1) + " = " + G(rEquiv) + " " +
        Get(S::TraceUnitOhm));
    Empty();
    Add(Get(S::TraceBlock3));
    Empty();
}

void TrunkLineTrace::FormFactor(double coef2, double kf2) {
    Add("(1 + 2 * " + G(coef2) + ") / (3 * " + G(coef2) + ") = " + G(kf2));
    Empty();
}

void TrunkLineTrace::LossFormula(std::int64_t period, std::int64_t power,
                                 long double powerSquared) {
    Add(Get(S::TraceBlock4) + " " + Whole(period) + " " + Get(S::TraceUnitDays));
    Empty();
    Add(Get(S::TraceFormulaIntro));
    Add("ΔW (" + Get(S::TraceThousand) + ". " + Get(S::TraceUnitKWh) +
        ") = (W² * (1 + tg²φ) * kф²) / (24 * " + Get(S::TraceSymbolDays) + " * 0.4²) * R" +
        Get(S::TraceSubscriptEquiv));
    Empty();
    Add("W (" + Get(S::TraceUnitKWh) + ") = " + Whole(power) + " (W² = " + G(powerSquared) + " )");
}

void TrunkLineTrace::LossValues(double tg, long double tgSquared, double kf2, std::int64_t period,
                                double rEquiv) {
    Add("tg φ = " + G(tg) + " (tg²φ = " + G(tgSquared) + ")");
    Add("kф² = " + G(kf2));
    Add(Get(S::TraceSymbolDays) + " = " + Whole(period));
    Add("R" + Get(S::TraceSubscriptEquiv) + " = " + G(rEquiv));
}

void TrunkLineTrace::Substitution(std::int64_t power, double tg, double kf2, std::int64_t period,
                                  double rEquiv, long double numerator, long double denominator,
                                  double losses, double percent) {
    Empty();
    Add(Get(S::TraceSubstitute));
    Empty();
    Add(Whole(power) + "² * (1 + " + G(tg) + "²) * " + G(kf2) + " / (24 * " + Whole(period) +
        " * 0.4²) * " + G(rEquiv) + " / 1000 =");
    Add(G(numerator) + " / " + G(denominator) + " * " + G(rEquiv) + " / 1000 = " + G(losses) + " " +
        Get(S::TraceUnitKWh));
    Empty();
    Add(Get(S::TraceLossPercent) + ": " + FormatPercent(percent, fmt_) + "%");
    Empty();
}

void TrunkLineTrace::Verdict(bool lossesExceedConsumption, double percent) {
    const auto texts = VerdictTexts(lossesExceedConsumption, percent);
    for (const auto id : texts)
        Add(Get(id));
    if (!texts.empty())
        Empty();
}

void TrunkLineTrace::Closing() {
    Add(Get(S::TraceEnd));
}

} // namespace calc
