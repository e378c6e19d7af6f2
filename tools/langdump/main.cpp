// Creates the main window offscreen with its built-in texts and writes every
// translatable text of it, and every resource string, as a language file:
//   langdump [output.lng]      (standard output without an argument)

#include "language/LanguageFile.h"
#include "language/WindowTexts.h"
#include "resources/ResourceStrings.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // An empty directory as working and settings directory: no settings file
    // gives the design values, and no language file is found there.
    QTemporaryDir empty;
    if (!empty.isValid() || !QDir::setCurrent(empty.path())) {
        std::fputs("langdump: cannot make a temporary directory\n", stderr);
        return 1;
    }
    const TForm1 window(empty.path() + QLatin1Char('/'));

    for (int i = 0; i < res::Count(); ++i) {
        if (res::Get(res::Table()[i].id) != res::Table()[i].russian) {
            std::fputs("langdump: a language file beside the tool was loaded; move it away\n",
                       stderr);
            return 1;
        }
    }
    const std::string text = lang::WriteLanguageFile(lang::DumpLanguage(&window, "Русский"));

    if (argc < 2) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(text.data(), qint64(text.size())) != qint64(text.size())) {
        std::fprintf(stderr, "langdump: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
