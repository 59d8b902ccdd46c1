#pragma once

#include "engines/tkopilister.h"

#include <QObject>
#include <QPointer>

#include <functional>

class TKlipbord;
class TPasteObjekt;
class Tprogressform;
class TRammeForbindelse;
class Twinform;

// The explorer window's copy-list commands: copy and cut into the lists,
// paste with the window's paste settings and its progress windows, the
// cancel commands, restore and transfer, and dropped files. The lists are
// the window's own unless the frame hands it the shared ones.
//
// The window creates one and calls bind() once to connect the lists with
// its pages; the window's command table runs its commands. The frame connects the
// requests to show the lists window and to transfer the lists.
class TKlipbordsKommandoer : public QObject
{
    Q_OBJECT

public:
    TKlipbordsKommandoer(Twinform &vindue, TRammeForbindelse &ramme);
    ~TKlipbordsKommandoer() override;

    void bind();
    // The shared lists, or null for the window's own again.
    void setDelteLister(TKopilister *delte);
    bool delt() const { return m_delte != nullptr; }
    TKopilister *lister() const;
    TKlipbord *klipbord() const { return m_klipbord; }
    TPasteObjekt *paste() const { return m_paste; }
    // How many explorer windows the frame holds; transfer needs another.
    std::function<int()> antalStifindere;

    void kopier(bool cut);
    void Paste();
    // "Stop" on a running paste, the same as its progress window's button.
    void stopPaste();
    Tprogressform *progressform() const { return m_progress; }
    // Brings the pages' copy-list parts in line: counts, restore, transfer.
    void opdater();

    // "Overfør klipbords data": this window's ticked, existing entries go
    // into the lists of each of `modtagere`, which then take them up; the
    // transfer's "Aktiver" of every window involved is unticked.
    void overfoerTil(const QList<TKlipbordsKommandoer *> &modtagere);

signals:
    // The lists window of these lists is to be shown.
    void visKlipbordOensket(TKopilister *lister);
    // "Overfør klipbords data" was clicked with "Aktiver" ticked: the frame
    // names the windows that receive.
    void overfoerOensket();
    // The window's own lists are about to go (the window closes).
    void egneListerLukkes(TKopilister *lister);

private:
    // The favourites page copies into these lists once it is built.
    void bindFavoritter();
    void forbindLister();
    void beregnStoerrelse();
    // A transfer from another window arrived in these lists.
    void modtagOverfoersel();
    // What the status line says after a paste that left files alone.
    void meldUdeladte();

    Twinform &m_vindue;
    TRammeForbindelse &m_ramme;
    Tprogressform *m_progress;
    TPasteObjekt *m_paste;
    TKopilister *m_egne;
    QPointer<TKopilister> m_delte;
    TKlipbord *m_klipbord;
};
