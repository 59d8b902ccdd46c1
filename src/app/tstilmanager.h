#pragma once

#include <QPalette>
#include <QString>
#include <QStringList>

// The program's visual styles: the platform look "Windows" and nine named
// designs, each the Fusion style with a palette of its own. Choosing one
// applies it at once to the whole application.
class TStilManager
{
public:
    static const QString platformNavn;   // "Windows"

    // Every style name, in the order the style box lists them.
    static QStringList designNavne();

    static bool findes(const QString &navn);

    // The palette of a named design; the platform palette for "Windows" and
    // for a name that is not known.
    static QPalette palet(const QString &navn);

    // Applies the named style to the application. An unknown name changes
    // nothing and returns false.
    static bool anvend(const QString &navn);

    // The name of the style applied last ("" before the first anvend()).
    static QString aktiv();

    // The name of the toolkit style in use ("fusion" for the designs).
    static QString grundstil();
};
