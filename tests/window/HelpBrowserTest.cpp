// The help viewer and the help book: addresses, links, images, history and the
// hand-over of web addresses.

#include "help/THelpBrowser.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <vector>

// Readable failure messages.
void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

const QStringList kPages = {"INDEX",     "ПОТЕРИ",      "РАСЧЁТ380",   "МЕТОДИКА380",
                            "РАСЧЁТ220", "МЕТОДИКА220", "РАСЧЁТДЛИНЫ", "МЕТОДИКАДЛИНЫ",
                            "СИП",       "ИСТОРИЯ"};
const QStringList kImages = {"Ф1", "Ф2", "Ф3", "Ф3R", "Ф4", "Ф5", "Ф6", "Ф7"};

QString PageTitle(const QTextDocument* doc) {
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        if (b.blockFormat().headingLevel() == 1)
            return b.text();
    return QString();
}

// Numbers and texts of the items of ordered lists.
std::vector<std::pair<QString, QString>> ListNumbers(const QTextDocument* doc) {
    std::vector<std::pair<QString, QString>> out;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        if (b.textList() && b.textList()->format().style() == QTextListFormat::ListDecimal)
            out.emplace_back(b.textList()->itemText(b), b.text());
    return out;
}

struct Fragment {
    QString text;
    int position = 0;
    QTextCharFormat format;
};

std::vector<Fragment> Fragments(const QTextDocument* doc) {
    std::vector<Fragment> out;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            out.push_back({f.text(), f.position(), f.charFormat()});
        }
    return out;
}

// A browser shown offscreen at the help page's size, wired as the window wires
// it: web addresses go to the stand-in opener.
class HelpBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        browser.resize(826, 500);
        browser.SetOpener([this](const QUrl& url) { opened.push_back(url.toString()); });
        QObject::connect(&browser, &THelpBrowser::BeforeNavigate2, &browser,
                         &THelpBrowser::HandOverWebAddress);
        QObject::connect(&browser, &THelpBrowser::BeforeNavigate2,
                         [this](const QString& address, bool*) { before.push_back(address); });
        QObject::connect(&browser, &THelpBrowser::NavigateComplete2, [this](const QString& a) {
            completed.push_back(a);
            browser.SetDocumentBorder(false);
        });
        QObject::connect(&browser, &THelpBrowser::CommandStateChange,
                         [this](int command, bool enable) { state[command] = enable; });
        browser.show();
    }

    void Open(const QString& page) {
        browser.Navigate(THelpBrowser::HelpAddress(page));
        ASSERT_EQ(THelpBrowser::ResourcePath(browser.source()), page);
    }

    QString Title() const { return PageTitle(browser.document()); }

    // Clicks the link with the given target as a user would: press and release
    // the mouse on its text.
    void ClickLink(const QString& href) {
        for (const Fragment& f : Fragments(browser.document())) {
            if (!f.format.isAnchor() || f.format.anchorHref() != href)
                continue;
            QTextCursor c(browser.document());
            c.setPosition(f.position + f.text.size() / 2);
            browser.setTextCursor(c);
            browser.ensureCursorVisible();
            const QPointF at = QRectF(browser.cursorRect(c)).center() + QPointF(1, 0);
            QMouseEvent press(QEvent::MouseButtonPress, at, browser.viewport()->mapToGlobal(at),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, at, browser.viewport()->mapToGlobal(at),
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(browser.viewport(), &press);
            QApplication::sendEvent(browser.viewport(), &release);
            return;
        }
        ADD_FAILURE() << "no link to " << href.toStdString() << " on "
                      << browser.LocationURL().toStdString();
    }

    THelpBrowser browser;
    std::vector<QString> opened, before, completed;
    std::map<int, bool> state;
};

