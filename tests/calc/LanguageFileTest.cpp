#include "language/LanguageFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using lang::ControlText;
using lang::ReadLanguageFile;

namespace {

const std::string kHeader = std::string(lang::kLanguageFileHeader) + "\n";

TEST(LanguageFileReader, ReadsWindowsPropertiesItemsAndResourceStrings) {
    const std::string text = "\xEF\xBB\xBF" + std::string(lang::kLanguageFileHeader) +
                             "\r\n"
                             "[Language]\r\n"
                             "Name=English\r\n"
                             "; a comment=not a text\r\n"
                             "\r\n"
                             "[Form1]\r\n"
                             "Form1.Caption=Brimsota v.1.5\r\n"
                             "sLabel42.text= Resistivity at 20°C: \r\n"
                             "sComboBox3.items[12]=Tungsten (0,0612)\r\n"
                             "sComboBox3.toolTip=Line one<br>\\r\\n<i>a\\\\b</i>\r\n"
                             "sLabel1.text=a=b\r\n"
                             "[ResourceStrings]\r\n"
                             "TraceBegin=CALCULATION START\r\n"
                             "[Form2]\n"
                             "sLabel1.text=other window"; // no final line break
    const auto file = ReadLanguageFile(text);
    ASSERT_TRUE(file.recognised);
    EXPECT_EQ(file.name, "English");
    ASSERT_EQ(file.windows.size(), 2u);
    const std::vector<ControlText> form1{
        {"Form1", "Caption", -1, "Brimsota v.1.5"},
        // The text is taken as it stands: spaces are part of it.
        {"sLabel42", "text", -1, " Resistivity at 20°C: "},
        {"sComboBox3", "items", 12, "Tungsten (0,0612)"},
        {"sComboBox3", "toolTip", -1, "Line one<br>\r\n<i>a\\b</i>"},
        {"sLabel1", "text", -1, "a=b"},
    };
    EXPECT_EQ(file.windows.at("Form1"), form1);
    EXPECT_EQ(file.windows.at("Form2"),
              (std::vector<ControlText>{{"sLabel1", "text", -1, "other window"}}));
    EXPECT_EQ(file.resourceStrings, (std::map<std::string, std::string, std::less<>>{
                                        {"TraceBegin", "CALCULATION START"}}));
}

TEST(LanguageFileReader, FileWithoutTheFirstLineIsNotRead) {
    for (const std::string first : {"", "[Form1]", "; another program's file", "\xFF\xFE;"}) {
        const auto file = ReadLanguageFile(first + "\n[Form1]\nsLabel1.text=x\n");
        EXPECT_FALSE(file.recognised) << first;
        EXPECT_TRUE(file.windows.empty()) << first;
    }
    EXPECT_FALSE(ReadLanguageFile("").recognised);
}

TEST(LanguageFileReader, SkipsLinesItCannotUseAndKeepsTheRest) {
    const std::string tooLong = "sLabel1.text=" + std::string(lang::kMaxLineBytes, 'x');
    const char* const bad[] = {
        "sLabel1.text",               // no "="
        "sLabel1=text",               // no property
        ".text=x",                    // no control
        "sLabel 1.text=x",            // not a name
        "sLabel1.te-xt=x",            // not a name
        "sComboBox3.items[]=x",       // no index
        "sComboBox3.items[a]=x",      // not a number
        "sComboBox3.items[100000]=x", // past any list
        "sComboBox3.items[1=x",       // unclosed
        "sLabel1.text[1]=x",          // only items take an index
        "sLabel1.text=bad \\t escape",
        "sLabel1.text=ends in a backslash\\",
        "sLabel1.text=\xC3\x28 invalid UTF-8",
        "sLabel1.text=\xED\xA0\x80 surrogate",
        "sLabel1.text=\xC0\xAF overlong",
        tooLong.c_str(),
    };
    for (const char* line : bad) {
        const auto file = ReadLanguageFile(kHeader + "[Form1]\n" + line + "\nsLabel2.text=ok\n");
        ASSERT_TRUE(file.recognised);
        EXPECT_EQ(file.windows.at("Form1"),
                  (std::vector<ControlText>{{"sLabel2", "text", -1, "ok"}}))
            << line;
    }
}

TEST(LanguageFileReader, LinesUnderABrokenOrMissingSectionGoNowhere) {
    const auto file = ReadLanguageFile(kHeader + "sLabel0.text=before any section\n"
                                                 "[Form1]\n"
                                                 "sLabel1.text=one\n"
                                                 "[Form 2]\n"
                                                 "sLabel2.text=lost\n"
                                                 "[Form3\n"
                                                 "sLabel3.text=lost\n"
                                                 "[ResourceStrings]\n"
                                                 "Bad Key=lost\n"
                                                 "TraceEnd=END\n");
    ASSERT_EQ(file.windows.size(), 1u);
    EXPECT_EQ(file.windows.at("Form1"), (std::vector<ControlText>{{"sLabel1", "text", -1, "one"}}));
    EXPECT_EQ(file.resourceStrings.size(), 1u);
    EXPECT_EQ(file.resourceStrings.at("TraceEnd"), "END");
}

TEST(LanguageFileReader, TruncatedFileKeepsTheWholeLinesBeforeTheCut) {
    const std::string whole = kHeader + "[Form1]\nsLabel1.text=Длина\nsLabel2.text=Сечение\n";
    // Cut inside the last text, in the middle of a two-byte letter.
    const auto cut = whole.substr(0, whole.size() - 4);
    const auto file = ReadLanguageFile(cut);
    const auto& texts = file.windows.at("Form1");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Длина");
}

TEST(LanguageFileReader, WrittenFileReadsBackTheSame) {
    lang::LanguageFile file;
    file.recognised = true;
    file.name = "English";
    file.windows["Form1"] = {{"Form1", "Caption", -1, "Brimsota"},
                             {"sComboBox3", "items", 0, "Aluminium, pure (0,0262)"},
                             {"sSpinEdit5", "toolTip", -1, "a<br>\r\n\\b\\r\n"}};
    file.resourceStrings["TraceBegin"] = "START\\n";
    EXPECT_EQ(ReadLanguageFile(lang::WriteLanguageFile(file)), file);

    // And whatever the reader makes of damaged input, too.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string noise = kHeader + "[Form1]\nsLabel1.text=";
        for (int i = 0; i < 300; ++i) {
            const int b = byte(random);
            // Weight the bytes the reader cares about.
            noise += b < 20 ? "\n=.[]\\rn;"[b % 10] : static_cast<char>(b);
        }
        const auto read = ReadLanguageFile(noise);
        EXPECT_EQ(ReadLanguageFile(lang::WriteLanguageFile(read)), read) << round;
    }
}

} // namespace
