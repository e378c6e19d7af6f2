#pragma once

// The step-by-step trace of the trunk-line calculator: one builder for each
// group of lines, written between the steps of the run, and the verdict on
// the loss percentage. Translatable pieces are fetched as each line is
// written.

#include "calc/NumberDisplay.h"
#include "resources/ResourceStrings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace calc {

// The verdict texts for the loss percentage before the limit: the
// implausible row when the losses exceed the consumption, else the row of
// the band that holds `percent` (upper bounds included); none for NaN.
std::vector<res::Str> VerdictTexts(bool lossesExceedConsumption, double percent);

class TrunkLineTrace {
public:
    TrunkLineTrace(std::vector<std::string>& lines, const NumberFormat& fmt)
        : lines_(lines), fmt_(fmt) {}

    void Opening();
    void Resistivity(const std::string& materialText, double rho20, double alpha, std::int64_t t,
                     double rhoT);
    void ZeroCrossSection();
    void CrossSection(double crossSection, double rhoT, double r0, const std::string& lengthText);
    void EquivalentResistance(double r0, std::int64_t length, double coef1, double rEquiv);
    void FormFactor(double coef2, double kf2);
    void LossFormula(std::int64_t period, std::int64_t power, long double powerSquared);
    void LossValues(double tg, long double tgSquared, double kf2, std::int64_t period,
                    double rEquiv);
    void Substitution(std::int64_t power, double tg, double kf2, std::int64_t period, double rEquiv,
                      long double numerator, long double denominator, double losses,
                      double percent);
    void Verdict(bool lossesExceedConsumption, double percent);
    void Closing();

private:
    std::string G(double x) const { return FormatGeneral(x, fmt_); }
    std::string G(long double x) const { return FormatGeneral(x, fmt_); }
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    void Empty() { lines_.emplace_back(); }

    std::vector<std::string>& lines_;
    const NumberFormat& fmt_;
};

} // namespace calc
