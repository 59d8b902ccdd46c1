#pragma once

#include "engines/genveje/tfilventer.h"

#include <QObject>
#include <QString>

class Dialogs;

// Start-up registration ("Udfør" on the settings page): the shipped script
// "createShortcut.sh" makes the entry "Marvikel.desktop" that starts the
// running program in the fixed placement folder; once it is there it is
// copied into the desktop's autostart folder, or, when the autostart
// folder already holds it, removed from there. So each run toggles the
// registration. The entry in the placement folder stays.
class TOpstartsprogram : public QObject
{
    Q_OBJECT

public:
    TOpstartsprogram(Dialogs &dialogs, const QString &scriptDir, QObject *parent = nullptr);

    TFilventer *venter() { return &m_venter; }
    // SPtimerFilename: the entry being waited for.
    QString SPtimerFilename() const { return m_venter.fil(); }

    // makeOpstartProg: `programfil` is the running program's file.
    void makeOpstartProg(const QString &programfil, const QString &placeringsMappe);

    // The desktop's autostart folder ($XDG_CONFIG_HOME/autostart).
    static QString autostartMappe();

signals:
    // The autostart folder after a change, to be shown in an explorer.
    void visMappe(const QString &mappe);

private:
    void skift(const QString &fil);
    void mislykket();

    Dialogs &m_dialogs;
    QString m_script;
    TFilventer m_venter;
};
