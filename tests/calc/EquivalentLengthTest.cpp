#include "calc/EquivalentLength.h"

#include "CalcTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using calctest::Format;
using calctest::Sep;

class EquivalentLength : public testing::TestWithParam<std::string> {};

INSTANTIATE_TEST_SUITE_P(Calc, EquivalentLength, testing::Values(",", "."),
                         calctest::SeparatorName);

TEST_P(EquivalentLength, Cases) {
    const double cu = 1, al = 0;
    const struct {
        double copper1, s1, l1, copper2, s2;
        const char* text;
    } cases[] = {
        {cu, 6, 8, al, 16, "13,2"}, // the defaults and the help example
        // 408.75 exactly: the tie goes to the even neighbour.
        {cu, 6, 98.1, cu, 25, "408,8"},
        {al, 16, 8, al, 16, "8"},
        {cu, 16, 100, al, 16, "62"},
        {al, 16, 100, cu, 16, "161,2"},
        {cu, 2.5, 8, al, 16, "31,8"},
        {cu, 120, 8, al, 16, "0,7"},
        {cu, 6, 8, al, 2.5, "2,1"},
        {cu, 6, 8, al, 120, "99,2"},
        {cu, 6, 0, al, 16, "0"},
        {cu, 2.4, 8, al, 16, "-"},
        {cu, 120.1, 8, al, 16, "-"},
        {cu, 1.5, 8, al, 16, "-"},
        {cu, 6, 8, al, 2.4, "-"},
        {cu, 6, 8, al, 120.1, "-"},
        {cu, 6, -1, al, 16, "-"},
        {cu, 6, std::nan(""), al, 16, "-"},
        {al, 2.5, 1e308, cu, 120, "-"}, // beyond the range of a double
    };
    for (const auto& c : cases) {
        const calc::EquivalentLengthInputs in{c.copper1 == cu, c.s1, c.l1, c.copper2 == cu, c.s2};
        const auto labels = calc::RunEquivalentLength(in, Format(GetParam()));
        EXPECT_EQ(labels, (calc::LabelWrites{{"sLabel93", Sep(c.text, GetParam())}}))
            << c.s1 << " " << c.l1 << " " << c.s2;
    }
}

} // namespace
