#include "calc/TrunkLine.h"

#include "CalcTestSupport.h"
#include "calc/TrunkLineTrace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using calctest::Controls;
using calctest::Format;
using calctest::Label;
using calctest::Sep;

const std::vector<std::string> kExampleTrace = {
    "НАЧАЛО РАСЧЁТА",
    "",
    "1. Сопротивление провода.",
    "",
    "Удельное сопротивление провода Алюминий, провод (0,0287)",
    "0,0287 * (1 + 0,0045 * (30 - 20)) = 0,0299915 Ом∙мм²/м",
    "",
    "Cопротивление провода сечением 35 мм²",
    "0,0299915 / 35 = 0,0008569 Ом/м",
    "",
    "2. Эквивалентное сопротивление линии 340 м",
    "",
    "0,0008569 * 340 / 2,5 = 0,1165384 Ом",
    "",
    "3. Квадрат коэффициента формы графика нагрузки",
    "",
    "(1 + 2 * 0,2) / (3 * 0,2) = 2,33333333333333",
    "",
    "4. Потери одной линии за расчётный период 365 дней",
    "",
    "Расчёт ведётся по формуле:",
    "ΔW (тыс. кВт∙ч) = (W² * (1 + tg²φ) * kф²) / (24 * Д * 0.4²) * Rэкв",
    "",
    "W (кВт∙ч) = 51000 (W² = 2601000000 )",
    "tg φ = 0,29 (tg²φ = 0,0841)",
    "kф² = 2,33333333333333",
    "Д = 365",
    "Rэкв = 0,1165384",
    "",
    "Подставляем значения:",
    "",
    "51000² * (1 + 0,29²) * 2,33333333333333 / (24 * 365 * 0.4²) * 0,1165384 / 1000 =",
    "6579402900 / 1401,6 * 0,1165384 / 1000 = 547,055570006678 кВт∙ч",
    "",
    "Процент потерь: 1,07%",
    "",
    "Очень низкий процент потерь!",
    "",
    "КОНЕЦ РАСЧЁТА",
};

class TrunkLine : public testing::TestWithParam<std::string> {
protected:
    calc::NumberFormat fmt = Format(GetParam());
    std::string S(std::string_view commaText) const { return Sep(commaText, GetParam()); }
    calc::TrunkLineRun Run(const std::function<void(calc::TrunkLineInputs&)>& change = {}) const {
        calc::TrunkLineInputs in;
        in.resistivityText = "Алюминий, провод (0,0287)";
        if (change)
            change(in);
        return calc::RunTrunkLine(in, fmt);
    }
    std::string Line(const calc::TrunkLineRun& run, std::size_t number) const {
        return number <= run.trace.size() ? run.trace[number - 1] : "<absent>";
    }
};

INSTANTIATE_TEST_SUITE_P(Calc, TrunkLine, testing::Values(",", "."), calctest::SeparatorName);

TEST_P(TrunkLine, DefaultsGiveTheWorkedExample) {
    const auto run = Run();
    const calc::LabelWrites labels = {
        {"sLabel46", "(α = 0,0045)"},  {"sLabel43", "0,03"},    {"sLabel47", "0,00086"},
        {"sLabel25", "0,117"},         {"sLabel11", "2,33"},    {"sLabel19", "(cos φ ≈ 0,96)"},
        {"sLabel95", "(tg φ ≈ 0,29)"}, {"sLabel16", "547,056"}, {"sLabel7", "1,07"},
        {"sLabel39", "1,01"},
    };
    EXPECT_EQ(run.labels, Sep(labels, GetParam()));

    std::vector<std::string> trace;
    for (const auto& line : kExampleTrace)
        trace.push_back(S(line));
    trace[4] = kExampleTrace[4]; // the material text is copied as it stands
    EXPECT_EQ(run.trace, trace);
}

