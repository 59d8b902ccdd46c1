#pragma once

#include <QByteArray>
#include <QString>

// File names on Linux are bytes; most are UTF-8 but some are not. Qt's own
// decoding replaces invalid bytes and so loses the name. Here every byte that
// is not part of valid UTF-8 becomes one lone surrogate U+DC80..U+DCFF, which
// kod() turns back into the same byte, so such a name survives the round
// trip through a QString and can still be opened, renamed or deleted.
namespace navnekode {

QString dekod(const char *bytes, qsizetype laengde);
QString dekod(const QByteArray &bytes);
// The same, added to the end of `ud`: a reader of many names reuses one
// string instead of making one per name.
void dekodTil(QString &ud, const char *bytes, qsizetype laengde);

// The bytes to hand to the system for a path decoded by dekod().
QByteArray kod(const QString &sti);

// The path's bytes percent-encoded the way file URIs and the trash's
// ".trashinfo" files want them: letters, digits, "-._~" and "/" as they
// are, every other byte as %XX.
QByteArray procentKod(const QString &sti);

} // namespace navnekode
