// The main window's start-up and closing: its settings read and applied,
// its first activation, and the questions and stops before it closes.

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

namespace {

// Answers "Nej" to every modal window that opens while the session ends:
// the conflict question, a confirmation, a rename box.
class TSvarNej : public QObject
{
public:
    using QObject::QObject;

    static void afvis(QDialog *d) { QMetaObject::invokeMethod(d, &QDialog::reject, Qt::QueuedConnection); }

protected:
    bool eventFilter(QObject *objekt, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            if (auto *d = qobject_cast<QDialog *>(objekt); d && d->isModal())
                afvis(d);
        return false;
    }
};

} // namespace

// ---------------------------------------------------------------- start-up

void Tmainform::FormCreate()
{
    // 1. The hint handler is event(); the window is starting.
    opstart = true;

    // 2. The data folder tree.
    const DataMappeStart start = TDataMappe::CreateMapper();
    m_mapper = start.mapper;
    m_dataSkrivbar = start.skrivbar;
    m_boern->saetMapper(m_mapper);
    m_strukturmenu->setMappe(m_mapper.mappestrukturDir);
    if (!start.besked.isEmpty())
        m_ventendeBeskeder.append(start.besked);
    setWindowTitle(QStringLiteral("Marvikel: ") + m_mapper.Abrugernavn);

    // 3. The settings file.
    HentOpt();

    MainEgenskaber v;
    m_egenskabsside->hent(v);
    // 4. The notification-area icon is decided at start-up only.
    if (v.trayCheck)
        aktiverBakkeikon();
    // 5.
    saetHjaelpetraeLinjer(v.CheckStrukturLinjer);
    // 6.
    m_egenskabsside->sammeKlipbordCheck()->setChecked(sammeKlipbord);
    // 7.
    bestemTabs();
    // 8.
    PlaceringsMappe = TDataMappe::PlaceringsMappe(m_mapper, PlaceringsMappe);
    // 9.
    anvendDesign(true);
    // 10. maxElementer is shown by HentOpt.
    // 11.
    opsaetProgramliste();
    // 12.
    setMinimumHeight(minimumHoejde(skaermplacering::maksIndre(this)));
    // 13.
    opretDosliste();
    // 14.
    anvendBogfaner();
}

void Tmainform::HentOpt()
{
    MainEgenskaber e;
    e.HentOpt(m_mapper.optFilnavn);
    anvendEgenskaber(e);
}

void Tmainform::anvendEgenskaber(const MainEgenskaber &e)
{
    m_opt = e;
    designName = e.designName;
    placer(QRect(e.left, e.top, e.width, e.height));
    m_egenskabsside->anvend(e);
    m_mainPanel->setVisible(e.panelVist);
    exeProgram = e.exeProgram;
    m_programboks->setVisning(e.visProgrammer);
    OnClickIndex = e.OnClickIndex;
    OnClickCaption = e.OnClickCaption;
    PlaceringsMappe = e.PlaceringsMappe;
    GBoxV = e.GBoxV;
    GBoxL = e.GBoxL;
    colIndex = e.colIndex;
    TryedBefore = e.TryedBefore;
    Vistoppanel = e.Vistoppanel;
    sammeKlipbord = e.sammeKlipbord;
    m_boern->anvendSammeKlipbord(sammeKlipbord);
    TAabningsvalg *valg = m_boern->aabningsvalg();
    const int aabning[] = {e.openInfo, e.openGenveje, e.openProgrammer, e.openStrukturer,
                           e.openTekstfiler, e.openBilleder, e.openKalender, e.openWmi};
    for (int i = 0; i < TAabningsvalg::arter().size(); ++i)
        valg->saetIndex(TAabningsvalg::arter().at(i), aabning[i]);

    // A page index outside the control's range leaves the page as it was.
    const struct
    {
        QTabWidget *bog;
        int indeks;
    } sider[] = {{m_hovedbog, e.hovedSide}, {m_funktionsBog, e.funktionsSide},
                 {erBygget(SideGenveje) ? genvejsBog() : nullptr, e.genvejsSide}};
    // An unbuilt shortcut page is skipped: building it applies m_opt's index.
    for (const auto &s : sider)
        if (s.bog && s.indeks >= 0 && s.indeks < s.bog->count())
            s.bog->setCurrentIndex(s.indeks);
}

MainEgenskaber Tmainform::samlEgenskaber() const
{
    MainEgenskaber e = m_opt;
    e.designName = designName;
    const bool normal = !(isMaximized() || isFullScreen());
    const QRect g = normal ? geometry() : normalGeometry();
    const QPoint hjoerne = normal ? pos() : g.topLeft();
    e.left = hjoerne.x();
    e.top = hjoerne.y();
    e.width = g.width();
    e.height = g.height();
    m_egenskabsside->hent(e);
    e.panelVist = panelVist();
    e.exeProgram = exeProgram;
    e.visProgrammer = m_programboks->visning();
    e.OnClickIndex = OnClickIndex;
    e.OnClickCaption = OnClickCaption;
    e.PlaceringsMappe = PlaceringsMappe;
    e.GBoxV = GBoxV;
    e.GBoxL = GBoxL;
    e.colIndex = colIndex;
    e.TryedBefore = TryedBefore;
    e.Vistoppanel = Vistoppanel;
    e.sammeKlipbord = sammeKlipbord;
    e.hovedSide = m_hovedbog->currentIndex();
    e.funktionsSide = m_funktionsBog->currentIndex();
    e.genvejsSide = underside(SideGenveje);
    const TAabningsvalg *valg = m_boern->aabningsvalg();
    int *aabning[] = {&e.openInfo, &e.openGenveje, &e.openProgrammer, &e.openStrukturer,
                      &e.openTekstfiler, &e.openBilleder, &e.openKalender, &e.openWmi};
    for (int i = 0; i < TAabningsvalg::arter().size(); ++i)
        *aabning[i] = valg->index(TAabningsvalg::arter().at(i));
    return e;
}

