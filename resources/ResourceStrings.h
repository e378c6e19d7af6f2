#pragma once

// The program's translatable message texts: the trace, the verdicts and the
// settings messages. Each is fetched at the moment it is written, so a
// language loaded later shows in the next text written. Plain C++: the
// localizer hands its translations in through SetTranslations().

#include <map>
#include <string>
#include <string_view>

namespace res {

enum class Str {
    // Trace of the trunk-line calculation
    TraceBegin,
    TraceBlock1,
    TraceResistivity,
    TraceUnitOhmMm2PerM,
    TraceZeroCrossSection,
    TraceCrossSection,
    TraceUnitMm2,
    TraceUnitOhmPerM,
    TraceBlock2,
    TraceUnitM,
    TraceUnitOhm,
    TraceBlock3,
    TraceBlock4,
    TraceUnitDays,
    TraceFormulaIntro,
    TraceThousand,
    TraceUnitKWh,
    TraceSymbolDays,
    TraceSubscriptEquiv,
    TraceSubstitute,
    TraceLossPercent,
    TraceEnd,
    // Verdicts on the loss percentage
    VerdictImplausible1,
    VerdictImplausible2,
    VerdictImplausible3,
    VerdictSuspicious1,
    VerdictSuspicious2,
    VerdictSuspicious3,
    VerdictExtreme1,
    VerdictExtreme2,
    VerdictVeryHigh1,
    VerdictVeryHigh2,
    VerdictHigh1,
    VerdictHigh2,
    VerdictAcceptable,
    VerdictLow,
    VerdictVeryLow,
    // Settings file messages
    SettingsSaveFailed,
    SettingsReadFailed,
    Count
};

struct Entry {
    Str id;
    const char* key;     // name of the text in a language file
    const char* russian; // the built-in text
};

// The whole table, in the order of Str.
const Entry* Table();
constexpr int Count() {
    return static_cast<int>(Str::Count);
}

// The text in the language loaded last, or the built-in one.
std::string Get(Str id);

// Makes `byKey` the current translations; a key missing there comes out as
// built in. An empty map restores the built-in texts.
void SetTranslations(const std::map<std::string, std::string, std::less<>>& byKey);

} // namespace res
