#pragma once

#include "app/mainegenskaber.h"
#include "app/mainregler.h"
#include "core/datamapper.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>

class Dialogs;
class QAction;
class QFrame;
class QLabel;
class QMdiArea;
class QTabBar;
class QTabWidget;
class QToolButton;
class QUrl;
class TBakkeikon;
class TNetside;
class TNotatside;
class TBoernevinduer;
class TDosside;
class TEgenskabsside;
class THjaelpside;
class TProgramboks;
class TSenereSide;
class TGenvejslister;
class TIndholdsside;
class TInfobar;
class TOpstartsprogram;
class TStistrimmel;
class TStifinderRamme;
class TStrukturmenu;

// The main window: the frame that hosts every child window, with its top
// strip, the left panel of pages, the path strip and the status line. It
// computes the data folder tree, reads its settings at creation and writes
// them when it closes.
class Tmainform : public QMainWindow
{
    Q_OBJECT

public:
    // `dialogs` informs and asks for the window; without one the window
    // makes the program's shared message windows itself.
    explicit Tmainform(Dialogs *dialogs = nullptr, QWidget *parent = nullptr);
    ~Tmainform() override;

    // State that other windows read or change.
    bool opstart = true;
    int TryedBefore = 0;
    int processCount = 0;
    bool MsRedigeret = false;
    bool sammeKlipbord = true;
    QString designName;
    QString exeProgram;
    int OnClickIndex = -1;
    QString OnClickCaption;
    int GBoxV = 2;
    int GBoxL = 2;
    int colIndex = 0;
    int Vistoppanel = 1;
    int ncNumber = 0;
    QString PlaceringsMappe;

    const DataMapper &mapper() const { return m_mapper; }
    bool dataSkrivbar() const { return m_dataSkrivbar; }
    Dialogs &dialogs() const { return *m_dialogs; }
    int maxElementer() const;

    // Folders and files asked for on the command line or by a second start:
    // shown in explorer windows as soon as the first one stands, and the
    // window comes forward.
    void aabnStier(const QStringList &stier);

    // Status line.
    void UdskrivInfo(const QString &tekst);
    void HintInfo(const QString &hint);
    void InfoProg(const QString &tekst);

    // A desktop notification; without a notification server it shows from
    // the tray icon, else in the status line.
    void makeInfo(const QString &overskrift, const QString &tekst);

    // Opens a web address in the desktop's browser; a failure is told.
    void aabnAdresse(const QUrl &adresse);

    // Opens a shipped help page by file name in the help browser.
    void InfoHelp(const QString &side);
    // Whether InfoHelp can show anything; commands that only open a help
    // page stay disabled while it cannot.
    bool kanViseHjaelp() const;

    // Left panel.
    bool panelVist() const;
    void skiftPanel();       // aPanelV
    void visPanel();
    void bestemTabs();
    void standardSize();
    // The standard size as far as the screen the window stands on allows.
    QSize standardStoerrelse() const;
    // Places the window at `oensket` (frame corner and inner size, as
    // stored) as far as the screen there allows.
    void placer(const QRect &oensket);
    // The minimum height on a screen whose largest inner size is `maks`.
    int minimumHoejde(const QSize &maks) const;
    void vaelgSide(int side, int underside = -1);
    QString sidetitel() const;

    // The settings as they stand now, in file form.
    MainEgenskaber samlEgenskaber() const;
    // Writes the settings file; false when it could not be written. Nothing
    // is written while the data folder tree is not writable.
    bool GemOpt();

    // The enable rules, evaluated now.
    void opdaterKommandoer();

    // The session is ending (log-out, shutdown, the terminal gone): no
    // question is asked and no message waits for an answer from here on.
    // Running work is stopped, the settings are written at once, and the
    // program closes as soon as the work has unwound.
    void sessionSlut();

    // Whether a command of an explorer window is running beneath the event
    // being handled. Closing then stops that work through its "Stop" and
    // waits for it to return before any window is destroyed.
    bool arbejdeKoerer() const;

