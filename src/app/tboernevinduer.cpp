#include "app/tboernevinduer.h"

#include "app/hint.h"
#include "app/ikoner.h"
#include "core/datamapper.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/tklipbord.h"
#include "engines/tkopilister.h"
#include "engines/tmenuexefiler.h"
#include "engines/tmetodecompo.h"
#include "engines/tstarter.h"
#include "engines/tstrukturcompo.h"
#include "explorer/tklipbordskommandoer.h"
#include "explorer/tlisteform.h"
#include "explorer/trammeforbindelse.h"
#include "explorer/tstifindernavigation.h"
#include "explorer/twinform.h"
#include "gallery/tgalform.h"
#include "platform/aabner.h"
#include "platform/filinfo.h"
#include "shell/thintregel.h"
#include "shell/thjaelp.h"
#include "shell/tinfoform.h"
#include "shell/tprogform.h"
#include "shell/tprogramboks.h"
#include "shell/tprogramfunktioner.h"
#include "shell/tprogrammenu.h"
#include "shell/turlform1.h"
#include "shell/tvinduesstyring.h"
#include "tools/tfindform.h"
#include "tools/tgenvejform.h"
#include "tools/tkalenderform.h"
#include "tools/tmappestrukturform.h"
#include "tools/twaform.h"
#include "tools/twmiform.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QTabBar>
#include <QTimer>
#include <QUrlQuery>

