#include "settings/TextEncoding.h"

#include <cstdint>

namespace ini {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one character at pos; returns its length in bytes, or 0 when the
// bytes there are ill-formed. Surrogates pass only when allowSurrogates is set
// (the carried-through lone surrogates of UTF-16 files).
std::size_t DecodeUtf8(std::string_view s, std::size_t pos, char32_t& cp, bool allowSurrogates) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b0 = byte(pos);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t len;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (pos + len > s.size())
        return 0;
    for (std::size_t i = 1; i < len; ++i) {
        const unsigned char b = byte(pos + i);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF)
        return 0;
    if (cp >= 0xD800 && cp <= 0xDFFF && !allowSurrogates)
        return 0;
    return len;
}

char32_t Cp1251High(unsigned char b) {
    static constexpr char16_t k80toBF[64] = {
        0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
        0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
        0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
        0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
        0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};
    if (b >= 0xC0)
        return 0x0410 + (b - 0xC0);
    return k80toBF[b - 0x80];
}

char32_t ToLower(char32_t c) {
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 0x20 : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2)
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    if (c >= 0x410 && c <= 0x42F)
        return c + 0x20;
    if (c == 0x4C0)
        return 0x4CF;
    const bool even = (c % 2) == 0;
    if (((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F)) &&
        even)
        return c + 1;
    if (c >= 0x4C1 && c <= 0x4CE && !even)
        return c + 1;
    return c;
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    char32_t cp;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = DecodeUtf8(bytes, i, cp, false);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out += ch;
        else
            AppendUtf8(out, Cp1251High(b));
    }
    return out;
}

std::string ToValidUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    char32_t cp;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = DecodeUtf8(bytes, i, cp, false);
        if (len == 0) {
            AppendUtf8(out, kReplacement);
            ++i;
        } else {
            out.append(bytes.substr(i, len));
            i += len;
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    const std::size_t units = bytes.size() / 2;
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[2 * i]);
        const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? (a << 8) | b : (b << 8) | a;
    };
    std::string out;
    out.reserve(units * 2);
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const char32_t low = unit(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, u);
    }
    return out;
}

std::string Utf8ToUtf16(std::string_view text, bool bigEndian) {
    std::string out;
    out.reserve(text.size() * 2);
    const auto put = [&](char32_t u) {
        const auto hi = static_cast<char>(u >> 8);
        const auto lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    char32_t cp;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t len = DecodeUtf8(text, i, cp, true);
        if (len == 0) {
            cp = kReplacement;
            len = 1;
        }
        i += len;
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

std::string FoldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char32_t cp;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = DecodeUtf8(text, i, cp, false);
        if (len == 0) {
            out += text[i];
            ++i;
            continue;
        }
        AppendUtf8(out, ToLower(cp));
        i += len;
    }
    return out;
}

} // namespace ini
