#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to open on its command line: desktop
// environments pass file URIs ("Exec=marvikel %U"), people type paths.
namespace kommandolinje {

struct Elementer {
    QStringList stier;    // absolute local paths, in the order given
    QStringList afviste;  // arguments that name nothing on this computer
};

// Turns arguments into absolute local paths; relative paths are taken from
// `arbejdsmappe`. Whether a path exists is for the caller to decide, since a
// running program may be asked long after the arguments were written.
Elementer fraArgumenter(const QStringList &argumenter, const QString &arbejdsmappe);

} // namespace kommandolinje
