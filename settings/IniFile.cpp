#include "settings/IniFile.h"

#include "settings/TextEncoding.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace ini {

EIniFileException::EIniFileException(const std::filesystem::path& file)
    : std::runtime_error("Unable to write to " + file.string()) {}

namespace {

namespace fs = std::filesystem;

enum class Encoding { Utf8, Utf8Bom, Utf16Le, Utf16Be };

enum class Kind { Other, Section, Entry };

struct Line {
    std::size_t begin = 0; // first byte of the line in Document::text
    std::size_t end = 0;   // first byte of its line end
    std::size_t next = 0;  // first byte of the following line
    Kind kind = Kind::Other;
    std::string name;  // section or key name, case-folded
    std::string key;   // key name as spelled in the file
    std::string value; // raw text after "="
};

// The file as text: UTF-8 for the files with and without a UTF-8 mark, and
// UTF-16 converted to UTF-8 (losslessly) for the others.
struct Document {
    Encoding encoding = Encoding::Utf8;
    std::string text;
    std::string tail; // odd final byte of a UTF-16 file, written back as it was
    std::vector<Line> lines;
    std::string eol = "\n";
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

std::string_view Unquote(std::string_view s) {
    s = Trim(s);
    if (s.size() >= 2 && IsQuote(s.front()) && s.front() == s.back())
        s = s.substr(1, s.size() - 2);
    return s;
}

void Classify(Line& line, std::string_view content) {
    std::string_view t = content;
    while (!t.empty() && IsBlank(t.front()))
        t.remove_prefix(1);
    if (t.empty() || t.front() == ';')
        return;
    if (t.front() == '[') {
        const std::size_t close = t.find(']');
        if (close != std::string_view::npos) {
            line.kind = Kind::Section;
            line.name = FoldCase(Trim(t.substr(1, close - 1)));
            return;
        }
    }
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos)
        return;
    const std::string_view key = Trim(t.substr(0, eq));
    if (key.empty())
        return;
    line.kind = Kind::Entry;
    line.key = key;
    line.name = FoldCase(key);
    line.value = t.substr(eq + 1);
}

Document Parse(std::string_view bytes) {
    Document doc;
    const auto starts = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
    if (starts("\xEF\xBB\xBF")) {
        doc.encoding = Encoding::Utf8Bom;
        doc.text = bytes.substr(3);
    } else if (starts("\xFF\xFE") || starts("\xFE\xFF")) {
        const bool big = bytes[0] == '\xFE';
        doc.encoding = big ? Encoding::Utf16Be : Encoding::Utf16Le;
        const std::string_view body = bytes.substr(2);
        doc.text = Utf16ToUtf8(body, big);
        if (body.size() % 2 != 0)
            doc.tail = body.back();
    } else {
        doc.text = bytes;
    }

    const std::string& text = doc.text;
    const std::size_t firstEnd = text.find_first_of("\r\n");
    if (firstEnd != std::string::npos)
        doc.eol = text.compare(firstEnd, 2, "\r\n") == 0 ? "\r\n" : text.substr(firstEnd, 1);

    const bool mayBeCp1251 = doc.encoding == Encoding::Utf8;
    for (std::size_t pos = 0; pos < text.size();) {
        Line line;
        line.begin = pos;
        line.end = std::min(text.find_first_of("\r\n", pos), text.size());
        line.next = line.end;
        if (line.next < text.size())
            line.next += text.compare(line.next, 2, "\r\n") == 0 ? 2 : 1;
        const std::string_view content(text.data() + line.begin, line.end - line.begin);
        if (mayBeCp1251 && !IsValidUtf8(content))
            Classify(line, Cp1251ToUtf8(content));
        else
            Classify(line, content);
        doc.lines.push_back(std::move(line));
        pos = doc.lines.back().next;
    }
    return doc;
}

std::string Serialize(const Document& doc) {
    switch (doc.encoding) {
    case Encoding::Utf8:
        return doc.text;
    case Encoding::Utf8Bom:
        return "\xEF\xBB\xBF" + doc.text;
    case Encoding::Utf16Le:
        return "\xFF\xFE" + Utf8ToUtf16(doc.text, false) + doc.tail;
    case Encoding::Utf16Be:
        return "\xFE\xFF" + Utf8ToUtf16(doc.text, true) + doc.tail;
    }
    return doc.text;
}

// Where a key stands, or would go.
struct Location {
    std::optional<std::size_t> section; // header line of the first matching section
    std::optional<std::size_t> entry;   // first matching key line in it
    std::size_t lastEntry = 0;          // last key line of the section, or its header
};

Location Find(const Document& doc, std::string_view section, std::string_view key) {
    const std::string sectionName = FoldCase(Trim(section));
    const std::string keyName = FoldCase(Trim(key));
    Location loc;
    for (std::size_t i = 0; i < doc.lines.size(); ++i) {
        const Line& line = doc.lines[i];
        if (line.kind == Kind::Section) {
            if (loc.section)
                break;
            if (line.name == sectionName) {
                loc.section = i;
                loc.lastEntry = i;
            }
        } else if (line.kind == Kind::Entry && loc.section) {
            if (!loc.entry && line.name == keyName)
                loc.entry = i;
            loc.lastEntry = i;
        }
    }
    return loc;
}

enum class LoadResult { Loaded, Missing, Failed };

// Reads a regular file whole. O_NONBLOCK keeps a FIFO at the path from
// hanging the program.
LoadResult Load(const fs::path& file, std::string& bytes, struct stat& st) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? LoadResult::Missing : LoadResult::Failed;
    LoadResult result = LoadResult::Loaded;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        result = LoadResult::Failed;
    } else {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                bytes.append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0) {
                break;
            } else if (errno != EINTR) {
                result = LoadResult::Failed;
                break;
            }
        }
    }
    ::close(fd);
    return result;
}

