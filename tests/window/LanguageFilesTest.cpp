// The shipped language files against the main window: every translatable
// text has an entry in both, the Russian file holds the built-in texts, and
// the English one translates the pages, the hints and the trace.

#include "language/LanguageFile.h"
#include "language/Localizer.h"
#include "language/WindowTexts.h"
#include "resources/ResourceStrings.h"
#include "ui/Unit1.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

namespace {

// The files of the source tree, not the copies the build made at configure
// time, so a stale copy cannot hide a missing entry.
QString LanguageDir() {
    return QFileInfo(QString::fromUtf8(__FILE__)).absoluteDir().filePath("../../lang");
}

std::string Key(const lang::ControlText& t) {
    return t.control + '.' + t.property + (t.index >= 0 ? '[' + std::to_string(t.index) + ']' : "");
}

// Section Form1 by key, as the file holds it.
std::map<std::string, std::string> WindowEntries(const lang::LanguageFile& file) {
    std::map<std::string, std::string> entries;
    if (const auto form = file.windows.find("Form1"); form != file.windows.end())
        for (const auto& t : form->second)
            entries[Key(t)] = t.text;
    return entries;
}

lang::LanguageFile Read(const char* base) {
    QFile file(QDir(LanguageDir()).filePath(QString::fromUtf8(base) + ".lng"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QByteArray bytes = file.readAll();
    return lang::ReadLanguageFile(std::string_view(bytes.constData(), bytes.size()));
}

class LanguageFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previousDir = QDir::currentPath();
        // No settings and no language file here: the window comes up built in.
        QDir::setCurrent(dir.path());
        LoadEmptyLanguage();
        form = std::make_unique<TForm1>(dir.path() + '/');
    }
    void TearDown() override {
        form.reset();
        LoadEmptyLanguage();
        QDir::setCurrent(previousDir);
    }
    void LoadEmptyLanguage() {
        QFile empty(dir.filePath("empty.lng"));
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
        empty.write(lang::kLanguageFileHeader.data());
        empty.close();
        Localizer::Instance().SetAutoTranslate(true);
        Localizer::Instance().LoadLanguage(dir.filePath("empty"));
    }
    // As ApplyLanguage does for a file it found; the window's own start-up
    // found none and switched automatic translation off.
    void Load(const char* base) {
        Localizer::Instance().SetAutoTranslate(true);
        Localizer::Instance().LoadLanguage(QDir(LanguageDir()).filePath(QString::fromUtf8(base)));
    }
    template <class T> T* get(const char* name) {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QTemporaryDir dir;
    QString previousDir;
    std::unique_ptr<TForm1> form;
};

TEST_F(LanguageFilesTest, BothFilesCoverEveryTranslatableTextAndResourceString) {
    const auto builtIn = lang::TranslatableTexts(form.get());
    ASSERT_GT(builtIn.size(), 100u);
    std::set<std::string> windowKeys;
    for (const auto& t : builtIn)
        windowKeys.insert(Key(t));

    for (const char* base : {"Бримсота.ru", "Бримсота.en"}) {
        SCOPED_TRACE(base);
        const auto file = Read(base);
        ASSERT_TRUE(file.recognised);
        const auto entries = WindowEntries(file);
        for (const auto& key : windowKeys)
            EXPECT_TRUE(entries.count(key)) << "no entry for " << key;
        // Result labels and input texts must stay out; so must names the
        // window no longer has.
        for (const auto& [key, text] : entries)
            EXPECT_TRUE(windowKeys.count(key)) << "entry for nothing translatable: " << key;
        for (int i = 0; i < res::Count(); ++i)
            EXPECT_TRUE(file.resourceStrings.count(res::Table()[i].key))
                << "no resource string " << res::Table()[i].key;
    }

    // Switching back to Russian must give the built-in texts, not older ones.
    const auto russian = WindowEntries(Read("Бримсота.ru"));
    for (const auto& t : builtIn)
        EXPECT_EQ(russian.count(Key(t)) ? russian.at(Key(t)) : "", t.text) << Key(t);
    const auto ruStrings = Read("Бримсота.ru").resourceStrings;
    for (int i = 0; i < res::Count(); ++i)
        EXPECT_EQ(ruStrings.count(res::Table()[i].key) ? ruStrings.at(res::Table()[i].key) : "",
                  res::Table()[i].russian);
}

TEST_F(LanguageFilesTest, EnglishFileLeavesNoRussianBehind) {
    // Language names are offered in their own language.
    const std::set<std::string> ownNames{"sRadioButton8.text"};
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    const auto english = Read("Бримсота.en");
    for (const auto& [key, text] : WindowEntries(english)) {
        if (!ownNames.count(key)) {
            EXPECT_FALSE(QString::fromStdString(text).contains(cyrillic)) << key << "=" << text;
        }
    }
    for (const auto& [key, text] : english.resourceStrings)
        EXPECT_FALSE(QString::fromStdString(text).contains(cyrillic)) << key << "=" << text;
}

TEST_F(LanguageFilesTest, EnglishTranslatesPagesHintsAndTraceAndRussianBringsThemBack) {
    auto* tabs = get<QTabWidget>("sPageControl1");
    const QStringList resultNames = lang::ResultLabelNames();
    auto results = [&] {
        QStringList texts;
        for (const QString& name : resultNames)
            if (auto* label = form->findChild<QLabel*>(name))
                texts << label->text();
        return texts;
    };
    form->Calculation380();
    form->Calculation220();
    form->Calculationlength();
    const QStringList before = results();
    const auto builtIn = lang::TranslatableTexts(form.get());

    Load("Бримсота.en");
    const QStringList pages{"Three-phase trunk line calculation", "Single-phase branch calculation",
                            "Equivalent length calculation", "Interface", "Help"};
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_EQ(tabs->tabText(i), pages.value(i));
    EXPECT_EQ(get<QLabel>("sLabel42")->text(), "Resistivity at 20°C:");
    EXPECT_EQ(get<QLabel>("sLabel92")->text(), "Equivalent wire length:");
    EXPECT_EQ(get<QComboBox>("sComboBox1")->itemText(1), "Aluminium, wire (0,0287)");
    EXPECT_TRUE(get<QWidget>("sComboBox3")
                    ->toolTip()
                    .startsWith("Resistivity of the wire material.<br>\r\n<i>"));
    // No result is reset by the load itself.
    EXPECT_EQ(results(), before);

    form->Calculation380();
    const QString trace = get<QPlainTextEdit>("sMemo1")->toPlainText();
    EXPECT_TRUE(trace.startsWith("CALCULATION START")) << trace.left(40).toStdString();
    EXPECT_TRUE(trace.contains("Very low loss percentage!"));
    EXPECT_TRUE(trace.endsWith("CALCULATION END"));
    EXPECT_EQ(QString::fromStdString(res::Get(res::Str::SettingsSaveFailed)),
              "Cannot save the settings:");

    Load("Бримсота.ru");
    EXPECT_EQ(lang::TranslatableTexts(form.get()), builtIn);
    form->Calculation380();
    EXPECT_TRUE(get<QPlainTextEdit>("sMemo1")->toPlainText().startsWith("НАЧАЛО РАСЧЁТА"));
}

} // namespace
