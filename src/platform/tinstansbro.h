#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

// Carries a second start's request to the program that already runs for the
// same data root: the paths it was asked to open (none: just come forward).
// The running program listens on a local socket in the user's runtime folder;
// the second start sends and stops.
class TInstansbro : public QObject
{
    Q_OBJECT

public:
    explicit TInstansbro(const QString &grundMappe, QObject *parent = nullptr);
    ~TInstansbro() override;

    // Starts listening. Call only while holding the single-instance lock, so
    // a socket left by a program that died can be replaced safely.
    bool lyt();

    // Hands `stier` to the running program; false when none answered.
    bool send(const QStringList &stier, int ventetidMs = 2000) const;

    // The socket's name, by data root, so two data roots never meet.
    static QString socketnavn(const QString &grundMappe);

signals:
    void modtaget(const QStringList &stier);

private:
    void laesForbindelse();

    QString m_navn;
    QLocalServer *m_server = nullptr;
};
