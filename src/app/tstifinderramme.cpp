#include "app/tstifinderramme.h"

#include "app/mainregler.h"
#include "app/tboernevinduer.h"
#include "app/tegenskabsside.h"
#include "app/tmainform.h"
#include "app/tstistrimmel.h"
#include "app/tstrukturmenu.h"
#include "explorer/twinform.h"
#include "platform/brugernavn.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>

namespace {

// The settings sub-pages an explorer window may open.
constexpr int klipbordsUnderside = 1;   // "Anvend samme klipbord"
constexpr int strukturUnderside = 2;    // "Vis strukturer som"

const char *const fontnavne[] = {"Tahoma", "Lucida Fax", "Lucida Sans", "Arial", "Verdana", "Default"};

} // namespace

TStifinderRamme::TStifinderRamme(Tmainform &hoved, TStrukturmenu &strukturmenu)
    : m_hoved(hoved)
    , m_strukturmenu(strukturmenu)
{
}

QFont TStifinderRamme::traeSkrift(int Fontbox, int FontnavnBox)
{
    QFont skrift = QApplication::font();
    if (FontnavnBox >= 0 && FontnavnBox < int(std::size(fontnavne)) - 1)
        skrift.setFamily(QString::fromLatin1(fontnavne[FontnavnBox]));
    skrift.setPointSize(8 + qBound(0, Fontbox, 2));
    return skrift;
}

QString TStifinderRamme::optMappe() const
{
    return m_hoved.mapper().OptMappe;
}

QString TStifinderRamme::brugernavn() const
{
    return brugernavn::hent();
}

Dialogs &TStifinderRamme::dialogs()
{
    return m_hoved.dialogs();
}

int TStifinderRamme::processCount() const
{
    return m_hoved.processCount;
}

RammeValg TStifinderRamme::valg() const
{
    const MainEgenskaber e = m_hoved.samlEgenskaber();
    RammeValg v;
    v.processCount = m_hoved.processCount;
    v.blokerFunktioner = e.blokerCheck;
    v.informer = e.sikkerhedsCheck;
    v.informerViaBeskedcenter = e.beskedCheck;
    v.visHints = e.vhaFunkCheck;
    v.strukturLinjer = e.CheckStrukturLinjer;
    v.bogfaner = e.bogfanerBox;
    v.skrift = traeSkrift(e.Fontbox, e.FontnavnBox);
    v.vistoppanel = m_hoved.Vistoppanel != 0;
    v.foersteKoersel = m_hoved.TryedBefore == 0;
    v.harAktivtProgram = !m_hoved.exeProgram.isEmpty();
    v.hjemmelavetStruktur = m_hoved.OnClickIndex >= 0;
    v.visStrukturerSom = e.FremFormCheck;
    v.dataSkrivbar = m_hoved.dataSkrivbar();
    v.maxElementer = m_hoved.maxElementer();
    v.placeringsMappe = m_hoved.PlaceringsMappe;
    return v;
}

void TStifinderRamme::aendrProcessCount(int delta)
{
    m_hoved.processCount = qMax(0, m_hoved.processCount + delta);
}

void TStifinderRamme::opdaterKommandoer()
{
    m_hoved.opdaterKommandoer();
}

void TStifinderRamme::skrivSti(const QString &sti)
{
    m_hoved.stistrimmel()->setSti(sti);
}

QString TStifinderRamme::editSti() const
{
    return m_hoved.stistrimmel()->sti();
}

void TStifinderRamme::UdskrivInfo(const QString &tekst)
{
    m_hoved.UdskrivInfo(tekst);
}

void TStifinderRamme::makeInfo(const QString &titel, const QString &tekst)
{
    m_hoved.makeInfo(titel, tekst);
}

void TStifinderRamme::InfoHelp(const QString &side)
{
    m_hoved.InfoHelp(side);
}

void TStifinderRamme::skiftBlokerFunktioner()
{
    // The check box on the settings page is the one switch; clicking it
    // tells every explorer window, as a click by the user does.
    m_hoved.egenskabsside()->blokerCheck()->click();
}

void TStifinderRamme::skiftTopPanel()
{
    m_hoved.Vistoppanel = m_hoved.Vistoppanel ? 0 : 1;
    for (Twinform *w : m_hoved.boernevinduer()->stifindere())
        w->anvendFaellesValg();
}

void TStifinderRamme::loadMappeStruktur()
{
    m_strukturmenu.loadMappeStruktur();
}

QMenu *TStifinderRamme::strukturMenu()
{
    return m_strukturmenu.menu();
}

void TStifinderRamme::aabnStrukturskabeloner()
{
    QAction *OpretSmappe = m_hoved.kommando(QStringLiteral("OpretSmappe"));
    if (OpretSmappe && OpretSmappe->isEnabled())
        OpretSmappe->trigger();
}

void TStifinderRamme::CallOnClick()
{
    m_strukturmenu.CallOnClick();
}

void TStifinderRamme::visRammeIndstilling(bool klipbord)
{
    m_hoved.vaelgSide(mainregler::SideEgenskaber, klipbord ? klipbordsUnderside : strukturUnderside);
}
