#include "app/tboernevinduer.h"

#include "app/hint.h"
#include "app/ikoner.h"
#include "core/datamapper.h"
#include "core/dialogs.h"
#include "engines/stier.h"
#include "engines/tklipbord.h"
#include "engines/tkopilister.h"
#include "engines/tmenuexefiler.h"
#include "engines/tmetodecompo.h"
#include "engines/tstarter.h"
#include "engines/tstrukturcompo.h"
#include "explorer/trammeforbindelse.h"
#include "explorer/tindstillingsside.h"
#include "explorer/tklipbordskommandoer.h"
#include "explorer/tlisteform.h"
#include "explorer/tsidebog.h"
#include "explorer/twinform.h"
#include "gallery/tgalform.h"
#include "shell/thjaelp.h"
#include "shell/tinfoform.h"
#include "shell/tprogform.h"
#include "shell/tprogramboks.h"
#include "shell/tprogramfunktioner.h"
#include "shell/tprogrammenu.h"
#include "shell/turlform1.h"
#include "shell/tvinduesstyring.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QTabBar>

namespace {

// The frame's commands for its child windows: name, caption, hint, key.
// Tool windows that are not part of the program yet keep their command,
// disabled, so menus and buttons already stand where they belong.
const struct
{
    const char *navn;
    const char *tekst;
    const char *hint;
    QKeySequence tast;
    QStyle::StandardPixmap ikon;
} kommandotabel[] = {
    {"aStifinder", "Stifinder", "Åben en ny stifinder: Ctrl+1", QKeySequence(Qt::CTRL | Qt::Key_1),
     QStyle::SP_DirIcon},
    {"aVisStifinder", "Stifinder", "Vis eller åben en Stifinder, hvis der ikke er en inde: Ctrl+S",
     QKeySequence(Qt::CTRL | Qt::Key_S), QStyle::SP_DirOpenIcon},
    {"aVisKlipbordet", "Klipbord", "Åben eller vis klipbord: Ctrl+0", QKeySequence(Qt::CTRL | Qt::Key_0),
     QStyle::SP_FileDialogListView},
    {"aInfo", "Information", "Information angående aktive element: F1", QKeySequence(Qt::Key_F1),
     QStyle::SP_MessageBoxInformation},
    {"opretGenveje", "Genveje", "Opret genveje til mapper og programmer: Ctrl+2",
     QKeySequence(Qt::CTRL | Qt::Key_2), QStyle::SP_FileLinkIcon},
    {"progInsert", "Indfør", "Indfør, rediger eller fjern program: Ctrl+3", QKeySequence(Qt::CTRL | Qt::Key_3),
     QStyle::SP_ComputerIcon},
    {"OpretSmappe", "Opret", "Åben boksen til oprettelse af strukturmapper: Ctrl+4",
     QKeySequence(Qt::CTRL | Qt::Key_4), QStyle::SP_FileDialogNewFolder},
    {"findTekst", "Søg", "Søg i tekstdokumenter i mapper: Ctrl+5", QKeySequence(Qt::CTRL | Qt::Key_5),
     QStyle::SP_FileDialogContentsView},
    {"aBilledGal", "Billeder", "Åben Galleri til bmp, jpg samt ico billedfiler: Ctrl+6",
     QKeySequence(Qt::CTRL | Qt::Key_6), QStyle::SP_DesktopIcon},
    {"visKalender", "Kalender", "Vis kalender: Ctrl+7", QKeySequence(Qt::CTRL | Qt::Key_7),
     QStyle::SP_FileDialogDetailedView},
    {"aWmi", "WMI", "WMI: Ctrl+8", QKeySequence(Qt::CTRL | Qt::Key_8), QStyle::SP_DriveHDIcon},
    {"winApp", "Applets", "Åben Window Applets: Ctrl+9", QKeySequence(Qt::CTRL | Qt::Key_9),
     QStyle::SP_DriveNetIcon},
    {"aInsertMappe", "Tilføj", "Indfør aktuelle mappe i ny hjemmelavet struktur: Ctrl+T",
     QKeySequence(Qt::CTRL | Qt::Key_T), QStyle::SP_FileDialogNewFolder},
    {"aInsertGenvej", "Opret", "Opret genvej til aktuelle element", {}, QStyle::SP_FileLinkIcon},
    {"aFindDoc", "Søg", "Søg efter tekst i tekstdokumenter", {}, QStyle::SP_FileDialogContentsView},
};

// Commands whose windows are built by later work.
const char *const endnuIkkeByggede[] = {"opretGenveje", "OpretSmappe", "findTekst",
                                        "visKalender", "aWmi", "winApp",
                                        "aInsertMappe", "aInsertGenvej", "aFindDoc"};

} // namespace

