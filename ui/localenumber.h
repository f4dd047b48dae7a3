// The decimal separator of the user's locale, for numbers shown on screen.
// formatGeneral takes it as an argument; a separator that is not one ASCII character (no such
// locale is common) falls back to the period.
#pragma once

#include <QLocale>
#include <QString>

inline char localeDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
}
