#include "calc/Material.h"

#include "CalcTestSupport.h"
#include "calc/Branch.h"
#include "calc/TrunkLine.h"

#include <gtest/gtest.h>

namespace {

using calctest::Format;
using calctest::Label;
using calctest::Sep;

TEST(Material, ExtractNumberKeepsDigitsAndTurnsLaterMarksIntoTheSeparator) {
    const struct {
        const char* text;
        const char* separator;
        const char* number;
    } cases[] = {
        {"Алюминий, провод (0,0287)", ",", "0,0287"},
        {"Алюминий, провод (0,0287)", ".", "0.0287"},
        {"0.0287", ",", "0,0287"},
        {".,5", ",", "5"},
        {"1,2.3", ".", "1.2.3"},
        {"Провод 2 (0,0178)", ",", "20,0178"},
        {"-0,0287", ",", "0,0287"},
        {"5,", ",", "5,"},
        {"0,5", "٫", "0٫5"},
        {"Медь", ",", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calc::ExtractNumber(c.text, c.separator), c.number) << c.text;
}

class MaterialReading : public testing::TestWithParam<std::string> {
protected:
    calc::NumberFormat fmt = Format(GetParam());
};

INSTANTIATE_TEST_SUITE_P(Calc, MaterialReading, testing::Values(",", "."), calctest::SeparatorName);

TEST_P(MaterialReading, ReadsTheNumberUnderEitherSeparator) {
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"Алюминий, провод (0,0287)", 0.0287},
        {"0,0287", 0.0287},
        {"0.0287", 0.0287},
        {"ρ = 0,0287 Ом∙мм²/м", 0.0287},
        {"Провод 2 (0,0178)", 20.0178},
        {"-0,0287", 0.0287},
        {"5,", 5},
        {"0", 0},
        {"0,000", 0},
        {"\x01\t0,0287\n", 0.0287},
        // Too small for a double: zero, which the calculators refuse.
        {"0," + std::string(400, '0') + "1", 0},
    };
    for (const auto& c : cases) {
        const auto read = calc::ReadResistivity(c.text, fmt);
        ASSERT_TRUE(read.has_value()) << c.text;
        EXPECT_EQ(*read, c.value) << c.text;
    }
}

TEST_P(MaterialReading, MalformedTextsReadNothing) {
    const std::string texts[] = {
        "",
        "Медь",
        "...,,,",
        "1,2,3",
        "0,0287.",
        std::string(5000, 'x'),
        "1" + std::string(5000, '0'), // beyond the range of a double
        std::string("\x01\x02\x1b\x7f"),
        "\xff\xfe\xc3\x28\xa0",
    };
    for (const auto& t : texts)
        EXPECT_FALSE(calc::ReadResistivity(t, fmt).has_value()) << t.substr(0, 40);
}

TEST_P(MaterialReading, MalformedTextEndsBothCalculatorsWithTheFailureMark) {
    const std::string texts[] = {"",
                                 "Медь",
                                 "0,000",
                                 "1,2,3",
                                 std::string(100000, ','),
                                 "\xc3\x28" + std::string(3000, '\xff'),
                                 "1" + std::string(400, '9')};
    for (const auto& t : texts) {
        calc::TrunkLineInputs trunk;
        trunk.resistivityText = t;
        const auto run = calc::RunTrunkLine(trunk, fmt);
        EXPECT_EQ(run.labels, (calc::LabelWrites{{"sLabel39", "-"}}));
        EXPECT_EQ(run.trace.size(), 4u);

        calc::BranchInputs branch;
        branch.resistivityText = t;
        EXPECT_EQ(calc::RunBranch(branch, fmt), (calc::LabelWrites{{"sLabel55", "-"}}));
    }
}

