#pragma once

#include <QLocale>
#include <QString>

// The interface is Danish whatever the system locale says: numbers, sizes
// and dates are always shown in Danish formats, and texts are compared by the
// program's own case rule.
namespace dansk {

QLocale locale();

// "1.500", "-12"
QString heltal(qint64 tal);

// "1,50" with the given number of decimals.
QString decimaltal(double tal, int decimaler);

// The case rule for captions, names and search texts: only the letters A–Z
// fold to a–z; every other character (æ, ø, å included) compares by its code.
QChar foldAZ(QChar c);
QString foldAZ(const QString &tekst);
bool ensAZ(const QString &a, const QString &b);
// <0, 0, >0 like strcmp, with A–Z folded.
int sammenlignAZ(const QString &a, const QString &b);

} // namespace dansk
