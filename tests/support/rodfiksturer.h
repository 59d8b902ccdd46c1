#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

// Fixtures that only root can make: mounts of the test's own folders and of
// small volume images. Each is undone when it goes out of scope, so declare
// it after the temporary folder that holds it. A test that cannot have one
// skips with the reason `grund()` gives.
namespace rodfiksturer {

inline QByteArray b(const QString &sti)
{
    return QFile::encodeName(sti);
}

class Montering
{
public:
    // A bind mount of the folder `kilde` on the folder `punkt`.
    static Montering bind(const QByteArray &kilde, const QByteArray &punkt)
    {
        Montering m(punkt);
        if (::geteuid() != 0)
            m.m_grund = "kræver root for at montere";
        else if (::mount(kilde.constData(), punkt.constData(), nullptr, MS_BIND, nullptr) != 0)
            m.m_grund = "bind-montering mislykkedes: " + QString::fromLocal8Bit(strerror(errno));
        else
            m.m_monteret = true;
        return m;
    }

    // A small tmpfs on the folder `punkt`.
    static Montering tmpfs(const QByteArray &punkt)
    {
        Montering m(punkt);
        if (::geteuid() != 0)
            m.m_grund = "kræver root for at montere";
        else if (::mount("marvikel-test", punkt.constData(), "tmpfs", 0, "size=4m") != 0)
            m.m_grund = "tmpfs kunne ikke monteres: " + QString::fromLocal8Bit(strerror(errno));
        else
            m.m_monteret = true;
        return m;
    }

    Montering(Montering &&a) noexcept : m_punkt(a.m_punkt), m_monteret(a.m_monteret), m_grund(a.m_grund)
    {
        a.m_monteret = false;
    }
    ~Montering()
    {
        if (m_monteret)
            ::umount2(m_punkt.constData(), MNT_DETACH);
    }

    bool ok() const { return m_monteret; }
    const QString &grund() const { return m_grund; }

private:
    explicit Montering(const QByteArray &punkt) : m_punkt(punkt) {}
    QByteArray m_punkt;
    bool m_monteret = false;
    QString m_grund;
};

// An exFAT volume of a few MiB mounted through FUSE (exfat-fuse), which
// folds letter case and gives every spelling of a name an inode of its own.
class ExfatDrev
{
public:
    // The image and the mount point are made in the folder `mappe`.
    explicit ExfatDrev(const QString &mappe)
        : m_billede(mappe + "/exfat.img"), m_punkt(mappe + "/exfat")
    {
        if (::geteuid() != 0) {
            m_grund = "kræver root for at montere et exFAT-drev";
            return;
        }
        for (const char *program : {"mkfs.exfat", "mount.exfat-fuse", "losetup"}) {
            if (QStandardPaths::findExecutable(program, {"/usr/sbin", "/sbin", "/usr/bin", "/bin"}).isEmpty()) {
                m_grund = QString("programmet %1 mangler (pakkerne exfatprogs og exfat-fuse)").arg(program);
                return;
            }
        }
        QFile billede(m_billede);
        if (!billede.open(QIODevice::WriteOnly) || !billede.resize(8 * 1024 * 1024)) {
            m_grund = "billedfilen kunne ikke laves";
            return;
        }
        billede.close();
        ::mkdir(b(m_punkt).constData(), 0755);
        if (koer("mkfs.exfat", {m_billede}) != 0) {
            m_grund = "mkfs.exfat mislykkedes";
            return;
        }
        QProcess losetup;
        losetup.start(sbin("losetup"), {"-f", "--show", m_billede});
        losetup.waitForFinished();
        m_loop = QString::fromLocal8Bit(losetup.readAllStandardOutput()).trimmed();
        if (losetup.exitCode() != 0 || m_loop.isEmpty()) {
            m_grund = "ingen loop-enhed";
            m_loop.clear();
            return;
        }
        if (koer("mount.exfat-fuse", {m_loop, m_punkt}) != 0) {
            m_grund = "exFAT-drevet kunne ikke monteres (FUSE)";
            return;
        }
        m_monteret = true;
    }

    ~ExfatDrev()
    {
        if (m_monteret)
            ::umount2(b(m_punkt).constData(), 0) == 0 || ::umount2(b(m_punkt).constData(), MNT_DETACH);
        if (!m_loop.isEmpty())
            koer("losetup", {"-d", m_loop});
        QFile::remove(m_billede);
        ::rmdir(b(m_punkt).constData());
    }

    bool ok() const { return m_monteret; }
    const QString &grund() const { return m_grund; }
    QString sti() const { return m_punkt; }

private:
    static QString sbin(const char *program)
    {
        return QStandardPaths::findExecutable(program, {"/usr/sbin", "/sbin", "/usr/bin", "/bin"});
    }
    static int koer(const char *program, const QStringList &argumenter)
    {
        QProcess p;
        p.start(sbin(program), argumenter);
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    QString m_billede, m_punkt, m_loop;
    bool m_monteret = false;
    QString m_grund;
};

// Runs the rest of the scope as the user "nobody", so rights are checked as
// for an ordinary user (root passes every check); a test run by an ordinary
// user already is one.
class SomAlmindeligBruger
{
public:
    SomAlmindeligBruger()
    {
        if (::geteuid() == 0)
            m_skiftet = ::seteuid(65534) == 0;
    }
    ~SomAlmindeligBruger() { tilbage(); }
    void tilbage()
    {
        if (m_skiftet && ::seteuid(0) == 0)
            m_skiftet = false;
    }
    bool ok() const { return m_skiftet || ::geteuid() != 0; }

private:
    bool m_skiftet = false;
};

} // namespace rodfiksturer
