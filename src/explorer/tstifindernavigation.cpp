#include "explorer/tstifindernavigation.h"

#include "core/stier.h"
#include "engines/stifinderegenskaber.h"
#include "engines/stifinderregler.h"
#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/treopenfilerx.h"
#include "engines/treopenfilery.h"
#include "engines/tstrukturcompo.h"
#include "explorer/telementkommandoer.h"
#include "explorer/tfavoritside.h"
#include "explorer/trammeforbindelse.h"
#include "explorer/tsidebog.h"
#include "explorer/tstedredigering.h"
#include "explorer/tstifinderegenskabsside.h"
#include "explorer/tstifinderkommandoer.h"
#include "explorer/tstrukturvisning.h"
#include "explorer/twinform.h"
#include "platform/filinfo.h"

#include <QAction>
#include <QTreeView>

using namespace stifinderregler;

TStifinderNavigation::TStifinderNavigation(Twinform &vindue)
    : QObject(&vindue)
    , m_vindue(vindue)
    , m_motor(vindue.motor())
    , m_visning(vindue.visning())
{
    for (QTimer *t : {&m_mappeTimer, &m_filTimer}) {
        t->setSingleShot(true);
        t->setInterval(1000);
    }
    connect(&m_mappeTimer, &QTimer::timeout, this, &TStifinderNavigation::mappeTimerUdloeb);
    connect(&m_filTimer, &QTimer::timeout, this, &TStifinderNavigation::filTimerUdloeb);
}

// ---------------------------------------------------------------- showing folders and files

void TStifinderNavigation::stiValgt(const QString &p)
{
    m_motor->setAktiveStruktur(Trae::Fil);
    QString resultat;
    if (filinfo::erFil(p) && !filinfo::erMappe(p)) {
        m_motor->setFilnavn(p);
        m_motor->setMappenavn(stier::mappeAf(p));
        resultat = m_motor->SelectFil(p);
    } else {
        m_motor->setFilnavn({});
        m_motor->setMappenavn(p);
        resultat = m_motor->makeStruktur2(p);
    }
    m_vindue.mappeKontrol(resultat, false);
}

void TStifinderNavigation::visMappeIFiltrae(const QString &sti)
{
    m_motor->setAktiveStruktur(Trae::Fil);
    const QString p = m_motor->makeStruktur2(sti);
    m_vindue.mappeKontrol(p, true);
}

void TStifinderNavigation::visFilIFiltrae(const QString &sti)
{
    m_motor->setAktiveStruktur(Trae::Fil);
    m_motor->SelectFil(sti);
    m_vindue.mappeKontrol(m_motor->filnavn(), true);
}

void TStifinderNavigation::visIMappetrae(const QString &sti)
{
    // With the start-up option "current drive" the tree shows only the
    // folder's own drive; the option is read as it stands now.
    StifinderEgenskaber e;
    m_vindue.sidebog()->egenskabsside()->saml(e);
    const bool iPrivat = m_motor->valgtIPrivat();
    m_motor->udfoldStruktur1(sti, e.programOpstart != 1);
    // Rebuilding starts from the drives; the user's place under the home
    // folder or a standard folder is found again there.
    if (iPrivat)
        m_motor->udfoldIPrivat(sti);
}

void TStifinderNavigation::visMappeITraeer(const QString &sti)
{
    visIMappetrae(sti);
    m_vindue.mappeKontrol(m_motor->makeStruktur2(sti), true);
}

void TStifinderNavigation::bygStruktur(const QStringList &mapper, bool punkt)
{
    QStringList liste = mapper;
    m_motor->setAktiveStruktur(Trae::Mappe);
    if (punkt)
        m_motor->makePunktStruktur(liste);
    else
        m_motor->makeHistoryStruktur(liste);
}

void TStifinderNavigation::lavStruktur(const QStringList &mapper, bool punkt)
{
    bygStruktur(mapper, punkt);
    m_vindue.mappeKontrol({}, false);
}

void TStifinderNavigation::visHjemmelavetStruktur(const QStringList &mapper, bool punkt)
{
    bygStruktur(mapper, punkt);
    const QString mappe = m_motor->mappenavn();
    if (filinfo::erMappe(mappe)) {
        m_motor->setAktiveStruktur(Trae::Fil);
        m_vindue.mappeKontrol(m_motor->makeStruktur2(mappe), true);
    }
    m_motor->setAktiveStruktur(Trae::Mappe);
    m_vindue.mappeKontrol({}, false);
}

