// The explorer window's find page and known-folders page: what their
// signals do to the window's trees and status.

#include "engines/tstrukturcompo.h"
#include "explorer/tindstillingsside.h"
#include "explorer/tkendtemapperside.h"
#include "explorer/trammeforbindelse.h"
#include "explorer/tsidebog.h"
#include "explorer/tsoegside.h"
#include "explorer/tstifindernavigation.h"
#include "explorer/tstrukturvisning.h"
#include "explorer/twinform.h"

#include <QLabel>
#include <QTreeView>

void Twinform::forbindSoeg()
{
    TStifinderNavigation *n = m_navigation;
    TSoegside *s = m_sidebog->soegside();
    s->startSti = [this] { return m_ramme.editSti(); };
    s->maksimum = [this] { return m_ramme.valg().maxElementer; };
    s->filtype = [this](const QString &efternavn, bool isoler) {
        return isoler ? m_motor->makeStrukturFil(efternavn) : m_motor->fremvisFiltype(efternavn);
    };
    connect(s, &TSoegside::filtypeVist, this, [this] {
        m_visning->filStruktur()->setFocus();
        mappeKontrol({}, false);
    });
    connect(s, &TSoegside::visMappe, n, &TStifinderNavigation::visMappeIFiltrae);
    connect(s, &TSoegside::visFil, n, &TStifinderNavigation::visFilIFiltrae);
    connect(s, &TSoegside::struktur, n, &TStifinderNavigation::lavStruktur);
    connect(s, &TSoegside::hjaelp, this, &Twinform::aabnHjaelp);
    connect(s, &TSoegside::statuslinje, this, [this](const QString &t) { m_ramme.UdskrivInfo(t); });
    // A search is a time-consuming function like a paste: it counts in the
    // window's and the program's activity, and a close asked for meanwhile
    // waits until the walk has returned.
    connect(s, &TSoegside::soegningBegynder, this, &Twinform::begyndFunktion);
    connect(s, &TSoegside::soegningSlut, this, [this] {
        afslutFunktion(Aktivitet::Anden);
        blevLedig();
    });
    s->mappeLabel()->setText(m_sidebog->indstillingsside()->mappenavn());
}

void Twinform::forbindKendteMapper()
{
    TStifinderNavigation *n = m_navigation;
    TKendteMapperSide *k = m_sidebog->kendteMapper();
    k->setPlaceringsMappe(m_ramme.valg().placeringsMappe);
    connect(k, &TKendteMapperSide::visMappe, this, &Twinform::visKendtMappe);
    connect(k, &TKendteMapperSide::struktur, n, &TStifinderNavigation::lavStruktur);
    connect(k, &TKendteMapperSide::hjaelp, this, &Twinform::aabnHjaelp);
    connect(k, &TKendteMapperSide::koerFil, this, [this](const QString &sti) { koerFil(sti, 0); });
    connect(k, &TKendteMapperSide::visPlacering, n, &TStifinderNavigation::visMappeIFiltrae);
}

void Twinform::visKendtMappe(const QString &sti, bool filstruktur)
{
    if (filstruktur) {
        m_navigation->visMappeIFiltrae(sti);
        return;
    }
    // The folder tree becomes the chain down to the folder; the path box
    // and the lists follow only when the user then clicks a node.
    m_motor->setAktiveStruktur(Trae::Mappe);
    m_motor->udfoldMappe(sti);
    fokusOpdatering();
    planlaegOpdatering();
}
