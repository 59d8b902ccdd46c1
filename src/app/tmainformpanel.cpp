// The main window's left panel: shown or hidden, its pages and their tabs,
// and the window's size with and without it.

#include "app/tmainform.h"

#include "app/hint.h"
#include "app/ikoner.h"
#include "app/skaermplacering.h"
#include "app/tbeskeddialogs.h"
#include "app/tboernevinduer.h"
#include "app/tegenskabsside.h"
#include "app/tindholdsside.h"
#include "app/tinfobar.h"
#include "app/tstifinderramme.h"
#include "app/tstilmanager.h"
#include "app/tstistrimmel.h"
#include "app/tstrukturmenu.h"
#include "core/dialogs.h"
#include "engines/datamappe/tdatamappe.h"
#include "engines/tmenuexefiler.h"
#include "explorer/twinform.h"
#include "platform/skrivebord.h"
#include "platform/tekstfil.h"
#include "shell/genvejsdata.h"
#include "shell/tgenvejslister.h"
#include "shell/thjaelp.h"
#include "shell/thjaelpside.h"
#include "shell/tprogramboks.h"
#include "shell/tprogramfunktioner.h"
#include "shell/tvinduesstyring.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPixmapCache>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace mainregler;
using namespace mainregler::maal;

namespace {

QString bogfanerStil(int indeks)
{
    switch (indeks) {
    case 0:   // flat buttons
        return QStringLiteral(
            "QTabBar::tab { border: 1px solid transparent; border-radius: 3px; padding: 3px 8px;"
            " margin: 2px 1px; background: transparent; }"
            "QTabBar::tab:hover { border-color: palette(mid); }"
            "QTabBar::tab:selected { background: palette(highlight); color: palette(highlighted-text); }");
    case 1:   // raised buttons
        return QStringLiteral(
            "QTabBar::tab { border: 1px solid palette(dark); border-radius: 3px; padding: 3px 8px;"
            " margin: 2px 1px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
            " stop:0 palette(light), stop:1 palette(button)); color: palette(button-text); }"
            "QTabBar::tab:selected { background: palette(mid); border-color: palette(shadow); }");
    default:  // classic tabs: the style's own look
        return QString();
    }
}

} // namespace

// ---------------------------------------------------------------- left panel

bool Tmainform::panelVist() const
{
    return !m_mainPanel->isHidden();
}

void Tmainform::skiftPanel()
{
    if (panelVist())
        skjulPanel();
    else
        visPanel();
}

void Tmainform::skjulPanel()
{
    m_panelSkiftet = true;
    setMinimumWidth(0);
    m_mainPanel->hide();
    resize(width() - panelBredde, height());
    QCoreApplication::processEvents();
    setMinimumWidth(qMin(fuldMinBredde - panelBredde, skaermplacering::maksIndre(this).width()));
    opdaterKommandoer();
}

void Tmainform::visPanel()
{
    if (panelVist())
        return;
    m_panelSkiftet = true;
    setMinimumWidth(0);
    m_mainPanel->show();
    resize(width() + panelBredde, height());
    QCoreApplication::processEvents();
    setMinimumWidth(qMin(fuldMinBredde, skaermplacering::maksIndre(this).width()));
    opdaterKommandoer();
}

void Tmainform::bestemTabs()
{
    const auto vis = m_egenskabsside->synligeSider();
    m_hovedbog->setTabVisible(SideNettet, vis[0]);
    m_hovedbog->setTabVisible(SideNotater, vis[1]);
    m_hovedbog->setTabVisible(SideGenveje, vis[2]);
    m_hovedbog->setTabVisible(SideIndhold, vis[3]);
}

int Tmainform::minimumHoejde(const QSize &maks) const
{
    // The standard minimum keeps the left panel whole; on a screen too
    // small for it the window may shrink as far as its contents allow, so
    // the whole window, status line included, can be shown.
    return minHoejde <= maks.height() ? minHoejde : qMin(minimumSizeHint().height(), maks.height());
}

