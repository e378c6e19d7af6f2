#include "calc/Material.h"

#include <charconv>
#include <cmath>

namespace calc {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Parses "digits[sep[digits]]" in the C form, which from_chars reads
// correctly rounded and without regard to the process locale.
std::optional<double> ParsePlain(const std::string& plain) {
    double value = 0;
    const char* end = plain.data() + plain.size();
    const auto [ptr, ec] = std::from_chars(plain.data(), end, value, std::chars_format::fixed);
    if (ptr != end)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Too small for a double reads as 0, which the caller refuses; too
        // large is no value at all.
        const std::string whole = plain.substr(0, plain.find('.'));
        const bool belowOne = whole.find_first_not_of('0') == std::string::npos;
        return belowOne ? std::optional(0.0) : std::nullopt;
    }
    if (ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::string ExtractNumber(std::string_view text, std::string_view separator) {
    std::string out;
    bool digitSeen = false;
    for (const char c : text) {
        if (IsDigit(c)) {
            digitSeen = true;
            out += c;
        } else if ((c == ',' || c == '.') && digitSeen) {
            out += separator;
        }
    }
    return out;
}

std::optional<double> ReadResistivity(std::string_view text, const NumberFormat& fmt) {
    const std::string& sep = fmt.decimalSeparator;
    const std::string number = ExtractNumber(text, sep);
    if (number.empty())
        return std::nullopt;

    std::string plain;
    bool separatorSeen = false;
    for (std::size_t i = 0; i < number.size();) {
        if (!sep.empty() && number.compare(i, sep.size(), sep) == 0) {
            if (separatorSeen)
                return std::nullopt;
            separatorSeen = true;
            i += sep.size();
            continue;
        }
        if (!IsDigit(number[i]))
            return std::nullopt;
        // A separator made of digits cannot occur; anything but digits and the
        // one separator is refused above.
        if (separatorSeen && plain.find('.') == std::string::npos)
            plain += '.';
        plain += number[i++];
    }
    return ParsePlain(plain);
}

double TemperatureCoefficient(double rho20) {
    // Double thresholds against the double ρ20: a typed 0,03 must land in the
    // band from 0.03 on.
    if (rho20 < 0.02)
        return 0.0043;
    if (rho20 < 0.03)
        return 0.0045;
    if (rho20 < 0.05)
        return 0.002;
    if (rho20 < 0.07)
        return 0.00047;
    if (rho20 < 0.1)
        return 0;
    if (rho20 < 0.2)
        return 0.0063;
    if (rho20 < 0.4)
        return 0;
    if (rho20 < 0.5)
        return 0.0072;
    if (rho20 < 0.9)
        return 0;
    if (rho20 < 1)
        return 0.0003;
    return 0;
}

} // namespace calc
