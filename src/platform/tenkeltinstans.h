#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// One running program per data root. Two programs writing the same settings
// and list files would overwrite each other's changes, so the second start
// stops with a reason. Keep the object alive for the whole run: the lock is
// released when it is destroyed, and a lock left by a program that died is
// taken over by the next start.
class TEnkeltInstans
{
public:
    enum class Status {
        Laast,            // this program holds the lock
        KoererAllerede,   // another running program holds it: stop
        UdenLaas          // no lock could be made (read-only or missing data
                          // root); run anyway, nothing can be written there
    };

    explicit TEnkeltInstans(const QString &grundMappe);

    // Creates the data root if needed and takes the lock.
    Status laas();

    // The Danish text to show before stopping (empty unless KoererAllerede).
    QString grund() const { return m_grund; }

    static QString laasFilnavn(const QString &grundMappe);

private:
    QString m_grundMappe;
    std::unique_ptr<QLockFile> m_laas;
    QString m_grund;
};
