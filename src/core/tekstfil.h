#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every settings and list file of the program is a list of lines: CR LF after
// each line (the last one included), UTF-8 without byte-order mark, written
// whole. Reading accepts what older or foreign writers left behind: a
// byte-order mark (UTF-8/UTF-16), plain UTF-8, or Windows-1252 bytes.
namespace tekstfil {

// Decodes file bytes: BOM first, then strict UTF-8, then Windows-1252.
QString dekod(const QByteArray &bytes);
// The Windows-1252 step alone.
QString fraWindows1252(const QByteArray &bytes);

// Splits text into lines at CR LF, LF or a lone CR. A final line break ends
// the last line rather than starting an empty one.
QStringList splitLinjer(const QString &tekst);

// The bytes written for a list of lines.
QByteArray kod(const QStringList &linjer);

enum class Laesning { Ok, Mangler, Fejl };

// Reads the lines of a file. `status` tells whether the file was missing or
// unreadable; the result is then empty.
QStringList hent(const QString &filnavn, Laesning *status = nullptr);

// Writes the lines atomically: the old file stays intact unless every byte of
// the new one was written, flushed and renamed into place. A failure leaves no
// temporary file behind. Returns false on any failure.
bool gem(const QString &filnavn, const QStringList &linjer);

// Writes bytes atomically under the same rules as gem().
bool gemBytes(const QString &filnavn, const QByteArray &data);

} // namespace tekstfil
