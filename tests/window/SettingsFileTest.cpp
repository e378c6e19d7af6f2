// The settings file through the real window: what a close writes, what a
// start restores, the fallbacks of damaged or missing values, and the message
// of a failed operation.

#include "language/LanguageFile.h"
#include "language/Localizer.h"
#include "settings/IniFile.h"
#include "settings/SettingsMessage.h"
#include "ui/ProgramNumberFormat.h"
#include "ui/TsSpinEdit.h"
#include "ui/Unit1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <sys/stat.h>

namespace {

const char kItem2[] = "Алюминий, плохой провод (0,0295)";
const char kDesignMaterial[] = "Алюминий, провод (0,0287)";

// The file of a program whose every input holds its default, with a comma
// as the decimal separator and `material` in both material boxes.
std::string DefaultFile(const std::string& material) {
    return "[APP]\n"
           "SkinName=Windows 10 (внутренний)\n"
           "Stylization=1\n"
           "Locale=0\n"
           "[INTERFACE_380]\n"
           "Resistivity=" +
           material +
           "\n"
           "Temperature=30\n"
           "Cross-section=35\n"
           "Length=340\n"
           "Coef1=2,5\n"
           "Coef2=0,2\n"
           "Power=51000\n"
           "Period=365\n"
           "Coef3=0,29\n"
           "Coef3cos=0,96\n"
           "PowerAll=54000\n"
           "[INTERFACE_L]\n"
           "Fi=1\n"
           "Cu1=1\n"
           "Cu2=0\n"
           "Cross-section1=6\n"
           "EquLength=8\n"
           "Cross-section2=16\n"
           "[INTERFACE_220]\n"
           "Resistivity_220=" +
           material +
           "\n"
           "Temperature_220=30\n"
           "Cross-section_220=16\n"
           "Length_220=35\n"
           "Coef1_220=1\n"
           "MaxAmperage220=16\n"
           "Coef2_220=0,2\n"
           "Hours_220=24\n"
           "Period_220=365\n"
           "Amount_220=20\n"
           "Power_220=51000\n"
           "PowerAll_220=54000\n";
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedSeparator_ = ProgramNumberFormat().decimalSeparator;
        ProgramNumberFormat().decimalSeparator = ",";
        ASSERT_TRUE(dir_.isValid());
        appDir_ = dir_.path();
        // No language file in the working directory unless a test puts one.
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        previousHook_ =
            settings::SetMessageHook([this](const QString& text) { messages_ << text; });
    }
    void TearDown() override {
        form_.reset();
        settings::SetMessageHook(previousHook_);
        QDir::setCurrent(previousDir_);
        ProgramNumberFormat().decimalSeparator = savedSeparator_;
    }

    void Start() {
        form_.reset();
        form_ = std::make_unique<TForm1>(appDir_);
        form_->show();
    }
    void Close() { form_->close(); }

