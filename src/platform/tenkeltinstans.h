#pragma once

#include <QString>

// One running program per data root. Two programs writing the same settings
// and list files would overwrite each other's changes, so the second start
// stops with a reason.
//
// The lock is a lock the kernel holds on an open file for as long as the
// program runs: it goes with the program however the program ends (a crash,
// a kill, a power cut), so what the file holds never matters — an empty or
// garbage file left behind is simply locked again. The file lies in the
// user's runtime folder, which works even when the data root cannot be
// written, and is never removed, so no start can take away a lock that
// another program holds. Keep the object alive for the whole run.
class TEnkeltInstans
{
public:
    enum class Status {
        Laast,            // this program holds the lock
        KoererAllerede,   // another running program holds it: stop
        UdenLaas          // no lock could be made anywhere; run anyway
    };

    // `laasMappe` is where the lock file goes; by default the user's runtime
    // folder. The data root itself is the fallback.
    explicit TEnkeltInstans(const QString &grundMappe, const QString &laasMappe = koerselsmappe());
    ~TEnkeltInstans();

    TEnkeltInstans(const TEnkeltInstans &) = delete;
    TEnkeltInstans &operator=(const TEnkeltInstans &) = delete;

    Status laas();

    // The Danish text to show before stopping (empty unless KoererAllerede).
    QString grund() const { return m_grund; }

    // The lock file of `grundMappe` in `laasMappe`: the data root's path is
    // part of its name, so every data root has a lock of its own.
    static QString laasFilnavn(const QString &laasMappe, const QString &grundMappe);
    // The user's runtime folder ($XDG_RUNTIME_DIR); empty when there is none.
    static QString koerselsmappe();

private:
    enum class Forsoeg { Laast, Optaget, Umuligt };
    Forsoeg proev(const QString &mappe);

    QString m_grundMappe;
    QString m_laasMappe;
    int m_fd = -1;
    QString m_grund;
};