std::optional<std::string> Lookup(const fs::path& file, std::string_view section,
                                  std::string_view key) {
    std::string bytes;
    struct stat st {};
    if (Load(file, bytes, st) != LoadResult::Loaded)
        return std::nullopt;
    const Document doc = Parse(bytes);
    const Location loc = Find(doc, section, key);
    if (!loc.entry)
        return std::nullopt;
    return ToValidUtf8(Unquote(doc.lines[*loc.entry].value));
}

void Validate(std::string_view section, std::string_view key, std::string_view value) {
    const auto hasBreak = [](std::string_view s) {
        return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
    };
    const auto badName = [&](std::string_view s) {
        return s.empty() || Trim(s).size() != s.size() || hasBreak(s);
    };
    if (badName(section) || section.find(']') != std::string_view::npos)
        throw std::invalid_argument("INI section name cannot be stored: " + std::string(section));
    if (badName(key) || key.find('=') != std::string_view::npos || key.front() == '[' ||
        key.front() == ';')
        throw std::invalid_argument("INI key name cannot be stored: " + std::string(key));
    if (hasBreak(value))
        throw std::invalid_argument("INI value for " + std::string(key) +
                                    " holds a line break or NUL");
}

// Quotes a value that reading would otherwise change, so it reads back as written.
std::string StoredValue(std::string_view value) {
    const bool edges = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
    const bool quoted =
        value.size() >= 2 && IsQuote(value.front()) && value.front() == value.back();
    if (edges || quoted)
        return "\"" + std::string(value) + "\"";
    return std::string(value);
}

void Edit(Document& doc, std::string_view section, std::string_view key, std::string_view value) {
    const Location loc = Find(doc, section, key);
    std::string& text = doc.text;
    if (loc.entry) {
        const Line& line = doc.lines[*loc.entry];
        text.replace(line.begin, line.end - line.begin, line.key + "=" + StoredValue(value));
        return;
    }
    const std::string entry = std::string(key) + "=" + StoredValue(value);
    if (loc.section) {
        const Line& last = doc.lines[loc.lastEntry];
        if (last.next == last.end) // the last line of a file without a final line end
            text.insert(last.end, doc.eol + entry);
        else
            text.insert(last.next, entry + doc.eol);
        return;
    }
    if (!text.empty() && text.back() != '\n' && text.back() != '\r')
        text += doc.eol;
    text += "[" + std::string(section) + "]" + doc.eol + entry + doc.eol;
}