    QString IniPath() const { return appDir_ + "/бримсота.ini"; }
    void Put(const std::string& bytes) {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    std::string Get() const {
        QFile file(IniPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll().toStdString();
    }
    bool FileHasLine(const std::string& line) const {
        return ("\n" + Get()).find("\n" + line + "\n") != std::string::npos;
    }

    template <class T> T* get(const char* name) {
        T* widget = form_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    std::string text(const char* name) {
        QWidget* w = get<QWidget>(name);
        if (auto* box = qobject_cast<QComboBox*>(w))
            return box->currentText().toStdString();
        if (auto* field = qobject_cast<TsSpinEdit*>(w))
            return field->Text().toStdString();
        if (auto* field = qobject_cast<TsDecimalSpinEdit*>(w))
            return field->Text().toStdString();
        return get<QLabel>(name)->text().toStdString();
    }
    bool checked(const char* name) { return get<QAbstractButton>(name)->isChecked(); }

    // Every input, choice and style, and every text of the three calculator pages.
    std::map<std::string, std::string> Snapshot() {
        std::map<std::string, std::string> all;
        for (auto* w : form_->findChildren<TsSpinEdit*>())
            all[w->objectName().toStdString()] = w->Text().toStdString();
        for (auto* w : form_->findChildren<TsDecimalSpinEdit*>())
            all[w->objectName().toStdString()] = w->Text().toStdString();
        for (auto* w : form_->findChildren<QComboBox*>())
            all[w->objectName().toStdString()] = w->currentText().toStdString();
        for (auto* w : form_->findChildren<QAbstractButton*>())
            if (w->isCheckable())
                all[w->objectName().toStdString()] = w->isChecked() ? "checked" : "clear";
        for (const char* page : {"sTabSheet1", "sTabSheet3", "sTabSheet4"})
            for (auto* w : get<QWidget>(page)->findChildren<QLabel*>())
                all[w->objectName().toStdString()] = w->text().toStdString();
        all["trace"] = get<QPlainTextEdit>("sMemo1")->toPlainText().toStdString();
        all["skin"] = form_->sSkinManager1->SkinName().toStdString();
        all["styled"] = form_->sSkinManager1->Active() ? "on" : "off";
        all.erase("sSpeedButton1"); // the eye button is not remembered
        return all;
    }

    QString RefusedWriteMessage() const {
        return QStringLiteral("Не могу сохранить настройки:\r\n\r\nEIniFileException: "
                              "Unable to write to ") +
               form_->ApplicationDirectory() + "/бримсота.ini";
    }

    QTemporaryDir dir_;
    QString appDir_;
    QString previousDir_;
    std::unique_ptr<TForm1> form_;
    QStringList messages_;
    settings::MessageHook previousHook_;
    std::string savedSeparator_;
};

TEST_F(SettingsFileTest, FirstStartShowsTheDefaultsAndTheCloseWritesThemInTableOrder) {
    Start();
    EXPECT_EQ(text("sComboBox3"), kItem2);
    EXPECT_EQ(text("sComboBox1"), kItem2);
    EXPECT_TRUE(checked("sRadioButton7"));
    EXPECT_TRUE(checked("sCheckBox1"));
    EXPECT_TRUE(form_->sSkinManager1->Active());
    EXPECT_EQ(form_->sSkinManager1->SkinName(), "Windows 10 (внутренний)");
    // The first results are computed with the fallback material.
    EXPECT_TRUE(get<QPlainTextEdit>("sMemo1")->toPlainText().contains(
        "Удельное сопротивление провода Алюминий, плохой провод (0,0295)"));
    EXPECT_EQ(text("sLabel43"), "0,0308");

    Close();
    EXPECT_EQ(Get(), DefaultFile(kItem2));
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("|").toStdString();
}

TEST_F(SettingsFileTest, FileOfDefaultsWithTheDesignMaterialIsWrittenBackByteForByte) {
    const std::string file = DefaultFile(kDesignMaterial);
    Put(file);
    Start();
    EXPECT_EQ(text("sComboBox3"), kDesignMaterial);
    EXPECT_EQ(text("sComboBox1"), kDesignMaterial);
    Close();
    EXPECT_EQ(Get(), file);
}

TEST_F(SettingsFileTest, SecondStartRestoresEveryInputChoiceStyleAndResult) {
    Start();
    const std::map<std::string, std::string> firstStart = Snapshot();
    const std::pair<const char*, qint64> integers[] = {
        {"sSpinEdit5", 45},   {"sSpinEdit6", 500},        {"sSpinEdit3", 6000000000},
        {"sSpinEdit15", 180}, {"sSpinEdit1", 7000000000}, {"sSpinEdit2", -20},
        {"sSpinEdit8", 40},   {"sSpinEdit11", 25},        {"sSpinEdit13", 10},
        {"sSpinEdit14", 90},  {"sSpinEdit12", 3},         {"sSpinEdit10", 9000},
        {"sSpinEdit9", 12000}};
    for (const auto& [name, value] : integers)
        get<TsSpinEdit>(name)->setValue(value);
    const std::pair<const char*, double> decimals[] = {
        {"sDecimalSpinEdit10", 50},  {"sDecimalSpinEdit1", 1.5}, {"sDecimalSpinEdit6", 0.35},
        {"sDecimalSpinEdit2", 0.4},  {"sDecimalSpinEdit9", 0.9}, {"sDecimalSpinEdit11", 25},
        {"sDecimalSpinEdit4", 2},    {"sDecimalSpinEdit3", 0.3}, {"sDecimalSpinEdit5", 10},
        {"sDecimalSpinEdit8", 12.5}, {"sDecimalSpinEdit7", 25}};
    for (const auto& [name, value] : decimals)
        get<TsDecimalSpinEdit>(name)->setValue(value);
    get<QComboBox>("sComboBox3")->setCurrentIndex(5);
    get<QComboBox>("sComboBox1")->setEditText("0,05");
    for (const char* button : {"sRadioButton6", "sRadioButton1", "sRadioButton4", "sRadioButton8"})
        get<QRadioButton>(button)->setChecked(true);
    get<QCheckBox>("sCheckBox1")->setChecked(false);
    form_->sSkinManager1->setSkinName("Мой стиль");
    const std::map<std::string, std::string> before = Snapshot();
    ASSERT_NE(before, firstStart);

    Close();
    EXPECT_TRUE(FileHasLine("Power=6000000000")) << Get();
    EXPECT_TRUE(FileHasLine("PowerAll=7000000000"));
    EXPECT_TRUE(FileHasLine("Coef2=0,35"));
    Start();
    const std::map<std::string, std::string> after = Snapshot();
    for (const auto& [name, value] : before)
        EXPECT_EQ(after.count(name) ? after.at(name) : "(missing)", value) << name;
    EXPECT_TRUE(messages_.isEmpty());
}

// An emptied input is set to its default through its control before it is
// written, so its page recalculates; a text that is not a number is not empty.
TEST_F(SettingsFileTest, EmptiedInputsAreResetToTheirDefaultsBeforeWriting) {
    struct Case {
        const char* control;
        const char* typed;
        const char* resultLabel;
        const char* shownAfter;
        const char* line;
        bool firstStart = false; // no file: the boxes start at item 2 already
    };
    const Case cases[] = {
        {"sSpinEdit5", "", "sLabel39", "30", "Temperature=30"},
        {"sDecimalSpinEdit10", "", "sLabel39", "35", "Cross-section=35"},
        {"sComboBox3", "", "sLabel39", kItem2, "Resistivity=Алюминий, плохой провод (0,0295)"},
        {"sComboBox1", "", "sLabel55", kItem2, "Resistivity_220=Алюминий, плохой провод (0,0295)"},
        {"sComboBox1", "", "sLabel55", kItem2, "Resistivity_220=Алюминий, плохой провод (0,0295)",
         true},
        {"sSpinEdit12", "", "sLabel55", "20", "Amount_220=20"},
        {"sDecimalSpinEdit7", "", "sLabel93", "16", "Cross-section2=16"},
        // A lone minus reads as the field's lower limit and stays as typed.
        {"sSpinEdit5", "-", nullptr, "-", "Temperature=-100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control + std::string(" '") + c.typed + "'" +
                     (c.firstStart ? " first" : ""));
        if (c.firstStart)
            QFile::remove(IniPath());
        else
            Put(DefaultFile(kDesignMaterial));
        Start();
        QWidget* w = get<QWidget>(c.control);
        if (auto* box = qobject_cast<QComboBox*>(w))
            box->setEditText(c.typed);
        else if (auto* field = qobject_cast<TsSpinEdit*>(w))
            field->setText(c.typed);
        else
            qobject_cast<TsDecimalSpinEdit*>(w)->setText(c.typed);
        for (const char* label : {"sLabel39", "sLabel55", "sLabel93"})
            get<QLabel>(label)->setText("stale");
        Close();
        EXPECT_EQ(text(c.control), c.shownAfter);
        EXPECT_TRUE(FileHasLine(c.line)) << Get();
        for (const char* label : {"sLabel39", "sLabel55", "sLabel93"}) {
            const bool recalculated = c.resultLabel && std::string(label) == c.resultLabel;
            EXPECT_EQ(text(label) != "stale", recalculated) << label;
        }
    }
}

TEST_F(SettingsFileTest, MaterialTextsAreRestoredAsWrittenAndEmptyOnesFallBackToItem2) {
    struct Case {
        const char* fileLine; // nullptr: no key
        const char* shown;
    };
    const Case cases[] = {
        {nullptr, kItem2},
        {"Resistivity=", kItem2},
        {"Resistivity=\"\"", kItem2},
        {"Resistivity=0,05", "0,05"},
        {"Resistivity=Медь, провод (0,0178)", "Медь, провод (0,0178)"},
        {"resistivity=  0,031 ом  ", "0,031 ом"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileLine ? c.fileLine : "(no key)");
        Put(std::string("[INTERFACE_380]\n") + (c.fileLine ? c.fileLine + std::string("\n") : ""));
        Start();
        EXPECT_EQ(text("sComboBox3"), c.shown);
        EXPECT_EQ(text("sComboBox1"), kItem2);
        // A bare number typed by hand into the other box is kept as typed.
        get<QComboBox>("sComboBox1")->setEditText("0,05");
        Close();
        EXPECT_EQ(ini::ReadString(IniPath().toStdString(), "INTERFACE_380", "Resistivity", "?"),
                  c.shown);
        EXPECT_TRUE(FileHasLine("Resistivity_220=0,05"));
    }
}

TEST_F(SettingsFileTest, LocaleValueSelectsOneLanguageButton) {
    struct Case {
        const char* fileLine;
        const char* button;
        const char* written;
    };
    const Case cases[] = {
        {"", "sRadioButton7", "Locale=0"},
        {"Locale=0", "sRadioButton7", "Locale=0"},
        {"Locale=", "sRadioButton7", "Locale=0"},
        {"Locale=abc", "sRadioButton7", "Locale=0"},
        {"Locale=1049", "sRadioButton8", "Locale=1049"},
        {"Locale=0x419", "sRadioButton8", "Locale=1049"},
        {"Locale=1033", "sRadioButton9", "Locale=1033"},
        {"Locale=1058", "sRadioButton9", "Locale=1033"},
        {"Locale=7", "sRadioButton9", "Locale=1033"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileLine);
        Put(std::string("[APP]\n") + c.fileLine + "\n");
        Start();
        for (const char* button : {"sRadioButton7", "sRadioButton8", "sRadioButton9"})
            EXPECT_EQ(checked(button), std::string(button) == c.button) << button;
        Close();
        EXPECT_TRUE(FileHasLine(c.written)) << Get();
    }
}

TEST_F(SettingsFileTest, StylizationFollowsTheFileAndTheStyleNameIsSetFirst) {
    struct Case {
        const char* fileLine;
        bool styled;
    };
    const Case cases[] = {{"Stylization=0", false},   {"Stylization=1", true},
                          {"Stylization=5", true},    {"Stylization=-1", true},
                          {"Stylization=", true},     {"Stylization=abc", true},
                          {"Stylization=0x0", false}, {"", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileLine);
        Put(std::string("[APP]\nSkinName=Другой стиль\n") + c.fileLine + "\n");
        Start();
        EXPECT_EQ(form_->sSkinManager1->SkinName(), "Другой стиль");
        EXPECT_EQ(form_->sSkinManager1->Active(), c.styled);
        EXPECT_EQ(checked("sCheckBox1"), c.styled);
        Close();
        EXPECT_TRUE(FileHasLine(c.styled ? "Stylization=1" : "Stylization=0"));
        EXPECT_TRUE(FileHasLine("SkinName=Другой стиль"));
    }
}

// Either separator reads under either format; writing uses the program's.
TEST_F(SettingsFileTest, FloatsReadWithCommaOrPointAndAreWrittenWithTheProgramsSeparator) {
    ProgramNumberFormat().decimalSeparator = ".";
    Put("[INTERFACE_380]\nCross-section=35\nCoef1=2,5\nCoef3=0.4\nCoef3cos=abc\n"
        "[INTERFACE_L]\nEquLength=1,5e3\nCross-section1=2,5\n");
    Start();
    EXPECT_EQ(text("sDecimalSpinEdit10"), "35");
    EXPECT_EQ(text("sDecimalSpinEdit1"), "2.5");
    EXPECT_EQ(text("sDecimalSpinEdit2"), "0.4");
    EXPECT_EQ(text("sDecimalSpinEdit9"), "0.96"); // not a number: the default
    EXPECT_EQ(text("sDecimalSpinEdit8"), "1500");
    EXPECT_EQ(text("sDecimalSpinEdit5"), "2.5");
    Close();
    for (const char* line : {"Coef1=2.5", "Coef3=0.4", "Coef3cos=0.96", "EquLength=1500",
                             "Cross-section1=2.5", "Coef2_220=0.2"})
        EXPECT_TRUE(FileHasLine(line)) << line << "\n" << Get();
}

// Values out of a field's range are brought into it; integers keep all 64 bits.
TEST_F(SettingsFileTest, IntegersAreReadWholeAndBroughtIntoTheFieldsRange) {
    Put("[INTERFACE_380]\nTemperature=500\nLength=0x10\nPower=9223372036854775807\n"
        "[INTERFACE_220]\nMaxAmperage220=0\nAmount_220=-4\nPeriod_220=4294967297\n"
        "Hours_220=99999999999999999999\n");
    Start();
    EXPECT_EQ(text("sSpinEdit5"), "200");
    EXPECT_EQ(text("sSpinEdit6"), "16");
    EXPECT_EQ(text("sSpinEdit3"), "9223372036854775807");
    EXPECT_EQ(text("sSpinEdit11"), "1");
    EXPECT_EQ(text("sSpinEdit12"), "1");
    EXPECT_EQ(text("sSpinEdit14"), "4294967297");
    EXPECT_EQ(text("sSpinEdit13"), "24"); // beyond 64 bits: the default
    Close();
    EXPECT_TRUE(FileHasLine("Power=9223372036854775807"));
    EXPECT_TRUE(FileHasLine("Period_220=4294967297"));
}

TEST_F(SettingsFileTest, LinesTheProgramDoesNotKnowSurviveAndNamesMatchWithoutCase) {
    Put("; kept by hand\r\n"
        "[app]\r\n"
        "skinname=Свой\r\n"
        "Extra=keep me\r\n"
        "STYLIZATION=0\r\n"
        "[Mine]\r\n"
        "a=b\r\n"
        "[interface_380]\r\n"
        "; inner comment\r\n"
        "LENGTH=777\r\n");
    Start();
    EXPECT_EQ(form_->sSkinManager1->SkinName(), "Свой");
    EXPECT_FALSE(checked("sCheckBox1"));
    EXPECT_EQ(text("sSpinEdit6"), "777");
    Close();
    const std::string file = Get();
    for (const char* kept : {"; kept by hand\r\n[app]\r\n", "Extra=keep me\r\n",
                             "[Mine]\r\na=b\r\n[interface_380]\r\n", "; inner comment\r\n"})
        EXPECT_NE(file.find(kept), std::string::npos) << kept << "\n" << file;
    // Each known key once, where it stood or at the end of its section.
    const std::string path = IniPath().toStdString();
    EXPECT_EQ(ini::ReadString(path, "APP", "SkinName", ""), "Свой");
    EXPECT_EQ(ini::ReadInteger(path, "INTERFACE_380", "Length", 0), 777);
    EXPECT_EQ(file.find("[APP]"), std::string::npos);
    EXPECT_EQ(file.find("[INTERFACE_380]"), std::string::npos);
    const QString lower = QString::fromStdString(file).toLower();
    EXPECT_EQ(lower.count("\nlength="), 1);
    EXPECT_EQ(lower.count("\nskinname="), 1);
    EXPECT_EQ(lower.count("\nstylization="), 1);
    EXPECT_EQ(lower.count("\r\n"), lower.count("\n")); // added lines take the file's line end
}

// A refused write shows the message, leaves the file as it was, and the
// window still closes.
TEST_F(SettingsFileTest, RefusedWriteShowsTheErrorAndLeavesTheFileAsItWas) {
    enum class Way { ReadOnlyFile, PathIsADirectory, ParentIsAFile };
    for (Way way : {Way::ReadOnlyFile, Way::PathIsADirectory, Way::ParentIsAFile}) {
        SCOPED_TRACE(static_cast<int>(way));
        messages_.clear();
        QTemporaryDir own;
        ASSERT_TRUE(own.isValid());
        appDir_ = own.path();
        const std::string before = "[INTERFACE_380]\nLength=123\n";
        QString watched;
        switch (way) {
        case Way::ReadOnlyFile:
            Put(before);
            ASSERT_EQ(::chmod(QFile::encodeName(IniPath()).constData(), 0444), 0);
            watched = IniPath();
            break;
        case Way::PathIsADirectory:
            ASSERT_TRUE(QDir().mkdir(IniPath()));
            break;
        case Way::ParentIsAFile: {
            QFile plain(own.filePath("plain"));
            ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
            plain.write(before.data());
            plain.close();
            watched = plain.fileName();
            appDir_ = own.filePath("plain") + "/sub";
            break;
        }
        }
        Start();
        if (way == Way::ReadOnlyFile) {
            EXPECT_EQ(text("sSpinEdit6"), "123");
        }
        get<TsSpinEdit>("sSpinEdit6")->setValue(999);
        Close();
        ASSERT_EQ(messages_.size(), 1);
        EXPECT_EQ(messages_[0].toStdString(), RefusedWriteMessage().toStdString());
        EXPECT_FALSE(form_->isVisible());
        EXPECT_EQ(form_->findChild<QWidget*>("WebBrowser1"), nullptr);
        if (!watched.isEmpty()) {
            QFile file(watched);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll().toStdString(), before);
        }
        EXPECT_EQ(QDir(own.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 1);
        form_.reset();
    }
}

// A write refused halfway (the file turns read-only while a reset input
// recalculates) keeps the keys written before it and stops there.
TEST_F(SettingsFileTest, ErrorWhileWritingStopsAtThatKey) {
    Put(DefaultFile(kDesignMaterial));
    Start();
    get<TsDecimalSpinEdit>("sDecimalSpinEdit10")->setValue(50); // row 6
    get<TsSpinEdit>("sSpinEdit15")->setValue(100);              // row 11
    auto* length = get<TsSpinEdit>("sSpinEdit6");               // row 7
    length->setText("");
    const QByteArray path = QFile::encodeName(IniPath());
    QObject::connect(length, &TsSpinEdit::changed, [path] { ::chmod(path.constData(), 0444); });
    Close();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].toStdString(), RefusedWriteMessage().toStdString());
    EXPECT_TRUE(FileHasLine("Cross-section=50"));
    EXPECT_TRUE(FileHasLine("Length=340"));
    EXPECT_TRUE(FileHasLine("Period=365"));
}

// A handler that raises while the file is read stops the reading there; the
// message names the error's type.
TEST_F(SettingsFileTest, ErrorWhileReadingStopsAtThatKey) {
    Put("[INTERFACE_380]\nCross-section=40\nLength=500\nPeriod=100\n");
    Start();
    get<TsDecimalSpinEdit>("sDecimalSpinEdit10")->setValue(20);
    get<TsSpinEdit>("sSpinEdit6")->setValue(1);
    get<TsSpinEdit>("sSpinEdit15")->setValue(1);
    QObject::connect(get<TsSpinEdit>("sSpinEdit6"), &TsSpinEdit::changed,
                     [] { throw std::runtime_error("boom"); });
    form_->OpenConfig();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].toStdString(),
              "Не могу прочитать настройки:\r\n\r\nstd::runtime_error: boom");
    EXPECT_EQ(text("sDecimalSpinEdit10"), "40");
    EXPECT_EQ(text("sSpinEdit6"), "500");
    EXPECT_EQ(text("sSpinEdit15"), "1");
}