TEST_P(TrunkLine, CosModeTakesTheRoundedTangent) {
    // cos φ 0.96 gives tg φ 0.2916..., rounded to the 0.29 of the defaults.
    const auto cosRun = Run([](auto& in) { in.useTg = false; });
    const auto tgRun = Run();
    EXPECT_EQ(cosRun.labels, tgRun.labels);
    EXPECT_EQ(cosRun.trace, tgRun.trace);

    // The tg φ field then only feeds its counterpart label.
    const auto run = Run([](auto& in) {
        in.useTg = false;
        in.coef3 = 0.5;
    });
    EXPECT_EQ(Label(run.labels, "sLabel19"), S("(cos φ ≈ 0,89)"));
    EXPECT_EQ(Label(run.labels, "sLabel16"), S("547,056"));

    const auto cos08 = Run([](auto& in) {
        in.useTg = false;
        in.coef3cos = 0.8;
    });
    EXPECT_EQ(Label(cos08.labels, "sLabel95"), S("(tg φ ≈ 0,75)"));
    EXPECT_EQ(cos08.trace[24], S("tg φ = 0,75 (tg²φ = 0,5625)"));
}

TEST_P(TrunkLine, OutputsFollowTheInputs) {
    using Change = std::function<void(calc::TrunkLineInputs&)>;
    const struct {
        const char* name;
        Change change;
        std::vector<std::pair<const char*, const char*>> labels;
    } cases[] = {
        {"tg 0.3",
         [](auto& in) { in.coef3 = 0.3; },
         {{"sLabel16", "550,033"}, {"sLabel7", "1,08"}, {"sLabel39", "1,02"}}},
        {"Kз 1", [](auto& in) { in.coef2 = 1; }, {{"sLabel11", "1"}, {"sLabel16", "234,452"}}},
        {"Kз 0.1", [](auto& in) { in.coef2 = 0.1; }, {{"sLabel11", "4"}, {"sLabel16", "937,81"}}},
        {"L 7820", [](auto& in) { in.length = 7820; }, {{"sLabel7", "24,67"}}},
        {"L 20000", [](auto& in) { in.length = 20000; }, {{"sLabel7", "63,1"}}},
        {"L 0",
         [](auto& in) { in.length = 0; },
         {{"sLabel25", "0"}, {"sLabel16", "0"}, {"sLabel7", "0"}, {"sLabel39", "0"}}},
        {"tg 0",
         [](auto& in) { in.coef3 = 0; },
         {{"sLabel19", "(cos φ ≈ 1)"}, {"sLabel16", "504,617"}}},
        {"t -100", [](auto& in) { in.temperature = -100; }, {{"sLabel43", "0,0132"}}},
        {"t 200", [](auto& in) { in.temperature = 200; }, {{"sLabel43", "0,0519"}}},
        {"K 1", [](auto& in) { in.coef1 = 1; }, {{"sLabel25", "0,291"}}},
        {"K 3", [](auto& in) { in.coef1 = 3; }, {{"sLabel25", "0,097"}}},
        {"over",
         [](auto& in) {
             in.crossSection = 1;
             in.length = 20000;
         },
         {{"sLabel16", "51000"}, {"sLabel7", "100"}, {"sLabel39", "94,44"}}},
    };
    for (const auto& c : cases) {
        const auto run = Run(c.change);
        ASSERT_EQ(run.trace.back(), "КОНЕЦ РАСЧЁТА") << c.name;
        for (const auto& [control, text] : c.labels)
            EXPECT_EQ(Label(run.labels, control), S(text)) << c.name << " " << control;
    }
}

TEST_P(TrunkLine, VerdictsCloseTheTrace) {
    const auto tail = [](const calc::TrunkLineRun& run, std::size_t n) {
        return std::vector<std::string>(run.trace.end() - n, run.trace.end());
    };
    EXPECT_EQ(tail(Run([](auto& in) { in.length = 7820; }), 5),
              (std::vector<std::string>{"", "Высокий процент потерь!",
                                        "Есть вопросы к реализации линии.", "", "КОНЕЦ РАСЧЁТА"}));

    const auto extreme = Run([](auto& in) { in.length = 20000; });
    EXPECT_EQ(extreme.trace[34], S("Процент потерь: 63,10%"));
    EXPECT_EQ(tail(extreme, 4), (std::vector<std::string>{"Крайне высокий процент потерь!",
                                                          "Проверьте правильность входных данных.",
                                                          "", "КОНЕЦ РАСЧЁТА"}));

    const auto over = Run([](auto& in) {
        in.crossSection = 1;
        in.length = 20000;
    });
    EXPECT_EQ(over.trace[32].substr(over.trace[32].find(" = ")), S(" = 1126290,87942551 кВт∙ч"));
    EXPECT_EQ(over.trace[34], S("Процент потерь: 2208,00%"));
    EXPECT_EQ(
        tail(over, 5),
        (std::vector<std::string>{
            "Недостоверные данные! Небывало малое сечение провода или небывало длинная линия.",
            "На реальных линиях электропередачи таких параметров не бывает. Формула "
            "корректно не работает.",
            "Проверьте правильность входных данных.", "", "КОНЕЦ РАСЧЁТА"}));
}