void Tmainform::placer(const QRect &oensket)
{
    // A stored size may be larger than this screen, and a stored place may
    // be on a screen that is gone: the window opens where it fits. The
    // minimum height for that screen comes first, so the fitted size
    // already respects it.
    const QMargins ramme = skaermplacering::rammeFor(this);
    const QRect omraade = skaermplacering::omraadeFor(QRect(oensket.topLeft(), oensket.size().grownBy(ramme)));
    setMinimumHeight(minimumHoejde(skaermplacering::maksIndre(omraade, ramme)));
    const QRect g = skaermplacering::tilpas(this, oensket);
    move(g.topLeft());
    resize(g.size());
}

QSize Tmainform::standardStoerrelse() const
{
    return skaermplacering::tilpas(QRect(pos(), QSize(standardBredde, standardHoejde)), skaermplacering::rammeFor(this),
                                   minimumSize())
        .size();
}

void Tmainform::standardSize()
{
    placer(QRect(pos(), QSize(standardBredde, standardHoejde)));
}

int Tmainform::underside(int side) const
{
    switch (side) {
    case SideFunktioner: return m_funktionsBog->currentIndex();
    case SideEgenskaber: return m_egenskabsside->undersider()->currentIndex();
    case SideInformation: return erBygget(SideInformation) ? hjaelpside()->currentIndex() : 0;
    case SideGenveje: return erBygget(SideGenveje) ? genvejsBog()->currentIndex() : gemtGenvejsside();
    default: return 0;
    }
}

int Tmainform::gemtGenvejsside() const
{
    // As the page takes it when it is built: an index outside its lists
    // leaves the first list chosen.
    const int i = m_opt.genvejsSide;
    return i >= 0 && i < int(genvejslister().size()) ? i : 0;
}

void Tmainform::vaelgSide(int side, int underside)
{
    visPanel();
    m_hovedbog->setCurrentIndex(side);
    QTabWidget *bog = nullptr;
    switch (side) {
    case SideFunktioner: bog = m_funktionsBog; break;
    case SideEgenskaber: bog = m_egenskabsside->undersider(); break;
    case SideInformation: bog = hjaelpside(); break;
    case SideGenveje: bog = genvejsBog(); break;
    default: break;
    }
    if (bog && underside >= 0)
        bog->setCurrentIndex(underside);
    opdaterSidetitel();
    opdaterKommandoer();
}

QString Tmainform::sidetitel() const
{
    return m_informationsKnappenL->text();
}

void Tmainform::opdaterSidetitel(bool direkte)
{
    if (!panelBygget())
        return;
    const int side = m_hovedbog->currentIndex();
    const SideInfo info = sideInfo(side, underside(side), direkte);
    m_informationsKnappenL->setText(info.titel);
    m_informationsKnappen->setIcon(side == SideIndhold
                                       ? ikoner::hent("help-contents", QStyle::SP_FileDialogInfoView)
                                       : ikoner::hent("help-about", QStyle::SP_MessageBoxInformation));
    m_informationsKnappen->setEnabled(!info.besked.isEmpty()
                                      || (!info.hjaelpeside.isEmpty() && kanViseHjaelp()));
}

void Tmainform::informationsKnappenKlik()
{
    const int side = m_hovedbog->currentIndex();
    const SideInfo info = sideInfo(side, underside(side));
    if (!info.besked.isEmpty())
        m_dialogs->inform(info.besked);
    else if (!info.hjaelpeside.isEmpty())
        InfoHelp(info.hjaelpeside);
}

void Tmainform::anvendBogfaner()
{
    const int indeks = m_egenskabsside->bogfaner();
    const QString stil = bogfanerStil(indeks);
    m_tc->setStyleSheet(stil);
    for (QTabWidget *bog : {m_funktionsBog, m_egenskabsside->undersider()}) {
        bog->tabBar()->setStyleSheet(stil);
        bog->setDocumentMode(indeks != 2);
    }
    anvendFaellesValgPaaStifindere();
}