// The language is in force before the inputs are restored, and the message
// heading comes from the language loaded at the moment it is shown.
TEST_F(SettingsFileTest, LanguageIsAppliedBeforeTheInputsAndTranslatesTheMessage) {
    QFile lng(dir_.filePath("Бримсота.en.lng"));
    ASSERT_TRUE(lng.open(QIODevice::WriteOnly));
    lng.write(std::string(lang::kLanguageFileHeader).c_str());
    lng.write("\n[Form1]\nsComboBox3.items[2]=Aluminium, poor wire (0,0295)\n"
              "[ResourceStrings]\nSettingsSaveFailed=Cannot save the settings:\n");
    lng.close();
    Put("[APP]\nLocale=1033\n");
    Start();
    EXPECT_TRUE(checked("sRadioButton9"));
    EXPECT_EQ(text("sComboBox3"), "Aluminium, poor wire (0,0295)");
    ASSERT_EQ(::chmod(QFile::encodeName(IniPath()).constData(), 0444), 0);
    Close();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].startsWith("Cannot save the settings:\r\n\r\nEIniFileException: "))
        << messages_[0].toStdString();

    // Back to the built-in texts for the tests that follow.
    form_.reset();
    QFile empty(dir_.filePath("empty.lng"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.write(std::string(lang::kLanguageFileHeader).c_str());
    empty.close();
    Localizer::Instance().LoadLanguage(dir_.filePath("empty"));
    Localizer::Instance().SetAutoTranslate(false);
}

TEST_F(SettingsFileTest, DamagedFilesNeverStopTheStartAndTheirUsableLinesCount) {
    std::vector<std::string> files;
    std::mt19937 random(20240611);
    for (int i = 0; i < 12; ++i) {
        std::string bytes(std::uniform_int_distribution<int>(0, 3000)(random), '\0');
        for (char& c : bytes)
            c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
        files.push_back(bytes + "\n[INTERFACE_380]\nLength=777\n");
    }
    files.push_back("[INTERFACE_380]\nLength=777\nResistivity=" + std::string(1 << 20, 'x') + "\n");
    const std::size_t withNul = files.size();
    files.push_back("[INTERFACE_380]\nLength=777\nResistivity=ab" + std::string(1, '\0') +
                    "cd\r\nCoef1=2" + std::string(1, '\0') + "5\n");
    files.push_back(std::string(100000, '[') + "\n[INTERFACE_380]\nLength=777\n");
    files.push_back("\xFF\xFE\x00");
    files.push_back("\xEF\xBB\xBF[INTERFACE_380]\nLength=777\n\xC0\xAF=\xFF\n");
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        messages_.clear();
        Put(files[i]);
        Start();
        if (files[i].find("Length=777") != std::string::npos) {
            EXPECT_EQ(text("sSpinEdit6"), "777");
        }
        EXPECT_EQ(text("sDecimalSpinEdit1"), "2,5");
        Close();
        EXPECT_TRUE(messages_.isEmpty()) << messages_.join("|").toStdString();
        // Every key made it, the material with the NUL included.
        const std::string path = IniPath().toStdString();
        EXPECT_EQ(ini::ReadString(path, "INTERFACE_220", "PowerAll_220", ""), "54000");
        if (i == withNul) {
            EXPECT_EQ(ini::ReadString(path, "INTERFACE_380", "Resistivity", ""), "ab cd");
        }
    }
}

} // namespace
