#include "language/Localizer.h"
#include "language/ApplyLanguage.h"
#include "language/LanguageFile.h"
#include "resources/ResourceStrings.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <random>

// Readable failure messages; internal, so no other suite's printer clashes.
static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

// A window shaped like the program's: a caption property of its own, the
// control kinds the language files name, and a non-widget child.
class SampleWindow : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ windowTitle WRITE setWindowTitle)

public:
    explicit SampleWindow(const QString& name = QStringLiteral("Form1")) {
        setObjectName(name);
        setWindowTitle(QStringLiteral("Бримсота v.1.5"));
        auto* layout = new QVBoxLayout(this);
        label = add<QLabel>(layout, "sLabel1");
        label->setText(QStringLiteral("Длина линии:"));
        group = add<QGroupBox>(layout, "sGroupBox1");
        group->setTitle(QStringLiteral("1. Сопротивление провода"));
        combo = add<QComboBox>(layout, "sComboBox3");
        combo->setEditable(true);
        combo->addItems({QStringLiteral("Алюминий чистый (0,0262)"),
                         QStringLiteral("Алюминий, провод (0,0287)")});
        combo->setCurrentIndex(1);
        combo->setToolTip(QStringLiteral("Удельное сопротивление"));
        tabs = add<QTabWidget>(layout, "sPageControl1");
        for (const char* page : {"sTabSheet1", "sTabSheet3"}) {
            auto* w = new QWidget;
            w->setObjectName(page);
            tabs->addTab(w, QStringLiteral("Расчёт"));
        }
        skin = new QObject(this);
        skin->setObjectName(QStringLiteral("sSkinProvider1"));
        skin->setProperty("AddedTitle", QStringLiteral("- расчёт потерь"));
    }

    // Every text a language file can reach, for comparing whole interfaces.
    QStringList Texts() const {
        QStringList texts{windowTitle(),        label->text(),
                          group->title(),       combo->toolTip(),
                          combo->currentText(), skin->property("AddedTitle").toString()};
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
        return texts;
    }

    QLabel* label;
    QGroupBox* group;
    QComboBox* combo;
    QTabWidget* tabs;
    QObject* skin;

private:
    template <class T> T* add(QVBoxLayout* layout, const char* name) {
        auto* w = new T;
        w->setObjectName(name);
        layout->addWidget(w);
        return w;
    }
};

const QString kEnglish = QString::fromUtf8(lang::kLanguageFileHeader) + QStringLiteral(R"(
[Language]
Name=English
[Form1]
Form1.Caption=Brimsota v.1.5
sLabel1.text=Line length:
sGroupBox1.title=1. Wire resistance
sComboBox3.toolTip=Resistivity<br>\r\n<i>typed by hand</i>
sComboBox3.items[0]=Aluminium, pure (0,0262)
sComboBox3.items[1]=Aluminium, wire (0,0287)
sTabSheet1.tabText=Trunk line
sTabSheet3.tabText=Branches
sSkinProvider1.AddedTitle=- losses in 0.4 kV networks
[ResourceStrings]
TraceBegin=CALCULATION START
)");

class LocalizerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        Reset();
        window = std::make_unique<SampleWindow>();
        builtIn = window->Texts();
    }
    void TearDown() override {
        window.reset();
        Reset();
    }

    // An empty language: built-in resource strings, nothing to translate.
    void Reset() {
        Localizer::Instance().SetAutoTranslate(true);
        Localizer::Instance().LoadLanguage(
            Write("empty", QByteArray(lang::kLanguageFileHeader.data())));
    }

    // Writes name.lng and returns its base name.
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString base = dir.filePath(name);
        QFile file(base + QStringLiteral(".lng"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return base;
    }
    QString Write(const QString& name, const QString& text) { return Write(name, text.toUtf8()); }

    QTemporaryDir dir;
    std::unique_ptr<SampleWindow> window;
    QStringList builtIn;
};

TEST_F(LocalizerTest, LoadingTranslatesEveryNamedPropertyAndTheResourceStrings) {
    Localizer::Instance().LoadLanguage(Write("en", kEnglish));
    EXPECT_EQ(window->windowTitle(), "Brimsota v.1.5");
    EXPECT_EQ(window->label->text(), "Line length:");
    EXPECT_EQ(window->group->title(), "1. Wire resistance");
    EXPECT_EQ(window->combo->toolTip(), "Resistivity<br>\r\n<i>typed by hand</i>");
    EXPECT_EQ(window->combo->itemText(0), "Aluminium, pure (0,0262)");
    // The field showed entry 1 and follows it.
    EXPECT_EQ(window->combo->currentText(), "Aluminium, wire (0,0287)");
    EXPECT_EQ(window->tabs->tabText(0), "Trunk line");
    EXPECT_EQ(window->tabs->tabText(1), "Branches");
    EXPECT_EQ(window->skin->property("AddedTitle").toString(), "- losses in 0.4 kV networks");
    EXPECT_EQ(res::Get(res::Str::TraceBegin), "CALCULATION START");
}

