#pragma once

#include <QString>
#include <QStringList>

// Path rules every part shares, on the text alone. Paths use "/", folders
// have no trailing "/" except the root "/", and paths compare exactly (Linux
// names are case sensitive). What exists is asked of platform/filinfo.h.
namespace stier {

// The path with one "/" appended unless it already ends in "/"; "" gives "/".
QString delimKon(const QString &sti);

// The last component; a drive (one of `drev`, or "/") is its own mount point.
QString getLastDirectory(const QString &sti, const QStringList &drev = {});

// The folder holding `sti` ("/" for "/x"); empty for a path without "/".
QString mappeAf(const QString &sti);

// The extension with its dot (".txt"), or empty. A leading dot does not start
// an extension: ".bashrc" has none.
QString udvidelse(const QString &navn);
QStringView udvidelse(QStringView navn);
QString udenUdvidelse(const QString &navn);

// One trailing "/" dropped, except from the root.
QString udenSkraastreg(const QString &sti);

// "/home/ann/Dok" with drive "/" → "/", "home", "ann", "Dok";
// with drive "/media/ann/USB" the path "/media/ann/USB/x" → "/media/ann/USB", "x".
QStringList dele(const QString &sti, const QString &drev);

} // namespace stier
