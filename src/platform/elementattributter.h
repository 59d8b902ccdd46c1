#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// The properties of one element as the kernel keeps them: its times and
// size, whether it is read-only, and the space of the volume that holds it.
// Paths are handed to the system as their exact bytes (navnekode).
namespace elementattributter {

struct Tider
{
    QDateTime oprettet;   // birth time; the change of its data where the file system keeps none
    QDateTime aendret;
    QDateTime aabnet;
};

struct Stat
{
    qint64 stoerrelse = 0;
    Tider tider;
    unsigned int mode = 0;
};

// Links are followed (the properties of a link are those of what it leads
// to); nothing when the element cannot be examined.
std::optional<Stat> stat(const QString &sti);

// Read-only means: the owner may not write. Setting it takes away the
// write permission of owner, group and others alike (so nobody is left
// able to write); clearing it gives the owner write permission back and
// leaves group and others as they are. Other permission bits are kept.
bool erSkrivebeskyttet(unsigned int mode);
// 0 on success, otherwise errno.
int saetSkrivebeskyttet(const QString &sti, bool skrivebeskyttet);

// The size of the volume holding `sti` and what this user may still use of
// it, in bytes; nothing when the system cannot tell.
struct Plads
{
    qint64 kapasitet = 0;
    qint64 ledig = 0;
};
std::optional<Plads> plads(const QString &sti);

} // namespace elementattributter