TEST_F(LocalizerTest, AnotherLanguageReplacesTheResourceStringsItLacks) {
    Localizer::Instance().LoadLanguage(Write("en", kEnglish));
    Localizer::Instance().LoadLanguage(
        Write("partial", QString::fromUtf8(lang::kLanguageFileHeader) +
                             QStringLiteral("\n[ResourceStrings]\nTraceEnd=END\n")));
    EXPECT_EQ(res::Get(res::Str::TraceBegin), res::Table()[int(res::Str::TraceBegin)].russian);
    EXPECT_EQ(res::Get(res::Str::TraceEnd), "END");
    // The screen keeps what the file does not name.
    EXPECT_EQ(window->label->text(), "Line length:");
}

TEST_F(LocalizerTest, MissingOrForeignFileChangesNothing) {
    Localizer::Instance().LoadLanguage(Write("en", kEnglish));
    const QStringList english = window->Texts();
    Localizer::Instance().LoadLanguage(dir.filePath("no such language"));
    Localizer::Instance().LoadLanguage(
        Write("foreign", QStringLiteral("[Form1]\nsLabel1.text=x\n")));
    Localizer::Instance().LoadLanguage(dir.path()); // a directory, not a file
    EXPECT_EQ(window->Texts(), english);
    EXPECT_EQ(res::Get(res::Str::TraceBegin), "CALCULATION START");
}

TEST_F(LocalizerTest, LoadingTwiceGivesTheSameInterface) {
    const QString en = Write("en", kEnglish);
    Localizer::Instance().LoadLanguage(en);
    const QStringList once = window->Texts();
    int edits = 0;
    QObject::connect(window->combo, &QComboBox::currentTextChanged, [&] { ++edits; });
    Localizer::Instance().LoadLanguage(en);
    EXPECT_EQ(window->Texts(), once);
    EXPECT_EQ(edits, 0);
}

TEST_F(LocalizerTest, DamagedFilesApplyWhatTheyCan) {
    const QByteArray header = QByteArray(lang::kLanguageFileHeader.data()) + "\n[Form1]\n";
    const QByteArray good = "sLabel1.text=Line length:\n";
    std::mt19937 random(11);
    QByteArray noise;
    for (int i = 0; i < 4000; ++i)
        noise += char(random() % 256);

    const QByteArray cases[] = {
        noise,                                              // not a language file at all
        header + good + noise,                              // a good line, then garbage
        header + good + "sGroupBox1.title=1. \xD0\xA1\xD0", // cut inside a letter
        header + good + "sNoSuchLabel.text=x\nNoWindow.text=y\n",
        header + good + "sGroupBox1.title=bad \\q escape\n",
        header + good + "sComboBox3.items[5]=past the list\nsComboBox3.count=7\n",
        header + good +
            "sComboBox3.maxVisibleItems=3\nsLabel1.noSuchProperty=x\n"
            "sGroupBox1.objectName=renamed\n",
    };
    for (const QByteArray& bytes : cases) {
        window = std::make_unique<SampleWindow>();
        Localizer::Instance().LoadLanguage(Write("damaged", bytes));
        const bool recognised = bytes.startsWith(header);
        EXPECT_EQ(window->label->text(), recognised ? "Line length:" : builtIn[1])
            << bytes.left(80).toStdString();
        EXPECT_EQ(window->group->title(), builtIn[2]);
        EXPECT_EQ(window->combo->count(), 2);
        EXPECT_EQ(window->combo->maxVisibleItems(), 10);
        EXPECT_FALSE(window->label->property("noSuchProperty").isValid());
        EXPECT_EQ(window->group->objectName(), "sGroupBox1");
    }
}

TEST_F(LocalizerTest, TypedMaterialSurvivesTheTranslationOfTheList) {
    window->combo->setEditText(QStringLiteral("0,03"));
    int edits = 0;
    QObject::connect(window->combo, &QComboBox::editTextChanged, [&] { ++edits; });
    Localizer::Instance().LoadLanguage(Write("en", kEnglish));
    EXPECT_EQ(window->combo->currentText(), "0,03");
    EXPECT_EQ(window->combo->itemText(1), "Aluminium, wire (0,0287)");
    EXPECT_EQ(edits, 0);
}