TEST_P(MaterialReading, MaterialListAtThirtyDegrees) {
    const struct {
        const char* entry;
        const char* alpha;
        const char* rhoT;
    } list[] = {
        {"Алюминий чистый (0,0262)", "(α = 0,0045)", "0,0274"},
        {"Алюминий, провод (0,0287)", "(α = 0,0045)", "0,03"},
        {"Алюминий, плохой провод (0,0295)", "(α = 0,0045)", "0,0308"},
        {"Алюминий, совсем беда (0,303)", "(α = 0)", "0,303"},
        {"Медь чистая (0,0172)", "(α = 0,0043)", "0,0179"},
        {"Медь, провод (0,0178)", "(α = 0,0043)", "0,0186"},
        {"Медь, плохой провод (0,0180)", "(α = 0,0043)", "0,0188"},
        {"Медь, совсем беда (0,0185)", "(α = 0,0043)", "0,0193"},
        {"Сталь (0,13)", "(α = 0,0063)", "0,1382"},
        {"Никелин (0,44)", "(α = 0,0072)", "0,4717"},
        {"Латунь (0,04)", "(α = 0,002)", "0,0408"},
        {"Нихром (0,98)", "(α = 0,0003)", "0,9829"},
        {"Вольфрам (0,0612)", "(α = 0,00047)", "0,0615"},
    };
    for (const auto& m : list) {
        calc::TrunkLineInputs trunk;
        trunk.resistivityText = m.entry;
        const auto run = calc::RunTrunkLine(trunk, fmt);
        EXPECT_EQ(Label(run.labels, "sLabel46"), Sep(m.alpha, GetParam())) << m.entry;
        EXPECT_EQ(Label(run.labels, "sLabel43"), Sep(m.rhoT, GetParam())) << m.entry;

        calc::BranchInputs branch;
        branch.resistivityText = m.entry;
        const auto labels = calc::RunBranch(branch, fmt);
        EXPECT_EQ(Label(labels, "sLabel34"), Sep(m.alpha, GetParam())) << m.entry;
        EXPECT_EQ(Label(labels, "sLabel31"), Sep(m.rhoT, GetParam())) << m.entry;
    }
}

TEST_P(MaterialReading, ResistivityFollowsTemperature) {
    calc::TrunkLineInputs in;
    // 0.98735 is stored just below the half: extended evaluation shows 0,9873.
    in.resistivityText = "Нихром (0,98)";
    in.temperature = 45;
    EXPECT_EQ(Label(calc::RunTrunkLine(in, fmt).labels, "sLabel43"), Sep("0,9873", GetParam()));

    // No band: ρt stays ρ20 at any temperature; at 20 °C every material keeps ρ20.
    for (const std::int64_t t : {-100, 20, 200}) {
        in.resistivityText = "Алюминий, совсем беда (0,303)";
        in.temperature = t;
        EXPECT_EQ(Label(calc::RunTrunkLine(in, fmt).labels, "sLabel43"), Sep("0,303", GetParam()));
    }
    in.resistivityText = "Медь, провод (0,0178)";
    in.temperature = 20;
    EXPECT_EQ(Label(calc::RunTrunkLine(in, fmt).labels, "sLabel43"), Sep("0,0178", GetParam()));
}

TEST(Material, TemperatureCoefficientBandsIncludeTheirLowerBound) {
    const struct {
        const char* typed;
        double alpha;
    } cases[] = {
        {"0,0199", 0.0043}, {"0,02", 0.0045},   {"0,03", 0.002}, {"0,05", 0.00047},
        {"0,07", 0},        {"0,0999", 0},      {"0,1", 0.0063}, {"0,2", 0},
        {"0,4", 0.0072},    {"0,4999", 0.0072}, {"0,5", 0},      {"0,9", 0.0003},
        {"0,9999", 0.0003}, {"1", 0},           {"1000", 0},
    };
    const auto fmt = Format(",");
    for (const auto& c : cases) {
        const auto rho20 = calc::ReadResistivity(c.typed, fmt);
        ASSERT_TRUE(rho20.has_value()) << c.typed;
        EXPECT_EQ(calc::TemperatureCoefficient(*rho20), c.alpha) << c.typed;
    }
}

} // namespace
