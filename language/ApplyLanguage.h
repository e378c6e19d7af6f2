#pragma once

// Turns the language choice of the interface page into a language file and
// hands it to the localizer.

#include <QLocale>
#include <QString>

enum class LanguageChoice { Automatic, Russian, English };

enum class InterfaceLanguage { Russian, English };

// The automatic choice: Russian for the user locales Russian (Russia),
// Ukrainian (Ukraine) and Belarusian (Belarus), English for every other.
InterfaceLanguage AutomaticLanguage(const QLocale& userLocale);

// "Бримсота.ru.lng" or "Бримсота.en.lng".
QString LanguageFileName(InterfaceLanguage language);

// The path of `fileName` in `workingDir`, else in `executableDir`; empty when
// neither has it.
QString FindLanguageFile(const QString& fileName, const QString& workingDir,
                         const QString& executableDir);

// Automatic decides by QLocale::system(). If the language's file is found in
// the current directory or beside the executable, automatic translation is
// switched on and the file loaded; otherwise automatic translation is
// switched off and the texts stay as they are.
void ApplyLanguage(LanguageChoice choice);
