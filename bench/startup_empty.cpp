// The floor of the start-up benchmark: an empty widget, shown, then quit.

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir; // the same work as the form program around the window
    QWidget form;
    form.resize(834, 562);
    form.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
