#include "settings/IniFile.h"
#include "settings/TextEncoding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

class IniFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "ini-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        dir = tmpl;
        file = dir / "бримсота.ini";
    }

    void TearDown() override {
        // Give back write rights that a test took away, so the directory can go.
        std::error_code ec;
        for (const auto& e : fs::recursive_directory_iterator(dir, ec))
            fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }

    static void Put(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }

    static std::string Get(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.push_back(e.path().filename().string());
        return names;
    }

    fs::path dir;
    fs::path file;
};

// ---- Reading --------------------------------------------------------------

TEST_F(IniFileTest, ReadsValuesByTheFileRules) {
    Put(file, "; comment\n"
              "top=before any section\n"
              "[Main]\n"
              "plain=value\n"
              "  spaced =  \t padded value \t\n"
              "dq=\"quoted value\"\n"
              "sq=  'single'  \n"
              "mixed=\"half'\n"
              "onlyquote=\"\n"
              "twice=\"\"x\"\"\n"
              "inner=a \"b\" c\n"
              "empty=\n"
              "blankq=\" \"\n"
              "no equals sign\n"
              "=orphan\n"
              ";commented=yes\n"
              "Case=upper\n"
              "dup=first\n"
              "dup=second\n"
              "[main]\n"
              "second=in the duplicate section\n"
              "[ Spaced Section ]  ; trailing note\n"
              "k=v\n"
              "[Кириллица]\r\n"
              "Ключ=значение\r\n");
    struct Case {
        const char* section;
        const char* key;
        std::string expected;
    };
    const std::string def = "<default>";
    const Case cases[] = {
        {"Main", "plain", "value"},
        {"MAIN", "PLAIN", "value"},
        {"main", "spaced", "padded value"},
        {"Main", "dq", "quoted value"},
        {"Main", "sq", "single"},
        {"Main", "mixed", "\"half'"},
        {"Main", "onlyquote", "\""},
        {"Main", "twice", "\"x\""},
        {"Main", "inner", "a \"b\" c"},
        {"Main", "empty", ""},
        {"Main", "blankq", " "},
        {"Main", "no equals sign", def},
        {"Main", ";commented", def},
        {"Main", "", def},
        {"Main", "case", "upper"},
        {"Main", "dup", "first"},
        {"Main", "second", def},
        {"", "top", def},
        {"Spaced Section", "k", "v"},
        {"кИРИЛЛИЦА", "КЛЮЧ", "значение"},
        {"Main", "missing", def},
        {"Missing", "plain", def},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini::ReadString(file, c.section, c.key, def), c.expected)
            << "[" << c.section << "] " << c.key;
}

TEST_F(IniFileTest, MissingFileReadsDefaultsAndIsNotCreated) {
    EXPECT_EQ(ini::ReadString(file, "APP", "SkinName", "dflt"), "dflt");
    EXPECT_EQ(ini::ReadInteger(file, "APP", "Locale", 7), 7);
    EXPECT_TRUE(ini::ReadBool(file, "APP", "Stylization", true));
    EXPECT_EQ(ini::ReadFloat(file, "I", "Coef1", 2.5, ","), 2.5);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(ini::ReadString(dir, "APP", "SkinName", "dir"), "dir");
}

TEST(IniParse, Integers) {
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    struct Case {
        const char* text;
        bool ok;
        std::int64_t value;
    };
    const Case cases[] = {
        {"0", true, 0},
        {"1049", true, 1049},
        {"-5", true, -5},
        {"+7", true, 7},
        {"007", true, 7},
        {"0x419", true, 1049},
        {"0X1f", true, 31},
        {"0x7FFFFFFFFFFFFFFF", true, kMax},
        {"9223372036854775807", true, kMax},
        {"-9223372036854775808", true, kMin},
        {"4294967296", true, 4294967296},
        {"9223372036854775808", false, 0},
        {"0x8000000000000000", false, 0},
        {"99999999999999999999999", false, 0},
        {"0x", false, 0},
        {"0xg", false, 0},
        {"-0x5", false, 0},
        {"", false, 0},
        {"abc", false, 0},
        {"12a", false, 0},
        {"1.5", false, 0},
        {"1 2", false, 0},
        {"+-1", false, 0},
        {"--1", false, 0},
        {"+", false, 0},
    };
    for (const Case& c : cases) {
        std::int64_t v = 123;
        EXPECT_EQ(ini::ParseInteger(c.text, v), c.ok) << c.text;
        EXPECT_EQ(v, c.ok ? c.value : 123) << c.text;
    }
}

