#include "explorer/tegenskabskommandoer.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tstrukturcompo.h"
#include "explorer/telementkommandoer.h"
#include "explorer/tfilinfoform.h"
#include "explorer/trammeforbindelse.h"
#include "explorer/tstiboks.h"
#include "explorer/tstrukturvisning.h"
#include "explorer/twinform.h"
#include "platform/filinfo.h"

#include <QTreeView>

TEgenskabsKommandoer::TEgenskabsKommandoer(Twinform &vindue, TRammeForbindelse &ramme)
    : QObject(&vindue)
    , m_vindue(vindue)
    , m_ramme(ramme)
{
}

TEgenskabsKommandoer::~TEgenskabsKommandoer()
{
    delete m_form;
}

Tfilinfoform *TEgenskabsKommandoer::infoForm()
{
    if (!m_form) {
        // A window of its own, closed with the explorer window that owns it.
        m_form = new Tfilinfoform(&m_ramme.dialogs());
        connect(m_form, &Tfilinfoform::hint, this, [this](const QString &t) { m_ramme.UdskrivInfo(t); });
        connect(m_form, &Tfilinfoform::hjaelp, this, [this](const QString &s) { m_ramme.InfoHelp(s); });
        connect(m_form, &Tfilinfoform::omdoebt, this, [this](const QString &, const QString &ny) { omdoebt(ny); });
    }
    return m_form;
}

void TEgenskabsKommandoer::Info()
{
    if (m_vindue.elementKommandoer()
        && !m_vindue.elementKommandoer()->maaKoere(QStringLiteral("Skal information åbnes alligevel?")))
        return;
    const Aktivitetsvagt vagt(m_vindue, Twinform::Aktivitet::Anden);
    TStrukturCompo *motor = m_vindue.motor();
    const bool filtrae = motor->aktiveStruktur() == Trae::Fil;
    switch (motor->getNodeId()) {
    case IdFil: {
        const int r = motor->struktur2()->valgtRaekke();
        infoForm()->showFileInfo(r >= 0 ? motor->struktur2()->raekke(r).rec.filnavn : motor->filnavn());
        break;
    }
    case IdDrev: {
        const QModelIndex n = motor->struktur1()->valgtNode();
        infoForm()->showDriveInfo(n.isValid() ? motor->struktur1()->rec(n).mappe : motor->mappenavn());
        break;
    }
    case IdMappe:
    case IdPrivat:
    case IdBeskyttet:
        visMappe();
        break;
    default:
        if (filtrae)
            visMappe();
        break;
    }
}

void TEgenskabsKommandoer::visMappe()
{
    TStrukturCompo *motor = m_vindue.motor();
    QString sti;
    if (motor->aktiveStruktur() == Trae::Mappe) {
        const QModelIndex n = motor->struktur1()->valgtNode();
        if (!n.isValid()) {
            m_ramme.dialogs().inform(QStringLiteral("Der er ikke valgt en mappe."));
            return;
        }
        sti = motor->struktur1()->rec(n).mappe;
    } else if (motor->aktiveStruktur() == Trae::Fil) {
        const int r = motor->struktur2()->valgtRaekke();
        sti = r >= 0 ? motor->struktur2()->raekke(r).rec.mappe : QString();
        if (sti.isEmpty())
            sti = motor->mappenavn();
    }
    infoForm()->showMappeInfo(sti);
}

void TEgenskabsKommandoer::omdoebt(const QString &ny)
{
    TStrukturCompo *motor = m_vindue.motor();
    motor->setAktiveStruktur(Trae::Fil);
    // A file made hidden is not listed while hidden elements are not shown;
    // the view then shows its folder.
    const QString r = motor->SelectFil(ny);
    m_vindue.mappeKontrol(filinfo::erFil(r) ? r : stier::mappeAf(ny), false);
}

void TEgenskabsKommandoer::htmlListe(THtmlLister::Art art)
{
    TStrukturCompo *motor = m_vindue.motor();
    QStringList navne;
    motor->getSelectListe(navne);
    // The page must lie beside the files it names; they are the file
    // tree's, which the path box normally shows too.
    QString mappe;
    const QList<int> valgte = motor->struktur2()->valgteRaekker();
    if (!valgte.isEmpty())
        mappe = stier::mappeAf(motor->struktur2()->raekke(valgte.first()).rec.filnavn);
    if (mappe.isEmpty()) {
        TStiboks *boks = m_vindue.stiboks();
        mappe = boks->getStien(boks->currentIndex());
        if (filinfo::erFil(mappe) && !filinfo::erMappe(mappe))
            mappe = stier::mappeAf(mappe);
    }
    THtmlLister lister(&m_ramme.dialogs());
    const QString p = lister.opret(art, stier::delimKon(mappe) + THtmlLister::sidenavn(art), navne);
    if (p.isEmpty())
        return;
    motor->setAktiveStruktur(Trae::Fil);
    const QString r = motor->SelectFil(p);
    m_vindue.visning()->filStruktur()->setFocus();
    m_vindue.mappeKontrol(r.isEmpty() ? p : r, false);
    m_vindue.koerFil(p, 0);
}
