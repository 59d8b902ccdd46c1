#pragma once

#include <QString>

#include <atomic>

// The total of a folder: bytes, files and folders below it. It reads only
// what the kernel keeps about each entry (no file is opened) and asks for no
// more than the size and link count of a file.
//
// - A link is counted as a file of its own size and never followed, also
//   not a link to a folder (folders are opened with O_NOFOLLOW, so a link
//   swapped in during the walk is not entered either).
// - A file with several hard links inside the folder is counted once.
// - The walk stays on the folder's volume: a folder below that is another
//   mount (another device or mount, a bind mount included) is counted as a
//   folder but not entered.
// - What cannot be read is passed over and counted, so the caller can say
//   how much of the total is missing.
//
// Safe to call from any thread. It may use more than one thread itself.
namespace mappetotal {

struct Resultat
{
    qint64 bytes = 0;
    qint64 filer = 0;
    qint64 mapper = 0;
    qint64 ulaesteMapper = 0;    // folders that could not be opened or read to the end
    qint64 ulaesteFiler = 0;     // entries that could not be looked at
    qint64 andreDrev = 0;        // folders below that are other mounts, not entered
    int fejl = 0;                // errno when the folder itself could not be opened; 0 = ok
    bool afbrudt = false;        // stopped by the caller
};

// Running figures a caller on another thread may read while the walk goes on.
struct Fremdrift
{
    std::atomic<qint64> bytes{0};
    std::atomic<qint64> filer{0};
    std::atomic<qint64> mapper{0};
};

// Totals `mappe` (a link given as the folder itself is followed once).
// `stop` may be set from another thread to end the walk early; `fremdrift`
// is updated after each folder. `traade` is the number of threads to use.
Resultat beregn(const QString &mappe, const std::atomic<bool> *stop = nullptr, Fremdrift *fremdrift = nullptr,
                int traade = 2);

} // namespace mappetotal
