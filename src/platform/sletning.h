#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

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

// What a count before a deletion saw of the trees it is about to delete:
// the totals of each tree, and the size of each element that is not a
// folder by its folder (device and inode) and name. The deletion that
// follows takes the sizes from here instead of looking at every file again;
// what changed since the count (a folder that is not the one counted, an
// element that is new or has become a folder) is looked at as before.
class Optaelling
{
public:
    struct Tal
    {
        qint64 filer = 0;    // elements that are not folders (links to folders too)
        qint64 mapper = 0;   // folders below the counted one
        qint64 bytes = 0;
        bool fuldstaendig = true;   // false: something below could not be read
    };

    // Counts what the folder `sti` holds (not the folder itself). Links are
    // counted as themselves, folders of other mounted volumes as folders
    // but not entered. Nullopt when the folder itself cannot be opened.
    // `vedMappe` is called after each folder found.
    std::optional<Tal> tael(const QString &sti, const std::function<void()> &vedMappe = {});

    // The counted size of `navn` in the folder (dev, ino); -1 when it was
    // not counted. `naeste` is where the search starts and is moved past
    // the hit: a folder read in the same order as when it was counted
    // finds every name at once.
    qint64 stoerrelse(quint64 dev, quint64 ino, const QByteArray &navn, size_t &naeste) const;

    bool harMappe(quint64 dev, quint64 ino) const { return m_mapper.contains({dev, ino}); }
    // The elements that are not folders, in every tree counted.
    qint64 filer() const { return m_filer; }

private:
    struct Mappe
    {
        QByteArray navne;             // the names one after the other
        std::vector<qsizetype> slut;  // where each name ends in `navne`
        std::vector<qint64> stoerrelser;
    };
    QHash<QPair<quint64, quint64>, Mappe> m_mapper;
    qint64 m_filer = 0;
};

struct Valg
{
    // Folders taken for mount points besides the real ones; tests pass
    // their own to fake a mount point. They are known by device and inode.
    std::optional<QSet<QString>> monteringspunkter;
    FilSlettet filSlettet;
    // The count made just before, whose sizes the walk uses; none: every
    // element is looked at.
    const Optaelling *optaelling = nullptr;
    // From this many counted files on, the subfolders of the top folder
    // are shared between two threads.
    qint64 toTraadeFraFiler = 4096;
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

// Canonical paths for one run over many elements in a few folders (one
// deletion): the resolved path of the last folder is kept with the
// device and inode it led to, and used again while the folder's path still
// leads there. That costs one stat per element instead of a look at every
// component of the path. Keep one only as long as the run lasts.
class Kanonisering
{
public:
    // As kanonisk(sti).
    QString kanonisk(const QString &sti);

private:
    QString m_mappe;   // the folder as asked for
    QString m_rod;     // its resolved path
    quint64 m_dev = 0;
    quint64 m_ino = 0;
    bool m_kendt = false;
};

// The mount points of the running system, as paths.
QSet<QString> systemetsMonteringspunkter();

// True when `sti` is a mount point (a drive): the kernel says so, or it is
// the same folder (device and inode) as one of `ekstra`.
bool erMonteringspunkt(const QString &sti, const QSet<QString> &ekstra = {});

// One line per element, "path (reason)", at most `maks` of them and then
// "… og N flere.", for a message to the user.
QStringList linjer(const QList<Fejl> &fejl, int maks = 15);

} // namespace sletning