TBoernevinduer::TBoernevinduer(const Ramme &ramme, QObject *parent)
    : QObject(parent)
    , m_ramme(ramme)
    , m_styring(new TVinduesstyring(ramme.omraade, ramme.tc, *ramme.dialogs, this))
    , m_hjaelp(new THjaelp(this))
    , m_aabningsvalg(new TAabningsvalg)
    , m_starter(new TStarter(*ramme.dialogs, this))
    , m_menuExe(new TMenuExeFiler(QString(), *m_starter, *ramme.dialogs, this))
{
    m_menuExe->OnParam = [this] { return programParametre(); };
    connect(m_menuExe, &TMenuExeFiler::infoProg, this, &TBoernevinduer::infoProg);
    connect(m_menuExe, &TMenuExeFiler::exeProgramSkiftet, this, &TBoernevinduer::exeProgramSkiftet);
    m_styring->opretStifinder = [this](int nummer) { return lavStifinder(nummer); };
    connect(m_styring, &TVinduesstyring::vaerktoejSkiftet, this,
            [this](Vinduesart art, bool findes) { m_aabningsvalg->laas(art, findes); });
    connect(m_styring, &TVinduesstyring::boernSkiftet, this, [this] {
        if (auto *w = qobject_cast<Twinform *>(m_styring->aktivtBarn()))
            emit aktuelleElement(w->aktuelleElement());
        opdaterKommandoer();
        emit boernSkiftet();
    });
    m_hjaelp->visBrowser = [this] { return visBrowser(); };
    opretKommandoer();
    opretProgrammenu();
}

TBoernevinduer::~TBoernevinduer()
{
    // The functions page owns the widget when it was placed there.
    if (!m_aabningsvalg->parent())
        delete m_aabningsvalg;
}

void TBoernevinduer::saetMapper(const DataMapper &mapper)
{
    m_optMappe = mapper.OptMappe;
    m_hjaelp->saetMapper(mapper);
    m_menuExe->SetItemfile(mapper.OptMappe + "ProgItem.txt");
}

QAction *TBoernevinduer::kommando(const char *navn) const
{
    return m_ramme.hovedvindue->findChild<QAction *>(QLatin1String(navn), Qt::FindDirectChildrenOnly);
}

void TBoernevinduer::opretKommandoer()
{
    for (const auto &k : kommandotabel) {
        auto *a = new QAction(ikoner::hent("", k.ikon), QString::fromUtf8(k.tekst), m_ramme.hovedvindue);
        a->setObjectName(QLatin1String(k.navn));
        hint::saet(a, QString::fromUtf8(k.hint));
        a->setShortcut(k.tast);
        a->setShortcutContext(Qt::ApplicationShortcut);
        m_ramme.hovedvindue->addAction(a);
    }
    connect(kommando("aStifinder"), &QAction::triggered, m_styring, &TVinduesstyring::makeNewStifinder);
    connect(kommando("aVisStifinder"), &QAction::triggered, m_styring, &TVinduesstyring::openStifinder);
    connect(kommando("aVisKlipbordet"), &QAction::triggered, this, &TBoernevinduer::visAktivtKlipbord);
    connect(kommando("aInfo"), &QAction::triggered, this, &TBoernevinduer::aInfo);
    connect(kommando("progInsert"), &QAction::triggered, this, &TBoernevinduer::aabnProgform);
    connect(kommando("aBilledGal"), &QAction::triggered, this, &TBoernevinduer::aabnGalleri);
    // The close buttons of the top strip are the frame's own commands.
    connect(kommando("CloseElement"), &QAction::triggered, m_styring, &TVinduesstyring::CloseElement);
    connect(kommando("CloseAlleElementer"), &QAction::triggered, m_styring, &TVinduesstyring::CloseAlleElementer);
}

