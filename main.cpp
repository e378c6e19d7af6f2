// Start-up of the program: the application, the main window, the message loop.

#include "language/Localizer.h"
#include "ui/Unit1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    // Automatic translation of new windows is on before the main window
    // exists; the language itself is loaded later, by OpenConfig while the
    // window is created.
    Localizer::Instance().SetAutoTranslate(true);

    Form1 = new TForm1();
    Form1->show();
    const int code = QApplication::exec();
    delete Form1;
    return code;
}
