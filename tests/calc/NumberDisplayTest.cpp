#include "calc/NumberDisplay.h"

#include "CalcTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using calctest::Format;
using calctest::Sep;

class NumberDisplay : public testing::TestWithParam<std::string> {
protected:
    calc::NumberFormat fmt = Format(GetParam());
    std::string S(std::string_view commaText) const { return Sep(commaText, GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(Calc, NumberDisplay, testing::Values(",", "."), calctest::SeparatorName);

TEST_P(NumberDisplay, GeneralFormOfDoubles) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double x;
        const char* text;
    } cases[] = {
        {1.0 / 3, "0,333333333333333"},
        {0.0001, "0,0001"},
        {0.00001, "1E-5"},
        {0.0000015, "1,5E-6"},
        {2e16, "2E16"},
        {2601000000, "2601000000"},
        {0, "0"},
        {-0.0, "0"},
        {547.05, "547,05"},
        {-1.5, "-1,5"},
        {0.0287, "0,0287"},
        {999999999999999, "999999999999999"},
        {1e15, "1E15"},
        // The sixteenth digit carries into a new leading digit and out of fixed notation.
        {999999999999999.5, "1E15"},
        {0.00009999999999999995, "0,0001"},
        {-0.00001, "-1E-5"},
        {1e-300, "1E-300"},
        {std::numeric_limits<double>::max(), "1,79769313486232E308"},
        {inf, "INF"},
        {-inf, "-INF"},
        {std::nan(""), "NAN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calc::FormatGeneral(c.x, fmt), S(c.text)) << c.x;
}

TEST_P(NumberDisplay, GeneralFormRoundsEighteenDigitsThenFifteen) {
    // Exactly 0.19275139072777749949...: 18 digits end in ...7775000, so the
    // sixteenth digit 5 rounds up, where rounding straight to 15 digits would not.
    const double x = 0x1.8ac13dbb797ddp-3;
    EXPECT_EQ(calc::FormatGeneral(x, fmt), S("0,192751390727778"));
    // Long doubles keep their own digits.
    EXPECT_EQ(calc::FormatGeneral(0.1L, fmt), S("0,1"));
    EXPECT_EQ(calc::FormatGeneral(1.0L / 3, fmt), S("0,333333333333333"));
    EXPECT_EQ(calc::FormatGeneral(1e4000L, fmt), "1E4000");
}

TEST_P(NumberDisplay, RoundedFormRoundsInExtendedPrecisionTiesToEven) {
    const struct {
        long double x;
        int decimals;
        const char* text;
    } cases[] = {
        {0.125, 2, "0,12"},
        {2.5, 0, "2"},
        {3.5, 0, "4"},
        {0.0299915, 4, "0,03"},
        {0.0008569, 5, "0,00086"},
        {547.055570006678, 3, "547,056"},
        // double(0.15) lies below the half; in double arithmetic 1.5 would come out.
        {0.15, 1, "0,1"},
        {408.75, 1, "408,8"},
        {-2.5, 0, "-2"},
        {5802.624, 0, "5803"},
        {1177.0104192, 2, "1177,01"},
        {1e300, 5, "1E300"},
        {0.000004, 5, "0"},
        {0.1234567, 20, "0,1234567"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calc::FormatRounded(c.x, c.decimals, fmt), S(c.text))
            << static_cast<double>(c.x) << " to " << c.decimals;
    EXPECT_EQ(calc::FormatRounded(std::numeric_limits<double>::infinity(), 2, fmt), "INF");
    EXPECT_EQ(calc::FormatRounded(std::nan(""), 2, fmt), "NAN");
}

TEST_P(NumberDisplay, PercentFormKeepsFourDigitsAndTwoDecimals) {
    const struct {
        double x;
        const char* text;
    } cases[] = {
        {1.07265798040525, "1,07"},
        {24.669, "24,67"},
        {63.1, "63,10"},
        {123.456, "123,50"},
        {2208.41, "2208,00"},
        {0, "0,00"},
        {100, "100,00"},
        // Half-up, not to even.
        {0.125, "0,13"},
        {0.005, "0,01"},
        {0.004999, "0,00"},
        {0.0004, "0,00"},
        {99.996, "100,00"},
        {999.95, "1000,00"},
        {9999.4, "9999,00"},
        {12345.6, "1,235E4"},
        {9999.996, "1E4"},
        {99995, "1E5"},
        {1e20, "1E20"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {std::nan(""), "NAN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calc::FormatPercent(c.x, fmt), S(c.text)) << c.x;
}

} // namespace
