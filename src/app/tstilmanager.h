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

    // Before the first window is built: remembers the platform's look and
    // puts in place the toolkit style the designs share. The design named in
    // the settings then only changes the palette, instead of restyling every
    // widget built before the settings were read.
    static void forbered();

    // Applies the named style to the application. An unknown name changes
    // nothing and returns false.
    static bool anvend(const QString &navn);

    // The name of the style applied last ("" before the first anvend()).
    static QString aktiv();

    // The name of the toolkit style in use ("fusion" for the designs).
    static QString grundstil();
};
