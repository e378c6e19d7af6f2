#include "help/THelpBrowser.h"

THelpBrowser::THelpBrowser(QWidget* parent) : QTextBrowser(parent) {}
