#include "explorer/telementkommandoer.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/navnekontrol.h"
#include "engines/nyenavne.h"
#include "engines/tdeletecompo.h"
#include "engines/tmetodecompo.h"
#include "engines/tskrivtekstfiler.h"
#include "engines/tstrukturcompo.h"
#include "explorer/trammeforbindelse.h"
#include "explorer/trenameform.h"
#include "explorer/tstifindernavigation.h"
#include "explorer/tstrukturvisning.h"
#include "explorer/twinform.h"
#include "platform/filinfo.h"
#include "platform/senestedokumenter.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTreeView>

namespace {

const QString Koerende = QStringLiteral("Der er allerede en funktion kørende.\r");

} // namespace

TElementKommandoer::TElementKommandoer(Twinform &vindue, TRammeForbindelse &ramme, TMetodeCompo &metode,
                                       TDeleteCompo &sletter)
    : QObject(&vindue)
    , m_vindue(vindue)
    , m_ramme(ramme)
    , m_metode(metode)
    , m_sletter(sletter)
    , m_motor(vindue.motor())
    , m_skriver(new TSkrivTekstfiler(&ramme.dialogs(), this))
{
}

TElementKommandoer::~TElementKommandoer()
{
    delete m_renameForm;
    delete m_extForm;
}

bool TElementKommandoer::maaKoere(const QString &spoergsmaal)
{
    const RammeValg v = m_ramme.valg();
    if (v.processCount <= 0 || !v.informer)
        return true;
    return m_ramme.dialogs().ask(Koerende + spoergsmaal);
}

TrenameForm *TElementKommandoer::renameForm()
{
    if (!m_renameForm) {
        m_renameForm = new TrenameForm(m_vindue.window());
        connect(m_renameForm, &TOmdoebDialog::hint, this, [this](const QString &t) { m_ramme.UdskrivInfo(t); });
    }
    return m_renameForm;
}

TextForm *TElementKommandoer::extForm()
{
    if (!m_extForm) {
        m_extForm = new TextForm(m_vindue.window());
        connect(m_extForm, &TOmdoebDialog::hint, this, [this](const QString &t) { m_ramme.UdskrivInfo(t); });
    }
    return m_extForm;
}

bool TElementKommandoer::visDialog(TOmdoebDialog &dialog, const QString &mappe, const QString &gammel,
                                   const QString &ny)
{
    if (m_visDialog)
        return m_visDialog(dialog, mappe, gammel, ny);
    return dialog.vis(mappe, gammel, ny);
}

void TElementKommandoer::startOmdoebIStedet()
{
    QAction *f2 = m_vindue.kommando(stifinderregler::Kommando::Rename2);
    m_vindue.opdaterKommandoer();
    if (f2->isEnabled())
        f2->trigger();
}

void TElementKommandoer::Rename()
{
    if (!maaKoere(QStringLiteral("Skal der omdøbes alligevel?")))
        return;
    Dialogs &d = m_ramme.dialogs();
    QString skrevet;
    for (;;) {
        const QString navn = m_motor->getSelected();
        if (navn.isEmpty()) {
            d.inform(QStringLiteral("Der er ikke valgt element, der skal omdøbes."));
            return;
        }
        const QString gammel = m_motor->getSelectedMedSti();
        const bool fil = filinfo::erFil(gammel);
        // A file keeps its extension: the user types the name without it.
        const QString ext = fil ? stier::udvidelse(stier::getLastDirectory(gammel)) : QString();
        const QString mappe = stier::mappeAf(gammel);
        TrenameForm *dialog = renameForm();
        dialog->setFiltype(ext);
        if (!visDialog(*dialog, mappe, navn, skrevet))
            return;
        skrevet = dialog->newEdit->text();
        if (skrevet.isEmpty()) {
            d.inform(QStringLiteral("Der mangler et nyt navn.\rIndfør det nye navn og tryk \"Omdøb\"."));
            continue;
        }
        const QString nytNavn = nyenavne::medFiltype(skrevet, ext);
        const QString fejl = navnekontrol::fejl(nytNavn);
        if (!fejl.isEmpty()) {
            // The typed name is offered again, so nothing typed is lost.
            d.inform(fejl);
            continue;
        }
        const QString ny = m_metode.RenameElement(gammel, nytNavn);
        if (ny.isEmpty())
            return;
        if (fil) {
            m_motor->setAktiveStruktur(Trae::Fil);
            m_motor->setFilnavn(ny);
            m_motor->setMappenavn(stier::mappeAf(ny));
            m_vindue.mappeKontrol(m_motor->SelectFil(ny), true);
        } else {
            m_motor->setAktiveStruktur(Trae::Mappe);
            m_motor->setMappenavn(ny);
            m_vindue.navigation()->visIMappetrae(ny);
            const QString p = m_motor->getDirectory();
            m_vindue.mappeKontrol(p.isEmpty() ? ny : p, true);
        }
        return;
    }
}

