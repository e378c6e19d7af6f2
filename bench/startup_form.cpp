// Creates and shows the main window, then quits as soon as it is shown.

#include "ui/Unit1.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir; // no settings file is read or left behind
    TForm1 form(dir.path());
    form.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
