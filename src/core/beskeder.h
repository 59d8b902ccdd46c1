#pragma once

#include <QString>

// Texts the program shows from more than one place, each written once here.
// Where a window has always said a text its own way, that spelling is a
// text of its own.
namespace beskeder {

inline QString ukendtFejl()
{
    return QStringLiteral("Der opstod en ukendt fejl.");
}

// The operations engine's spelling.
inline QString ukendtFejlUdraab()
{
    return QStringLiteral("Der opstod en ukendt fejl!");
}

// After a paste that failed outright.
inline QString ukendtFejlDesvaerre()
{
    return QStringLiteral("Der opstod desværre en ukendt fejl.");
}

} // namespace beskeder
