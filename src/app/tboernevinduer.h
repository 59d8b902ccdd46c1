#pragma once

#include "core/datamapper.h"
#include "shell/vinduesart.h"

#include <QObject>

#include <functional>

class Dialogs;
class QAction;
class QMdiArea;
class QMenu;
class QTabBar;
class QWidget;
class TAabningsvalg;
class TMenuExeFiler;
class TProgramboks;
class TProgrammenu;
class TStarter;
class THjaelp;
class THjaelpside;
class Tinfoform;
class Tfindform;
class Tgenvejform;
class Tmappestrukturform;
class TKopilister;
class Tlisteform;
class TProgramfunktioner;
class TRammeForbindelse;
class Twinform;
class TVinduesstyring;

// The frame's child windows and their commands: explorer windows, the help
// browser and the other tool windows, the programs menu, F1, and the two
// sub-pages of the functions page that open and place them. The main window
// owns one and forwards its life-cycle steps to it.
class TBoernevinduer : public QObject
{
    Q_OBJECT

public:
    struct Ramme
    {
        QWidget *hovedvindue;    // parent of the commands
        QMdiArea *omraade;       // the client area
        QTabBar *tc;             // the tab bar of the top strip
        Dialogs *dialogs;
        std::function<QString()> editSti;   // the frame's current element
    };
    explicit TBoernevinduer(const Ramme &ramme, QObject *parent = nullptr);
    ~TBoernevinduer() override;

    // Once the data folder tree is known (window creation, step 2).
    void saetMapper(const DataMapper &mapper);

    TVinduesstyring *styring() const { return m_styring; }
    // What explorer windows are given of the frame; set before the first
    // explorer window opens.
    void setStifinderRamme(TRammeForbindelse *ramme) { m_stifinderRamme = ramme; }
    // The explorer windows inside the frame, in opening order.
    QList<Twinform *> stifindere() const;
    // The active explorer window; with `aabnNy` a new one is opened first
    // when another kind of window is active.
    Twinform *aktivStifinder(bool aabnNy = false);
    // Brings the first explorer window forward (opening one when there is
    // none) and shows `potMappe` in it when that folder exists; otherwise,
    // with `opdater`, refreshes what it shows.
    Twinform *aktiverWinform(bool opdater, const QString &potMappe = {});

    // The copy lists: the shared ones (made when first needed), showing the
    // lists window of one pair of lists (null when it has none), "Anvend
    // samme klipbord" applied to the open explorer windows, and the transfer
    // from one window to the others.
    TKopilister *delteLister();
    QWidget *visKlipbord(TKopilister *lister);
    void anvendSammeKlipbord(bool til);
    void kopierKlipbordsdata(Twinform *fra);
    THjaelp *hjaelp() const { return m_hjaelp; }

    // The picture gallery: its window (Ctrl+6), the main window's fields it
    // keeps its grid and colour in, and what it asks of an explorer window.
    void setGalleriFelter(int *GBoxV, int *GBoxL, int *colIndex);
    void aabnGalleri();
    void selectFromGal(const QString &aFilnavn, bool medDelete);
    void RegisterEleFromGal(const QString &aEleNavn);
    TProgramfunktioner *lavProgramfunktioner();
    // The shortcut maker ("Genveje", Ctrl+2), and "Opret": the maker
    // filled from the current element. The fixed placement folder is the
    // main window's field, kept with its settings.
    void setPlaceringsMappe(QString *felt) { m_placeringsMappe = felt; }
    Tgenvejform *aabnGenveje();
    void aInsertGenvej();
    // "Find tekst", shown or made.
    Tfindform *aabnFindform();
    void aFindDoc();
    TAabningsvalg *aabningsvalg() const { return m_aabningsvalg; }
    QMenu *programmenu() const { return m_programmenu; }

    // The program list: the programs box of the left panel and the list
    // itself, read at window creation.
    TProgramboks *lavProgramboks();
    TMenuExeFiler *menuExe() const { return m_menuExe; }
    TStarter *starter() const { return m_starter; }
    void hentProgrammer();

    // The calendar window (visKalender), and what it asks of the frame:
    // show a folder, or a chain of folders plus one of them, in an explorer.
    void aabnKalender();
    void visKalMappe(const QString &aMappe);
    void opretKalenderStruk(const QStringList &aList, const QString &aMappe);

    // The saved folder structures window (OpretSmappe), and the main
    // window's "Tilføj" that adds the active explorer's folder to the
    // structure under edit. `MsRedigeret` is the main window's edited flag;
    // `loadMenu` refills its structure menu.
    void setStrukturFelter(bool *MsRedigeret, const std::function<void()> &loadMenu);
    Tmappestrukturform *aabnStrukturer();
    void aInsertMappe();
    // The system information window (aWmi) and the applets window (winApp).
    void aabnWmi();
    void aabnApplets();

    // Help.
    void InfoHelp(const QString &side);
    bool kanViseHjaelp() const;
    void visVelkomstside();
    void aInfo();   // F1 by the active child's kind

    // Life cycle.
    void aabnFoersteStifinder();
    // Shows each path in an explorer window: a folder opened, a file in its
    // folder with the file selected. The first path goes to the first explorer
    // window, every further one to a new window. Returns the paths that name
    // no existing element.
    QStringList visStier(const QStringList &stier);
    void lukBoernevinduer();
    void lukEksterneVaerktoejer();

    // Enable rules of the commands owned here.
    void opdaterKommandoer();

signals:
    // A status tip of a child window that runs outside the frame.
    void hint(const QString &tekst);
    // The active explorer's current element, for the path field.
    void aktuelleElement(const QString &sti);
    void boernSkiftet();
    void infoProg(const QString &caption);
    void exeProgramSkiftet(const QString &sti);
    void visSide(int side);
    // An explorer window's running command has returned.
    void stifinderLedig();

private:
    void opretKommandoer();
    void opretProgrammenu();
    void aabnProgform();
    QStringList programParametre() const;
    QWidget *lavStifinder(int nummer);
    void forbindKlipbord(Twinform *w);
    Twinform *ejerAf(const TKopilister *lister) const;
    Tlisteform *listeformFor(const TKopilister *lister) const;
    Tlisteform *opretListeform(TKopilister *lister, int nummer, bool delt);
    void visEjer(const TKopilister *lister, const QString &caption);
    void lukDelteKlipbordUdenStifindere();
    void visAktivtKlipbord();
    Tinfoform *visBrowser();
    QAction *kommando(const char *navn) const;

    Ramme m_ramme;
    DataMapper m_mapper;
    QString m_optMappe;
    TVinduesstyring *m_styring;
    THjaelp *m_hjaelp;
    TAabningsvalg *m_aabningsvalg;
    QMenu *m_programmenu = nullptr;
    TStarter *m_starter;
    TMenuExeFiler *m_menuExe;
    TProgrammenu *m_programmenuListe = nullptr;
    TRammeForbindelse *m_stifinderRamme = nullptr;
    TKopilister *m_delteLister = nullptr;
    QString *m_placeringsMappe = nullptr;
    int *m_GBoxV = nullptr;
    int *m_GBoxL = nullptr;
    int *m_colIndex = nullptr;
    bool *m_MsRedigeret = nullptr;
    std::function<void()> m_loadStrukturmenu;
};
