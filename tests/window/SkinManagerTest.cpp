// The styling switch, the style list and the selector bound to it.

#include "ui/SkinManager.h"
#include "ui/TsSkinProvider.h"
#include "ui/TsSkinSelector.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

const QString kInternal = QStringLiteral("Windows 10 (внутренний)");

class SkinManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        manager.setSkinDirectory(dir.path());
    }

    // A style file whose text tells it apart from every other.
    QString writeStyle(const QString& name) {
        const QString sheet = QStringLiteral("QLabel { color: #123456; } /* %1 */").arg(name);
        writeFile(name + QStringLiteral(".qss"), sheet.toUtf8());
        return sheet;
    }
    void writeFile(const QString& fileName, const QByteArray& text) {
        QFile file(dir.filePath(fileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir dir;
    SkinManager manager;
};

QStringList items(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts << box.itemText(i);
    return texts;
}

bool itemEnabled(const QComboBox& box, int row) {
    return box.model()->index(row, 0).flags().testFlag(Qt::ItemIsEnabled);
}

} // namespace

TEST(SkinManagerLifetime, StartsStyledWithTheInternalStyleAndCleansUp) {
    {
        SkinManager manager;
        EXPECT_EQ(manager.objectName(), "sSkinManager1");
        EXPECT_TRUE(manager.Active());
        EXPECT_EQ(manager.SkinName(), kInternal);
        EXPECT_EQ(manager.appliedSkinName(), kInternal);
        EXPECT_FALSE(qApp->styleSheet().isEmpty());
        EXPECT_EQ(qApp->styleSheet(), manager.styleSheetOf(kInternal));
    }
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
}

TEST_F(SkinManagerTest, OffShowsThePlainLookAndOnBringsBackTheStyleLastUsed) {
    const QString alpha = writeStyle("Alpha");
    const QString beta = writeStyle("Beta");

    manager.setSkinName("Alpha");
    EXPECT_EQ(qApp->styleSheet(), alpha);

    manager.setActive(false);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(manager.SkinName(), "Alpha");
    EXPECT_TRUE(manager.appliedSkinName().isEmpty());

    // A name set while off is only remembered.
    manager.setSkinName("Beta");
    EXPECT_TRUE(qApp->styleSheet().isEmpty());

    manager.setActive(true);
    EXPECT_EQ(qApp->styleSheet(), beta);
    EXPECT_EQ(manager.appliedSkinName(), "Beta");
}

TEST_F(SkinManagerTest, SwitchingToTheStateItHasDoesNothing) {
    QSignalSpy state(&manager, &SkinManager::stateChanged);
    QSignalSpy look(&manager, &SkinManager::lookChanged);
    manager.setActive(true);
    manager.setSkinName(kInternal);
    EXPECT_EQ(state.count(), 0);
    EXPECT_EQ(look.count(), 0);

    manager.setActive(false);
    manager.setActive(false);
    EXPECT_EQ(state.count(), 1);
    EXPECT_EQ(look.count(), 1);
}

TEST_F(SkinManagerTest, AnUnknownNameIsKeptAndShowsTheInternalStyle) {
    writeStyle("Alpha");
    manager.setSkinName("Alpha");
    manager.setSkinName("Deleted since last run");
    EXPECT_EQ(manager.SkinName(), "Deleted since last run");
    EXPECT_EQ(manager.appliedSkinName(), kInternal);
    EXPECT_EQ(qApp->styleSheet(), manager.styleSheetOf(kInternal));

    // The file comes back: switching on again finds it.
    writeStyle("Deleted since last run");
    manager.setActive(false);
    manager.setActive(true);
    EXPECT_EQ(manager.appliedSkinName(), "Deleted since last run");
}

TEST_F(SkinManagerTest, NamesDifferingOnlyInCaseFindTheFile) {
    const QString sheet = writeStyle("Тёмный");
    manager.setSkinName("тёмный");
    EXPECT_EQ(manager.appliedSkinName(), "Тёмный");
    EXPECT_EQ(qApp->styleSheet(), sheet);
}

TEST_F(SkinManagerTest, ListsTheInternalStyleAndTheStyleFilesSortedByName) {
    for (const char* name : {"Тяжёлый", "beta", "Тёмный", "Alpha", "Style 10", "Style 9"})
        writeStyle(QString::fromUtf8(name));
    writeFile("notes.txt", "not a style");
    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.qss"));

    const QStringList expected{"Alpha",   "beta",   "Style 9", "Style 10",
                               kInternal, "Тёмный", "Тяжёлый"};
    EXPECT_EQ(manager.skinNames(), expected);

    TsSkinSelector selector;
    selector.setSkinManager(&manager);
    EXPECT_EQ(items(selector), QStringList{"Standard theme"} + expected);
}

TEST_F(SkinManagerTest, EmptyOrMissingSkinDirectoryListsOnlyTheInternalStyle) {
    for (const QString& directory : {dir.path(), dir.filePath("missing"), QString()}) {
        SCOPED_TRACE(directory.toStdString());
        manager.setSkinDirectory(directory);
        EXPECT_EQ(manager.skinNames(), QStringList{kInternal});
        TsSkinSelector selector;
        selector.setSkinManager(&manager);
        EXPECT_EQ(items(selector), (QStringList{"Standard theme", kInternal}));
    }
}

TEST_F(SkinManagerTest, RelativePicturesOfAStyleFileAreFoundBesideIt) {
    writeFile("Pictures.qss", "QCheckBox::indicator:checked { image: url(img/tick.png); }\n"
                              "QLabel { image: url(\":/styles/icons/check-000000.png\"); }\n");
    const QString sheet = manager.styleSheetOf("Pictures");
    EXPECT_TRUE(sheet.contains(QDir(dir.path()).absoluteFilePath("img/tick.png")))
        << sheet.toStdString();
    EXPECT_TRUE(sheet.contains("\":/styles/icons/check-000000.png\"")) << sheet.toStdString();
}

TEST_F(SkinManagerTest, PickingAStyleWhileOffSwitchesOnAndLeavesTheCheckBoxAlone) {
    const QString alpha = writeStyle("Alpha");
    QWidget page;
    auto* styling = new QCheckBox("Стилизовать", &page);
    QObject::connect(styling, &QCheckBox::toggled, &manager, &SkinManager::setActive);
    auto* selector = new TsSkinSelector(&page);
    selector->setSkinManager(&manager);
    styling->setChecked(true);
    styling->setChecked(false);
    ASSERT_FALSE(manager.Active());
    EXPECT_EQ(selector->currentIndex(), -1);
    EXPECT_TRUE(selector->currentText().isEmpty());

    // The popup sets the index and reports the pick, as a click does.
    const int row = selector->findText("Alpha");
    selector->setCurrentIndex(row);
    emit selector->activated(row);

    EXPECT_TRUE(manager.Active());
    EXPECT_EQ(manager.SkinName(), "Alpha");
    EXPECT_EQ(qApp->styleSheet(), alpha);
    EXPECT_FALSE(styling->isChecked());
    EXPECT_EQ(selector->currentText(), "Alpha");
}

TEST_F(SkinManagerTest, StandardThemeIsDisabledWhileOffAndSwitchesOff) {
    writeStyle("Alpha");
    TsSkinSelector selector;
    selector.setSkinManager(&manager);
    EXPECT_TRUE(itemEnabled(selector, 0));
    EXPECT_EQ(selector.currentText(), kInternal);

    selector.setCurrentIndex(0);
    emit selector.activated(0);
    EXPECT_FALSE(manager.Active());
    EXPECT_EQ(manager.SkinName(), kInternal);
    EXPECT_FALSE(itemEnabled(selector, 0));
    EXPECT_EQ(selector.currentIndex(), -1);

    // The keyboard steps over the disabled entry to the first style.
    QTest::keyClick(&selector, Qt::Key_Down);
    EXPECT_TRUE(manager.Active());
    EXPECT_EQ(manager.SkinName(), "Alpha");
    EXPECT_TRUE(itemEnabled(selector, 0));
}

TEST_F(SkinManagerTest, SelectorFollowsChangesMadeOnTheManager) {
    writeStyle("Alpha");
    TsSkinSelector selector;
    selector.setSkinManager(&manager);
    manager.setSkinName("Alpha");
    EXPECT_EQ(selector.currentText(), "Alpha");
    manager.setActive(false);
    EXPECT_EQ(selector.currentIndex(), -1);

    // A file added after the list was read shows when the list drops down,
    // and when the manager is switched to it.
    writeStyle("Added later");
    selector.showPopup();
    EXPECT_GE(selector.findText("Added later"), 0);
    selector.hidePopup();
    writeStyle("Added last");
    manager.setSkinName("Added last");
    manager.setActive(true);
    EXPECT_EQ(selector.currentText(), "Added last");
}

TEST_F(SkinManagerTest, ProviderAddsTheTitleWhileStyled) {
    TsSkinProvider provider;
    EXPECT_EQ(provider.objectName(), "sSkinProvider1");
    EXPECT_EQ(provider.title("Бримсота v.1.5"), "Бримсота v.1.5"); // no manager yet

    provider.setSkinManager(&manager);
    QSignalSpy changed(&provider, &TsSkinProvider::titleChanged);
    EXPECT_EQ(provider.title("Бримсота v.1.5"),
              "Бримсота v.1.5 - расчёт технических потерь в сетях 0,4 кВ");

    writeStyle("Alpha");
    manager.setSkinName("Alpha");
    EXPECT_EQ(changed.count(), 0);
    manager.setActive(false);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(provider.title("Бримсота v.1.5"), "Бримсота v.1.5");

    manager.setActive(true);
    provider.setProperty("AddedTitle", "- calculation of technical losses");
    EXPECT_EQ(changed.count(), 3);
    EXPECT_EQ(provider.title("Brimsota v.1.5"), "Brimsota v.1.5 - calculation of technical losses");
}

namespace {

QStringList parseWarnings;

void collectWarnings(QtMsgType, const QMessageLogContext&, const QString& message) {
    parseWarnings << message;
}

} // namespace

// Every shipped style and the internal one parse, and every picture they
// name is compiled in.
TEST(ShippedStyles, ParseAndNameOnlyExistingPictures) {
    const QDir shipped(QCoreApplication::applicationDirPath() + "/../Styles");
    const QStringList files = shipped.entryList({"*.qss"}, QDir::Files);
    ASSERT_FALSE(files.isEmpty()) << shipped.absolutePath().toStdString();

    SkinManager manager;
    manager.setSkinDirectory(shipped.absolutePath());
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* tabs = new QTabWidget;
    tabs->addTab(new QLabel("page"), "Интерфейс");
    layout->addWidget(tabs);
    auto* box = new QGroupBox("Язык");
    auto* inner = new QVBoxLayout(box);
    for (QWidget* w : std::initializer_list<QWidget*>{
             new QLineEdit("1"), new QComboBox, new QSpinBox, new QRadioButton("r"),
             new QCheckBox("c"), new QPushButton("p"), new QToolButton, new QPlainTextEdit,
             new QTextBrowser, new QScrollBar})
        inner->addWidget(w);
    layout->addWidget(box);
    window.show();

    static const QRegularExpression url(R"re(url\(\s*"?([^)"]+)"?\s*\))re");
    for (const QString& name : manager.skinNames()) {
        SCOPED_TRACE(name.toStdString());
        parseWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
        manager.setSkinName(name);
        window.grab();
        qInstallMessageHandler(previous);
        EXPECT_EQ(manager.appliedSkinName(), name);
        EXPECT_TRUE(parseWarnings.filter("Could not parse").isEmpty())
            << parseWarnings.join('\n').toStdString();

        auto it = url.globalMatch(manager.styleSheetOf(name));
        while (it.hasNext()) {
            const QString picture = it.next().captured(1);
            EXPECT_TRUE(QFile::exists(picture)) << picture.toStdString();
        }
    }
}