TEST(IniParse, FloatsAcceptEitherSeparator) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {"2,5", true, 2.5},    {"2.5", true, 2.5},  {"35", true, 35},     {"-0,29", true, -0.29},
        {"+0.2", true, 0.2},   {",5", true, 0.5},   {"1E-5", true, 1e-5}, {"1,5e3", true, 1500},
        {"", false, 0},        {"abc", false, 0},   {"2,5x", false, 0},   {"1,2,3", false, 0},
        {"1.234,5", false, 0}, {"INF", false, 0},   {"-INF", false, 0},   {"NAN", false, 0},
        {"1e400", false, 0},   {"0x1p3", false, 0}, {"+-1", false, 0},    {"2 5", false, 0},
    };
    for (const char* separator : {",", "."}) {
        for (const Case& c : cases) {
            double v = -1;
            EXPECT_EQ(ini::ParseFloat(c.text, separator, v), c.ok) << c.text << " " << separator;
            EXPECT_DOUBLE_EQ(v, c.ok ? c.value : -1) << c.text << " " << separator;
        }
    }
    double v = 0;
    EXPECT_TRUE(ini::ParseFloat("2\u066B5", "\u066B", v)); // Arabic decimal separator
    EXPECT_DOUBLE_EQ(v, 2.5);
}