TEST_P(TrunkLine, FailedChecksStopTheTraceAndMarkTheResult) {
    using Change = std::function<void(calc::TrunkLineInputs&)>;
    const std::vector<std::string> block1 = {"sLabel46", "sLabel43", "sLabel47"};
    const auto with = [](std::vector<std::string> a, std::vector<std::string> b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::vector<std::string> upToRatio =
        with(block1, {"sLabel25", "sLabel11", "sLabel19", "sLabel95"});
    const struct {
        const char* name;
        Change change;
        std::size_t traceLines;
        std::vector<std::string> controls;
    } cases[] = {
        {"no number", [](auto& in) { in.resistivityText = "Медь"; }, 4, {"sLabel39"}},
        {"rho 0", [](auto& in) { in.resistivityText = "0,000"; }, 4, {"sLabel39"}},
        {"t 201", [](auto& in) { in.temperature = 201; }, 4, {"sLabel39"}},
        {"t -101", [](auto& in) { in.temperature = -101; }, 4, {"sLabel39"}},
        {"t beyond 32 bits", [](auto& in) { in.temperature = (1LL << 32) + 30; }, 4, {"sLabel39"}},
        {"L -1", [](auto& in) { in.length = -1; }, 12, with(block1, {"sLabel39"})},
        {"K 0.9", [](auto& in) { in.coef1 = 0.9; }, 12, with(block1, {"sLabel39"})},
        {"K 3.1", [](auto& in) { in.coef1 = 3.1; }, 12, with(block1, {"sLabel39"})},
        {"Kз -0.01", [](auto& in) { in.coef2 = -0.01; }, 16,
         with(block1, {"sLabel25", "sLabel39"})},
        {"Kз 1.01", [](auto& in) { in.coef2 = 1.01; }, 16, with(block1, {"sLabel25", "sLabel39"})},
        {"tg 1.01", [](auto& in) { in.coef3 = 1.01; }, 18, with(upToRatio, {"sLabel39"})},
        {"tg 1.01, cos mode",
         [](auto& in) {
             in.coef3 = 1.01;
             in.useTg = false;
         },
         18, with(upToRatio, {"sLabel39"})},
        {"W -1", [](auto& in) { in.power = -1; }, 18, with(upToRatio, {"sLabel39"})},
        {"Д -1", [](auto& in) { in.period = -1; }, 24, with(upToRatio, {"sLabel39"})},
        {"Wсети -1", [](auto& in) { in.powerAll = -1; }, 39,
         with(upToRatio, {"sLabel16", "sLabel7", "sLabel39"})},
    };
    for (const auto& c : cases) {
        const auto run = Run(c.change);
        EXPECT_EQ(run.trace.size(), c.traceLines) << c.name;
        EXPECT_EQ(Controls(run.labels), c.controls) << c.name;
        EXPECT_EQ(run.labels.back().text, "-") << c.name;
    }
    // The trace stops after whole groups.
    EXPECT_EQ(Run([](auto& in) { in.power = -1; }).trace.back(), "");
    EXPECT_EQ(Line(Run([](auto& in) { in.period = -1; }), 24),
              "W (кВт∙ч) = 51000 (W² = 2601000000 )");
    EXPECT_EQ(Line(Run([](auto& in) { in.period = -1; }), 19),
              "4. Потери одной линии за расчётный период -1 дней");
}

TEST_P(TrunkLine, ZeroCrossSectionMarksFiveOutputs) {
    const auto run = Run([](auto& in) { in.crossSection = 0; });
    const calc::LabelWrites labels = {
        {"sLabel46", "(α = 0,0045)"},
        {"sLabel43", "0,03"},
        {"sLabel47", "-"},
        {"sLabel39", "-"},
        {"sLabel25", "-"},
        {"sLabel16", "-"},
        {"sLabel7", "-"},
    };
    EXPECT_EQ(run.labels, Sep(labels, GetParam()));
    ASSERT_EQ(run.trace.size(), 9u);
    EXPECT_EQ(run.trace[7], "РАСЧЁТ ПРЕРВАН по причине выбоа нулевого сечения проводника");
    EXPECT_EQ(run.trace[8], "");
}

TEST_P(TrunkLine, FieldTextsAreCopiedIntoTheTrace) {
    const auto run = Run([](auto& in) {
        in.resistivityText = "0,0287";
        in.lengthText = "0340";
    });
    EXPECT_EQ(Line(run, 5), "Удельное сопротивление провода 0,0287");
    EXPECT_EQ(Line(run, 11), "2. Эквивалентное сопротивление линии 0340 м");
    EXPECT_EQ(Line(run, 13), S("0,0008569 * 340 / 2,5 = 0,1165384 Ом"));
}

TEST_P(TrunkLine, TraceTextsComeFromTheCurrentLanguage) {
    res::SetTranslations({{"TraceEnd", "END"}, {"TraceUnitDays", "days"}});
    const auto run = Run();
    res::SetTranslations({});
    EXPECT_EQ(run.trace.back(), "END");
    EXPECT_EQ(Line(run, 19), "4. Потери одной линии за расчётный период 365 days");
}

TEST_P(TrunkLine, ValuesThatCannotBeComputedShowTheMark) {
    using Change = std::function<void(calc::TrunkLineInputs&)>;
    const struct {
        const char* name;
        Change change;
        std::vector<std::pair<const char*, const char*>> labels;
        std::vector<std::pair<std::size_t, const char*>> lines;
        std::size_t traceLines;
    } cases[] = {
        {"W 0",
         [](auto& in) { in.power = 0; },
         {{"sLabel16", "0"}, {"sLabel7", "-"}, {"sLabel39", "0"}},
         {{35, "Процент потерь: NAN%"}, {36, ""}, {37, "КОНЕЦ РАСЧЁТА"}},
         37},
        {"Д 0",
         [](auto& in) { in.period = 0; },
         {{"sLabel16", "51000"}, {"sLabel7", "100"}, {"sLabel39", "94,44"}},
         {{33, "6579402900 / 0 * 0,1165384 / 1000 = INF кВт∙ч"},
          {35, "Процент потерь: INF%"},
          {37, "Недостоверные данные! Небывало малое сечение провода или небывало длинная линия."}},
         41},
        {"W 0 and Д 0",
         [](auto& in) {
             in.power = 0;
             in.period = 0;
         },
         {{"sLabel16", "-"}, {"sLabel7", "-"}, {"sLabel39", "-"}},
         {{33, "0 / 0 * 0,1165384 / 1000 = NAN кВт∙ч"}, {35, "Процент потерь: NAN%"}},
         37},
        {"Wсети 0", [](auto& in) { in.powerAll = 0; }, {{"sLabel39", "-"}}, {}, 39},
        {"cos 0 in cos mode",
         [](auto& in) {
             in.useTg = false;
             in.coef3cos = 0;
         },
         {{"sLabel95", "(tg φ ≈ -)"}, {"sLabel16", "51000"}, {"sLabel7", "100"}},
         {{25, "tg φ = INF (tg²φ = INF)"}},
         41},
        {"cos 0 in tg mode",
         [](auto& in) { in.coef3cos = 0; },
         {{"sLabel95", "(tg φ ≈ -)"}, {"sLabel16", "547,056"}},
         {},
         39},
        {"cos above 1", [](auto& in) { in.coef3cos = 1.5; }, {{"sLabel95", "(tg φ ≈ -)"}}, {}, 39},
        {"Kз 0",
         [](auto& in) { in.coef2 = 0; },
         {{"sLabel11", "-"}, {"sLabel16", "51000"}, {"sLabel39", "94,44"}},
         {{17, "(1 + 2 * 0) / (3 * 0) = INF"}, {26, "kф² = INF"}},
         41},
    };
    for (const auto& c : cases) {
        const auto run = Run(c.change);
        EXPECT_EQ(run.trace.size(), c.traceLines) << c.name;
        EXPECT_EQ(run.trace.back(), "КОНЕЦ РАСЧЁТА") << c.name;
        for (const auto& [control, text] : c.labels)
            EXPECT_EQ(Label(run.labels, control), S(text)) << c.name << " " << control;
        for (const auto& [number, text] : c.lines)
            EXPECT_EQ(Line(run, number), S(text)) << c.name << " line " << number;
    }
}

TEST_P(TrunkLine, WholeNumbersBeyondThirtyTwoBitsDoNotWrap) {
    // W² and 24·Д overflow even 64 bits; scaled together they keep the
    // losses of the defaults.
    const auto big = Run([](auto& in) {
        in.power = 5100000000000;
        in.period = 3650000000000000000;
    });
    EXPECT_EQ(Label(big.labels, "sLabel16"), S("547,056"));
    EXPECT_EQ(Label(big.labels, "sLabel7"), "0");
    EXPECT_EQ(Label(big.labels, "sLabel39"), S("1,01"));
    EXPECT_EQ(Line(big, 24), S("W (кВт∙ч) = 5100000000000 (W² = 2,601E25 )"));
    EXPECT_EQ(Line(big, 27), "Д = 3650000000000000000");
    EXPECT_EQ(Line(big, 35), S("Процент потерь: 0,00%"));

    const auto longLine = Run([](auto& in) {
        in.length = 3400000000000000000;
        in.lengthText = "3400000000000000000";
        in.period = 3650000000000000000;
    });
    EXPECT_EQ(Line(longLine, 13), S("0,0008569 * 3400000000000000000 / 2,5 = 1,165384E15 Ом"));
    EXPECT_EQ(Label(longLine.labels, "sLabel25"), S("1,165384E15"));
    EXPECT_EQ(Label(longLine.labels, "sLabel16"), S("547,056"));

    const auto exact = Run([](auto& in) {
        in.power = 5100000000;
        in.powerAll = 5400000000;
        in.length = 34;
        in.period = 36500000000;
    });
    // ΔW grows with W²·L/Д by 10^10 · 0.1 / 10^8 = 10: 5470,556; the percentages are 10^-4 of the
    // defaults'.
    EXPECT_EQ(Label(exact.labels, "sLabel16"), S("5470,556"));
}

TEST(TrunkLineVerdict, BandsIncludeTheirUpperBound) {
    using S = res::Str;
    const struct {
        double percent;
        std::vector<S> texts;
    } cases[] = {
        {0, {S::VerdictVeryLow}},
        {5, {S::VerdictVeryLow}},
        {5.000000000000001, {S::VerdictLow}},
        {10, {S::VerdictLow}},
        {10.000000000000002, {S::VerdictAcceptable}},
        {20, {S::VerdictAcceptable}},
        {20.000000000000004, {S::VerdictHigh1, S::VerdictHigh2}},
        {30, {S::VerdictHigh1, S::VerdictHigh2}},
        {30.000000000000004, {S::VerdictVeryHigh1, S::VerdictVeryHigh2}},
        {50, {S::VerdictVeryHigh1, S::VerdictVeryHigh2}},
        {50.00000000000001, {S::VerdictExtreme1, S::VerdictExtreme2}},
        {75, {S::VerdictExtreme1, S::VerdictExtreme2}},
        {75.00000000000001, {S::VerdictSuspicious1, S::VerdictSuspicious2, S::VerdictSuspicious3}},
        {100, {S::VerdictSuspicious1, S::VerdictSuspicious2, S::VerdictSuspicious3}},
        {std::nan(""), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calc::VerdictTexts(false, c.percent), c.texts) << c.percent;
    // Losses beyond the consumption outrank every band.
    EXPECT_EQ(
        calc::VerdictTexts(true, 1),
        (std::vector<S>{S::VerdictImplausible1, S::VerdictImplausible2, S::VerdictImplausible3}));
}

} // namespace
