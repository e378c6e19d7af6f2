#include "language/ApplyLanguage.h"

#include "language/Localizer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

InterfaceLanguage AutomaticLanguage(const QLocale& userLocale) {
    // The whole locale counts: Russian as used in Moldova gives English.
    struct Pair {
        QLocale::Language language;
        QLocale::Territory territory;
    };
    static constexpr Pair kRussianSpeaking[] = {
        {QLocale::Russian, QLocale::Russia},
        {QLocale::Ukrainian, QLocale::Ukraine},
        {QLocale::Belarusian, QLocale::Belarus},
    };
    for (const Pair& p : kRussianSpeaking)
        if (userLocale.language() == p.language && userLocale.territory() == p.territory)
            return InterfaceLanguage::Russian;
    return InterfaceLanguage::English;
}

QString LanguageFileName(InterfaceLanguage language) {
    return language == InterfaceLanguage::Russian ? QStringLiteral("Бримсота.ru.lng")
                                                  : QStringLiteral("Бримсота.en.lng");
}

QString FindLanguageFile(const QString& fileName, const QString& workingDir,
                         const QString& executableDir) {
    // The working directory first, as the program always looked there; then
    // beside the executable, so that a program started from a launcher with
    // another working directory still finds its files.
    for (const QString& dir : {workingDir, executableDir}) {
        if (dir.isEmpty())
            continue;
        const QFileInfo candidate(QDir(dir), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

void ApplyLanguage(LanguageChoice choice) {
    InterfaceLanguage language = InterfaceLanguage::English;
    switch (choice) {
    case LanguageChoice::Automatic:
        language = AutomaticLanguage(QLocale::system());
        break;
    case LanguageChoice::Russian:
        language = InterfaceLanguage::Russian;
        break;
    case LanguageChoice::English:
        language = InterfaceLanguage::English;
        break;
    }
    const QString path = FindLanguageFile(LanguageFileName(language), QDir::currentPath(),
                                          QCoreApplication::applicationDirPath());
    Localizer& localizer = Localizer::Instance();
    if (path.isEmpty()) {
        localizer.SetAutoTranslate(false);
        return;
    }
    localizer.SetAutoTranslate(true);
    localizer.LoadLanguage(path.chopped(QStringLiteral(".lng").size()));
}