TEST_F(IniFileTest, TypedReadsFallBackToTheirDefaults) {
    Put(file, "[APP]\nLocale=0x419\nStylization=0\nBad=abc\nEmpty=\nSeven=7\nHexZero=0x0\n"
              "Big=-9223372036854775808\nQuoted=\"42\"\n"
              "[INTERFACE_380]\nCoef1=2,5\nCoef3=0.29\nCross-section=35\nWord=two\n");
    EXPECT_EQ(ini::ReadInteger(file, "APP", "Locale", 0), 1049);
    EXPECT_EQ(ini::ReadInteger(file, "APP", "Bad", 30), 30);
    EXPECT_EQ(ini::ReadInteger(file, "APP", "Empty", 30), 30);
    EXPECT_EQ(ini::ReadInteger(file, "APP", "Big", 0), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(ini::ReadInteger(file, "APP", "Quoted", 0), 42);

    struct BoolCase {
        const char* key;
        bool def;
        bool expected;
    };
    const BoolCase bools[] = {
        {"Stylization", true, false}, {"Seven", false, true}, {"HexZero", true, false},
        {"Bad", true, true},          {"Bad", false, false},  {"Missing", true, true},
        {"Missing", false, false},    {"Empty", true, true},
    };
    for (const BoolCase& c : bools)
        EXPECT_EQ(ini::ReadBool(file, "APP", c.key, c.def), c.expected) << c.key << " " << c.def;

    // A file written under a comma locale keeps its values under a point locale.
    for (const char* separator : {",", "."}) {
        EXPECT_DOUBLE_EQ(ini::ReadFloat(file, "INTERFACE_380", "Coef1", 1, separator), 2.5);
        EXPECT_DOUBLE_EQ(ini::ReadFloat(file, "INTERFACE_380", "Coef3", 1, separator), 0.29);
        EXPECT_DOUBLE_EQ(ini::ReadFloat(file, "INTERFACE_380", "Cross-section", 1, separator), 35);
        EXPECT_DOUBLE_EQ(ini::ReadFloat(file, "INTERFACE_380", "Word", 0.2, separator), 0.2);
    }
}

TEST_F(IniFileTest, WholeNumbersBeyond32BitsRoundTrip) {
    for (std::int64_t v :
         {std::int64_t{0}, std::int64_t{-1}, std::int64_t{4294967296}, std::int64_t{-2147483649},
          std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min()}) {
        ini::WriteInteger(file, "INTERFACE_380", "Power", v);
        EXPECT_EQ(ini::ReadInteger(file, "INTERFACE_380", "Power", 51000), v);
    }
    ini::WriteBool(file, "INTERFACE_L", "Cu2", false);
    ini::WriteBool(file, "INTERFACE_L", "Cu1", true);
    EXPECT_EQ(Get(file),
              "[INTERFACE_380]\nPower=-9223372036854775808\n[INTERFACE_L]\nCu2=0\nCu1=1\n");
}

TEST_F(IniFileTest, LegacyWindows1251LinesReadAsCyrillic) {
    // "Медь (0,0175)" in the Windows Cyrillic code page, as the old program stored it.
    const std::string cp1251 = "\xCC\xE5\xE4\xFC (0,0175)";
    Put(file, "[INTERFACE_380]\r\nResistivity=" + cp1251 +
                  "\r\n[\xD0\xE0\xE7\xED\xEE\xE5]\r\n"
                  "\xCA\xEB\xFE\xF7=\xA8\xEB\xEA\xE0\r\n");
    EXPECT_EQ(ini::ReadString(file, "INTERFACE_380", "Resistivity", ""), "Медь (0,0175)");
    EXPECT_EQ(ini::ReadString(file, "разное", "ключ", ""), "Ёлка");
}

// ---- Writing --------------------------------------------------------------

TEST_F(IniFileTest, NewFileIsUtf8WithoutMarkAndLf) {
    ini::WriteString(file, "APP", "SkinName", "Windows 10 (внутренний)");
    ini::WriteBool(file, "APP", "Stylization", true);
    ini::WriteInteger(file, "APP", "Locale", 0);
    ini::WriteString(file, "INTERFACE_380", "Resistivity", "Алюминий, провод (0,0287)");
    ini::WriteString(file, "INTERFACE_L", "Fi", "1");
    ini::WriteString(file, "INTERFACE_380", "Coef3", "0,29");
    EXPECT_EQ(Get(file), "[APP]\n"
                         "SkinName=Windows 10 (внутренний)\n"
                         "Stylization=1\n"
                         "Locale=0\n"
                         "[INTERFACE_380]\n"
                         "Resistivity=Алюминий, провод (0,0287)\n"
                         "Coef3=0,29\n"
                         "[INTERFACE_L]\n"
                         "Fi=1\n");
}

TEST_F(IniFileTest, EditsTouchOnlyTheirLine) {
    struct Case {
        const char* what;
        std::string before;
        const char* section;
        const char* key;
        const char* value;
        std::string after;
    };
    const std::string cp1251Line = "Resistivity=\xCC\xE5\xE4\xFC\r\n";
    const Case cases[] = {
        {"replaced in place, file's own key spelling, the rest byte for byte",
         "; head\n[A]\nx=1\n  ; note\n  Key = old \nz=3\n\n[B]\ny=2\n", "a", "KEY", "new",
         "; head\n[A]\nx=1\n  ; note\nKey=new\nz=3\n\n[B]\ny=2\n"},
        {"new key after the last key, before the blank line and the next section's comment",
         "[A]\nx=1\n; about x\ny=2\n\n; about B\n[B]\ny=2\n", "A", "n", "5",
         "[A]\nx=1\n; about x\ny=2\nn=5\n\n; about B\n[B]\ny=2\n"},
        {"new key in a section without keys goes right after its header", "[A]\n; c\n[B]\n", "A",
         "k", "v", "[A]\nk=v\n; c\n[B]\n"},
        {"new section at the end of a file without a final line end", "[A]\nx=1", "B", "k", "v",
         "[A]\nx=1\n[B]\nk=v\n"},
        {"new key in the last section of a file without a final line end", "[A]\nx=1", "A", "k",
         "v", "[A]\nx=1\nk=v"},
        {"CR LF file stays CR LF (new key)", "[A]\r\nx=1\r\n\r\n", "A", "y", "2",
         "[A]\r\nx=1\r\ny=2\r\n\r\n"},
        {"CR LF file stays CR LF (new section)", "[A]\r\nx=1\r\n", "B", "z", "3",
         "[A]\r\nx=1\r\n[B]\r\nz=3\r\n"},
        {"CR line ends stay CR", "[A]\rx=1\r", "A", "y", "2", "[A]\rx=1\ry=2\r"},
        {"the first of duplicate sections is written", "[A]\nk=1\n[a]\nk=2\n", "A", "k", "9",
         "[A]\nk=9\n[a]\nk=2\n"},
        {"the first of duplicate keys is written", "[A]\nk=1\nK=2\n", "A", "k", "9",
         "[A]\nk=9\nK=2\n"},
        {"Cyrillic names match without regard to case", "[Раздел]\nКлюч=1\n", "РАЗДЕЛ", "ключ", "2",
         "[Раздел]\nКлюч=2\n"},
        {"keys before any section are not a section's", "k=1\n", "A", "k", "2", "k=1\n[A]\nk=2\n"},
        {"a value reading would change is quoted", "", "A", "k", " padded ",
         "[A]\nk=\" padded \"\n"},
        {"UTF-8 mark kept", "\xEF\xBB\xBF[A]\nx=1\n", "A", "x", "2", "\xEF\xBB\xBF[A]\nx=2\n"},
        {"legacy code-page line kept byte for byte", "[I]\r\n" + cp1251Line, "I", "T", "30",
         "[I]\r\n" + cp1251Line + "T=30\r\n"},
        {"junk without '=' kept", "[A]\n\x01\x02 junk\n[B\n", "A", "k", "v",
         "[A]\nk=v\n\x01\x02 junk\n[B\n"},
    };
    for (const Case& c : cases) {
        Put(file, c.before);
        ini::WriteString(file, c.section, c.key, c.value);
        EXPECT_EQ(Get(file), c.after) << c.what;
    }
}

TEST_F(IniFileTest, ValuesReadBackAsWritten) {
    std::string longValue;
    while (longValue.size() < 5000)
        longValue += "Алюминий, провод (0,0287); ";
    longValue += "конец";
    const std::string values[] = {"",           " lead",
                                  "trail\t",    "\"q\"",
                                  "'s'",        "\"",
                                  "'",          "a=b=c",
                                  "x ; y",      "[z]",
                                  "\" mixed '", "Медь (0,0175)",
                                  longValue,    std::string(2048, 'x')};
    for (const std::string& v : values) {
        ini::WriteString(file, "S", "k", v);
        EXPECT_TRUE(ini::ReadString(file, "S", "k", "<default>") == v) << v.substr(0, 40);
    }
    // A long value written by hand is not cut at 2047 characters either.
    Put(file, "[S]\nk=" + longValue + "\n");
    EXPECT_TRUE(ini::ReadString(file, "S", "k", "") == longValue);
}

TEST_F(IniFileTest, Utf16FilesStayUtf16WithTheirMark) {
    for (const bool big : {false, true}) {
        SCOPED_TRACE(big ? "UTF-16 BE" : "UTF-16 LE");
        const std::string mark = big ? "\xFE\xFF" : "\xFF\xFE";
        const auto utf16 = [&](const std::string& s) { return ini::Utf8ToUtf16(s, big); };
        // An unpaired surrogate in a comment must survive untouched.
        const std::string lone = big ? "\xD8\x01"s : "\x01\xD8"s;
        const std::string before = mark + utf16("; ") + lone +
                                   utf16("\r\n[INTERFACE_380]\r\n"
                                         "Resistivity=Медь (0,0175)\r\n");
        Put(file, before);
        EXPECT_EQ(ini::ReadString(file, "interface_380", "resistivity", ""), "Медь (0,0175)");

        ini::WriteString(file, "INTERFACE_380", "Resistivity", "Алюминий 𝛼");
        ini::WriteString(file, "APP", "Locale", "1049");
        EXPECT_EQ(Get(file), mark + utf16("; ") + lone +
                                 utf16("\r\n[INTERFACE_380]\r\nResistivity=Алюминий 𝛼\r\n"
                                       "[APP]\r\nLocale=1049\r\n"));
        EXPECT_EQ(ini::ReadString(file, "INTERFACE_380", "Resistivity", ""), "Алюминий 𝛼");
    }
}

TEST_F(IniFileTest, NamesAndValuesNoLineCanHoldAreRejected) {
    Put(file, "[A]\nk=1\n");
    struct Case {
        const char* section;
        const char* key;
        std::string value;
    };
    const Case cases[] = {
        {"", "k", "v"},   {"a]b", "k", "v"},  {" A", "k", "v"},   {"A\n", "k", "v"},
        {"A", "", "v"},   {"A", "a=b", "v"},  {"A", "[k", "v"},   {"A", ";k", "v"},
        {"A", "k ", "v"}, {"A", "k", "a\nb"}, {"A", "k", "a\rb"}, {"A", "k", "a\0b"s},
    };
    for (const Case& c : cases)
        EXPECT_THROW(ini::WriteString(file, c.section, c.key, c.value), std::invalid_argument)
            << c.section << "/" << c.key;
    EXPECT_EQ(Get(file), "[A]\nk=1\n");
}

// ---- Refused writes and atomic replacement -------------------------------

TEST_F(IniFileTest, RefusedWriteThrowsAndLeavesEverythingAsItWas) {
    EXPECT_STREQ(ini::EIniFileException::TypeName, "EIniFileException");
    Put(dir / "plain", "not a directory");
    fs::create_directory(dir / "sub");
    Put(dir / "readonly.ini", "[A]\r\nk=old\r\n");
    fs::permissions(dir / "readonly.ini", fs::perms(0444));

    const fs::path targets[] = {
        dir / "plain" / "бримсота.ini",   // parent is a regular file
        dir / "missing" / "бримсота.ini", // directory does not exist
        dir / "readonly.ini",             // read-only file, refused even for root
        dir / "sub",                      // a directory, not a file
    };
    for (const fs::path& target : targets) {
        const auto before = Entries();
        try {
            ini::WriteString(target, "A", "k", "new");
            ADD_FAILURE() << "no exception for " << target;
        } catch (const ini::EIniFileException& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + target.string());
        }
        EXPECT_EQ(Entries(), before) << "temporary file left for " << target;
    }
    EXPECT_EQ(Get(dir / "readonly.ini"), "[A]\r\nk=old\r\n");
    EXPECT_EQ(Get(dir / "plain"), "not a directory");
    EXPECT_TRUE(fs::is_empty(dir / "sub"));
}