TEST(HelpAddress, RoundTripsThroughUrlParsingAndRelativeResolution) {
    const QString exe = QCoreApplication::applicationFilePath();
    EXPECT_EQ(THelpBrowser::StartAddress(), "res://" + exe + "/INDEX");
    for (const QString& page : kPages) {
        const QUrl url(THelpBrowser::HelpAddress(page));
        EXPECT_EQ(THelpBrowser::ResourcePath(url), page);
        EXPECT_EQ(THelpBrowser::ResourcePath(QUrl(url.toString())), page);
        EXPECT_EQ(THelpBrowser::ResourcePath(QUrl::fromEncoded(url.toEncoded())), page);
    }
    // Links and image sources are relative to the page that holds them.
    const QUrl start(THelpBrowser::StartAddress());
    EXPECT_EQ(THelpBrowser::ResourcePath(start.resolved(QUrl("РАСЧЁТ380"))), "РАСЧЁТ380");
    EXPECT_EQ(THelpBrowser::ResourcePath(
                  QUrl(THelpBrowser::HelpAddress("МЕТОДИКА380")).resolved(QUrl("RT_RCDATA/Ф3R"))),
              "RT_RCDATA/Ф3R");
    // Another executable's resources are not ours.
    EXPECT_EQ(THelpBrowser::ResourcePath(QUrl("res:///elsewhere/prog/INDEX")), "");
    EXPECT_EQ(THelpBrowser::ResourcePath(QUrl("file://" + exe + "/INDEX")), "");
}

TEST(HelpAddress, WebAddressTest) {
    const QString res = THelpBrowser::StartAddress();
    const std::vector<std::pair<QString, bool>> cases = {
        {"http://example.org/", true},
        {"https://example.org/brimsota/", true},
        {"HTTPS://EXAMPLE.ORG/", true},
        {"Http://example.org/", true},
        {res + "?go=http://example.org/", true},
        {"mailto:brimsota@example.org?subject=Бримсота", true},
        {"MAILTO:brimsota@example.org", true},
        {res, false},
        {THelpBrowser::HelpAddress("РАСЧЁТ380"), false},
        {"ftp://example.org/", false},
        {"res://x/mailto:a@example.org", false},
    };
    for (const auto& [address, web] : cases)
        EXPECT_EQ(THelpBrowser::IsWebAddress(address), web) << address.toStdString();
}

TEST_F(HelpBrowserTest, NothingLoadedBeforeTheFirstNavigation) {
    EXPECT_EQ(browser.ReadyState(), 0);
    EXPECT_FALSE(browser.HasDocument());
}

TEST_F(HelpBrowserTest, StartPageLinksOpenTheirPages) {
    const std::vector<std::pair<QString, QString>> links = {
        {"ПОТЕРИ", "Потери электроэнергии: природа, расчёт и решение вопроса"},
        {"РАСЧЁТ380", "Расчёт потерь в магистральной линии 0,4 кВ"},
        {"МЕТОДИКА380", "Формулы расчёта потерь в магистральной линии 0,4 кВ"},
        {"РАСЧЁТ220", QString("Расчёт потерь в однофазных линиях 230") + QChar(0xA0) + "В"},
        {"МЕТОДИКА220", "Формулы расчёта потерь в однофазных линиях"},
        {"РАСЧЁТДЛИНЫ", "Расчёт эквивалентной длины"},
        {"МЕТОДИКАДЛИНЫ", "Формула расчёта эквивалентной длины"},
        {"СИП", "Типы самонесущих изолированных проводов"},
        {"ИСТОРИЯ", "История версий"},
    };
    browser.Navigate(THelpBrowser::StartAddress());
    EXPECT_EQ(browser.ReadyState(), 4);
    EXPECT_TRUE(browser.HasDocument());
    EXPECT_EQ(Title(), "Бримсота (версия 1.5)");
    // The right column of the contents numbers on from the left one.
    const auto numbers = ListNumbers(browser.document());
    ASSERT_EQ(numbers.size(), 8u);
    EXPECT_EQ(numbers[3].first, "4.");
    EXPECT_EQ(numbers[4],
              std::make_pair(QString("5."), QString("Расчёт эквивалентной длины провода")));
    EXPECT_EQ(numbers[7].first, "8.");
    for (const auto& [page, title] : links) {
        browser.Navigate(THelpBrowser::StartAddress());
        completed.clear();
        ClickLink(page);
        EXPECT_EQ(THelpBrowser::ResourcePath(browser.source()), page);
        EXPECT_EQ(Title(), title) << page.toStdString();
        ASSERT_EQ(completed.size(), 1u) << page.toStdString();
        EXPECT_EQ(THelpBrowser::ResourcePath(QUrl(completed.back())), page);
    }
    EXPECT_TRUE(opened.empty());
}

TEST_F(HelpBrowserTest, CrossLinksBetweenPages) {
    const std::vector<std::pair<QString, QString>> links = {
        {"РАСЧЁТ220", "РАСЧЁТ380"},
        {"РАСЧЁТДЛИНЫ", "МЕТОДИКАДЛИНЫ"},
    };
    for (const auto& [from, to] : links) {
        Open(from);
        ClickLink(to);
        EXPECT_EQ(THelpBrowser::ResourcePath(browser.source()), to);
        EXPECT_FALSE(Title().isEmpty());
    }
}

