// Start-up of the program: the application, the main window, the message loop.

#include "ui/Unit1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    // The localizer's automatic translation of new windows is switched on
    // here, before the main window exists; its language is loaded later, by
    // OpenConfig while the window is created.

    Form1 = new TForm1();
    Form1->show();
    const int code = QApplication::exec();
    delete Form1;
    return code;
}
