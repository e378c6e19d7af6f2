#include "help/THelpBrowser.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextList>

#include <algorithm>

// The help book is compiled into the static library; referring to its
// initialiser keeps the linker from dropping it.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace {

// Pages and images are compiled in under this prefix with their resource paths
// as aliases (":/help/INDEX", ":/help/RT_RCDATA/Ф1").
const QString kResourceRoot = QStringLiteral(":/help/");
const QString kImageFolder = QStringLiteral("RT_RCDATA/");
const QColor kPageColour(0xFF, 0xFF, 0xDD);

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

// The compiled-in file of a resource path; resource names are matched without
// regard to case, as the executable's own resources are.
QString ResourceFile(const QString& resourcePath) {
    if (resourcePath.isEmpty())
        return QString();
    QString file = kResourceRoot + resourcePath;
    if (QFile::exists(file))
        return file;
    file = kResourceRoot + resourcePath.toUpper();
    return QFile::exists(file) ? file : QString();
}

// Qt's rich text has no list start number, so "<ol start="5">" would count
// from 1 again. An ordered list whose start continues the ordered list before
// it (the two columns of the start page's contents) is joined to that list, and
// its items number on.
void ContinueNumberedLists(QTextDocument* doc, const QString& html) {
    static const QRegularExpression olTag(QStringLiteral("<ol\\b([^>]*)>"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression startAttr(QStringLiteral("\\bstart\\s*=\\s*[\"']?(\\d+)"),
                                              QRegularExpression::CaseInsensitiveOption);
    QList<int> starts;
    for (auto it = olTag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch start = startAttr.match(it.next().captured(1));
        starts.append(start.hasMatch() ? start.captured(1).toInt() : 1);
    }
    if (std::none_of(starts.cbegin(), starts.cend(), [](int n) { return n > 1; }))
        return;

    QList<QTextList*> lists; // ordered lists by their first item
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        QTextList* list = b.textList();
        if (list && list->format().style() <= QTextListFormat::ListDecimal && !lists.contains(list))
            lists.append(list);
    }
    if (lists.size() != starts.size())
        return; // an empty list: the tags cannot be matched to the lists

    for (qsizetype i = 1; i < lists.size(); ++i) {
        if (starts[i] <= 1 || lists[i - 1]->count() != starts[i] - 1 ||
            lists[i - 1]->format().style() != lists[i]->format().style())
            continue;
        QList<QTextBlock> items;
        for (int k = 0; k < lists[i]->count(); ++k)
            items.append(lists[i]->item(k));
        for (const QTextBlock& item : items)
            lists[i - 1]->add(item);
        lists[i] = lists[i - 1];
    }
}

} // namespace

THelpBrowser::THelpBrowser(QWidget* parent)
    : QTextBrowser(parent), opener_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    static const bool resourcesReady = (InitHelpResources(), true);
    Q_UNUSED(resourcesReady);
    // Web addresses never open here: every link goes through setSource and so
    // through BeforeNavigate2.
    setOpenExternalLinks(false);
    setOpenLinks(true);

    // The page colour shows before the first page and around short pages.
    QPalette pal = palette();
    pal.setColor(QPalette::Base, kPageColour);
    setPalette(pal);
    document()->setDocumentMargin(8);

    connect(this, &QTextBrowser::historyChanged, this, &THelpBrowser::ReportHistory);
    // Every way a page is shown (link, Navigate, back, forward) ends here.
    connect(this, &QTextBrowser::sourceChanged, this,
            [this] { ContinueNumberedLists(document(), lastPage_); });
}

QString THelpBrowser::HelpAddress(const QString& resourcePath) {
    return QStringLiteral("res://") + QCoreApplication::applicationFilePath() + QLatin1Char('/') +
           resourcePath;
}

QString THelpBrowser::StartAddress() {
    return HelpAddress(QStringLiteral("INDEX"));
}

QString THelpBrowser::ResourcePath(const QUrl& address) {
    if (address.scheme().compare(QLatin1String("res"), Qt::CaseInsensitive) != 0)
        return QString();
    // Rebuild the address from its decoded parts: the executable's path and
    // the Cyrillic page names then compare as plain text.
    const QString text = QStringLiteral("res://") + address.authority(QUrl::PrettyDecoded) +
                         address.path(QUrl::FullyDecoded);
    const QString prefix = HelpAddress(QString());
    if (!text.startsWith(prefix, kPathCase))
        return QString();
    return text.mid(prefix.size());
}

bool THelpBrowser::IsWebAddress(const QString& address) {
    return address.contains(QLatin1String("http://"), Qt::CaseInsensitive) ||
           address.contains(QLatin1String("https://"), Qt::CaseInsensitive) ||
           address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
}

void THelpBrowser::HandOverWebAddress(const QString& address, bool* cancel) {
    if (!IsWebAddress(address))
        return;
    if (opener_)
        opener_(QUrl(address, QUrl::TolerantMode));
    if (cancel)
        *cancel = true;
}

void THelpBrowser::SetOpener(Opener opener) {
    opener_ = std::move(opener);
}

void THelpBrowser::Navigate(const QString& address) {
    setSource(QUrl(address, QUrl::TolerantMode));
}

void THelpBrowser::GoBack() {
    backward();
}

void THelpBrowser::GoForward() {
    forward();
}

void THelpBrowser::GoHome() {
    Navigate(StartAddress());
}

void THelpBrowser::home() {
    GoHome();
}

void THelpBrowser::backward() {
    if (!isBackwardAvailable() || !AllowNavigation(historyUrl(-1)))
        return;
    QTextBrowser::backward();
    emit NavigateComplete2(LocationURL());
}

void THelpBrowser::forward() {
    if (!isForwardAvailable() || !AllowNavigation(historyUrl(1)))
        return;
    QTextBrowser::forward();
    emit NavigateComplete2(LocationURL());
}

void THelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    if (!AllowNavigation(name))
        return;
    QTextBrowser::doSetSource(name, type);
    loaded_ = true;
    emit NavigateComplete2(LocationURL());
}

bool THelpBrowser::AllowNavigation(const QUrl& address) {
    bool cancel = false;
    emit BeforeNavigate2(address.toString(), &cancel);
    return !cancel;
}

void THelpBrowser::ReportHistory() {
    emit CommandStateChange(CSC_NAVIGATEFORWARD, isForwardAvailable());
    emit CommandStateChange(CSC_NAVIGATEBACK, isBackwardAvailable());
}

int THelpBrowser::ReadyState() const {
    return loaded_ ? READYSTATE_COMPLETE : READYSTATE_UNINITIALIZED;
}

bool THelpBrowser::HasDocument() const {
    return loaded_ && !document()->isEmpty();
}

QString THelpBrowser::LocationURL() const {
    return source().toString();
}

void THelpBrowser::SetDocumentBorder(bool visible) {
    if (visible) {
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
    const QString resourcePath = ResourcePath(name);
    const QString file = ResourceFile(resourcePath);
    if (file.isEmpty())
        return QVariant();
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QVariant();
    const QByteArray data = f.readAll();
    if (type == QTextDocument::ImageResource ||
        resourcePath.startsWith(kImageFolder, Qt::CaseInsensitive))
        return QImage::fromData(data);
    // The pages keep CR LF line ends; Qt's HTML reader would turn a CR after a
    // closing tag into a stray space at the end of the block.
    lastPage_ = QString::fromUtf8(data).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return lastPage_;
}
