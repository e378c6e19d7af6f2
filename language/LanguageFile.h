#pragma once

// The language file: UTF-8 text, one text per line.
//
//   ; Бримсота language file          <- first line, identifies the file
//   [Language]
//   Name=English
//   [Form1]                           <- a window, by its objectName
//   Form1.Caption=Brimsota v.1.5      <- the window itself
//   sLabel42.text=Resistivity at 20°C:
//   sComboBox3.items[0]=Aluminium, pure (0,0262)
//   sTabSheet1.tabText=Three-phase trunk line
//   sComboBox3.toolTip=Resistivity<br>\r\n<i>...</i>
//   [ResourceStrings]
//   TraceBegin=CALCULATION START
//
// In a text, \r, \n and \\ stand for CR, LF and a backslash. Blank lines and
// lines starting with ';' are ignored. A line the reader cannot use is
// skipped and the rest of the file still counts. Plain C++, so that a fuzzer
// can feed the reader without a Qt application.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace lang {

// The first line of every language file (after an optional UTF-8 BOM).
inline constexpr std::string_view kLanguageFileHeader = "; Бримсота language file";

// Longer lines are taken for damage and skipped.
inline constexpr std::size_t kMaxLineBytes = 32 * 1024;

struct ControlText {
    std::string control;  // objectName of a child, or of the window itself
    std::string property; // "text", "title", "toolTip", "items", "tabText", or any other
    int index = -1;       // the list position for "items[N]", -1 otherwise
    std::string text;     // unescaped UTF-8

    bool operator==(const ControlText&) const = default;
};

struct LanguageFile {
    bool recognised = false; // the first line identified the file; nothing else is read otherwise
    std::string name;        // [Language] Name=, for people
    std::map<std::string, std::vector<ControlText>, std::less<>> windows; // by window objectName
    std::map<std::string, std::string, std::less<>> resourceStrings;      // by resource key

    bool operator==(const LanguageFile&) const = default;
};

// Never throws; any bytes give a result.
LanguageFile ReadLanguageFile(std::string_view bytes);

// The file text for `file`, which ReadLanguageFile reads back as it is.
std::string WriteLanguageFile(const LanguageFile& file);

// A text as it stands after "=": CR, LF and backslash escaped.
std::string EscapeLanguageText(std::string_view text);

} // namespace lang
