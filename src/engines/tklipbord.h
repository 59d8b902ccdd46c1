#pragma once

#include <QObject>
#include <QStringList>

class Dialogs;
class TKopilister;
class TMetoder;
class TPasteObjekt;

// One explorer window's side of the copy lists: copy and cut of the selected
// elements into the lists, paste with the window's paste settings, the
// cancel commands, restoring the last paste's elements and transferring the
// lists to other explorer windows. The lists may be this window's own or
// shared with every explorer window; the move flag is always this window's.
//
// The window keeps its activity counter around PasteExecute and shows the
// copy lists window and its settings page when asked through the signals.
class TKlipbord : public QObject
{
    Q_OBJECT

public:
    // The paste settings of the explorer window's settings page.
    struct Valg
    {
        int saetIndSlet = 0;        // "Sæt ind og slet": 0 Spørg altid, 1 Kun før Slet, 2 Spørg aldrig
        int saetInd = 3;            // "Sæt ind": 0 Overskriv ikke, 1 Overskriv, 2 Opret kopi, 3 Spørg
        bool lukProgress = true;    // "Luk progressbokse"
        bool rydLister = false;     // "Ryd kopieringslister"
        bool gaaTilIndstillinger = false;  // "Gå til indstillinger"
        QString navn;               // the window's caption, "Stifinder 1"
    };

    TKlipbord(TMetoder *metoder, TKopilister *lister, TPasteObjekt *paste, Dialogs *dialogs,
              QObject *parent = nullptr);

    TKopilister *lister() const { return m_lister; }
    // Another copy lists object (the shared one, or the window's own again).
    void setLister(TKopilister *lister);

    // Adds the active tree's selected elements to the lists; the number of
    // selected file-tree rows.
    int CopyElementer();
    // "Kopier" (cut false) and "Klip" (cut true).
    void KopierElementer(bool cut, const Valg &valg);
    // The folder a paste goes into now; empty when there is none.
    QString getDestination() const;
    // "Sæt ind": true when the paste ran to its end. The destination for the
    // window's refresh is then getDestination().
    bool PasteExecute(const Valg &valg);
    QString getResult() const;

    // "Annuller kopiering af mapper", "… af filer", "Annuller kopiering".
    void annullerMapper();
    void annullerFiler();
    void annullerAlle();

    // "Gendan data": the paste driver still holds the last paste's lists.
    bool kanGendanne() const;
    void klipbordsGendannelse(const Valg &valg);

    // "Overfør klipbords data": possible only with lists of one's own, the
    // box "Aktiver" ticked, another explorer window, ticked entries and no
    // time-consuming function running.
    static bool kanOverfoere(bool delt, bool aktiver, int antalStifindere, int elementAntal, int processCount);
    // Adds this window's ticked, existing entries to each of `andre`.
    void kopierKlipbordsdata(const QList<TKlipbord *> &andre);

    // Files dropped from the desktop.
    int RegisterElements(const QStringList &stier);

signals:
    void visKlipbordOensket();        // "Vis Klipbord": show the copy lists window
    void visIndstillingerOensket();   // "Gå til indstillinger": show the settings page
    void stoerrelsesfelt(const QString &tekst);

private:
    void loadListerne();
    void lukKlipbordKontrol(bool bekraeftet);

    TMetoder *m_metoder;
    TKopilister *m_lister;
    TPasteObjekt *m_paste;
    Dialogs *m_dialogs;
    bool m_rydLister = false;
};
