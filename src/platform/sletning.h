#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

#include <functional>

// Permanent deletion of files and whole folder trees. The walk works on
// open folder handles (openat/unlinkat), so a folder swapped for a link
// while we work is never followed; links themselves are removed, never
// their targets. A folder on another mounted volume, or one that is a mount
// point of its own, is not entered: it and the folders above it stay, and
// each is named in the result. Mount points are recognised by what the
// kernel says of the folder itself (device, mount id, mount root), never by
// comparing path texts, so a mount point whose name is not valid UTF-8 is
// recognised too, and so is a bind mount of the same file system.
namespace sletning {

// One element that could not be deleted, with the reason in Danish.
struct Fejl
{
    QString sti;
    QString grund;
};

struct Resultat
{
    qint64 filer = 0;    // files (and links, special files) removed
    qint64 mapper = 0;   // folders removed
    qint64 bytes = 0;    // bytes of the removed files as the file system reports them
    QList<Fejl> fejl;
    bool fuldstaendig() const { return fejl.isEmpty(); }
};

// Called after each removed file with its size, so the caller can show
// progress and keep the program alive. There is no stop: a half-deleted
// tree helps nobody.
using FilSlettet = std::function<void(qint64 bytes)>;

struct Valg
{
    // Folders taken for mount points besides the real ones; tests pass
    // their own to fake a mount point. They are known by device and inode.
    std::optional<QSet<QString>> monteringspunkter;
    FilSlettet filSlettet;
};

// Deletes `sti` (a file, a link or a folder with everything below it).
// True when it is gone (also when it did not exist); false when anything
// stayed, each named in r.fejl.
bool slet(const QString &sti, Resultat &r, const Valg &valg = {});

// Deletes the file or link `sti`, never a folder (a folder is left and
// named). True when it is gone (also when it did not exist).
bool sletFil(const QString &sti, Resultat &r, const Valg &valg = {});

// Deletes the folder `sti` only when it is empty. True when it is gone
// (also when it did not exist); a folder with content stays and is named.
bool sletTomMappe(const QString &sti, Resultat &r);

// The path with its folder's links resolved; the last component is kept as
// it is, so a link names itself and not its target. Unchanged when the
// folder does not exist.
QString kanonisk(const QString &sti);

// The mount points of the running system, as paths.
QSet<QString> systemetsMonteringspunkter();

// True when `sti` is a mount point (a drive): the kernel says so, or it is
// the same folder (device and inode) as one of `ekstra`.
bool erMonteringspunkt(const QString &sti, const QSet<QString> &ekstra = {});

// One line per element, "path (reason)", at most `maks` of them and then
// "… og N flere.", for a message to the user.
QStringList linjer(const QList<Fejl> &fejl, int maks = 15);

} // namespace sletning