void TElementKommandoer::RenameExt()
{
    if (!maaKoere(QStringLiteral("Skal fil-efternavne omdøbes alligevel?")))
        return;
    Dialogs &d = m_ramme.dialogs();
    const QString fil = m_motor->filnavn();
    const QString mappe = stier::mappeAf(fil);
    const QString gammel = stier::udvidelse(stier::getLastDirectory(fil));
    // Without an extension to look for, every file of the folder would match.
    if (gammel.isEmpty()) {
        d.inform(QStringLiteral("Den valgte fil har ingen filtype, der kan omdøbes."));
        return;
    }
    TextForm *dialog = extForm();
    QString skrevet;
    for (;;) {
        if (!visDialog(*dialog, mappe, gammel, skrevet))
            return;
        skrevet = dialog->newEdit->text();
        if (!skrevet.isEmpty())
            break;
        d.inform(QStringLiteral("Der mangler en ny filtype.\rIndfør filtype og tryk \"Omdøb\""));
    }
    const bool alleMapper = dialog->checkIndex() == 1;
    const QString ny = skrevet.startsWith(QLatin1Char('.')) ? skrevet : QLatin1Char('.') + skrevet;
    const Aktivitetsvagt vagt(m_vindue, Twinform::Aktivitet::Anden);
    const int antal = m_metode.RenameFilExt(mappe, gammel, ny, alleMapper);
    if (antal >= 0)
        m_vindue.setBeskedInfo(QStringLiteral("Der blev omdøbt ") + QString::number(antal)
                               + (antal == 1 ? QStringLiteral(" fil.") : QStringLiteral(" filer.")));
}

void TElementKommandoer::NyMappe()
{
    if (!maaKoere(QStringLiteral("Er der sikkehed for, at den nye mappe ikke vil påvirke den kørende funktion? "
                                 "For eksempel indgå i en kørende kopiering, altså \"Sæt-ind\" funktion.\r\r"
                                 "Skal der indsættes en ny mappe?")))
        return;
    const QString p = m_metode.OpretNyMappe(QStringLiteral("Ny mappe"));
    if (!filinfo::erMappe(p))
        return;
    if (m_motor->aktiveStruktur() == Trae::Mappe) {
        m_vindue.navigation()->visIMappetrae(p);
        const QString r = m_motor->getDirectory();
        m_vindue.mappeKontrol(r.isEmpty() ? p : r, true);
    } else {
        m_vindue.navigation()->visMappeITraeer(m_motor->mappenavn());
    }
    m_metode.SelectMappe(p);
    startOmdoebIStedet();
}

