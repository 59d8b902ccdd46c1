#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Every settings and list file the program keeps — its own and those it
// keeps for the user — goes through here. A file is a list of lines: CR LF
// after each line (the last one included), UTF-8 without byte-order mark,
// written whole. Reading accepts what older or foreign writers left behind:
// a byte-order mark (UTF-8/UTF-16), plain UTF-8, or Windows-1252 bytes.
//
// Reading takes only regular files (a link to one is fine) up to a size that
// fits the file's purpose, and never blocks: a pipe, a device, a folder or a
// dangling link in a file's place is not opened for reading, and a file too
// large to be ours is not read. Such a file, and one that exists but cannot
// be read, is told to the user once (with its path), is treated as missing,
// and is never written over in this run. Writing goes through a link only
// when the link leads to a regular file.
namespace tekstfil {

// What a file is for decides how large it may be.
enum class Art {
    Indstillinger,   // settings and window position files: 64 KiB
    Liste,           // data lists (programs, favourites, structures, help contents): 16 MiB
    Dokument         // larger shared documents (the desktop's recent files): 64 MiB
};
constexpr qint64 maksStoerrelse(Art art)
{
    return art == Art::Indstillinger ? 64 * 1024 : art == Art::Liste ? 16 * 1024 * 1024 : 64 * 1024 * 1024;
}

// Decodes file bytes: BOM first, then strict UTF-8, then Windows-1252.
QString dekod(const QByteArray &bytes);
// The Windows-1252 step alone.
QString fraWindows1252(const QByteArray &bytes);

// Splits text into lines at CR LF, LF or a lone CR. A final line break ends
// the last line rather than starting an empty one.
QStringList splitLinjer(const QString &tekst);

// The bytes written for a list of lines.
QByteArray kod(const QStringList &linjer);

// Missing: nothing there (also a file that vanished while being opened).
// Fejl: something is there that could not be read as the file; the user has
// been told, and the file is not written over.
enum class Laesning { Ok, Mangler, Fejl };

// Reads the lines of a file of the given purpose; empty unless Ok.
QStringList hent(const QString &filnavn, Art art, Laesning *status = nullptr);
// The same for a data list (Art::Liste).
QStringList hent(const QString &filnavn, Laesning *status = nullptr);

// The raw bytes under the same rules, with a cap of `maks` bytes. With
// `meld` false nothing is told to the user and nothing is protected: for
// files of other programs that are only looked at (desktop entries).
QByteArray hentBytes(const QString &filnavn, qint64 maks, Laesning *status = nullptr, bool meld = true);

// Skrevet: the file now holds the data. Afvist: not written, because the
// file could not be read earlier or is not (a link to) a regular file; the
// user has been told once already. Fejl: the write failed (no room, no
// permission, …); the old file is intact and the caller says so.
enum class Skrivning { Skrevet, Afvist, Fejl };

// Writes the lines atomically: the old file stays intact unless every byte of
// the new one was written, synced and renamed into place. A failure leaves no
// temporary file behind.
Skrivning skriv(const QString &filnavn, const QStringList &linjer);

// Writes bytes atomically under the same rules as skriv().
Skrivning skrivBytes(const QString &filnavn, const QByteArray &data);

// skriv() and skrivBytes() for callers that only need to know whether the
// file now holds the data.
bool gem(const QString &filnavn, const QStringList &linjer);
bool gemBytes(const QString &filnavn, const QByteArray &data);

// Where the messages about stored files go. The program hands them to the
// information box; without a receiver they go to the error output. The
// receiver may be called from any thread.
void saetMelder(std::function<void(const QString &besked)> melder);

// The name a save writes its bytes under before the rename, beside the
// target: hidden, with the target's name and the program's mark in it
// (".navn.marvikel-<pid>-<n>"), so a left-over after a crash says what it
// was and is recognised on the next start.
QByteArray midlertidigtNavn(const QByteArray &til);
// Whether a file name has the shape of such a temporary.
bool erMidlertidigtNavn(const QString &navn);

// Removes the temporaries that interrupted saves left in `mappe` (regular
// files only; links and folders of that shape are left alone). Call it only
// while no save can be running there: at start, with the program's lock
// held. Returns how many were removed.
int fjernEfterladte(const QString &mappe);

} // namespace tekstfil