TEST_F(IniFileTest, RefusedWriteInReadOnlyDirectory) {
    const fs::path locked = dir / "locked";
    fs::create_directory(locked);
    Put(locked / "бримсота.ini", "[A]\nk=old\n");
    fs::permissions(locked, fs::perms(0555));
    if (::access(locked.c_str(), W_OK) == 0)
        GTEST_SKIP() << "running as root: directory permission bits do not stop writes";
    EXPECT_THROW(ini::WriteString(locked / "бримсота.ini", "A", "k", "new"),
                 ini::EIniFileException);
    EXPECT_EQ(Get(locked / "бримсота.ini"), "[A]\nk=old\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(locked), {}), 1);
}

TEST_F(IniFileTest, WriteReplacesTheFileWholeKeepingItsPermissions) {
    Put(file, "[A]\nk=old\n");
    fs::permissions(file, fs::perms(0640));
    // A reader that opened the file before the write keeps seeing the whole
    // old content: the new one arrives in a new file, never over the old bytes.
    std::ifstream reader(file, std::ios::binary);
    ini::WriteString(file, "A", "k", "new");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), "[A]\nk=old\n");
    EXPECT_EQ(Get(file), "[A]\nk=new\n");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));
    EXPECT_EQ(Entries(), std::vector<std::string>{file.filename().string()});
}

