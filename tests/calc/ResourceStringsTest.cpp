#include "resources/ResourceStrings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(ResourceStrings, KeysAreUniqueAndTextsPresent) {
    std::set<std::string> keys;
    for (int i = 0; i < res::Count(); ++i) {
        const auto& e = res::Table()[i];
        EXPECT_TRUE(keys.insert(e.key).second) << "duplicate key " << e.key;
        EXPECT_FALSE(std::string(e.russian).empty()) << e.key;
    }
}

TEST(ResourceStrings, TranslationReplacesAndFallsBackToBuiltIn) {
    res::SetTranslations({{"TraceEnd", "END OF CALCULATION"}});
    EXPECT_EQ(res::Get(res::Str::TraceEnd), "END OF CALCULATION");
    EXPECT_EQ(res::Get(res::Str::TraceBegin), "НАЧАЛО РАСЧЁТА");

    // A later language replaces the whole set, it does not add to it.
    res::SetTranslations({{"TraceBegin", "BEGIN"}});
    EXPECT_EQ(res::Get(res::Str::TraceEnd), "КОНЕЦ РАСЧЁТА");
    EXPECT_EQ(res::Get(res::Str::TraceBegin), "BEGIN");

    res::SetTranslations({});
    EXPECT_EQ(res::Get(res::Str::TraceBegin), "НАЧАЛО РАСЧЁТА");
}

} // namespace
