#include "resources/ResourceStrings.h"

#include <array>
#include <optional>

namespace res {
namespace {

constexpr std::array<Entry, Count()> kTable{{
    {Str::TraceBegin, "TraceBegin", "НАЧАЛО РАСЧЁТА"},
    {Str::TraceBlock1, "TraceBlock1", "1. Сопротивление провода."},
    {Str::TraceResistivity, "TraceResistivity", "Удельное сопротивление провода"},
    {Str::TraceUnitOhmMm2PerM, "TraceUnitOhmMm2PerM", "Ом∙мм²/м"},
    {Str::TraceZeroCrossSection, "TraceZeroCrossSection",
     "РАСЧЁТ ПРЕРВАН по причине выбоа нулевого сечения проводника"},
    // The first letter is the Latin capital C, as the program has always written it.
    {Str::TraceCrossSection, "TraceCrossSection", "Cопротивление провода сечением"},
    {Str::TraceUnitMm2, "TraceUnitMm2", "мм²"},
    {Str::TraceUnitOhmPerM, "TraceUnitOhmPerM", "Ом/м"},
    {Str::TraceBlock2, "TraceBlock2", "2. Эквивалентное сопротивление линии"},
    {Str::TraceUnitM, "TraceUnitM", "м"},
    {Str::TraceUnitOhm, "TraceUnitOhm", "Ом"},
    {Str::TraceBlock3, "TraceBlock3", "3. Квадрат коэффициента формы графика нагрузки"},
    {Str::TraceBlock4, "TraceBlock4", "4. Потери одной линии за расчётный период"},
    {Str::TraceUnitDays, "TraceUnitDays", "дней"},
    {Str::TraceFormulaIntro, "TraceFormulaIntro", "Расчёт ведётся по формуле:"},
    {Str::TraceThousand, "TraceThousand", "тыс"},
    {Str::TraceUnitKWh, "TraceUnitKWh", "кВт∙ч"},
    {Str::TraceSymbolDays, "TraceSymbolDays", "Д"},
    {Str::TraceSubscriptEquiv, "TraceSubscriptEquiv", "экв"},
    {Str::TraceSubstitute, "TraceSubstitute", "Подставляем значения:"},
    {Str::TraceLossPercent, "TraceLossPercent", "Процент потерь"},
    {Str::TraceEnd, "TraceEnd", "КОНЕЦ РАСЧЁТА"},
    {Str::VerdictImplausible1, "VerdictImplausible1",
     "Недостоверные данные! Небывало малое сечение провода или небывало длинная линия."},
    {Str::VerdictImplausible2, "VerdictImplausible2",
     "На реальных линиях электропередачи таких параметров не бывает. Формула корректно не "
     "работает."},
    {Str::VerdictImplausible3, "VerdictImplausible3", "Проверьте правильность входных данных."},
    {Str::VerdictSuspicious1, "VerdictSuspicious1",
     "Подозрительный, крайне высокий процент потерь!"},
    {Str::VerdictSuspicious2, "VerdictSuspicious2",
     "Проверьте правильность значений сечения и длины провода."},
    {Str::VerdictSuspicious3, "VerdictSuspicious3",
     "В режимах с потерями, близкими к 100%, формула может работать неточно."},
    {Str::VerdictExtreme1, "VerdictExtreme1", "Крайне высокий процент потерь!"},
    {Str::VerdictExtreme2, "VerdictExtreme2", "Проверьте правильность входных данных."},
    {Str::VerdictVeryHigh1, "VerdictVeryHigh1", "Очень высокий процент потерь!"},
    {Str::VerdictVeryHigh2, "VerdictVeryHigh2", "Линия реализована неправильно."},
    {Str::VerdictHigh1, "VerdictHigh1", "Высокий процент потерь!"},
    {Str::VerdictHigh2, "VerdictHigh2", "Есть вопросы к реализации линии."},
    {Str::VerdictAcceptable, "VerdictAcceptable", "Допустимый процент потерь!"},
    {Str::VerdictLow, "VerdictLow", "Низкий процент потерь."},
    {Str::VerdictVeryLow, "VerdictVeryLow", "Очень низкий процент потерь!"},
    {Str::SettingsSaveFailed, "SettingsSaveFailed", "Не могу сохранить настройки:"},
    {Str::SettingsReadFailed, "SettingsReadFailed", "Не могу прочитать настройки:"},
}};

constexpr bool TableFollowsEnum() {
    for (int i = 0; i < Count(); ++i)
        if (static_cast<int>(kTable[i].id) != i)
            return false;
    return true;
}
static_assert(TableFollowsEnum(), "the table must list the texts in the order of Str");

std::array<std::optional<std::string>, Count()>& Current() {
    static std::array<std::optional<std::string>, Count()> current;
    return current;
}

} // namespace

const Entry* Table() {
    return kTable.data();
}

std::string Get(Str id) {
    const auto i = static_cast<std::size_t>(id);
    const auto& translated = Current()[i];
    return translated ? *translated : std::string(kTable[i].russian);
}

void SetTranslations(const std::map<std::string, std::string, std::less<>>& byKey) {
    auto& current = Current();
    for (int i = 0; i < Count(); ++i) {
        const auto found = byKey.find(std::string_view(kTable[i].key));
        current[i] = found == byKey.end() ? std::nullopt : std::optional(found->second);
    }
}

} // namespace res