void TElementKommandoer::nyFil(const QString &filnavn)
{
    // Without a current folder the file would land in "/"; nothing is written then.
    const QString mappe = m_motor->mappenavn();
    const QString p = filinfo::erMappe(mappe) ? m_skriver->opretTekstfil(stier::delimKon(mappe) + filnavn) : QString();
    if (p.isEmpty() || !filinfo::erFil(p)) {
        m_ramme.dialogs().inform(QStringLiteral("Fejlinformation:\rDet kunne ikke lade sig gøre at oprette en fil."));
        return;
    }
    m_motor->setAktiveStruktur(Trae::Fil);
    const QString r = m_motor->SelectFil(p);
    m_vindue.visning()->filStruktur()->setFocus();
    m_vindue.mappeKontrol(r.isEmpty() ? p : r, false);
    startOmdoebIStedet();
}

void TElementKommandoer::slet(bool tilPapirkurv)
{
    if (!maaKoere(QStringLiteral("Skal der slettes alligevel?")))
        return;
    Aktivitetsvagt vagt(m_vindue, Twinform::Aktivitet::Sletning);
    QCoreApplication::processEvents();
    const StifinderEgenskaber e = m_vindue.samlEgenskaber();
    m_sletter.setIntSpm(spoergsmaalFraTal(e.saetIndSlet));
    m_sletter.setCloseBoxAfter(e.lukProgress);
    QStringList mapper, filer;
    m_motor->loadLister(mapper, filer);
    bool slettet = false;
    if (mapper.isEmpty() && filer.isEmpty())
        m_ramme.dialogs().inform(QStringLiteral("Der er ikke valgt elementer til sletning."));
    else
        slettet = m_sletter.DeleteElementer(mapper, filer, tilPapirkurv);
    if (slettet) {
        // The view moves to the nearest folder that still exists; "/" at
        // the latest, when even the drive has gone.
        QString mappe = stier::udenSkraastreg(m_motor->mappenavn());
        while (!mappe.isEmpty() && !filinfo::erMappe(mappe))
            mappe = stier::mappeAf(mappe);
        if (mappe.isEmpty())
            mappe = QStringLiteral("/");
        m_motor->setMappenavn(mappe);
        m_vindue.navigation()->visMappeITraeer(mappe);
        m_ramme.UdskrivInfo(tilPapirkurv ? QStringLiteral("Der blev slettet til papirkurv")
                                         : QStringLiteral("Der blev slettet permanent"));
    }
    m_motor->setFilnavn({});
    if (slettet)
        vagt.setResultat(m_sletter.getResult());
}

void TElementKommandoer::tilfoejSeneste()
{
    const QString fil = m_motor->filnavn();
    Dialogs &d = m_ramme.dialogs();
    if (!filinfo::erFil(fil) || filinfo::erMappe(fil)) {
        d.inform(QStringLiteral("Der er ikke valgt en fil."));
        return;
    }
    if (senestedokumenter::tilfoej(fil))
        d.inform(QStringLiteral("Der blev gjort et forsøg på at indsætte valgte fil i Seneste filer."));
    else
        d.inform(QStringLiteral("Valgte fil kunne ikke indsættes i Seneste filer."));
}

void TElementKommandoer::rensSeneste()
{
    Dialogs &d = m_ramme.dialogs();
    if (senestedokumenter::rens())
        d.inform(QStringLiteral("Der blev gjort et forsøg på at tømme Seneste filer."));
    else
        d.inform(QStringLiteral("Seneste filer kunne ikke tømmes."));
}

void TElementKommandoer::toemPapirkurv()
{
    const QString mappe = m_motor->mappenavn();
    m_metode.EmptyRecycleBin(true, mappe.isEmpty() ? QStringLiteral("/") : mappe);
}

void TElementKommandoer::htmlForklaring()
{
    m_ramme.dialogs().inform(
        QStringLiteral("Det er op til dig selv at vurdere, om de valgte filer er egnede til musikliste, filmliste "
                       "eller billedliste.\r\rMusikliste: Det kan for eksempel være mp3 filer.\rFilmliste: Det kan "
                       "være mp4 filer.\rBilledliste: For eksempel jpg eller png filer."));
}
