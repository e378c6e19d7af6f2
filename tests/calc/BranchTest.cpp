#include "calc/Branch.h"

#include "CalcTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using calctest::Controls;
using calctest::Format;
using calctest::Label;
using calctest::Sep;

using Change = std::function<void(calc::BranchInputs&)>;
using Texts = std::vector<std::pair<const char*, const char*>>;

class Branch : public testing::TestWithParam<std::string> {
protected:
    calc::NumberFormat fmt = Format(GetParam());
    std::string S(std::string_view commaText) const { return Sep(commaText, GetParam()); }
    calc::LabelWrites Run(const Change& change = {}) const {
        calc::BranchInputs in;
        in.resistivityText = "Алюминий, провод (0,0287)";
        if (change)
            change(in);
        return calc::RunBranch(in, fmt);
    }
    void ExpectLabels(const char* name, const Change& change, const Texts& texts) const {
        const auto labels = Run(change);
        for (const auto& [control, text] : texts)
            EXPECT_EQ(Label(labels, control), S(text)) << name << " " << control;
    }
};

INSTANTIATE_TEST_SUITE_P(Calc, Branch, testing::Values(",", "."), calctest::SeparatorName);

TEST_P(Branch, DefaultsGiveTheWorkedExample) {
    const calc::LabelWrites labels = {
        {"sLabel34", "(α = 0,0045)"}, {"sLabel31", "0,03"},    {"sLabel38", "0,00187"},
        {"sLabel54", "0,131"},        {"sLabel75", "33,59"},   {"sLabel77", "58,85"},
        {"sLabel94", "5803"},         {"sLabel69", "1177,01"}, {"sLabel71", "2,31"},
        {"sLabel55", "2,18"},
    };
    EXPECT_EQ(Run(), Sep(labels, GetParam()));
}

