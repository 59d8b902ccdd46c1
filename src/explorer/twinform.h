#pragma once

#include "engines/stifinderegenskaber.h"
#include "engines/stifinderregler.h"
#include "platform/filinfo.h"

#include <QWidget>

#include <functional>

class QAction;
class QMenu;
namespace stifinderkommandoer {
enum class Forudsaetning;
}
class TEgenskabsKommandoer;
class TElementKommandoer;
class TKlipbordsKommandoer;
class TMetodeCompo;
class TRammeForbindelse;
class TReopenFilerX;
class TReopenFilerY;
class TSidebog;
class TStiboks;
class TStifinderKommandoer;
class TStifinderLinjer;
class TStifinderNavigation;
class TStrukturCompo;
class TStrukturVisning;
class TTraekOgSlip;

// An explorer window, "Stifinder " + its number: the folder tree and the
// file tree over one tree engine, the path box, the visited and favourite
// lists, the side book and the command table. It keeps the window's state
// (current path, active tree, activity) in line with what the engine did
// and enables its commands accordingly. Everything it needs of the frame
// comes through a TRammeForbindelse.
class Twinform : public QWidget
{
    Q_OBJECT

public:
    Twinform(int nummer, TRammeForbindelse &ramme, QWidget *parent = nullptr);
    ~Twinform() override;

    int nummer() const { return m_nummer; }
    QString StifinderNavn() const { return m_navn; }
    QString settingsfil() const { return m_optFilnavn; }
    // The file tree's details: "Stifinder N detaljer.txt" beside the settings file.
    QString detaljefil() const { return m_detaljeFilnavn; }
    QString aktuelleSti() const { return m_aktuelleSti; }
    QString aktuelleElement() const { return m_aktuelleSti; }

    // Brings the window in line with what the engine now shows. Callers
    // drive the engine first (for example: active tree 2, makeStruktur2),
    // then call this with the result.
    void mappeKontrol(const QString &sti, bool medSti);
    // Blocking (true) or non-blocking update method for the seven commands
    // that may disturb a running function.
    void setActionUpdates(bool bloker);
    // Re-reads the frame's shared choices: font, tree lines, tab look and
    // the function bar.
    void anvendFaellesValg();
    // F1: the help page of the active tree.
    void showStrukturInfo();
    // Save and load of structures are open until the next change of
    // selection; a change of "Vis strukturer som" opens them again.
    void setStrukturKnapper(bool aabne);
    void genaktiverStrukturKnapper() { setStrukturKnapper(true); }
    // The current element went into a favourite list.
    void favoritIndsat();

    // The activity counter. Every time-consuming function brackets its work
    // with begyndFunktion and afslutFunktion, best through an Aktivitetsvagt;
    // the end of a copy or a deletion tells what it moved or removed.
    enum class Aktivitet { Anden, Kopiering, Sletning };
    void setAktivitetsNr(int delta, Aktivitet art, const QString &resultat = {});
    void begyndFunktion();
    void afslutFunktion(Aktivitet art, const QString &resultat = {});
    void setBeskedInfo(const QString &tekst);

    // Whether one of the window's commands is running now: a paste or a
    // deletion keeping the program alive, or a dialog waiting for its answer.
    // The window is not closed under it: a close asked for meanwhile stops
    // the work and happens once the command has returned (ledig()).
    bool arbejder() const;
    // "Stop" on the window's running paste, as its progress window's button
    // does; the paste ends at its next check and reports what did not
    // arrive. A deletion has no "Stop" and is let finish.
    void stopArbejde();

    // First activation and every activation; called by itself when its frame
    // becomes active.
    void FormActivate();

    // Work that other parts of the program supply. Commands that need a
    // missing piece stay disabled.
    void setStarter(std::function<void(const QString &sti, int maade)> runFilname,
                    std::function<void(const QStringList &filer)> OpenFilMedProgram);
    void setKopilister(std::function<void(const QStringList &mapper, const QStringList &filer)> RegisterElements,
                       std::function<int()> elementAntal);
    // Dropped elements into the copy lists, through what the frame supplied.
    bool kanRegistrere() const { return bool(m_registerElements); }
    void registrerElementer(const QStringList &mapper, const QStringList &filer);
    TTraekOgSlip *traekOgSlip() const { return m_traek; }
    // Replaces the work of a command (a test watching a command).
    void setArbejde(stifinderregler::Kommando kommando, std::function<void()> arbejde);
    // Runs or edits (maade 1) a file with the starter the program supplied.
    void koerFil(const QString &sti, int maade);
    void koerValgteFil(int maade);
    // Opens the active program with the selected files.
    void aabnMedProgram();

    TRammeForbindelse &ramme() const { return m_ramme; }
    TStrukturCompo *motor() const { return m_motor; }
    TMetodeCompo *metodeX() const { return m_metodeX; }
    TStrukturVisning *visning() const { return m_visning; }
    TStiboks *stiboks() const { return m_stiboks; }
    TSidebog *sidebog() const { return m_sidebog; }
    TStifinderLinjer *linjer() const { return m_linjer; }
    QAction *kommando(stifinderregler::Kommando id) const;
    TKlipbordsKommandoer *klipbordsKommandoer() const { return m_klipbordsKommandoer; }
    TElementKommandoer *elementKommandoer() const { return m_elementKommandoer; }
    TEgenskabsKommandoer *egenskabsKommandoer() const { return m_egenskabsKommandoer; }
    // Other element commands in place of the window's own (a test's, with
    // scripted confirmations and delete window).
    void setElementKommandoer(TElementKommandoer *k);
    TStifinderNavigation *navigation() const { return m_navigation; }
    TReopenFilerY *historieDir() const { return m_historieDir; }
    TReopenFilerX *FavDir() const { return m_favDir; }
    TReopenFilerX *FavFiler() const { return m_favFiler; }
    TReopenFilerX *findDir() const { return m_findDir; }
    TReopenFilerX *findFiler() const { return m_findFiler; }

