#pragma once

// Helpers shared by the calculator suites: number formats, expected texts
// written with a decimal comma, and reading back label writes.

#include "calc/LabelWrite.h"
#include "calc/NumberDisplay.h"

#include <gtest/gtest.h>

#include <cctype>

#include <string>
#include <string_view>
#include <vector>

namespace calctest {

inline calc::NumberFormat Format(std::string separator) {
    calc::NumberFormat f;
    f.decimalSeparator = std::move(separator);
    return f;
}

// Names the instances of a suite run under each decimal separator.
inline std::string SeparatorName(const testing::TestParamInfo<std::string>& info) {
    return info.param == "," ? "Comma" : info.param == "." ? "Point" : "Other";
}

// Expected texts are written with a decimal comma; a comma between two
// digits becomes `separator`, any other comma stays.
inline std::string Sep(std::string_view text, const std::string& separator) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool between = i > 0 && i + 1 < text.size() &&
                             std::isdigit((unsigned char)text[i - 1]) &&
                             std::isdigit((unsigned char)text[i + 1]);
        if (text[i] == ',' && between)
            out += separator;
        else
            out += text[i];
    }
    return out;
}

inline calc::LabelWrites Sep(const calc::LabelWrites& writes, const std::string& separator) {
    calc::LabelWrites out;
    for (const auto& w : writes)
        out.push_back({w.control, Sep(w.text, separator)});
    return out;
}

// The text a run left in `control`: its last write, or "<absent>".
inline std::string Label(const calc::LabelWrites& writes, std::string_view control) {
    std::string text = "<absent>";
    for (const auto& w : writes)
        if (w.control == control)
            text = w.text;
    return text;
}

inline std::vector<std::string> Controls(const calc::LabelWrites& writes) {
    std::vector<std::string> names;
    for (const auto& w : writes)
        names.push_back(w.control);
    return names;
}

} // namespace calctest