TEST_F(LocalizerTest, WithAutomaticTranslationOffOnlyTheResourceStringsChange) {
    Localizer& localizer = Localizer::Instance();
    localizer.SetAutoTranslate(false);
    localizer.LoadLanguage(Write("en", kEnglish));
    EXPECT_EQ(window->Texts(), builtIn);
    EXPECT_EQ(res::Get(res::Str::TraceBegin), "CALCULATION START");

    SampleWindow later;
    localizer.TranslateNewWindow(&later);
    EXPECT_EQ(later.label->text(), builtIn[1]);

    // The loaded language stays current for windows created once it is on.
    localizer.SetAutoTranslate(true);
    localizer.TranslateNewWindow(&later);
    EXPECT_EQ(later.label->text(), "Line length:");
    EXPECT_EQ(window->Texts(), builtIn);
}

TEST_F(LocalizerTest, OnlyWindowsOfTheSectionsNameAreTranslated) {
    SampleWindow other(QStringLiteral("Form2"));
    Localizer::Instance().LoadLanguage(Write("en", kEnglish));
    EXPECT_EQ(other.Texts(), builtIn);
    Localizer::Instance().TranslateNewWindow(&other);
    EXPECT_EQ(other.Texts(), builtIn);
}

TEST(AutomaticLanguage, RussianOnlyForTheThreeWholeLocales) {
    const struct {
        const char* locale;
        InterfaceLanguage expected;
    } cases[] = {
        {"ru_RU", InterfaceLanguage::Russian}, {"uk_UA", InterfaceLanguage::Russian},
        {"be_BY", InterfaceLanguage::Russian}, {"de_DE", InterfaceLanguage::English},
        {"ru_MD", InterfaceLanguage::English}, {"ru_UA", InterfaceLanguage::English},
        {"en_US", InterfaceLanguage::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AutomaticLanguage(QLocale(QString::fromLatin1(c.locale))), c.expected)
            << c.locale;
}

class ApplyLanguageTest : public LocalizerTest {
protected:
    void SetUp() override {
        LocalizerTest::SetUp();
        previousDir = QDir::currentPath();
        ASSERT_TRUE(work.isValid() && besideExe.isValid());
        QDir::setCurrent(work.path());
    }
    void TearDown() override {
        QDir::setCurrent(previousDir);
        LocalizerTest::TearDown();
    }
    static void Put(const QTemporaryDir& in, const QString& name, const QString& text) {
        QFile file(QDir(in.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    QString previousDir;
    QTemporaryDir work;
    QTemporaryDir besideExe;
};

TEST_F(ApplyLanguageTest, FindsTheFileInTheWorkingDirectoryFirstThenBesideTheExecutable) {
    const QString name = LanguageFileName(InterfaceLanguage::English);
    EXPECT_EQ(name, QStringLiteral("Бримсота.en.lng"));
    EXPECT_EQ(LanguageFileName(InterfaceLanguage::Russian), QStringLiteral("Бримсота.ru.lng"));

    EXPECT_TRUE(FindLanguageFile(name, work.path(), besideExe.path()).isEmpty());
    Put(besideExe, name, kEnglish);
    EXPECT_EQ(FindLanguageFile(name, work.path(), besideExe.path()),
              QDir(besideExe.path()).filePath(name));
    Put(work, name, kEnglish);
    EXPECT_EQ(FindLanguageFile(name, work.path(), besideExe.path()),
              QDir(work.path()).filePath(name));
}

TEST_F(ApplyLanguageTest, PresentFileIsLoadedAndMissingOneSwitchesTranslationOff) {
    Put(work, LanguageFileName(InterfaceLanguage::English), kEnglish);
    Localizer::Instance().SetAutoTranslate(false);
    ApplyLanguage(LanguageChoice::English);
    EXPECT_TRUE(Localizer::Instance().AutoTranslate());
    const QStringList english = window->Texts();
    EXPECT_EQ(window->label->text(), "Line length:");

    // No Russian file anywhere: the English texts stay until the next start.
    ApplyLanguage(LanguageChoice::Russian);
    EXPECT_FALSE(Localizer::Instance().AutoTranslate());
    EXPECT_EQ(window->Texts(), english);
    EXPECT_EQ(res::Get(res::Str::TraceBegin), "CALCULATION START");
}

} // namespace

#include "LocalizerTest.moc"
