#pragma once

// The program's number format: the user's locale, read once at start.

#include "calc/NumberDisplay.h"

#include <QChar>
#include <QString>

// Read from QLocale::system() on first use; tests may assign another separator.
calc::NumberFormat& ProgramNumberFormat();

// The decimal separator as Qt text.
QString ProgramDecimalSeparator();