// The file a write must replace: a symbolic link is followed to its target so
// the rename does not turn the link into a plain file.
fs::path WriteTarget(const fs::path& file) {
    fs::path target = file;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec)))
            return target;
        const fs::path link = fs::read_symlink(target, ec);
        if (ec)
            throw EIniFileException(file);
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    throw EIniFileException(file);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Writes bytes to a new file beside target and renames it over target, so the
// file on disk is always either the old or the new content.
void ReplaceAtomically(const fs::path& file, const fs::path& target, std::string_view bytes,
                       const struct stat* old) {
    static std::atomic<unsigned> counter{0};
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        temp = dir / ("." + target.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                      std::to_string(counter++) + "-" + std::to_string(stamp % 1000000));
        // 0666 under the umask: the bits a file created in place would get.
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        throw EIniFileException(file);

    bool ok = true;
    if (old) {
        // Owner first: changing it may clear set-id bits that fchmod then restores.
        // Only root may change the owner; elsewhere the file becomes the writer's.
        [[maybe_unused]] const int owned = ::fchown(fd, old->st_uid, old->st_gid);
        ok = ::fchmod(fd, old->st_mode & 07777) == 0;
    }
    ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        throw EIniFileException(file);
    }
    // Make the rename itself durable; a failure here no longer loses data.
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

} // namespace

std::string ReadString(const fs::path& file, std::string_view section, std::string_view key,
                       std::string_view def) {
    std::optional<std::string> value = Lookup(file, section, key);
    return value ? std::move(*value) : std::string(def);
}

void WriteString(const fs::path& file, std::string_view section, std::string_view key,
                 std::string_view value) {
    Validate(section, key, value);
    const fs::path target = WriteTarget(file);
    std::string bytes;
    struct stat st {};
    const LoadResult loaded = Load(target, bytes, st);
    if (loaded == LoadResult::Failed)
        throw EIniFileException(file);
    const bool exists = loaded == LoadResult::Loaded;
    // A file without any write bit is read-only to its owner's mind even for
    // root, whom the permission check alone would let through.
    if (exists && (::access(target.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0))
        throw EIniFileException(file);

    Document doc = Parse(bytes);
    Edit(doc, section, key, value);
    ReplaceAtomically(file, target, Serialize(doc), exists ? &st : nullptr);
}

bool ParseInteger(std::string_view text, std::int64_t& out) {
    const char* end = text.data() + text.size();
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint64_t v = 0;
        const auto [ptr, ec] = std::from_chars(text.data() + 2, end, v, 16);
        if (ec != std::errc() || ptr != end ||
            v > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            return false;
        out = static_cast<std::int64_t>(v);
        return true;
    }
    if (!text.empty() && text[0] == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text[0] == '-')
            return false;
    }
    std::int64_t v = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), end, v, 10);
    if (text.empty() || ec != std::errc() || ptr != end)
        return false;
    out = v;
    return true;
}

bool ParseFloat(std::string_view text, std::string_view decimalSeparator, double& out) {
    std::string s(text);
    if (!decimalSeparator.empty() && decimalSeparator != ".") {
        for (std::size_t p = s.find(decimalSeparator); p != std::string::npos;
             p = s.find(decimalSeparator, p + 1))
            s.replace(p, decimalSeparator.size(), ".");
    }
    for (char& c : s)
        if (c == ',')
            c = '.';
    std::string_view t = s;
    if (!t.empty() && t[0] == '+') {
        t.remove_prefix(1);
        if (!t.empty() && t[0] == '-')
            return false;
    }
    double v = 0;
    const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || ec != std::errc() || ptr != t.data() + t.size() || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

std::int64_t ReadInteger(const fs::path& file, std::string_view section, std::string_view key,
                         std::int64_t def) {
    std::int64_t v = def;
    if (const auto text = Lookup(file, section, key); text && ParseInteger(*text, v))
        return v;
    return def;
}

void WriteInteger(const fs::path& file, std::string_view section, std::string_view key,
                  std::int64_t value) {
    WriteString(file, section, key, std::to_string(value));
}

bool ReadBool(const fs::path& file, std::string_view section, std::string_view key, bool def) {
    return ReadInteger(file, section, key, def ? 1 : 0) != 0;
}

void WriteBool(const fs::path& file, std::string_view section, std::string_view key, bool value) {
    WriteString(file, section, key, value ? "1" : "0");
}

double ReadFloat(const fs::path& file, std::string_view section, std::string_view key, double def,
                 std::string_view decimalSeparator) {
    double v = def;
    if (const auto text = Lookup(file, section, key);
        text && ParseFloat(*text, decimalSeparator, v))
        return v;
    return def;
}

} // namespace ini
