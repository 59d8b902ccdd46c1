#pragma once

#include "engines/genveje/tfilventer.h"

#include <QObject>
#include <QString>

class Dialogs;

// Makes a shortcut (a desktop entry) to a folder, a program or a file with
// the shipped scripts "createShortcutMappe.sh" (a folder, opened in this
// program) and "createShortcut.sh" (anything else), then waits for the
// entry to appear and reports the result. The program file is handed to
// the folder script so the entry starts this very program.
class TGenvejsmager : public QObject
{
    Q_OBJECT

public:
    TGenvejsmager(Dialogs &dialogs, const QString &scriptDir, const QString &programfil,
                  QObject *parent = nullptr);

    TFilventer *venter() { return &m_venter; }

    // Starts making the shortcut `navn` to `maal` in the folder `placering`.
    // False when nothing was started and nothing is waited for (the target
    // is missing or the name cannot be a file name).
    bool makeGenvej(const QString &maal, const QString &placering, const QString &navn);

    // The reason `navn` cannot name a shortcut file, empty when it can.
    static QString navnefejl(const QString &navn);

signals:
    // The shortcut file is there; `placering` is the folder it was made in.
    void genvejLavet(const QString &fil, const QString &placering);

private:
    void lavet(const QString &fil);

    Dialogs &m_dialogs;
    QString m_scriptDir;
    QString m_programfil;
    QString m_placering;
    TFilventer m_venter;
};
