#pragma once

#include <QString>

// Whether two paths lead to one element. Paths are not compared as text:
// the same folder can be reached through a link, a bind mount of itself,
// or, on a volume that folds letter case (exFAT, FAT, NTFS, case-folding
// ext4 folders), through another spelling of its name; some such volumes
// even give each spelling an inode of its own. Two paths are one element
// when they lead to the same device and inode, or when they lie on one
// volume that folds letter case and name the same entries as it compares
// names.
namespace identitet {

// The path with its links and "." and ".." resolved; unchanged when it
// does not exist.
QString virkeligSti(const QString &sti);

// True when names in the folder `mappe` may be looked up without regard to
// letter case: a volume known to do so, or a folder with the case-folding
// attribute.
bool kanFoldeBogstaver(const QString &mappe);

// The path spelt as its entries are spelt on disk, where a folder along it
// folds letter case and the path spells an entry otherwise; links resolved.
QString stavemaade(const QString &sti);

// True when `a` and `b` are one existing element (links followed).
bool sammeElement(const QString &a, const QString &b);

// True when `sti` is the folder `mappe` itself or lies anywhere inside it,
// through whatever alias it is reached.
bool liggerI(const QString &sti, const QString &mappe);

} // namespace identitet