TEST_F(HelpBrowserTest, ResourceNamesMatchWithoutRegardToCase) {
    browser.Navigate(THelpBrowser::HelpAddress("сип"));
    EXPECT_EQ(Title(), "Типы самонесущих изолированных проводов");
    const QUrl image(THelpBrowser::HelpAddress("RT_RCDATA/ф3r"));
    EXPECT_FALSE(
        browser.loadResource(QTextDocument::ImageResource, image).value<QImage>().isNull());
    EXPECT_FALSE(
        browser
            .loadResource(QTextDocument::HtmlResource, QUrl(THelpBrowser::HelpAddress("НЕТТАКОЙ")))
            .isValid());
}

TEST_F(HelpBrowserTest, MethodologyImagesAreFoundAtTheirSizes) {
    const std::map<QString, std::vector<std::pair<QString, QSize>>> pages = {
        {"МЕТОДИКА380",
         {{"Ф1", {280, 70}}, {"Ф2", {140, 70}}, {"Ф3", {140, 70}}, {"Ф4", {80, 70}}}},
        {"МЕТОДИКА220",
         {{"Ф5", {180, 30}}, {"Ф6", {110, 30}}, {"Ф3R", {140, 70}}, {"Ф4", {80, 70}}}},
        {"МЕТОДИКАДЛИНЫ", {{"Ф7", {140, 70}}}},
    };
    for (const auto& [page, expected] : pages) {
        Open(page);
        std::vector<std::pair<QString, QSize>> found;
        for (const Fragment& f : Fragments(browser.document())) {
            if (!f.format.isImageFormat())
                continue;
            const QTextImageFormat img = f.format.toImageFormat();
            ASSERT_TRUE(img.name().startsWith("RT_RCDATA/")) << img.name().toStdString();
            const QSize stated(qRound(img.width()), qRound(img.height()));
            const QUrl source = browser.source().resolved(QUrl(img.name()));
            const QImage image =
                browser.loadResource(QTextDocument::ImageResource, source).value<QImage>();
            ASSERT_FALSE(image.isNull()) << img.name().toStdString();
            EXPECT_EQ(image.size(), stated) << img.name().toStdString();
            found.emplace_back(img.name().mid(10), stated);
        }
        EXPECT_EQ(found, expected) << page.toStdString();
    }
}

TEST_F(HelpBrowserTest, BackForwardAndHomeWalkTheHistory) {
    browser.Navigate(THelpBrowser::StartAddress());
    ClickLink("РАСЧЁТ220");
    ClickLink("РАСЧЁТ380");
    const auto at = [this] { return THelpBrowser::ResourcePath(browser.source()); };
    const auto back = [this] { return state.at(THelpBrowser::CSC_NAVIGATEBACK); };
    const auto fwd = [this] { return state.at(THelpBrowser::CSC_NAVIGATEFORWARD); };
    EXPECT_EQ(at(), "РАСЧЁТ380");
    EXPECT_TRUE(back());
    EXPECT_FALSE(fwd());

    before.clear();
    browser.GoBack();
    EXPECT_EQ(at(), "РАСЧЁТ220");
    EXPECT_TRUE(back());
    EXPECT_TRUE(fwd());
    ASSERT_EQ(before.size(), 1u);
    EXPECT_EQ(THelpBrowser::ResourcePath(QUrl(before[0])), "РАСЧЁТ220");

    browser.GoBack();
    EXPECT_EQ(at(), "INDEX");
    EXPECT_EQ(Title(), "Бримсота (версия 1.5)");
    EXPECT_EQ(ListNumbers(browser.document()).back().first, "8.");
    EXPECT_FALSE(back());
    EXPECT_TRUE(fwd());
    browser.GoBack(); // nothing further back
    EXPECT_EQ(at(), "INDEX");

    browser.GoForward();
    EXPECT_EQ(at(), "РАСЧЁТ220");
    EXPECT_TRUE(back());
    EXPECT_TRUE(fwd());

    // Home is a new navigation: it drops the forward entries.
    before.clear();
    browser.GoHome();
    EXPECT_EQ(at(), "INDEX");
    EXPECT_EQ(before.size(), 1u);
    EXPECT_TRUE(back());
    EXPECT_FALSE(fwd());
    browser.GoBack();
    EXPECT_EQ(at(), "РАСЧЁТ220");
}

