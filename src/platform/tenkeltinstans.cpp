#include "platform/tenkeltinstans.h"

#include <QDir>

TEnkeltInstans::TEnkeltInstans(const QString &grundMappe)
    : m_grundMappe(grundMappe)
{
}

QString TEnkeltInstans::laasFilnavn(const QString &grundMappe)
{
    // Hidden, so it does not show among the user's folders.
    return grundMappe + "/.marvikel.lock";
}

TEnkeltInstans::Status TEnkeltInstans::laas()
{
    m_grund.clear();
    if (!QDir().mkpath(m_grundMappe))
        return Status::UdenLaas;
    m_laas = std::make_unique<QLockFile>(laasFilnavn(m_grundMappe));
    // The lock is held for the whole run, so it must never go stale by age;
    // a lock whose program no longer runs is still found stale by its process id.
    m_laas->setStaleLockTime(0);
    if (m_laas->tryLock(0))
        return Status::Laast;
    if (m_laas->error() == QLockFile::LockFailedError) {
        m_grund = QStringLiteral("Marvikel kører allerede for denne bruger.\r"
                                 "Brug det vindue, der allerede er åbent.");
        return Status::KoererAllerede;
    }
    m_laas.reset();
    return Status::UdenLaas;
}