void TStifinderNavigation::tilbageFrem(bool tilbage)
{
    TReopenFilerY *historie = m_vindue.historieDir();
    const int antal = historie->antal();
    const int linje = historie->valgtLinje();
    if (!kanTilbageFrem(linje, antal))
        return;
    const int ny = tilbage ? stifinderregler::tilbage(linje, antal) : frem(linje, antal);
    historie->vaelgLinje(ny);
    if (historie->findes(ny))
        visMappeIFiltrae(historie->GetFilnavn(ny));
}

void TStifinderNavigation::insertFavorit()
{
    TSidebog *sidebog = m_vindue.sidebog();
    const QString element = stier::udenSkraastreg(m_vindue.ramme().editSti());
    if (filinfo::erFil(element) && !filinfo::erMappe(element)) {
        if (m_vindue.FavFiler()->InsertItem(element, stier::getLastDirectory(element)))
            m_vindue.FavFiler()->GemReopenFiler();
        sidebog->visSide(TSidebog::Favoritter);
        sidebog->favoritside()->setCurrentIndex(1);
    } else if (filinfo::erMappe(element)) {
        if (m_vindue.FavDir()->InsertItem(element, favoritmappeCaption(element, {m_motor->drevAfSti(element)})))
            m_vindue.FavDir()->GemReopenFiler();
        sidebog->visSide(TSidebog::Favoritter);
        sidebog->favoritside()->setCurrentIndex(0);
    }
    m_vindue.favoritIndsat();
}

// ---------------------------------------------------------------- clicks

void TStifinderNavigation::mappeKlik()
{
    m_motor->setAktiveStruktur(Trae::Mappe);
    m_motor->setFilnavn({});
    const QString p = m_motor->getDirectory();
    m_vindue.mappeKontrol(p, true);
}

void TStifinderNavigation::filKlik()
{
    m_motor->setAktiveStruktur(Trae::Fil);
    const QString p = m_motor->getFileDirectory(false);
    m_vindue.mappeKontrol(p, true);
}

void TStifinderNavigation::mappeDobbeltklik()
{
    m_motor->setAktiveStruktur(Trae::Mappe);
    m_motor->udfoldDirectory();
}

void TStifinderNavigation::filDobbeltklik()
{
    m_motor->setAktiveStruktur(Trae::Fil);
    const QString p = m_motor->udfoldFileDirectory();
    if (filinfo::erMappe(p)) {
        const QString resultat = m_motor->makeStruktur2(p);
        m_vindue.mappeKontrol(resultat, true);
    } else if (filinfo::erFil(p)) {
        m_vindue.koerFil(p, 0);
    }
}

// ---------------------------------------------------------------- tree commands

void TStifinderNavigation::fokusMappetrae()
{
    if (m_motor->aktiveStruktur() != Trae::Fil)
        return;
    m_motor->setAktiveStruktur(Trae::Mappe);
    const QString p = m_motor->getDirectory();
    m_vindue.mappeKontrol(p.isEmpty() ? m_motor->mappenavn() : p, true);
    m_visning->mappeStruktur()->setFocus();
}

void TStifinderNavigation::fokusFiltrae()
{
    if (m_motor->aktiveStruktur() != Trae::Mappe)
        return;
    m_motor->setAktiveStruktur(Trae::Fil);
    const QString fil = m_motor->filnavn();
    const QString p = filinfo::erFil(fil) ? m_motor->SelectFil(fil) : m_motor->getFileDirectory(false);
    m_vindue.mappeKontrol(p, true);
    m_visning->filStruktur()->setFocus();
}

void TStifinderNavigation::kunDrev()
{
    m_motor->setAktiveStruktur(Trae::Mappe);
    m_motor->makePreDrives();
    m_vindue.mappeKontrol({}, false);
}

void TStifinderNavigation::opdaterMappe(bool alleDrev)
{
    m_motor->setAktiveStruktur(Trae::Mappe);
    const QString mappe = m_motor->mappenavn();
    m_motor->udfoldStruktur1(mappe, alleDrev);
    m_vindue.mappeKontrol(mappe, false);
}

void TStifinderNavigation::medtagPrivat()
{
    m_motor->setShowPrivate(!m_motor->showPrivate());
    m_vindue.kommando(Kommando::aMedtagPrivat)->setChecked(m_motor->showPrivate());
    m_motor->setAktiveStruktur(Trae::Mappe);
    m_motor->makePreDrives();
    m_vindue.mappeKontrol({}, false);
}

void TStifinderNavigation::fravaelgMapper()
{
    m_motor->deselectMapper();
    m_vindue.mappeKontrol(m_motor->mappenavn(), true);
}

void TStifinderNavigation::indstilMappestruktur()
{
    m_motor->setAktiveStruktur(Trae::Mappe);
    const QString mappe = m_motor->mappenavn();
    visIMappetrae(mappe);
    m_vindue.mappeKontrol(mappe, false);
}

