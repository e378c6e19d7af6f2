// Window tests run offscreen; a modal dialog that appears fails the test
// instead of waiting for a click that never comes.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);

    QTimer modalGuard;
    QObject::connect(&modalGuard, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "unexpected modal window: " << modal->metaObject()->className() << " "
                          << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    modalGuard.start(50);

    return RUN_ALL_TESTS();
}