void TBoernevinduer::opretProgrammenu()
{
    m_programmenu = new QMenu(m_ramme.hovedvindue);
    m_programmenu->setObjectName("PuProgrammer");
    m_programmenu->addAction(kommando("aStifinder"));
    m_programmenu->addSeparator();
    for (const char *navn : {"aInfo", "opretGenveje", "progInsert", "OpretSmappe", "findTekst", "aBilledGal"})
        m_programmenu->addAction(kommando(navn));
    m_programmenu->addSeparator();
    for (const char *navn : {"visKalender", "aWmi", "winApp"})
        m_programmenu->addAction(kommando(navn));
    m_programmenu->addSeparator();
    QMenu *programmer = m_programmenu->addMenu("Programmer");
    programmer->setObjectName("Programmer");
    m_programmenuListe = new TProgrammenu(programmer, *m_menuExe, 16);
}

TProgramboks *TBoernevinduer::lavProgramboks()
{
    auto *boks = new TProgramboks(*m_menuExe);
    connect(boks, &TProgramboks::indfoer, kommando("progInsert"), &QAction::trigger);
    return boks;
}

void TBoernevinduer::hentProgrammer()
{
    m_menuExe->HentProgrammer();
}

QStringList TBoernevinduer::programParametre() const
{
    auto *w = qobject_cast<Twinform *>(m_styring->aktivtBarn());
    const QStringList valgte = w ? w->motor()->getParamListe() : QStringList();
    return TMenuExeFiler::parametre(w != nullptr, valgte, m_ramme.editSti ? m_ramme.editSti() : QString());
}

QWidget *TBoernevinduer::lavStifinder(int nummer)
{
    Q_ASSERT(m_stifinderRamme);
    auto *w = new Twinform(nummer, *m_stifinderRamme);
    w->setStarter([this](const QString &sti, int maade) { m_starter->runFilname(sti, quint8(maade)); },
                  [this](const QStringList &filer) { m_starter->OpenFilMedProgram(m_menuExe->exeProgram(), filer); });
    forbindKlipbord(w);
    return w;
}

void TBoernevinduer::forbindKlipbord(Twinform *w)
{
    TKlipbordsKommandoer *k = w->klipbordsKommandoer();
    k->antalStifindere = [this] { return int(m_styring->stifindere().size()); };
    if (m_styring->sammeKlipbord)
        k->setDelteLister(delteLister());
    connect(k, &TKlipbordsKommandoer::visKlipbordOensket, this, &TBoernevinduer::visKlipbord);
    connect(k, &TKlipbordsKommandoer::overfoerOensket, this, [this, w] { kopierKlipbordsdata(w); });
    connect(k, &TKlipbordsKommandoer::egneListerLukkes, this, [this](TKopilister *lister) {
        // The window of lists that go with their explorer window goes too.
        for (QWidget *barn : m_styring->boern())
            if (auto *f = qobject_cast<Tlisteform *>(barn); f && f->lister() == lister)
                delete f;
    });
}

TKopilister *TBoernevinduer::delteLister()
{
    if (!m_delteLister)
        m_delteLister = new TKopilister(QStringLiteral("Klipbord"), this);
    return m_delteLister;
}

Twinform *TBoernevinduer::ejerAf(const TKopilister *lister) const
{
    for (Twinform *w : stifindere())
        if (w->klipbordsKommandoer()->lister() == lister)
            return w;
    return nullptr;
}

QWidget *TBoernevinduer::visKlipbord(TKopilister *lister)
{
    for (QWidget *barn : m_styring->boern()) {
        if (auto *f = qobject_cast<Tlisteform *>(barn); f && f->lister() == lister) {
            m_styring->visBarn(f);
            return f;
        }
    }
    Twinform *ejer = ejerAf(lister);
    const bool delt = lister == m_delteLister;
    auto *f = new Tlisteform(lister, ejer ? m_styring->nummer(ejer) : 1, delt, m_optMappe);
    saetVinduesart(f, Vinduesart::Klipbord);
    connect(f, &Tlisteform::stifinderOensket, this, [this](const QString &caption) {
        if (QWidget *w = m_styring->getWinform(caption))
            m_styring->visBarn(w);
    });
    connect(f, &Tlisteform::beregnOensket, this, [this, lister] {
        if (Twinform *w = ejerAf(lister))
            w->metodeX()->getSizeOfKlipbord();
    });
    m_styring->visIRammen(f);
    return f;
}

void TBoernevinduer::visAktivtKlipbord()
{
    Twinform *w = aktivStifinder();
    if (!w && !stifindere().isEmpty())
        w = stifindere().first();
    if (w)
        visKlipbord(w->klipbordsKommandoer()->lister());
    else
        m_styring->visKlipbordet();
}

