#include "ui/ProgramNumberFormat.h"

#include <QLocale>

calc::NumberFormat& ProgramNumberFormat() {
    static calc::NumberFormat format{QLocale::system().decimalPoint().toStdString()};
    return format;
}

QString ProgramDecimalSeparator() {
    return QString::fromStdString(ProgramNumberFormat().decimalSeparator);
}