void TStifinderNavigation::opdaterFiltrae()
{
    const QString fil = m_motor->filnavn();
    m_motor->setAktiveStruktur(Trae::Fil);
    if (filinfo::erFil(fil) && !filinfo::erMappe(fil))
        m_motor->SelectFil(fil);
    else
        m_motor->makeStruktur2(m_motor->mappenavn());
    m_vindue.mappeKontrol(m_motor->mappenavn(), true);
}

void TStifinderNavigation::marker(int handling)
{
    m_motor->SelectMapperFiler(handling);
    m_vindue.mappeKontrol(m_motor->mappenavn(), true);
}

void TStifinderNavigation::markerKnap()
{
    m_vindue.opdaterKommandoer();
    if (m_vindue.kommando(Kommando::selectAlleElementer)->isEnabled())
        marker(1);
}

void TStifinderNavigation::gemStruktur()
{
    m_motor->GemStrukturen();
    m_vindue.setStrukturKnapper(false);
    m_vindue.opdaterKommandoer();
}

void TStifinderNavigation::hentStruktur()
{
    m_motor->setAktiveStruktur(Trae::Mappe);
    m_motor->HentStrukturen(m_vindue.ramme().valg().visStrukturerSom);
    m_vindue.setStrukturKnapper(false);
    m_vindue.mappeKontrol({}, false);
}

// ---------------------------------------------------------------- renaming in place

void TStifinderNavigation::setOmdoebning(Omdoeber RenameMappe, Omdoeber RenameFil,
                                         std::function<QModelIndex()> editSelected)
{
    m_renameMappe = std::move(RenameMappe);
    m_renameFil = std::move(RenameFil);
    m_editSelected = std::move(editSelected);
    m_vindue.opdaterKommandoer();
}

void TStifinderNavigation::setOmdoebInterval(int ms)
{
    m_mappeTimer.setInterval(ms);
    m_filTimer.setInterval(ms);
}

void TStifinderNavigation::stopTimere()
{
    m_mappeTimer.stop();
    m_filTimer.stop();
}

void TStifinderNavigation::startOmdoeb()
{
    if (!m_vindue.elementKommandoer()->maaKoere(QStringLiteral("Skal der omdøbes alligevel?")))
        return;
    const bool mappetrae = m_motor->aktiveStruktur() == Trae::Mappe;
    QTreeView *v = mappetrae ? m_visning->mappeStruktur() : m_visning->filStruktur();
    QModelIndex node;
    if (m_editSelected) {
        node = m_editSelected();
    } else if (mappetrae) {
        node = m_visning->mappeModel()->valgtNode();
    } else {
        const int r = m_visning->filModel()->valgtRaekke();
        node = r >= 0 ? m_visning->filModel()->index(r) : QModelIndex();
    }
    if (!node.isValid())
        return;
    OldNodeTekst = node.data().toString();
    v->scrollTo(node);
    TStedRedigering *felt = TStedRedigering::aabn(v, node, OldNodeTekst);
    const QPersistentModelIndex fast(node);
    connect(felt, &TStedRedigering::accepteret, this,
            [this, fast, mappetrae](const QString &ny) { omdoebAccepteret(fast, mappetrae, ny); });
}

void TStifinderNavigation::omdoebAccepteret(const QPersistentModelIndex &node, bool mappetrae, const QString &ny)
{
    if (!node.isValid() || ny == OldNodeTekst)
        return;
    if (mappetrae) {
        const QString resultat = m_renameMappe(OldNodeTekst, ny, node);
        if (!resultat.isEmpty())
            m_visning->mappeModel()->setTekst(node, resultat);
        m_mappeTimer.start();
        return;
    }
    TFilModel *filer = m_visning->filModel();
    const int art = filer->raekke(node.row()).rec.ID;
    if (art != IdFil && art != IdMappe)
        return;
    const QString resultat = art == IdFil ? m_renameFil(OldNodeTekst, ny, node) : m_renameMappe(OldNodeTekst, ny, node);
    // The row shows what the engine made of the name until the refresh.
    if (!resultat.isEmpty() && node.isValid())
        filer->setTekst(node.row(), resultat);
    (art == IdFil ? m_filTimer : m_mappeTimer).start();
}

void TStifinderNavigation::mappeTimerUdloeb()
{
    visMappeITraeer(m_motor->mappenavn());
}

void TStifinderNavigation::filTimerUdloeb()
{
    m_motor->setAktiveStruktur(Trae::Fil);
    const QString p = m_motor->SelectFil(m_motor->filnavn());
    m_vindue.mappeKontrol(p, true);
}
