#include "platform/tenkeltinstans.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TEnkeltInstans::TEnkeltInstans(const QString &grundMappe, const QString &laasMappe)
    : m_grundMappe(QDir::cleanPath(grundMappe))
    , m_laasMappe(laasMappe)
{
}

TEnkeltInstans::~TEnkeltInstans()
{
    // Closing releases the lock; the file stays for the next start.
    if (m_fd >= 0)
        ::close(m_fd);
}

QString TEnkeltInstans::koerselsmappe()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString TEnkeltInstans::laasFilnavn(const QString &laasMappe, const QString &grundMappe)
{
    const QByteArray noegle =
        QCryptographicHash::hash(QFile::encodeName(QDir::cleanPath(grundMappe)), QCryptographicHash::Sha1).toHex();
    // Hidden, so it does not show among the user's folders when it lies there.
    return laasMappe + QStringLiteral("/.marvikel-") + QString::fromLatin1(noegle.left(16)) + QStringLiteral(".lock");
}

TEnkeltInstans::Forsoeg TEnkeltInstans::proev(const QString &mappe)
{
    if (mappe.isEmpty() || !QDir().mkpath(mappe))
        return Forsoeg::Umuligt;
    const QByteArray sti = QFile::encodeName(laasFilnavn(mappe, m_grundMappe));
    const int fd = ::open(sti.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0600);
    if (fd < 0)
        return Forsoeg::Umuligt;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool optaget = errno == EWOULDBLOCK;
        ::close(fd);
        return optaget ? Forsoeg::Optaget : Forsoeg::Umuligt;
    }
    m_fd = fd;
    // The process id, for a person who looks; the lock does not read it.
    const QByteArray pid = QByteArray::number(::getpid()) + '\n';
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const ssize_t n = ::pwrite(fd, pid.constData(), size_t(pid.size()), 0);
    }
    return Forsoeg::Laast;
}

TEnkeltInstans::Status TEnkeltInstans::laas()
{
    m_grund.clear();
    if (m_fd >= 0)
        return Status::Laast;
    Forsoeg f = proev(m_laasMappe);
    if (f == Forsoeg::Umuligt && m_laasMappe != m_grundMappe)
        f = proev(m_grundMappe);
    switch (f) {
    case Forsoeg::Laast:
        return Status::Laast;
    case Forsoeg::Optaget:
        m_grund = QStringLiteral("Marvikel kører allerede for denne bruger.\r"
                                 "Brug det vindue, der allerede er åbent.");
        return Status::KoererAllerede;
    case Forsoeg::Umuligt:
        break;
    }
    return Status::UdenLaas;
}