TEST_P(Branch, FailedChecksMarkTheResultAndStop) {
    const std::vector<std::string> block1 = {"sLabel34", "sLabel31", "sLabel38"};
    const auto with = [](std::vector<std::string> a, std::vector<std::string> b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const auto upToPower = with(block1, {"sLabel54", "sLabel75"});
    const auto upToOne = with(upToPower, {"sLabel77", "sLabel94"});
    const struct {
        const char* name;
        Change change;
        std::vector<std::string> controls;
    } cases[] = {
        {"no number", [](auto& in) { in.resistivityText = "Медь"; }, {"sLabel55"}},
        {"rho 0", [](auto& in) { in.resistivityText = "0"; }, {"sLabel55"}},
        {"t 201", [](auto& in) { in.temperature = 201; }, {"sLabel55"}},
        {"t -101", [](auto& in) { in.temperature = -101; }, {"sLabel55"}},
        {"L -1", [](auto& in) { in.length = -1; }, with(block1, {"sLabel55"})},
        {"K 0.9", [](auto& in) { in.coef1 = 0.9; }, with(block1, {"sLabel55"})},
        {"K 3.1", [](auto& in) { in.coef1 = 3.1; }, with(block1, {"sLabel55"})},
        {"I -1", [](auto& in) { in.maxAmperage = -1; }, with(block1, {"sLabel54", "sLabel55"})},
        {"Kисп 1.01", [](auto& in) { in.coef2 = 1.01; }, with(upToPower, {"sLabel55"})},
        {"Kисп -0.01", [](auto& in) { in.coef2 = -0.01; }, with(upToPower, {"sLabel55"})},
        {"Ч 25", [](auto& in) { in.hours = 25; }, with(upToPower, {"sLabel55"})},
        {"Ч -1", [](auto& in) { in.hours = -1; }, with(upToPower, {"sLabel55"})},
        {"Д -1", [](auto& in) { in.period = -1; }, with(upToPower, {"sLabel55"})},
        {"N -1", [](auto& in) { in.amount = -1; }, with(upToOne, {"sLabel55"})},
        {"Pотв -1", [](auto& in) { in.power = -1; }, with(upToOne, {"sLabel55"})},
        {"Pсети -1", [](auto& in) { in.powerAll = -1; },
         with(upToOne, {"sLabel69", "sLabel71", "sLabel55"})},
    };
    for (const auto& c : cases) {
        const auto labels = Run(c.change);
        EXPECT_EQ(Controls(labels), c.controls) << c.name;
        EXPECT_EQ(labels.back().text, "-") << c.name;
    }
}

TEST_P(Branch, ZeroCrossSectionMarksSevenOutputsAndKeepsTheConsumption) {
    const calc::LabelWrites labels = {
        {"sLabel34", "(α = 0,0045)"},
        {"sLabel31", "0,03"},
        {"sLabel55", "-"},
        {"sLabel38", "-"},
        {"sLabel77", "-"},
        {"sLabel54", "-"},
        {"sLabel75", "-"},
        {"sLabel69", "-"},
        {"sLabel71", "-"},
    };
    EXPECT_EQ(Run([](auto& in) { in.crossSection = 0; }), Sep(labels, GetParam()));
}

TEST_P(Branch, BoundsAndZeros) {
    const struct {
        const char* name;
        Change change;
        Texts texts;
    } cases[] = {
        {"t 200", [](auto& in) { in.temperature = 200; }, {{"sLabel31", "0,0519"}}},
        {"no band",
         [](auto& in) { in.resistivityText = "Алюминий, совсем беда (0,303)"; },
         {{"sLabel34", "(α = 0)"}, {"sLabel31", "0,303"}}},
        {"L 0",
         [](auto& in) { in.length = 0; },
         {{"sLabel54", "0"},
          {"sLabel75", "0"},
          {"sLabel77", "0"},
          {"sLabel94", "5803"},
          {"sLabel69", "0"},
          {"sLabel71", "0"},
          {"sLabel55", "0"}}},
        {"K 3", [](auto& in) { in.coef1 = 3; }, {{"sLabel54", "0,044"}}},
        {"Kисп 0", [](auto& in) { in.coef2 = 0; }, {{"sLabel77", "0"}, {"sLabel94", "0"}}},
        {"Kисп 1", [](auto& in) { in.coef2 = 1; }, {{"sLabel77", "294,25"}, {"sLabel94", "29013"}}},
        {"Ч 0", [](auto& in) { in.hours = 0; }, {{"sLabel77", "0"}, {"sLabel94", "0"}}},
        {"Д 0", [](auto& in) { in.period = 0; }, {{"sLabel77", "0"}, {"sLabel94", "0"}}},
    };
    for (const auto& c : cases)
        ExpectLabels(c.name, c.change, c.texts);
}

TEST_P(Branch, LossesAreCappedByTheConsumption) {
    const auto heavy = [](calc::BranchInputs& in) {
        in.crossSection = 1;
        in.length = 1000;
        in.maxAmperage = 160;
    };
    ExpectLabels("one branch", heavy,
                 {{"sLabel77", "58026,24"},
                  {"sLabel94", "58026"},
                  {"sLabel69", "51000"},
                  {"sLabel71", "100"},
                  {"sLabel55", "94,44"}});
    ExpectLabels("small network",
                 [&](auto& in) {
                     heavy(in);
                     in.powerAll = 25500;
                 },
                 {{"sLabel71", "100"}, {"sLabel55", "200"}});
}

TEST_P(Branch, FilledForOneBranch) {
    // The fill button sets one branch and its own estimated consumption.
    const std::string consumption = Label(Run(), "sLabel94");
    ASSERT_EQ(consumption, "5803");
    ExpectLabels("one branch",
                 [&](auto& in) {
                     in.amount = 1;
                     in.power = std::stoll(consumption);
                 },
                 {{"sLabel69", "58,85"}, {"sLabel71", "1,01"}, {"sLabel55", "0,11"}});
}

TEST_P(Branch, ValuesThatCannotBeComputedShowTheMark) {
    ExpectLabels("Pотв 0", [](auto& in) { in.power = 0; },
                 {{"sLabel69", "0"}, {"sLabel71", "-"}, {"sLabel55", "0"}});
    ExpectLabels("Pсети 0", [](auto& in) { in.powerAll = 0; },
                 {{"sLabel71", "2,31"}, {"sLabel55", "-"}});
    ExpectLabels("no losses, no consumption",
                 [](auto& in) {
                     in.length = 0;
                     in.power = 0;
                     in.powerAll = 0;
                 },
                 {{"sLabel69", "0"}, {"sLabel71", "-"}, {"sLabel55", "-"}});
}

TEST_P(Branch, WholeNumbersBeyondThirtyTwoBitsDoNotWrap) {
    ExpectLabels("long branch", [](auto& in) { in.length = 3500000000; },
                 {{"sLabel54", "13121281,25"},
                  {"sLabel75", "3359048000"},
                  {"sLabel77", "5802,62"},
                  {"sLabel94", "5803"},
                  {"sLabel69", "51000"}});
    // I² overflows 64 bits.
    ExpectLabels("large current and consumptions",
                 [](auto& in) {
                     in.maxAmperage = 5000000000;
                     in.power = 10000000000;
                     in.powerAll = 20000000000;
                 },
                 {{"sLabel75", "3,2803203125E18"},
                  {"sLabel77", "1813320000000"},
                  {"sLabel94", "1813320000000"},
                  {"sLabel69", "10000000000"},
                  {"sLabel71", "100"},
                  {"sLabel55", "50"}});
}

} // namespace
