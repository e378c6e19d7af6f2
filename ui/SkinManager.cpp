#include "ui/SkinManager.h"

#include <QApplication>
#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

// The style is compiled into a static library; referencing its resource here
// keeps the linker from dropping it.
static void initStyleResource() {
    Q_INIT_RESOURCE(styles);
}

namespace {

const char* const kInternalResource = ":/styles/Windows10.qss";
const QString kSuffix = QStringLiteral(".qss");

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Qt resolves relative image addresses against the working directory, not
// the sheet's own folder; a style file next to its pictures should just work.
QString anchorUrls(const QString& sheet, const QDir& base) {
    static const QRegularExpression url(
        QString::fromLatin1(R"re(url\(\s*(["']?)([^)"']+)\1\s*\))re"));
    QString out;
    qsizetype last = 0;
    auto it = url.globalMatch(sheet);
    while (it.hasNext()) {
        const auto m = it.next();
        const QString target = m.captured(2).trimmed();
        if (target.startsWith(u':') || target.startsWith(QLatin1String("qrc:")) ||
            QDir::isAbsolutePath(target))
            continue;
        out += QStringView(sheet).mid(last, m.capturedStart() - last);
        out += QStringLiteral("url(\"%1\")").arg(base.absoluteFilePath(target));
        last = m.capturedEnd();
    }
    out += QStringView(sheet).mid(last);
    return out;
}

QApplication* application() {
    return qobject_cast<QApplication*>(QCoreApplication::instance());
}

} // namespace

QString SkinManager::internalSkinName() {
    return QStringLiteral("Windows 10 (внутренний)");
}

SkinManager::SkinManager(QObject* parent) : QObject(parent), name_(internalSkinName()) {
    initStyleResource();
    setObjectName(QStringLiteral("sSkinManager1"));
    apply();
}

SkinManager::~SkinManager() {
    QApplication* app = application();
    if (app && !appliedSheet_.isEmpty() && app->styleSheet() == appliedSheet_)
        app->setStyleSheet(QString());
}

void SkinManager::setSkinName(const QString& name) {
    if (name == name_)
        return;
    name_ = name;
    if (active_)
        apply();
    emit stateChanged();
}

void SkinManager::setActive(bool on) {
    if (on == active_)
        return;
    active_ = on;
    apply();
    emit stateChanged();
}

void SkinManager::setSkinDirectory(const QString& directory) {
    if (directory == directory_)
        return;
    directory_ = directory;
    // The current name may now name a different file, or none.
    if (active_)
        apply();
}

QStringList SkinManager::skinNames() const {
    QStringList names{internalSkinName()};
    if (!directory_.isEmpty()) {
        const QDir dir(directory_);
        const auto files =
            dir.entryInfoList({QStringLiteral("*") + kSuffix}, QDir::Files | QDir::Readable);
        for (const QFileInfo& file : files) {
            const QString name = file.fileName().chopped(kSuffix.size());
            if (!name.isEmpty() && !names.contains(name))
                names << name;
        }
    }
    // One fixed order whatever the user's locale: Latin before Cyrillic, "ё" with "е".
    QCollator collator{QLocale(QLocale::English)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    return names;
}

QString SkinManager::findSkin(const QString& name) const {
    if (name.isEmpty())
        return {};
    const QStringList names = skinNames();
    if (names.contains(name))
        return name;
    for (const QString& candidate : names)
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    return {};
}

QString SkinManager::styleSheetOf(const QString& name) const {
    if (name == internalSkinName())
        return readText(QString::fromLatin1(kInternalResource));
    if (directory_.isEmpty() || name.isEmpty())
        return {};
    const QDir dir(directory_);
    const QString path = dir.filePath(name + kSuffix);
    if (!QFileInfo(path).isFile())
        return {};
    return anchorUrls(readText(path), dir);
}

void SkinManager::apply() {
    QString name;
    QString sheet;
    if (active_) {
        name = findSkin(name_);
        if (name.isEmpty())
            name = internalSkinName();
        sheet = styleSheetOf(name);
    }
    const bool changed = name != appliedName_ || sheet != appliedSheet_;
    appliedName_ = name;
    if (sheet != appliedSheet_) {
        appliedSheet_ = sheet;
        if (QApplication* app = application())
            app->setStyleSheet(sheet);
    }
    if (changed)
        emit lookChanged();
}
