#include "platform/drev.h"

#include "platform/monteringer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>

#include <algorithm>

namespace {

QString laesTekst(const QString &fil)
{
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.read(1 << 20)).trimmed();
}

QString udenSkraastreg(const QString &sti)
{
    QString s = sti;
    while (s.size() > 1 && s.endsWith(QLatin1Char('/')))
        s.chop(1);
    return s;
}

// udev names labels with \xNN for blanks and other awkward bytes.
QString udevNavn(const QString &navn)
{
    if (!navn.contains(QLatin1String("\\x")))
        return navn;
    QByteArray ud;
    const QByteArray b = navn.toUtf8();
    for (qsizetype i = 0; i < b.size(); ++i) {
        if (b[i] == '\\' && i + 3 < b.size() && b[i + 1] == 'x') {
            bool ok = false;
            const int v = b.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                ud += char(v);
                i += 3;
                continue;
            }
        }
        ud += b[i];
    }
    return QString::fromUtf8(ud);
}

// A source naming a device node by its path (normally under /dev).
bool erEnhed(const QString &kilde) { return kilde.startsWith(QLatin1Char('/')); }

} // namespace

bool Drev::erUnder(const QString &sti, const QString &drev)
{
    if (drev == QLatin1String("/"))
        return sti.startsWith(QLatin1Char('/'));
    return sti == drev || (sti.startsWith(drev) && sti.at(drev.size()) == QLatin1Char('/'));
}

int Drev::klassificer(const Montering &m) const
{
    static const QSet<QString> ram = {"tmpfs", "ramfs"};
    static const QSet<QString> net = {
        "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "9p", "afs", "ceph", "glusterfs", "lustre",
        "davfs", "fuse.sshfs", "fuse.rclone", "fuse.s3fs", "fuse.davfs2", "fuse.curlftpfs"};
    const QString enhed = QFileInfo(m.kilde).fileName();
    if (ram.contains(m.filsystem) || (erEnhed(m.kilde) && (enhed.startsWith(QLatin1String("zram"))
                                                          || enhed.startsWith(QLatin1String("ram")))))
        return Ram;
    if (net.contains(m.filsystem))
        return Netvaerk;
    if (m.filsystem == QLatin1String("iso9660") || m.filsystem == QLatin1String("udf") || m.major == 11
        || (erEnhed(m.kilde) && enhed.startsWith(QLatin1String("sr"))))
        return Cd;

    // A block device: ask sysfs whether its disk is removable or on USB.
    QString sysSti;
    if (m.major != 0)
        sysSti = m_kilder.sysRod + "/dev/block/" + QString::number(m.major) + ':' + QString::number(m.minor);
    else if (erEnhed(m.kilde))   // btrfs and fuseblk report device 0 but name their device
        sysSti = m_kilder.sysRod + "/class/block/" + QFileInfo(QFileInfo(m.kilde).canonicalFilePath()).fileName();
    else
        return m.monteringspunkt == QLatin1String("/") ? Fast : Ukendt;

    QString disk = QFileInfo(sysSti).canonicalFilePath();
    if (disk.isEmpty())
        return Fast;
    if (QFileInfo::exists(disk + "/partition"))
        disk = QFileInfo(disk).path();
    if (laesTekst(disk + "/removable") == QLatin1String("1") || disk.contains(QLatin1String("/usb")))
        return Flytbar;
    return Fast;
}

QString Drev::findEtiket(const Montering &m) const
{
    if (erEnhed(m.kilde)) {
        const QString enhed = QFileInfo(m.kilde).canonicalFilePath();
        const QDir dir(m_kilder.etiketMappe);
        const QFileInfoList links = dir.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo &link : links) {
            if (!enhed.isEmpty() && link.canonicalFilePath() == enhed)
                return udevNavn(link.fileName());
        }
    }
    // Desktop automounters name the mount point after the label.
    const QStringList dele = m.monteringspunkt.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const bool media = dele.size() == 3 && dele.at(0) == QLatin1String("media");
    const bool runMedia = dele.size() == 4 && dele.at(0) == QLatin1String("run") && dele.at(1) == QLatin1String("media");
    if (media || runMedia) {
        const QString bruger = dele.at(dele.size() - 2);
        if (m_kilder.brugernavn.isEmpty() || bruger == m_kilder.brugernavn)
            return dele.last();
    }
    return {};
}

// The running system's drives are read again only when its mount table
// changed: every key pressed in a tree asks which drive a path lies on.
QList<Drevdata> Drev::alle() const
{
    return m_kilder == DrevKilder{} ? systemets(false) : laesAlle();
}

QList<Drevdata> Drev::viste() const
{
    return m_kilder == DrevKilder{} ? systemets(true) : udvaelgViste(laesAlle());
}

// The running system's drives are read again only when its mount table
// changed: every key pressed in a tree asks which drive a path lies on.
QList<Drevdata> Drev::systemets(bool viste) const
{
    static QMutex laas;
    static MonteringsVagt vagt;
    static QList<Drevdata> alle;
    static QList<Drevdata> vist;
    const QMutexLocker laast(&laas);
    if (vagt.aendret()) {
        alle = laesAlle();
        vist = udvaelgViste(alle);
    }
    return viste ? vist : alle;
}

QList<Drevdata> Drev::laesAlle() const
{
    const QList<Montering> monteringer = Monteringer::brugbare(Monteringer::systemets(m_kilder.mountinfo));
    QList<Drevdata> ud;
    for (const Montering &m : monteringer) {
        Drevdata d;
        d.mappe = udenSkraastreg(m.monteringspunkt);
        d.type = m.monteringspunkt == QLatin1String("/") ? Fast : klassificer(m);
        d.filsystem = m.filsystem;
        d.kilde = m.kilde;
        d.etiket = findEtiket(m);
        ud.append(d);
    }
    std::sort(ud.begin(), ud.end(), [](const Drevdata &a, const Drevdata &b) { return a.mappe < b.mappe; });
    return ud;
}

QList<Drevdata> Drev::udvaelgViste(const QList<Drevdata> &alle)
{
    QList<Drevdata> ud;
    for (const Drevdata &d : alle) {
        if ((d.type == Flytbar || d.type == Fast || d.type == Cd) && QFileInfo(d.mappe).isDir())
            ud.append(d);
    }
    return ud;
}

int Drev::type(const QString &rod) const
{
    const QString r = udenSkraastreg(rod);
    for (const Drevdata &d : alle()) {
        if (d.mappe == r)
            return d.type;
    }
    return Ukendt;
}

QString Drev::etiket(const QString &rod) const
{
    const QString r = udenSkraastreg(rod);
    for (const Drevdata &d : alle()) {
        if (d.mappe == r)
            return d.etiket;
    }
    return {};
}

QString Drev::drevAfSti(const QString &sti, const QList<Drevdata> &viste)
{
    QString bedst;
    for (const Drevdata &d : viste) {
        if (erUnder(sti, d.mappe) && d.mappe.size() > bedst.size())
            bedst = d.mappe;
    }
    return bedst;
}
