#pragma once

// Key-by-key access to an INI file, following the rules of the Windows
// private-profile functions that the settings file was always written with.
// Every call opens the file, does its one read or write and releases it;
// nothing is cached between calls, so a file edited by hand is seen at once.
//
// Texts are UTF-8. Plain C++ on std::filesystem (no Qt) so the fuzz targets
// link it alone; callers holding a QString path convert with
// QFile::encodeName(name).toStdString().
//
// File rules:
// - Lines: "[section]", "key=value", comments starting with ";", anything
//   else (kept, never matched). Section and key names match without regard to
//   letter case (ASCII, Latin-1, Greek, Cyrillic). Entries before the first
//   section belong to none. Of duplicate sections or keys the first wins.
// - Reading drops blanks (space, tab) around a value and then one pair of
//   like quotes (' or ") around the whole value. Values have no length limit.
// - Writing replaces an existing key's line where it stands, adds a new key
//   after the last entry of its section and a new section at the end of the
//   file. Every other byte of the file stays as it was. Lines are written as
//   key=value; a value that reading would change (outer blanks, outer quotes)
//   is wrapped in one pair of double quotes so it reads back unchanged.
// - Encoding: a new file is UTF-8 without a byte-order mark. A file with a
//   UTF-8 mark keeps it; one with a UTF-16 LE or BE mark is read and written
//   as UTF-16 with its mark. In a file without a mark, a line that is not
//   UTF-8 is read as Windows-1251, the code page of files from the Windows
//   program.
// - Line ends: added lines take the file's first line end (CR LF, LF or CR);
//   a new file, or one without a line end, uses LF.
// - Each write replaces the file whole and atomically: a temporary file beside
//   it is written, flushed to disk and renamed over it, taking the old file's
//   permission bits. A symbolic link is followed and its target replaced.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ini {

// A refused write. The settings message shows TypeName, ": " and what().
class EIniFileException : public std::runtime_error {
public:
    static constexpr const char* TypeName = "EIniFileException";

    // Message: "Unable to write to " + the path as given.
    explicit EIniFileException(const std::filesystem::path& file);
};

// The value of key in section, or def when the file, section or key is
// missing or the file cannot be read. Never creates the file.
std::string ReadString(const std::filesystem::path& file, std::string_view section,
                       std::string_view key, std::string_view def);

// Sets key in section to value, creating the file, section or key as needed.
// Throws EIniFileException when the file cannot be replaced (read-only file,
// unwritable or missing directory, ...); the file is then left unchanged and no
// temporary file remains. Throws std::invalid_argument for a name or value
// that no line could hold: an empty or blank-edged name, CR, LF or NUL
// anywhere, "]" in a section name, "=" in a key name, a key starting with "["
// or ";".
void WriteString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::string_view value);

// A decimal integer with an optional sign, or "0x"/"0X" and 1 or more hex
// digits. Empty, not an integer, or beyond the 64-bit range: def.
std::int64_t ReadInteger(const std::filesystem::path& file, std::string_view section,
                         std::string_view key, std::int64_t def);

// Decimal digits, "-" in front of a negative value.
void WriteInteger(const std::filesystem::path& file, std::string_view section, std::string_view key,
                  std::int64_t value);

// Read as an integer with def counting as 1 or 0; any non-zero value is true.
bool ReadBool(const std::filesystem::path& file, std::string_view section, std::string_view key,
              bool def);

// "1" or "0".
void WriteBool(const std::filesystem::path& file, std::string_view section, std::string_view key,
               bool value);

// A finite decimal number whose separator is decimalSeparator, "," or "." (so
// a file written under either separator reads the same everywhere), with an
// optional sign and exponent. Anything else, INF and NAN included: def.
// Floats are written with WriteString and calc::FormatGeneral.
double ReadFloat(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 double def, std::string_view decimalSeparator);

// The parsers behind ReadInteger and ReadFloat, for text already read.
bool ParseInteger(std::string_view text, std::int64_t& out);
bool ParseFloat(std::string_view text, std::string_view decimalSeparator, double& out);

} // namespace ini
