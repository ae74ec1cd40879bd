#pragma once

#include <QString>

// A name shown in a menu as it is written: an "&" is no underlined letter
// and a tab no key column.
inline QString literalMenuText(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&")).replace(QLatin1Char('\t'), QLatin1Char(' '));
}