void TBoernevinduer::anvendSammeKlipbord(bool til)
{
    m_styring->sammeKlipbord = til;
    for (Twinform *w : stifindere())
        w->klipbordsKommandoer()->setDelteLister(til ? delteLister() : nullptr);
}

void TBoernevinduer::kopierKlipbordsdata(Twinform *fra)
{
    QList<TKlipbord *> andre;
    for (Twinform *w : stifindere())
        if (w != fra)
            andre.append(w->klipbordsKommandoer()->klipbord());
    fra->klipbordsKommandoer()->klipbord()->kopierKlipbordsdata(andre);
    fra->sidebog()->indstillingsside()->setAktiver(false);
}

QList<Twinform *> TBoernevinduer::stifindere() const
{
    QList<Twinform *> vinduer;
    for (QWidget *barn : m_styring->stifindere())
        vinduer.append(static_cast<Twinform *>(barn));
    return vinduer;
}

Twinform *TBoernevinduer::aktiverWinform(bool opdater, const QString &potMappe)
{
    const QList<Twinform *> vinduer = stifindere();
    if (vinduer.isEmpty())
        return qobject_cast<Twinform *>(m_styring->makeNewStifinder());
    Twinform *w = vinduer.first();
    m_styring->visBarn(w);
    if (stier::erMappe(potMappe)) {
        w->motor()->setAktiveStruktur(2);
        w->mappeKontrol(w->motor()->makeStruktur2(potMappe), true);
    } else if (opdater) {
        w->kommando(QStringLiteral("opdater2"))->trigger();
    }
    return w;
}

Twinform *TBoernevinduer::aktivStifinder(bool aabnNy)
{
    if (aabnNy && m_styring->aktivArt() != Vinduesart::Stifinder) {
        m_styring->makeNewStifinder();
        QCoreApplication::processEvents();
    }
    return qobject_cast<Twinform *>(m_styring->aktivtBarn());
}

void TBoernevinduer::aabnProgform()
{
    const bool inde = m_aabningsvalg->inde(Vinduesart::Programmer);
    m_styring->aabnVaerktoej(Vinduesart::Programmer, inde, [this](bool inde) {
        TProgform::Hovedvindue hoved;
        hoved.editSti = m_ramme.editSti;
        hoved.aVisStifinder = kommando("aVisStifinder");
        hoved.infoHelp = [this](const QString &side) { InfoHelp(side); };
        auto *f = new TProgform(*m_menuExe, *m_ramme.dialogs, inde, m_optMappe, hoved);
        connect(f, &TProgform::visProgramside, this, [this] { emit visSide(1); });
        return f;
    });
}

void TBoernevinduer::setGalleriFelter(int *GBoxV, int *GBoxL, int *colIndex)
{
    m_GBoxV = GBoxV;
    m_GBoxL = GBoxL;
    m_colIndex = colIndex;
}

void TBoernevinduer::aabnGalleri()
{
    const bool inde = m_aabningsvalg->inde(Vinduesart::Billeder);
    m_styring->aabnVaerktoej(Vinduesart::Billeder, inde, [this](bool inde) {
        TGalForm::Hovedvindue hoved;
        hoved.editSti = m_ramme.editSti;
        hoved.GBoxV = m_GBoxV;
        hoved.GBoxL = m_GBoxL;
        hoved.colIndex = m_colIndex;
        TRammeForbindelse *ramme = m_stifinderRamme;
        hoved.UdskrivInfo = [ramme](const QString &tekst) {
            if (ramme)
                ramme->UdskrivInfo(tekst);
        };
        hoved.visHints = [ramme] { return ramme && ramme->valg().processCount > 0 && ramme->valg().visHints; };
        hoved.selectFromGal = [this](const QString &fil, bool medDelete) { selectFromGal(fil, medDelete); };
        hoved.RegisterEleFromGal = [this](const QString &sti) { RegisterEleFromGal(sti); };
        hoved.runFilname = [this](const QString &fil) { m_starter->runFilname(fil, 0); };
        hoved.InfoHelp = [this](const QString &side) { InfoHelp(side); };
        hoved.aVisStifinder = kommando("aVisStifinder");
        return new TGalForm(*m_ramme.dialogs, inde, m_optMappe + "Gallery.txt", hoved);
    });
}