TEST_F(IniFileTest, WriteThroughSymbolicLinkUpdatesItsTarget) {
    fs::create_directory(dir / "real");
    Put(dir / "real" / "settings.ini", "[A]\nk=old\n");
    fs::create_symlink("real/settings.ini", file);
    ini::WriteString(file, "A", "k", "new");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(file)));
    EXPECT_EQ(Get(dir / "real" / "settings.ini"), "[A]\nk=new\n");
}

// ---- Robustness -----------------------------------------------------------

TEST_F(IniFileTest, UglyInputsReadWhatTheyCan) {
    std::mt19937 random(12345);
    std::string noise(64 * 1024, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    noise[0] = '#'; // never a byte-order mark
    struct Case {
        const char* what;
        std::string junk;
    };
    const Case cases[] = {
        {"random bytes", noise},
        {"a 1 MB line without '='", std::string(1 << 20, 'a') + "\n"},
        {"NUL bytes", "[\0]\n\0=\0\n"s},
        {"invalid UTF-8", "[A\xFF]\n\xC0\xAF=\xED\xA0\x80\n\xF4\x90\x80\x80\n"},
        {"unterminated section and stray brackets", "[A\n]\n[[]]\n[=]=\n"},
        {"a lone UTF-16 mark byte", "\xFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Put(file, c.junk + "\n[Good]\nkey=value\nnul=a\0b\n"s);
        EXPECT_EQ(ini::ReadString(file, "good", "KEY", ""), "value");
        EXPECT_EQ(ini::ReadString(file, "Good", "nul", ""), "a\0b"s);
        ini::WriteString(file, "Good", "added", "1");
        EXPECT_EQ(ini::ReadInteger(file, "Good", "added", 0), 1);
        EXPECT_EQ(Get(file).substr(0, c.junk.size()), c.junk);
    }
}

} // namespace
