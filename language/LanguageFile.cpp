#include "language/LanguageFile.h"

#include <optional>

namespace lang {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kLanguageSection = "Language";
constexpr std::string_view kResourceSection = "ResourceStrings";
constexpr std::string_view kItemsProperty = "items";
constexpr int kMaxItemIndex = 99999;

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsName(std::string_view s) {
    if (s.empty())
        return false;
    for (char c : s)
        if (!IsNameChar(c))
            return false;
    return true;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// Rejects overlong forms, surrogates and code points past U+10FFFF, so that
// every text handed on is well-formed.
bool IsUtf8(std::string_view s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    while (p < end) {
        const unsigned c = *p++;
        if (c < 0x80)
            continue;
        int extra = 0;
        unsigned cp = 0;
        unsigned min = 0;
        if ((c & 0xE0) == 0xC0) {
            extra = 1, cp = c & 0x1F, min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, cp = c & 0x0F, min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, cp = c & 0x07, min = 0x10000;
        } else {
            return false;
        }
        if (end - p < extra)
            return false;
        for (int i = 0; i < extra; ++i) {
            const unsigned cc = *p++;
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
    }
    return true;
}

std::optional<std::string> Unescape(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        if (++i == s.size())
            return std::nullopt;
        switch (s[i]) {
        case 'r':
            out += '\r';
            break;
        case 'n':
            out += '\n';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

// "control.property" or "control.items[N]".
std::optional<ControlText> ParseControlKey(std::string_view key) {
    const auto dot = key.find('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    ControlText entry;
    const std::string_view control = key.substr(0, dot);
    std::string_view property = key.substr(dot + 1);
    if (!IsName(control))
        return std::nullopt;
    if (const auto open = property.find('['); open != std::string_view::npos) {
        if (property.substr(0, open) != kItemsProperty || property.back() != ']')
            return std::nullopt;
        const std::string_view digits = property.substr(open + 1, property.size() - open - 2);
        if (digits.empty() || digits.size() > 5)
            return std::nullopt;
        int index = 0;
        for (char c : digits) {
            if (c < '0' || c > '9')
                return std::nullopt;
            index = index * 10 + (c - '0');
        }
        if (index > kMaxItemIndex)
            return std::nullopt;
        entry.index = index;
        property = property.substr(0, open);
    } else if (!IsName(property)) {
        return std::nullopt;
    }
    entry.control = std::string(control);
    entry.property = std::string(property);
    return entry;
}

} // namespace

LanguageFile ReadLanguageFile(std::string_view bytes) {
    LanguageFile file;
    if (bytes.substr(0, kBom.size()) == kBom)
        bytes.remove_prefix(kBom.size());

    enum class Section { None, Language, Resources, Window };
    Section section = Section::None;
    std::vector<ControlText>* window = nullptr;
    bool first = true;

    while (!bytes.empty()) {
        const auto eol = bytes.find('\n');
        std::string_view line = bytes.substr(0, eol);
        bytes.remove_prefix(eol == std::string_view::npos ? bytes.size() : eol + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        if (first) {
            first = false;
            if (Trim(line) != kLanguageFileHeader)
                return file;
            file.recognised = true;
            continue;
        }
        if (line.size() > kMaxLineBytes || !IsUtf8(line))
            continue;
        const std::string_view trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == ';')
            continue;

        if (trimmed.front() == '[') {
            // A broken header puts the lines after it nowhere, rather than
            // into the previous window.
            section = Section::None;
            window = nullptr;
            if (trimmed.back() != ']')
                continue;
            const std::string_view name = Trim(trimmed.substr(1, trimmed.size() - 2));
            if (name == kLanguageSection) {
                section = Section::Language;
            } else if (name == kResourceSection) {
                section = Section::Resources;
            } else if (IsName(name)) {
                section = Section::Window;
                window = &file.windows[std::string(name)];
            }
            continue;
        }

        const auto eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string_view key = Trim(line.substr(0, eq));
        auto text = Unescape(line.substr(eq + 1));
        if (!text)
            continue;

        switch (section) {
        case Section::None:
            break;
        case Section::Language:
            if (key == "Name")
                file.name = std::move(*text);
            break;
        case Section::Resources:
            if (IsName(key))
                file.resourceStrings[std::string(key)] = std::move(*text);
            break;
        case Section::Window:
            if (auto entry = ParseControlKey(key)) {
                entry->text = std::move(*text);
                window->push_back(std::move(*entry));
            }
            break;
        }
    }
    return file;
}

std::string EscapeLanguageText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string WriteLanguageFile(const LanguageFile& file) {
    std::string out;
    out += kLanguageFileHeader;
    out += '\n';
    if (!file.name.empty()) {
        out += "[Language]\nName=";
        out += EscapeLanguageText(file.name);
        out += '\n';
    }
    for (const auto& [window, texts] : file.windows) {
        out += "\n[" + window + "]\n";
        for (const auto& t : texts) {
            out += t.control + '.' + t.property;
            if (t.index >= 0)
                out += '[' + std::to_string(t.index) + ']';
            out += '=' + EscapeLanguageText(t.text) + '\n';
        }
    }
    if (!file.resourceStrings.empty()) {
        out += "\n[ResourceStrings]\n";
        for (const auto& [key, text] : file.resourceStrings)
            out += key + '=' + EscapeLanguageText(text) + '\n';
    }
    return out;
}

} // namespace lang