void TBoernevinduer::selectFromGal(const QString &aFilnavn, bool medDelete)
{
    Twinform *w = aktiverWinform(false);
    if (!w)
        return;
    TStrukturCompo *motor = w->motor();
    motor->setAktiveStruktur(2);
    // The engine falls back to the folder's first file when the name is not
    // listed (a hidden file, say); that file is never the one to delete.
    const QString valgt = motor->SelectFil(aFilnavn);
    if (valgt != aFilnavn || !stier::erFil(valgt)) {
        m_ramme.dialogs->inform(QStringLiteral("Elementet blev ikke fundet."));
        return;
    }
    motor->setFilnavn(valgt);
    w->mappeKontrol(valgt, true);
    QCoreApplication::processEvents();
    if (!medDelete)
        return;
    w->opdaterKommandoer();
    w->kommando(QStringLiteral("DeleteToPapirkurv"))->trigger();
}

void TBoernevinduer::RegisterEleFromGal(const QString &aEleNavn)
{
    Twinform *w = aktiverWinform(false);
    if (!w)
        return;
    if (!stier::erMappe(aEleNavn) && !stier::erFil(aEleNavn)) {
        m_ramme.dialogs->inform(QStringLiteral("Elementet blev ikke fundet."));
        return;
    }
    w->klipbordsKommandoer()->klipbord()->RegisterElements({aEleNavn});
    w->mappeKontrol(aEleNavn, true);
    QCoreApplication::processEvents();
}

TProgramfunktioner *TBoernevinduer::lavProgramfunktioner()
{
    return new TProgramfunktioner([this](const QString &navn) { return kommando(navn.toLatin1().constData()); },
                                  [this](const QString &side) { InfoHelp(side); });
}

Tinfoform *TBoernevinduer::visBrowser()
{
    const bool inde = m_aabningsvalg->inde(Vinduesart::Information);
    QWidget *w = m_styring->aabnVaerktoej(Vinduesart::Information, inde, [this](bool inde) {
        Tinfoform::Hovedkommandoer k;
        k.aVisStifinder = kommando("aVisStifinder");
        k.aVisInfoStruk = kommando("aVisInfoStruk");
        k.aPanelV = kommando("aPanelV");
        for (const char *navn : {"visGT1", "visGT2", "visGT3", "visGT4"})
            k.visGT.append(kommando(navn));
        return new Tinfoform(*m_hjaelp, inde, m_optMappe + "Information.txt", k);
    });
    return qobject_cast<Tinfoform *>(w);
}

void TBoernevinduer::InfoHelp(const QString &side)
{
    m_hjaelp->InfoHelp(side);
}

bool TBoernevinduer::kanViseHjaelp() const
{
    return !m_hjaelp->infoDir().isEmpty() && QDir(m_hjaelp->infoDir()).exists();
}

void TBoernevinduer::visVelkomstside()
{
    if (Tinfoform *b = visBrowser())
        b->LoadHjemmeside("Velkommen.html");
}

void TBoernevinduer::aInfo()
{
    if (m_styring->boern().isEmpty()) {
        if (Tinfoform *b = visBrowser())
            b->LoadHjemmeside("qenStifinder.html");
        return;
    }
    const Vinduesart art = m_styring->aktivArt();
    // The explorer window shows the page of its own structure; until it
    // knows one, the page about the explorer.
    const QString side = art == Vinduesart::Stifinder ? QStringLiteral("Stifinderen.html") : hjaelpesideFor(art);
    if (!side.isEmpty())
        InfoHelp(side);
}

void TBoernevinduer::aabnFoersteStifinder()
{
    m_styring->makeNewStifinder();
}

void TBoernevinduer::lukBoernevinduer()
{
    if (m_styring->boern().isEmpty())
        return;
    m_styring->CloseAlleElementer();
    // Each close lowers the count; the bound guards against a window that
    // refuses to close.
    for (int i = m_styring->NewCount; i > 0 && m_styring->NewCount > 0 && !m_styring->stifindere().isEmpty(); --i)
        m_styring->CloseElement();
}

void TBoernevinduer::lukEksterneVaerktoejer()
{
    for (Vinduesart art : TAabningsvalg::arter())
        if (QWidget *w = m_styring->vaerktoej(art))
            w->close();
    if (m_hjaelp->urlform())
        m_hjaelp->urlform()->close();
}

void TBoernevinduer::opdaterKommandoer()
{
    const Vinduesart aktiv = m_styring->aktivArt();
    kommando("aVisStifinder")->setEnabled(aktiv != Vinduesart::Stifinder);
    kommando("aVisKlipbordet")->setEnabled(aktiv != Vinduesart::Klipbord);
    for (const char *navn : endnuIkkeByggede)
        kommando(navn)->setEnabled(false);
}
