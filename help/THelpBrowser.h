#pragma once

// The help viewer: shows the pages compiled into the executable.

#include <QTextBrowser>

class THelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit THelpBrowser(QWidget* parent = nullptr);
};
