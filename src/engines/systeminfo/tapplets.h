#pragma once

#include <QObject>
#include <QString>

class Dialogs;

// The desktop's settings panels, one shipped script per button of the
// applets window. Each script picks the panel of the running desktop, or a
// tool that works anywhere, and exits 127 when nothing installed fits.
class TApplets : public QObject
{
    Q_OBJECT

public:
    struct Applet
    {
        const char *tekst;
        const char *hint;
        const char *script;
    };
    // The twenty buttons, in the window's order.
    static const Applet tabel[20];
    // The applets table entry of a script; null when none.
    static const Applet *find(const QString &script);

    TApplets(Dialogs &dialogs, const QString &appletsDir, QObject *parent = nullptr);

    // Runs the script of the button captioned `tekst`; a missing script or
    // one that finds nothing to open is told to the user. Returns the start
    // result (above 32: started).
    int koer(const QString &script, const QString &tekst);

    // The message when nothing on this machine can open `tekst`.
    static QString ingenTekst(const QString &tekst);

signals:
    // The script has ended with this exit code (0: the panel was started).
    void afsluttet(const QString &script, int exitkode);

private:
    Dialogs &m_dialogs;
    QString m_appletsDir;
};
