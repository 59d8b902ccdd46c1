#pragma once

#include <QString>
#include <QStringList>

// Full-text search over the help folder. Pages are searched as source text,
// markup included, for the search text as a whole word with the letter case
// ignored. Returns the page names (file names without extension) in name
// order.
QStringList soegIHjaelpesider(const QString &infoDir, const QString &soegetekst);

// Whether `tekst` holds `ord` as a whole word, case ignored.
bool indeholderHeltOrd(const QString &tekst, const QString &ord);

// The file of a help page in the help folder: the exact name when it exists,
// else a name that differs only in letter case (pages are asked for by names
// whose case varies); empty when there is none.
QString findHjaelpeside(const QString &infoDir, const QString &sidenavn);