TEST_F(HelpBrowserTest, WebAddressesGoToTheSystemAndThePageStays) {
    const QString inside = THelpBrowser::StartAddress() + "?go=http://example.org/";
    const QStringList addresses = {"http://example.org/", "HTTPS://EXAMPLE.ORG/BRIMSOTA/", inside,
                                   "mailto:brimsota@example.org"};
    Open("СИП");
    for (const QString& address : addresses) {
        opened.clear();
        completed.clear();
        browser.Navigate(address);
        ASSERT_EQ(opened.size(), 1u) << address.toStdString();
        EXPECT_EQ(QUrl(opened[0]), QUrl(address, QUrl::TolerantMode));
        EXPECT_EQ(THelpBrowser::ResourcePath(browser.source()), "СИП");
        EXPECT_EQ(Title(), "Типы самонесущих изолированных проводов");
        EXPECT_TRUE(completed.empty());
        EXPECT_FALSE(browser.isBackwardAvailable());
    }
}

TEST_F(HelpBrowserTest, StartPageWebLinksGoToTheSystem) {
    browser.Navigate(THelpBrowser::StartAddress());
    std::vector<QString> external;
    for (const Fragment& f : Fragments(browser.document()))
        if (f.format.isAnchor() && THelpBrowser::IsWebAddress(f.format.anchorHref()) &&
            (external.empty() || external.back() != f.format.anchorHref()))
            external.push_back(f.format.anchorHref());
    // mail, payment, home page
    ASSERT_EQ(external.size(), 3u);
    for (const QString& href : external) {
        opened.clear();
        ClickLink(href);
        ASSERT_EQ(opened.size(), 1u) << href.toStdString();
        EXPECT_EQ(THelpBrowser::ResourcePath(browser.source()), "INDEX");
        EXPECT_FALSE(browser.isBackwardAvailable());
    }
    EXPECT_TRUE(opened[0].startsWith("https://example.org/"));
}

TEST_F(HelpBrowserTest, PageColourReachesTheEdgesWithoutBorder) {
    browser.Navigate(THelpBrowser::StartAddress());
    EXPECT_EQ(browser.frameShape(), QFrame::NoFrame);
    const QImage shot = browser.grab().toImage();
    const QColor page(0xFF, 0xFF, 0xDD);
    const int right = browser.verticalScrollBar()->isVisible()
                          ? browser.viewport()->geometry().right()
                          : shot.width() - 1;
    for (const QPoint p : {QPoint(0, 0), QPoint(0, shot.height() - 1), QPoint(right, 0)})
        EXPECT_EQ(shot.pixelColor(p), page) << p.x() << "," << p.y();
}

TEST(HelpBook, PagesShareOneHeadAndAreUtf8WithCrLf) {
    QByteArray firstHead;
    for (const QString& page : kPages) {
        QFile f(":/help/" + page);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << page.toStdString();
        const QByteArray data = f.readAll();
        EXPECT_FALSE(data.startsWith("\xEF\xBB\xBF")) << page.toStdString();
        EXPECT_EQ(data.count('\n'), data.count("\r\n")) << page.toStdString();
        EXPECT_EQ(QString::fromUtf8(data).toUtf8(), data) << page.toStdString();
        const QByteArray head = data.left(data.indexOf("<body>"));
        EXPECT_TRUE(head.contains("charset=utf-8")) << page.toStdString();
        EXPECT_TRUE(head.contains("<!--")) << page.toStdString();
        if (firstHead.isEmpty())
            firstHead = head;
        EXPECT_EQ(head, firstHead) << page.toStdString();
    }
}

TEST(HelpBook, FormulaPixelsAreOpaqueOrTransparent) {
    for (const QString& name : kImages) {
        const QImage image =
            QImage(":/help/RT_RCDATA/" + name).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        int ink = 0, edge = 0, stray = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb px = image.pixel(x, y);
                if (qAlpha(px) == 255) {
                    ++ink;
                    if (qRed(px) > 0 && qRed(px) < 255)
                        ++edge;
                } else if (qAlpha(px) != 0) {
                    ++stray;
                }
            }
        EXPECT_EQ(stray, 0) << name.toStdString();
        EXPECT_GT(ink, 0) << name.toStdString();
        EXPECT_GT(edge, 0) << name.toStdString() << ": edges not smoothed";
    }
}

} // namespace