namespace {

// The frame's commands for its child windows: name, caption, hint, key.
// A tool window the program does not have keeps its command, disabled, so
// menus and buttons stand where they belong.
const struct
{
    const char *navn;
    const char *tekst;
    const char *hint;
    QKeySequence tast;
    QStyle::StandardPixmap ikon;
    const char *tema;
} kommandotabel[] = {
    {"aStifinder", "Stifinder", "Åben en ny stifinder: Ctrl+1", QKeySequence(Qt::CTRL | Qt::Key_1),
     QStyle::SP_DirIcon, "system-file-manager|folder"},
    {"aVisStifinder", "Stifinder", "Vis eller åben en Stifinder, hvis der ikke er en inde: Ctrl+S",
     QKeySequence(Qt::CTRL | Qt::Key_S), QStyle::SP_DirOpenIcon, "folder-open"},
    {"aVisKlipbordet", "Klipbord", "Åben eller vis klipbord: Ctrl+0", QKeySequence(Qt::CTRL | Qt::Key_0),
     QStyle::SP_FileDialogListView, "edit-paste"},
    {"aInfo", "Information", "Information angående aktive element: F1", QKeySequence(Qt::Key_F1),
     QStyle::SP_MessageBoxInformation, "help-about"},
    {"opretGenveje", "Genveje", "Opret genveje til mapper og programmer: Ctrl+2",
     QKeySequence(Qt::CTRL | Qt::Key_2), QStyle::SP_FileLinkIcon, "insert-link"},
    {"progInsert", "Indfør", "Indfør, rediger eller fjern program: Ctrl+3", QKeySequence(Qt::CTRL | Qt::Key_3),
     QStyle::SP_ComputerIcon, "applications-utilities"},
    {"OpretSmappe", "Opret", "Åben boksen til oprettelse af strukturmapper: Ctrl+4",
     QKeySequence(Qt::CTRL | Qt::Key_4), QStyle::SP_FileDialogNewFolder, "folder-new"},
    {"findTekst", "Søg", "Søg i tekstdokumenter i mapper: Ctrl+5", QKeySequence(Qt::CTRL | Qt::Key_5),
     QStyle::SP_FileDialogContentsView, "edit-find"},
    {"aBilledGal", "Billeder", "Åben Galleri til bmp, jpg samt ico billedfiler: Ctrl+6",
     QKeySequence(Qt::CTRL | Qt::Key_6), QStyle::SP_DesktopIcon, "image-x-generic"},
    {"visKalender", "Kalender", "Vis kalender: Ctrl+7", QKeySequence(Qt::CTRL | Qt::Key_7),
     QStyle::SP_FileDialogDetailedView, "x-office-calendar|appointment-new"},
    {"aWmi", "WMI", "WMI: Ctrl+8", QKeySequence(Qt::CTRL | Qt::Key_8), QStyle::SP_DriveHDIcon, "computer"},
    {"winApp", "Applets", "Åben skrivebordets Applets: Ctrl+9", QKeySequence(Qt::CTRL | Qt::Key_9),
     QStyle::SP_DriveNetIcon, "preferences-system"},
    {"aInsertMappe", "Tilføj", "Indfør aktuelle mappe i ny hjemmelavet struktur: Ctrl+T",
     QKeySequence(Qt::CTRL | Qt::Key_T), QStyle::SP_FileDialogNewFolder, "list-add"},
    {"aInsertGenvej", "Opret", "Opret genvej til aktuelle element", {}, QStyle::SP_FileLinkIcon, "insert-link"},
    {"aFindDoc", "Søg", "Søg efter tekst i tekstdokumenter", {}, QStyle::SP_FileDialogContentsView, "edit-find"},
};

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
        // The text search inside the frame takes the current folder when it
        // becomes the active child.
        if (auto *f = qobject_cast<Tfindform *>(m_styring->aktivtBarn()))
            f->hentMappeFraHovedvindue();
        opdaterKommandoer();
        emit boernSkiftet();
    });
    m_hjaelp->visBrowser = [this] { return visBrowser(); };
    auto *hintregel = new THintregel([this] {
        if (!m_stifinderRamme)
            return false;
        const RammeValg v = m_stifinderRamme->valg();
        return v.processCount > 0 && v.visHints;
    }, this);
    hintregel->hintInfo = [this](const QString &tekst) { emit hint(tekst); };
    QCoreApplication::instance()->installEventFilter(hintregel);
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
    m_mapper = mapper;
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
        auto *a = new QAction(ikoner::hent(k.tema, k.ikon), QString::fromUtf8(k.tekst), m_ramme.hovedvindue);
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
    connect(kommando("visKalender"), &QAction::triggered, this, &TBoernevinduer::aabnKalender);
    connect(kommando("findTekst"), &QAction::triggered, this, &TBoernevinduer::aabnFindform);
    connect(kommando("opretGenveje"), &QAction::triggered, this, &TBoernevinduer::aabnGenveje);
    connect(kommando("aInsertGenvej"), &QAction::triggered, this, &TBoernevinduer::aInsertGenvej);
    connect(kommando("aFindDoc"), &QAction::triggered, this, &TBoernevinduer::aFindDoc);
    connect(kommando("aBilledGal"), &QAction::triggered, this, &TBoernevinduer::aabnGalleri);
    connect(kommando("OpretSmappe"), &QAction::triggered, this, &TBoernevinduer::aabnStrukturer);
    connect(kommando("aInsertMappe"), &QAction::triggered, this, &TBoernevinduer::aInsertMappe);
    connect(kommando("aWmi"), &QAction::triggered, this, &TBoernevinduer::aabnWmi);
    connect(kommando("winApp"), &QAction::triggered, this, &TBoernevinduer::aabnApplets);
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
    connect(w, &Twinform::ledig, this, &TBoernevinduer::stifinderLedig);
    return w;
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
    if (filinfo::erMappe(potMappe)) {
        w->motor()->setAktiveStruktur(Trae::Fil);
        w->mappeKontrol(w->motor()->makeStruktur2(potMappe), true);
    } else if (opdater) {
        w->kommando(stifinderregler::Kommando::opdater2)->trigger();
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

void TBoernevinduer::aabnKalender()
{
    const bool inde = m_aabningsvalg->inde(Vinduesart::Kalender);
    m_styring->aabnVaerktoej(Vinduesart::Kalender, inde, [this](bool inde) {
        Tkalenderform::Hovedvindue hoved;
        hoved.editSti = m_ramme.editSti;
        hoved.visKalMappe = [this](const QString &mappe) { visKalMappe(mappe); };
        hoved.opretKalenderStruk = [this](const QStringList &liste, const QString &mappe) {
            opretKalenderStruk(liste, mappe);
        };
        hoved.infoHelp = [this](const QString &side) { InfoHelp(side); };
        // The chosen calendar folder holds for the rest of the session.
        hoved.kalenderMappeValgt = [this](const QString &mappe) { m_mapper.brugerKalenderMappe = mappe; };
        return new Tkalenderform(m_mapper, *m_ramme.dialogs, inde, hoved);
    });
}

void TBoernevinduer::visKalMappe(const QString &aMappe)
{
    if (!filinfo::erMappe(aMappe)) {
        m_ramme.dialogs->inform(QStringLiteral("Der opstod en fejl.\rVigtige mapper er muligvist blevet slettet."));
        return;
    }
    aktiverWinform(false, aMappe);
}

void TBoernevinduer::opretKalenderStruk(const QStringList &aList, const QString &aMappe)
{
    Twinform *w = aktiverWinform(false);
    if (!w)
        return;
    QStringList liste = aList;
    w->motor()->setAktiveStruktur(Trae::Mappe);
    w->motor()->makeHistoryStruktur(liste);
    w->motor()->setAktiveStruktur(Trae::Fil);
    w->mappeKontrol(w->motor()->makeStruktur2(aMappe), true);
}

Tfindform *TBoernevinduer::aabnFindform()
{
    const bool inde = m_aabningsvalg->inde(Vinduesart::FindTekst);
    QWidget *w = m_styring->aabnVaerktoej(Vinduesart::FindTekst, inde, [this](bool inde) {
        Tfindform::Hovedvindue h;
        h.editSti = m_ramme.editSti;
        h.exeProgram = [this] { return m_menuExe->exeProgram(); };
        h.aabnFil = [this](const QString &fil, bool rediger) {
            QPointer<TStarter> starter(m_starter);
            return aabner::execute(rediger ? aabner::Verbum::Rediger : aabner::Verbum::Aabn, fil, {},
                                   QFileInfo(fil).absolutePath(), [starter](int kode) {
                                       if (starter)
                                           starter->ErrorInfo(kode);
                                   });
        };
        h.fejl = [this](int kode) { m_starter->ErrorInfo(kode); };
        h.aabnMedProgram = [this](const QString &program, const QStringList &filer) {
            m_starter->OpenFilMedProgram(program, filer);
        };
        h.visIStifinder = [this](const QString &fil) {
            Twinform *w = aktiverWinform(false);
            if (!w)
                return;
            w->motor()->setAktiveStruktur(Trae::Fil);
            w->motor()->SelectFil(fil);
            w->mappeKontrol(fil, true);
        };
        h.infoHelp = [this](const QString &side) { InfoHelp(side); };
        h.aVisStifinder = kommando("aVisStifinder");
        return new Tfindform(*m_ramme.dialogs, inde, m_optMappe, h);
    });
    return qobject_cast<Tfindform *>(w);
}

Tgenvejform *TBoernevinduer::aabnGenveje()
{
    const bool inde = m_aabningsvalg->inde(Vinduesart::Genveje);
    QWidget *w = m_styring->aabnVaerktoej(Vinduesart::Genveje, inde, [this](bool inde) {
        Tgenvejform::Hovedvindue hoved;
        hoved.editSti = m_ramme.editSti;
        hoved.PlaceringsMappe = m_placeringsMappe;
        hoved.visKalMappe = [this](const QString &mappe) { visKalMappe(mappe); };
        hoved.aktiverWinform = [this](const QString &mappe) { aktiverWinform(true, mappe); };
        hoved.runFilname = [this](const QString &fil) { m_starter->runFilname(fil, 0); };
        hoved.infoHelp = [this](const QString &side) { InfoHelp(side); };
        hoved.aVisStifinder = kommando("aVisStifinder");
        hoved.scriptDir = m_mapper.scriptDir;
        hoved.programfil = QCoreApplication::applicationFilePath();
        return new Tgenvejform(*m_ramme.dialogs, inde, m_optMappe, hoved);
    });
    return qobject_cast<Tgenvejform *>(w);
}

void TBoernevinduer::aInsertGenvej()
{
    const QString sti = m_ramme.editSti();
    QString mappe = sti;
    QString navn;
    if (filinfo::erFil(sti) && !filinfo::erMappe(sti)) {
        mappe = stier::mappeAf(sti);
        navn = stier::udenUdvidelse(QFileInfo(sti).fileName());
    } else {
        navn = stier::getLastDirectory(sti);
    }
    if (navn.isEmpty()) {
        m_ramme.dialogs->inform(QStringLiteral("Ukendt fejl: fil eller mappe synes ikke at eksistere."));
        return;
    }
    Tgenvejform *g = aabnGenveje();
    if (!g)
        return;
    const QString fast = m_placeringsMappe ? *m_placeringsMappe : QString();
    g->udfyld(sti, filinfo::erMappe(fast) ? fast : mappe, navn);
}

void TBoernevinduer::aFindDoc()
{
    Twinform *w = aktivStifinder();
    if (!w)
        return;
    const QString fil = w->motor()->aktiveStruktur() == Trae::Fil ? w->motor()->getSelectedMedSti() : QString();
    if (!filinfo::erFil(fil) || filinfo::erMappe(fil)) {
        m_ramme.dialogs->inform(QStringLiteral("Der skal være valgt en tekstfiltype.\r"
                                               "Tekstfiler kan for eksempel være filer med følgende efternavne:\r"
                                               "txt, rtf, asp, html, inc, css, js, asa, wsf, vbs, xml, bat eller ps1"));
        return;
    }
    // The window takes the selected file (the current element) as it does
    // on activation: its folder, and its type looked up in the list.
    if (Tfindform *f = aabnFindform())
        f->hentMappeFraHovedvindue();
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
    motor->setAktiveStruktur(Trae::Fil);
    // The engine falls back to the folder's first file when the name is not
    // listed (a hidden file, say); that file is never the one to delete.
    const QString valgt = motor->SelectFil(aFilnavn);
    if (valgt != aFilnavn || !filinfo::erFil(valgt)) {
        m_ramme.dialogs->inform(QStringLiteral("Elementet blev ikke fundet."));
        return;
    }
    motor->setFilnavn(valgt);
    w->mappeKontrol(valgt, true);
    QCoreApplication::processEvents();
    if (!medDelete)
        return;
    w->opdaterKommandoer();
    w->kommando(stifinderregler::Kommando::DeleteToPapirkurv)->trigger();
}

void TBoernevinduer::RegisterEleFromGal(const QString &aEleNavn)
{
    Twinform *w = aktiverWinform(false);
    if (!w)
        return;
    if (!filinfo::erMappe(aEleNavn) && !filinfo::erFil(aEleNavn)) {
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
    // An explorer window shows the page of its active tree.
    if (Twinform *w = aktivStifinder()) {
        w->showStrukturInfo();
        return;
    }
    const QString side = hjaelpesideFor(m_styring->aktivArt());
    if (!side.isEmpty())
        InfoHelp(side);
}

void TBoernevinduer::aabnFoersteStifinder()
{
    m_styring->makeNewStifinder();
}

QStringList TBoernevinduer::visStier(const QStringList &stier)
{
    QStringList mangler;
    bool foerste = true;
    for (const QString &sti : stier) {
        const bool mappe = filinfo::erMappe(sti);
        if (!mappe && !filinfo::erFil(sti)) {
            mangler.append(sti);
            continue;
        }
        Twinform *w = nullptr;
        if (foerste && !stifindere().isEmpty()) {
            w = stifindere().first();
            m_styring->visBarn(w);
        } else {
            w = qobject_cast<Twinform *>(m_styring->makeNewStifinder());
        }
        if (!w)
            break;
        foerste = false;
        TStrukturCompo *motor = w->motor();
        motor->setAktiveStruktur(Trae::Fil);
        if (mappe) {
            w->mappeKontrol(motor->makeStruktur2(sti), true);
        } else {
            const QString valgt = motor->SelectFil(sti);
            w->mappeKontrol(valgt.isEmpty() ? sti : valgt, false);
        }
    }
    return mangler;
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
    kommando("aFindDoc")->setEnabled(aktiv == Vinduesart::Stifinder);
    kommando("aInsertMappe")->setEnabled(aktiv == Vinduesart::Stifinder);
    kommando("aInsertGenvej")->setEnabled(aktiv == Vinduesart::Stifinder);
    kommando("opretGenveje")->setEnabled(!m_ramme.editSti().isEmpty());
    if (auto *g = qobject_cast<Tgenvejform *>(m_styring->vaerktoej(Vinduesart::Genveje)))
        g->opdaterKommandoer();
}

// ------------------------------------------------------------ structures, system information

void TBoernevinduer::setStrukturFelter(bool *MsRedigeret, const std::function<void()> &loadMenu)
{
    m_MsRedigeret = MsRedigeret;
    m_loadStrukturmenu = loadMenu;
}

Tmappestrukturform *TBoernevinduer::aabnStrukturer()
{
    if (!m_MsRedigeret)
        return nullptr;
    const bool inde = m_aabningsvalg->inde(Vinduesart::Mappestruktur);
    bool ny = false;
    QWidget *w = m_styring->aabnVaerktoej(Vinduesart::Mappestruktur, inde, [this, &ny](bool inde) {
        ny = true;
        Tmappestrukturform::Hovedvindue hoved;
        hoved.editSti = m_ramme.editSti;
        hoved.visStruktur = [this](const QStringList &mapper, bool punkt) {
            if (Twinform *w = aktiverWinform(false))
                w->navigation()->visHjemmelavetStruktur(mapper, punkt);
        };
        hoved.visMappe = [this](const QString &mappe, bool koerHaendelser) {
            if (!filinfo::erMappe(mappe)) {
                m_ramme.dialogs->inform(QStringLiteral("Mappen findes ikke:\r") + mappe);
                return;
            }
            aktiverWinform(false, mappe);
            if (koerHaendelser)
                QCoreApplication::processEvents();
        };
        hoved.loadMappeStruktur = [this] {
            if (m_loadStrukturmenu)
                m_loadStrukturmenu();
        };
        hoved.infoHelp = [this](const QString &side) { InfoHelp(side); };
        hoved.aVisStifinder = kommando("aVisStifinder");
        hoved.minimumHoejde = m_ramme.hovedvindue->minimumHeight();
        return new Tmappestrukturform(*m_ramme.dialogs, *m_MsRedigeret, m_mapper.mappestrukturDir, m_optMappe, inde,
                                      hoved);
    });
    auto *f = qobject_cast<Tmappestrukturform *>(w);
    if (f && ny)
        f->loadMappeStruktur();
    return f;
}

void TBoernevinduer::aInsertMappe()
{
    Twinform *w = aktivStifinder();
    if (!w)
        return;
    const QString mappe = w->motor()->mappenavn();
    if (!filinfo::erMappe(mappe)) {
        m_ramme.dialogs->inform(QStringLiteral("Der skal være valgt en mappe."));
        return;
    }
    if (Tmappestrukturform *f = aabnStrukturer()) {
        f->tilfoejMappe(mappe);
        if (m_stifinderRamme)
            m_stifinderRamme->UdskrivInfo(QStringLiteral("Mappen er tilføjet til strukturen."));
    }
}

void TBoernevinduer::aabnWmi()
{
    const bool inde = m_aabningsvalg->inde(Vinduesart::Wmi);
    m_styring->aabnVaerktoej(Vinduesart::Wmi, inde, [this](bool inde) {
        TwmiForm::Hovedvindue hoved;
        hoved.visMappe = [this](const QString &mappe) { aktiverWinform(false, mappe); };
        hoved.webSoeg = [](const QString &tekst) {
            QUrl url(QStringLiteral("https://www.google.com/search"));
            QUrlQuery q;
            q.addQueryItem(QStringLiteral("q"), QString::fromLatin1(QUrl::toPercentEncoding(tekst)));
            url.setQuery(q);
            QDesktopServices::openUrl(url);
        };
        hoved.infoHelp = [this](const QString &side) { InfoHelp(side); };
        hoved.aVisStifinder = kommando("aVisStifinder");
        TwmiForm::Mapper mapper{m_mapper.scriptDir, m_mapper.BrugerMappe + QStringLiteral("/WMI"),
                                m_mapper.appletsDir, m_mapper.infoDir, m_optMappe};
        return new TwmiForm(*m_ramme.dialogs, mapper, inde, hoved);
    });
}

void TBoernevinduer::aabnApplets()
{
    m_styring->aabnVaerktoej(Vinduesart::Applets, true, [this](bool) {
        return new TwaForm(*m_ramme.dialogs, m_mapper.appletsDir, m_mapper.infoDir,
                           [this](const QString &side) { InfoHelp(side); });
    });
}