    QAction *kommando(const QString &navn) const;
    TEgenskabsside *egenskabsside() const { return m_egenskabsside; }
    TBoernevinduer *boernevinduer() const { return m_boern; }
    // The pages below are built when first shown or asked for.
    TIndholdsside *indholdsside() const;
    TDosside *dosside() const { return m_dosside; }
    TOpstartsprogram *opstartsprogram() const { return m_opstartsprogram; }
    TStistrimmel *stistrimmel() const { return m_stistrimmel; }
    TInfobar *infobar() const { return m_infobar; }
    TStrukturmenu *strukturmenu() const { return m_strukturmenu; }
    TBakkeikon *bakkeikon() const { return m_bakkeikon; }
    TNotatside *notatside() const;
    TNetside *netside() const;
    QTabWidget *Hovedbog() const { return m_hovedbog; }

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    // Construction of the regions.
    void opretKommandoer();
    QWidget *lavTopstrimmel();
    QFrame *lavVenstrePanel();
    QWidget *lavSide(int side);
    QWidget *bygSide(int side);
    void forbindSide(int side);
    // The content of a page built when first shown, built now if need be.
    QWidget *side(int side) const;
    bool erBygget(int side) const;
    // False while the left panel is still being built.
    bool panelBygget() const;
    THjaelpside *hjaelpside() const;
    TGenvejslister *genvejsBog() const;
    QTabWidget *lavUndersider(const QString &navn, const QStringList &titler,
                              const QList<QWidget *> &sider = {});
    void koblUndersider(QTabWidget *bog);

    // Life cycle.
    void FormCreate();
    void FormShow();
    void FormActivate();
    bool FormCloseQuery();
    void FormClose();
    void stopAltArbejde();
    void afvisSpoergsmaal();
    void lukNaarLedigt();
    void filbesked(const QString &besked);
    void HentOpt();
    void anvendEgenskaber(const MainEgenskaber &e);
    void anvendDesign(bool foersteGang);
    void visVentendeBeskeder();
    void visStier(const QStringList &stier);

    // Commands and their helpers.
    void skjulPanel();
    void OpenElement();
    void aVisInfoStruk();
    void visGT(int underside);
    void aOpenStifinder();
    void informationsKnappenKlik();
    void opdaterSidetitel(bool direkte = false);
    void anvendBogfaner();
    void planlaegOpdatering();
    mainregler::Tilstand tilstand() const;
    int underside(int side) const;
    int gemtGenvejsside() const;

    // Where the frame reaches the windows and lists its settings concern;
    // one whose window the program does not have does nothing.
    void aktiverBakkeikon();
    void visNotatmappe(const QString &fil);
    void saetHjaelpetraeLinjer(bool linjer);
    void opsaetProgramliste();
    void opretDosliste();
    void visAktivtProgram();
    void hentDosliste();
    void hentNotater();
    void hentHjaelpetrae();
    void aabnFoersteStifinder();
    void visVelkomstside();
    void lukBoernevinduer();
    void lukEksterneVaerktoejer();
    void frigivDosliste();
    // Font, tree lines and tab look of the settings page.
    void anvendFaellesValgPaaStifindere();
    void genaktiverStrukturKnapper();
    void skiftOpdateringsmaade();
    void lavStrukturmenu();
    // "Udfør" on the settings page: start-up registration.
    void makeOpstartProg();
    QWidget *lavDosside();

    Dialogs *m_dialogs = nullptr;           // what every window of the program talks through
    std::unique_ptr<Dialogs> m_egneDialogs;
    std::unique_ptr<Dialogs> m_slutvagt;    // m_dialogs: silent once the session ends
    bool m_sessionSlutter = false;
    bool m_lukVenter = false;               // closing waits for running work to unwind
    bool m_beskederVist = false;            // start-up messages have been shown
    bool m_listerHentet = false;            // the start has read what the pages list
    DataMapper m_mapper;
    bool m_dataSkrivbar = false;
    MainEgenskaber m_opt;           // values kept for windows that have no controls of their own here
    QStringList m_ventendeBeskeder; // shown once the window is on screen
    QStringList m_ventendeStier;    // opened once the first explorer stands
    bool m_panelSkiftet = false;    // the minimum width applies from the first toggle
    bool m_opdateringPlanlagt = false;

    QTabBar *m_tc = nullptr;
    QFrame *m_mainPanel = nullptr;
    QLabel *m_informationsKnappenL = nullptr;
    QToolButton *m_informationsKnappen = nullptr;
    QToolButton *m_genvejsinfoButton = nullptr;
    QTabWidget *m_hovedbog = nullptr;
    QTabWidget *m_funktionsBog = nullptr;
    QMdiArea *m_klientomraade = nullptr;
    TBoernevinduer *m_boern = nullptr;
    TProgramboks *m_programboks = nullptr;
    TEgenskabsside *m_egenskabsside = nullptr;
    TStistrimmel *m_stistrimmel = nullptr;
    TInfobar *m_infobar = nullptr;
    TStrukturmenu *m_strukturmenu = nullptr;
    TDosside *m_dosside = nullptr;
    TOpstartsprogram *m_opstartsprogram = nullptr;
    TBakkeikon *m_bakkeikon = nullptr;
    // The left panel's pages that are built when first shown; null for
    // the pages built with the window.
    std::array<TSenereSide *, mainregler::AntalSider> m_senere{};
    std::unique_ptr<TStifinderRamme> m_stifinderRamme;
};