    bool funkTilladt() const { return m_funkTilladt; }
    int funkNo() const { return m_funkNo; }
    int aktivitetsAntal() const { return m_aktivitetsAntal; }
    bool favChanged() const { return m_favChanged; }
    bool opstart() const { return m_opstart; }

    // The menu a right click in a tree would show now; null for none.
    QMenu *kontekstmenu(bool mappetrae) const;
    stifinderregler::Tilstand tilstand() const;
    void opdaterKommandoer();
    StifinderEgenskaber samlEgenskaber() const;
    bool GemOpt();
    void hentDetaljer();

signals:
    // The element the window shows now changed (the path field follows it).
    void aktuelleElementSkiftet(const QString &sti);
    // No command of the window runs any more.
    void ledig();

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    // Creation.
    void FormCreate();
    void opretLister();
    void opretRegioner();
    void forbindMotor();
    void forbindTraeer();
    void forbindSider();
    // The pages built when first shown are joined to the window then.
    void forbindHistorie();
    void forbindFavoritter();
    void forbindSoeg();
    void forbindKendteMapper();
    void visKendtMappe(const QString &sti, bool filstruktur);
    void bindOmdoebning();
    void bindDrevmenuer();
    void anvendEgenskaber(const StifinderEgenskaber &e);
    bool makeOpstartStrukturer();
    void FormClose();
    void blevLedig();

    void udskrivSti(const QString &sti, filinfo::Art art);
    QString drevAf(const QString &sti) const;
    bool harForudsaetning(stifinderkommandoer::Forudsaetning f) const;
    void traeValgAendret(bool mappetrae);
    void visKontekstmenu(bool mappetrae, const QPoint &punkt);
    void filtrerTekstfelt(QWidget *fokus);

    void fokusOpdatering();
    void planlaegOpdatering();
    void anvendRedskabPlacering(int placering);
    void justerVenstreGruppe();
    void aabnHjaelp(const QString &side);

    TRammeForbindelse &m_ramme;
    int m_nummer;
    QString m_navn;
    QString m_optFilnavn;
    QString m_detaljeFilnavn;
    QString m_aktuelleSti;
    bool m_opstart = true;
    bool m_lukket = false;
    bool m_lukNaarLedig = false;   // a close waits for the running command
    int m_aktivitetsAntal = 0;
    bool m_funkTilladt = true;
    int m_funkNo = -1;
    int m_fokusVist = -1;          // the tree the focus marks show, -1 before the first
    bool m_favChanged = false;
    bool m_historieAendret = false;   // the visited list changed before its page was built
    bool m_bloker = false;
    bool m_strukturKnapper = true;
    bool m_opdateringPlanlagt = false;
    bool m_breddeSat = false;
    StifinderEgenskaber m_egenskaber;

    TStrukturCompo *m_motor = nullptr;
    TMetodeCompo *m_metodeX = nullptr;
    TElementKommandoer *m_elementKommandoer = nullptr;
    TEgenskabsKommandoer *m_egenskabsKommandoer = nullptr;
    TKlipbordsKommandoer *m_klipbordsKommandoer = nullptr;
    TStifinderNavigation *m_navigation = nullptr;
    TReopenFilerY *m_historieDir = nullptr;
    TReopenFilerX *m_favDir = nullptr;
    TReopenFilerX *m_favFiler = nullptr;
    TReopenFilerX *m_findDir = nullptr;
    TReopenFilerX *m_findFiler = nullptr;

    TStifinderKommandoer *m_kommandoer = nullptr;
    TStifinderLinjer *m_linjer = nullptr;
    TStrukturVisning *m_visning = nullptr;
    TStiboks *m_stiboks = nullptr;
    TSidebog *m_sidebog = nullptr;
    TTraekOgSlip *m_traek = nullptr;
    QWidget *m_venstreSoejle = nullptr;

    std::function<void(const QString &, int)> m_runFilname;
    std::function<void(const QStringList &)> m_medProgram;
    std::function<void(const QStringList &, const QStringList &)> m_registerElements;
    std::function<int()> m_elementAntal;
};

// Brackets a time-consuming function of an explorer window: begins it when
// made and ends it when it goes, on every way out, with the result given.
class Aktivitetsvagt
{
public:
    Aktivitetsvagt(Twinform &vindue, Twinform::Aktivitet art)
        : m_vindue(vindue)
        , m_art(art)
    {
        m_vindue.begyndFunktion();
    }
    ~Aktivitetsvagt() { m_vindue.afslutFunktion(m_art, m_resultat); }
    Aktivitetsvagt(const Aktivitetsvagt &) = delete;
    Aktivitetsvagt &operator=(const Aktivitetsvagt &) = delete;

    void setResultat(const QString &resultat) { m_resultat = resultat; }

private:
    Twinform &m_vindue;
    Twinform::Aktivitet m_art;
    QString m_resultat;
};
