#include "engines/genveje/topstartsprogram.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/genveje/genvejsliste.h"
#include "engines/tstarter.h"
#include "platform/filinfo.h"
#include "platform/skript.h"
#include "platform/specialmapper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TOpstartsprogram::TOpstartsprogram(Dialogs &dialogs, const QString &scriptDir, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_script(stier::delimKon(scriptDir) + QStringLiteral("createShortcut.sh"))
{
    connect(&m_venter, &TFilventer::kom, this, &TOpstartsprogram::skift);
    connect(&m_venter, &TFilventer::udeblev, this, &TOpstartsprogram::mislykket);
}

QString TOpstartsprogram::autostartMappe()
{
    return SpecialMapper().autostart();
}

void TOpstartsprogram::makeOpstartProg(const QString &programfil, const QString &placeringsMappe)
{
    if (!filinfo::erFil(programfil)) {
        m_dialogs.inform(QStringLiteral("Genvejens mål blev ikke fundet."));
        return;
    }
    QString fil;
    bool startet = false;
    if (filinfo::erMappe(placeringsMappe)) {
        fil = genvejsliste::fil(placeringsMappe, QStringLiteral("Marvikel"));
        if (filinfo::erFil(m_script)) {
            const int kode = skript::start(m_script, {placeringsMappe, QStringLiteral("Marvikel"), programfil});
            startet = kode > 32;
            if (!startet)
                m_dialogs.inform(TStarter::ErrorTekst(kode) + u'\r');
        } else {
            m_dialogs.inform(QStringLiteral("Der synes at mangle en fil til skabelse af en genvej."));
        }
    }
    // Without a started script an entry left by an earlier run still
    // toggles the registration.
    m_venter.vent(fil, startet);
}

void TOpstartsprogram::skift(const QString &fil)
{
    const QString mappe = autostartMappe();
    // A fresh account often has no autostart folder yet.
    if (!QDir().mkpath(mappe)) {
        m_dialogs.inform(QStringLiteral("Startup-mappen kunne ikke findes.\r"));
        return;
    }
    const QString maal = mappe + u'/' + QFileInfo(fil).fileName();
    if (filinfo::findes(maal)) {
        if (!QFile::remove(maal)) {
            mislykket();
            return;
        }
        m_dialogs.inform(QStringLiteral("Programmet blev fjernet som StartUp-program."));
    } else {
        if (!QFile::copy(fil, maal)) {
            mislykket();
            return;
        }
        m_dialogs.inform(QStringLiteral("Programmet er indført som StartUp-program."));
    }
    emit visMappe(mappe);
}

void TOpstartsprogram::mislykket()
{
    m_dialogs.inform(QStringLiteral("Det lykkedes ikke at indføre programmet som startprogram."));
}
