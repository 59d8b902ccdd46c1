#include "platform/monteringer.h"

#include <QSet>

#include <algorithm>
#include <QStringList>

namespace {

// mountinfo writes blanks, tabs, newlines and backslashes as \ooo.
QString fjernEscape(const QString &felt)
{
    if (!felt.contains(QLatin1Char('\\')))
        return felt;
    QByteArray ud;
    const QByteArray b = felt.toUtf8();
    for (qsizetype i = 0; i < b.size(); ++i) {
        if (b[i] == '\\' && i + 3 < b.size()) {
            bool ok = false;
            const int v = b.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && v < 256) {
                ud += char(v);
                i += 3;
                continue;
            }
        }
        ud += b[i];
    }
    return QString::fromUtf8(ud);
}

bool under(const QString &sti, const QString &mappe)
{
    return sti == mappe || sti.startsWith(mappe + QLatin1Char('/'));
}

} // namespace

QList<Montering> Monteringer::fortolk(const QString &mountinfo)
{
    QList<Montering> ud;
    const QStringList linjer = mountinfo.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &linje : linjer) {
        const QStringList f = linje.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const qsizetype streg = f.indexOf(QStringLiteral("-"), 6);
        if (f.size() < 7 || streg < 0 || streg + 2 >= f.size())
            continue;
        const QStringList mm = f.at(2).split(QLatin1Char(':'));
        if (mm.size() != 2)
            continue;
        Montering m;
        m.major = mm.at(0).toInt();
        m.minor = mm.at(1).toInt();
        m.rod = fjernEscape(f.at(3));
        m.monteringspunkt = fjernEscape(f.at(4));
        m.filsystem = f.at(streg + 1);
        m.kilde = fjernEscape(f.at(streg + 2));
        ud.append(m);
    }
    return ud;
}

bool Monteringer::erPseudo(const Montering &m)
{
    static const QSet<QString> pseudo = {
        "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs", "pstore",
        "bpf", "debugfs", "tracefs", "configfs", "fusectl", "mqueue", "hugetlbfs", "autofs",
        "binfmt_misc", "efivarfs", "nsfs", "rpc_pipefs", "selinuxfs", "squashfs",
        "fuse.gvfsd-fuse", "fuse.portal", "fuse.xdg-document-portal"};
    if (m.monteringspunkt == QLatin1String("/"))
        return false;
    if (pseudo.contains(m.filsystem))
        return true;
    const QString &p = m.monteringspunkt;
    if (p.startsWith(QLatin1String("/run/media/")))
        return false;
    for (const char *mappe : {"/proc", "/sys", "/dev", "/run", "/boot", "/snap"}) {
        if (under(p, QLatin1String(mappe)))
            return true;
    }
    return p.startsWith(QLatin1String("/var/lib/"));
}

QList<Montering> Monteringer::brugbare(const QList<Montering> &alle)
{
    // A later mount on the same point hides the earlier one.
    QList<Montering> oeverst;
    for (const Montering &m : alle) {
        for (qsizetype i = 0; i < oeverst.size(); ++i) {
            if (oeverst.at(i).monteringspunkt == m.monteringspunkt) {
                oeverst.removeAt(i);
                break;
            }
        }
        oeverst.append(m);
    }

    // The root is the system drive and always wins over a bind of itself.
    std::stable_partition(oeverst.begin(), oeverst.end(),
                          [](const Montering &m) { return m.monteringspunkt == QLatin1String("/"); });
    QList<Montering> ud;
    QSet<QString> set;
    for (const Montering &m : oeverst) {
        if (erPseudo(m))
            continue;
        // Bind mounts of the same device and subtree show the same files
        // twice; keep the first. Device 0 (tmpfs and other virtual file
        // systems) has a fresh minor per mount, so they never collide.
        const QString noegle = QString::number(m.major) + ':' + QString::number(m.minor) + ' ' + m.rod;
        if (set.contains(noegle))
            continue;
        set.insert(noegle);
        ud.append(m);
    }
    return ud;
}