bool Tmainform::GemOpt()
{
    // A data folder tree that could not be made was reported at start-up.
    if (!m_dataSkrivbar)
        return false;
    if (samlEgenskaber().GemOpt(m_mapper.optFilnavn))
        return true;
    m_dialogs->inform(QStringLiteral("Programmets egenskaber kunne ikke gemmes i:\r")
                      + m_mapper.optFilnavn);
    return false;
}

void Tmainform::anvendDesign(bool foersteGang)
{
    const bool fundet = TStilManager::anvend(designName);
    if (!fundet && foersteGang)
        m_ventendeBeskeder.append(QStringLiteral("Designet \"%1\" blev ikke fundet.\r"
                                                 "Programmet beholder sit hidtidige design.")
                                      .arg(designName));
    m_egenskabsside->visDesigns(TStilManager::designNavne(), designName);
    // The client area's background is not taken from the palette by itself.
    m_klientomraade->setBackground(QApplication::palette().brush(QPalette::Mid));
    // Style sheets that name palette colours pick up the new palette.
    anvendBogfaner();
}

void Tmainform::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    FormShow();
}

void Tmainform::FormShow()
{
    if (opstart) {
        visAktivtProgram();
        hentDosliste();
        hentNotater();
        hentHjaelpetrae();
        if (erBygget(SideIndhold))
            indholdsside()->foldAlleSammen();
        m_listerHentet = true;
        QCoreApplication::processEvents();
    }
    activateWindow();
}

void Tmainform::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && opstart)
        FormActivate();
}

void Tmainform::FormActivate()
{
    opstart = false;
    aabnFoersteStifinder();
    if (!m_ventendeStier.isEmpty())
        visStier(std::exchange(m_ventendeStier, {}));
    opdaterSidetitel();
    if (TryedBefore == 0) {
        TryedBefore = 1;
        vaelgSide(SideEgenskaber, 0);
        m_informationsKnappenL->setText(QStringLiteral("Egenskaber"));
        visVelkomstside();
    }
    // Messages from the start-up wait until the window is on screen.
    QTimer::singleShot(0, this, &Tmainform::visVentendeBeskeder);
    MainEgenskaber v;
    m_egenskabsside->hent(v);
    if (v.minimerCheck)
        showMinimized();
}

void Tmainform::aabnStier(const QStringList &stier)
{
    if (opstart) {
        m_ventendeStier += stier;
        return;
    }
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    visStier(stier);
}

void Tmainform::visStier(const QStringList &stier)
{
    const QStringList mangler = m_boern->visStier(stier);
    if (!mangler.isEmpty())
        m_dialogs->inform(QStringLiteral("Følgende findes ikke på denne computer og kunne ikke åbnes:\r")
                          + mangler.join(QLatin1Char('\r')));
}

void Tmainform::visVentendeBeskeder()
{
    m_beskederVist = true;
    const QStringList beskeder = std::exchange(m_ventendeBeskeder, {});
    for (const QString &besked : beskeder)
        m_dialogs->inform(besked);
}

void Tmainform::filbesked(const QString &besked)
{
    // Before the window is on screen the message waits with the other
    // start-up messages.
    if (m_beskederVist)
        m_dialogs->inform(besked);
    else
        m_ventendeBeskeder.append(besked);
}

// ---------------------------------------------------------------- closing

void Tmainform::closeEvent(QCloseEvent *e)
{
    if (!FormCloseQuery()) {
        e->ignore();
        return;
    }
    if (arbejdeKoerer()) {
        // This close arrived from within the running work (it keeps the
        // program alive by processing events). The work is stopped, and the
        // windows it uses stay until it has returned.
        m_lukVenter = true;
        stopAltArbejde();
        e->ignore();
        return;
    }
    FormClose();
    QMainWindow::closeEvent(e);
}

bool Tmainform::arbejdeKoerer() const
{
    const QList<Twinform *> vinduer = m_boern->stifindere();
    return std::any_of(vinduer.begin(), vinduer.end(), [](const Twinform *w) { return w->arbejder(); });
}

void Tmainform::stopAltArbejde()
{
    for (Twinform *w : m_boern->stifindere())
        w->stopArbejde();
}

void Tmainform::lukNaarLedigt()
{
    if (m_lukVenter && !arbejdeKoerer())
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

bool Tmainform::FormCloseQuery()
{
    // Decided already: the session ends, or the question was answered "Ja"
    // and the close waits for the work to stop.
    if (m_sessionSlutter || m_lukVenter)
        return true;
    // The structures window deals with its own unsaved changes.
    if (MsRedigeret)
        return false;
    if (processCount <= 0)
        return true;
    return m_dialogs->ask(QStringLiteral("Der er en funktion kørende.\r"
                                         "Skal programmet lukkes alligevel med risiko for fejl ved lukning?"));
}

void Tmainform::FormClose()
{
    lukBoernevinduer();
    lukEksterneVaerktoejer();
    GemOpt();
    frigivDosliste();
}

void Tmainform::sessionSlut()
{
    m_sessionSlutter = true;
    stopAltArbejde();
    afvisSpoergsmaal();
    // Saved now: the session may end before the work has unwound.
    GemOpt();
    close();
}

void Tmainform::afvisSpoergsmaal()
{
    qApp->installEventFilter(new TSvarNej(this));
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<QDialog *>(w); d && d->isVisible() && d->isModal())
            TSvarNej::afvis(d);
}

