#include "platform/identitet.h"

#include "platform/navnekode.h"

#include <QStringList>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace identitet {

namespace {

// Volumes whose names are looked up without regard to letter case, by the
// magic number statfs gives. FUSE is among them because an exFAT or NTFS
// volume is often mounted through it; on a FUSE volume that does not fold,
// every name is found as it is spelt and nothing changes.
bool foldendeVolumen(long type)
{
    switch (quint32(type)) {
    case 0x4d44:       // FAT (vfat, msdos)
    case 0x2011BAB0:   // exFAT
    case 0x7366746e:   // NTFS (ntfs3)
    case 0x5346544e:   // NTFS (ntfs)
    case 0x482b:       // HFS+
    case 0xFF534D42:   // CIFS
    case 0xFE534D42:   // SMB2
    case 0x517B:       // SMB
    case 0x65735546:   // FUSE
        return true;
    default:
        return false;
    }
}

#ifndef FS_CASEFOLD_FL
#define FS_CASEFOLD_FL 0x40000000
#endif

bool harFoldeAttribut(const QByteArray &mappe)
{
    const int fd = ::open(mappe.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flag = 0;
    const bool ja = ::ioctl(fd, FS_IOC_GETFLAGS, &flag) == 0 && (flag & FS_CASEFOLD_FL);
    ::close(fd);
    return ja;
}

bool kanFolde(const QByteArray &mappe)
{
    struct statfs sf;
    if (::statfs(mappe.constData(), &sf) == 0 && foldendeVolumen(long(sf.f_type)))
        return true;
    return harFoldeAttribut(mappe);
}

// The entry of `mappe` spelt exactly `navn`, else the one the volume would
// find for it; `navn` itself when neither is listed.
QByteArray navnPaaDisken(const QByteArray &mappe, const QByteArray &navn)
{
    DIR *d = ::opendir(mappe.constData());
    if (!d)
        return navn;
    const QString soegt = navnekode::dekod(navn);
    QByteArray fundet;
    while (const dirent *e = ::readdir(d)) {
        if (navn == e->d_name) {
            fundet = navn;
            break;
        }
        if (fundet.isEmpty()
            && QString::compare(navnekode::dekod(e->d_name, qsizetype(std::strlen(e->d_name))), soegt,
                                Qt::CaseInsensitive) == 0)
            fundet = QByteArray(e->d_name);
    }
    ::closedir(d);
    return fundet.isEmpty() ? navn : fundet;
}

QByteArray virkelig(const QByteArray &sti)
{
    char buf[PATH_MAX];
    return ::realpath(sti.constData(), buf) ? QByteArray(buf) : sti;
}

QByteArray stavet(const QByteArray &sti)
{
    const QByteArray v = virkelig(sti);
    if (!v.startsWith('/'))
        return v;
    QByteArray ud = "/";
    for (const QByteArray &del : v.split('/')) {
        if (del.isEmpty())
            continue;
        const QByteArray navn = kanFolde(ud) ? navnPaaDisken(ud, del) : del;
        ud += (ud.endsWith('/') ? QByteArray() : QByteArrayLiteral("/")) + navn;
    }
    return ud;
}

bool statAf(const QByteArray &sti, struct stat &st)
{
    return ::stat(sti.constData(), &st) == 0;
}

QByteArray foraelder(const QByteArray &sti)
{
    const qsizetype i = sti.lastIndexOf('/');
    return i <= 0 ? QByteArrayLiteral("/") : sti.left(i);
}

} // namespace

QString virkeligSti(const QString &sti)
{
    return navnekode::dekod(virkelig(navnekode::kod(sti)));
}

bool kanFoldeBogstaver(const QString &mappe)
{
    return kanFolde(navnekode::kod(mappe));
}

QString stavemaade(const QString &sti)
{
    return navnekode::dekod(stavet(navnekode::kod(sti)));
}

bool sammeElement(const QString &a, const QString &b)
{
    const QByteArray ka = navnekode::kod(a);
    const QByteArray kb = navnekode::kod(b);
    struct stat sa, sb;
    if (!statAf(ka, sa) || !statAf(kb, sb))
        return false;
    if (sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino)
        return true;
    // Spellings of one name on one volume share its device.
    if (sa.st_dev != sb.st_dev || !kanFolde(foraelder(virkelig(ka))))
        return false;
    return stavet(ka) == stavet(kb);
}

bool liggerI(const QString &sti, const QString &mappe)
{
    const QByteArray m = navnekode::kod(mappe);
    struct stat sm;
    if (!statAf(m, sm))
        return false;
    // Every folder from `sti` up to the root, each asked for what it is.
    QByteArray her = virkelig(navnekode::kod(sti));
    struct stat st;
    bool somFolder = false;
    for (;;) {
        if (statAf(her, st)) {
            if (st.st_dev == sm.st_dev && st.st_ino == sm.st_ino)
                return true;
            somFolder = somFolder || (st.st_dev == sm.st_dev && kanFolde(her));
        }
        if (her == "/" || !her.startsWith('/'))
            break;
        her = foraelder(her);
    }
    if (!somFolder)
        return false;
    const QByteArray s = stavet(navnekode::kod(sti));
    const QByteArray ms = stavet(m);
    return s == ms || s.startsWith(ms.endsWith('/') ? ms : ms + '/');
}

} // namespace identitet
