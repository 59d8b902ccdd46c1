#pragma once

#include <QString>

#include <functional>

// Copying one element safely. The data goes to a temporary name in the
// target folder and the copy takes its final name in one rename, so a
// partial file never stands under a final name and a failed overwrite leaves
// the old target as it was. Data moves in chunks (copy_file_range where the
// kernel offers it, else read/write), holes stay holes, and the copy keeps
// the source's permissions and times. A file is copied to its end, not to
// the size it had when it was opened: what is appended during the copy
// arrives too, and so does the content of files that report the size 0
// (as under /proc). Links are copied as links; pipes, devices and sockets
// are never opened.
namespace filkopi {

enum class Udfald {
    Ok,
    Findes,        // the target exists and may not be replaced; nothing written
    Stoppet,       // the progress callback asked to stop; nothing left behind
    DiskFuld,      // no room on the target's volume; nothing left behind
    Speciel,       // a pipe, device or socket: not copied
    KildeMangler,  // the source has vanished
    SammeElement,  // source and target are one element: not touched
    Fejl,          // any other failure (rights, I/O, a source that changed)
};

// What a file was when it was looked at. A moved source is deleted only
// while it is still that file: one rewritten, appended to or replaced since
// its copy began differs in one of these.
struct Kendetegn
{
    bool ok = false;
    quint64 dev = 0, ino = 0;
    qint64 stoerrelse = 0;
    qint64 mtidSek = 0, mtidNs = 0, ctidSek = 0, ctidNs = 0;
    bool operator==(const Kendetegn &) const = default;
};

// The element `sti` as it is now (links not followed).
Kendetegn kendetegn(const QString &sti);

struct Resultat
{
    Udfald udfald = Udfald::Fejl;
    int fejl = 0;          // errno of the failing call, when there was one
    qint64 bytes = 0;      // bytes that reached the target
    Kendetegn kilde;       // the source as it was when its copy began
    bool ok() const { return udfald == Udfald::Ok; }
};

// Called after every chunk with the bytes done and the file's size; false
// stops the copy.
using Fremskridt = std::function<bool(qint64 kopieret, qint64 total)>;

// Copies the file or link `fra` to `til`. With `erstat` an existing target
// (not a folder) is replaced in one step; without it the target must be free.
Resultat kopier(const QString &fra, const QString &til, bool erstat, const Fremskridt &fremskridt = {});

// True when the two paths lead to the same element (links followed, same
// device and inode). False when either does not exist. Where a volume folds
// letter case, identitet::sammeElement also knows other spellings.
bool sammeElement(const QString &a, const QString &b);

// True when `sti` is a folder (not a link to one) that the walk may enter.
bool erEgenMappe(const QString &sti);

// True when the two paths lie on different mounted volumes, so a rename
// between them cannot work. Paths that do not exist count as the volume of
// their nearest existing folder.
bool andetDrev(const QString &a, const QString &b);

// Creates the folder `sti` (not its parents), open to its owner only until
// its contents are written. Udfald::Ok when it was made, Findes when a
// folder of that name already exists (the caller merges into it), else the
// reason it could not be made.
Resultat opretMappe(const QString &sti);

// Gives a folder made by opretMappe the permissions and times of its source,
// once its contents are written (writing into it changes its times).
void kopierMappeEgenskaber(const QString &kilde, const QString &maal);

// Makes everything written to the volume that holds `mappe` durable — file
// data and the folder entries that name the files — in one call for the
// whole volume. 0, or the errno that says it could not be made durable.
int synkroniserDrev(const QString &mappe);

// Tests: replaces synkroniserDrev (nullptr restores it).
using Synkronisering = std::function<int(const QString &mappe)>;
void saetSynkronisering(Synkronisering hook);

// Tests: a hook consulted before each chunk is written to `maal`; a non-zero
// errno makes that write fail as if the system had returned it. nullptr
// removes the hook.
using SkriveFejl = std::function<int(const QString &maal)>;
void saetSkriveFejl(SkriveFejl hook);

} // namespace filkopi
