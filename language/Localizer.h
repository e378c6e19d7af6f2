#pragma once

// The program's localizer, one per process. It holds the language loaded
// last and whether newly created windows are translated; it reports nothing,
// so a missing or damaged language file never shows a message.

#include "language/LanguageFile.h"

#include <QString>

class QWidget;

class Localizer {
public:
    static Localizer& Instance();

    // While on, TranslateNewWindow and LoadLanguage translate windows; turning
    // it off changes nothing on screen.
    void SetAutoTranslate(bool on) { autoTranslate_ = on; }
    bool AutoTranslate() const { return autoTranslate_; }

    // Reads baseName + ".lng" and makes its texts the current ones: the
    // resource strings come out in it from now on and, if automatic
    // translation is on, every existing top-level window whose objectName has
    // a section in the file is translated at once. A missing, unreadable or
    // unrecognised file changes nothing.
    void LoadLanguage(const QString& baseName);

    // Called by a window right after it has built its controls: translates it
    // with the current language if automatic translation is on.
    void TranslateNewWindow(QWidget* window) const;

    Localizer(const Localizer&) = delete;
    Localizer& operator=(const Localizer&) = delete;

private:
    Localizer() = default;
    void Translate(QWidget* window) const;

    bool autoTranslate_ = false;
    lang::LanguageFile current_;
};
