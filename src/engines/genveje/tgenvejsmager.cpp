#include "engines/genveje/tgenvejsmager.h"

#include "core/dialogs.h"
#include "core/filnavn.h"
#include "core/stier.h"
#include "engines/genveje/genvejsliste.h"
#include "engines/tstarter.h"
#include "platform/filinfo.h"
#include "platform/skript.h"

#include <QFileInfo>
#include <QProcessEnvironment>

TGenvejsmager::TGenvejsmager(Dialogs &dialogs, const QString &scriptDir, const QString &programfil,
                             QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_scriptDir(stier::delimKon(scriptDir))
    , m_programfil(programfil)
{
    connect(&m_venter, &TFilventer::kom, this, &TGenvejsmager::lavet);
    connect(&m_venter, &TFilventer::udeblev, this, [this] {
        m_dialogs.inform(QStringLiteral("Der er sandsynligvist opstået en fejl.\r"
                                        "Genvejen kan muligvist ikke oprettes på valgte sted."));
    });
}

QString TGenvejsmager::navnefejl(const QString &navn)
{
    if (navn.contains(u'/') || navn.contains(QChar(0)))
        return QStringLiteral("Et navn på en genvej kan ikke indeholde tegnet \"/\".");
    if (navn.contains(u'\n') || navn.contains(u'\r'))
        return QStringLiteral("Et navn på en genvej kan ikke indeholde et linjeskift.");
    const int plads = filnavn::maksBytes - int(QString::fromUtf16(genvejsliste::endelse).size());
    if (navn.toUtf8().size() > plads)
        return QStringLiteral("Navnet på genvejen er for langt.\rDet må højst fylde ") + QString::number(plads)
               + QStringLiteral(" tegn (bogstaverne æ, ø og å tæller dobbelt).");
    return {};
}

bool TGenvejsmager::makeGenvej(const QString &maal, const QString &placering, const QString &navn)
{
    const bool erMappe = filinfo::erMappe(maal);
    if (!erMappe && !filinfo::erFil(maal)) {
        m_dialogs.inform(QStringLiteral("Genvejens mål blev ikke fundet."));
        return false;
    }
    if (const QString fejl = navnefejl(navn); !fejl.isEmpty()) {
        m_dialogs.inform(fejl);
        return false;
    }
    QString fil;
    bool startet = false;
    if (filinfo::erMappe(placering)) {
        fil = genvejsliste::fil(placering, navn);
        const QString script = m_scriptDir + (erMappe ? QStringLiteral("createShortcutMappe.sh")
                                                      : QStringLiteral("createShortcut.sh"));
        if (filinfo::erFil(script)) {
            QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
            miljoe.insert(QStringLiteral("MARVIKEL_PROGRAM"), m_programfil);
            const QString absMaal = QFileInfo(maal).absoluteFilePath();
            const int kode = skript::start(script, {placering, navn, absMaal}, miljoe);
            startet = kode > 32;
            if (!startet)
                m_dialogs.inform(TStarter::ErrorTekst(kode) + u'\r');
        } else {
            m_dialogs.inform(QStringLiteral("Der synes at mangle en fil til skabelse af en genvej."));
        }
    }
    m_placering = placering;
    m_venter.vent(fil, startet);
    return true;
}

void TGenvejsmager::lavet(const QString &fil)
{
    emit genvejLavet(fil, m_placering);
    m_dialogs.inform(QStringLiteral("Genvejen er lavet:\r") + QFileInfo(fil).fileName());
}
