#pragma once

#include "shell/vinduesart.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class Dialogs;
class QMdiArea;
class QMdiSubWindow;
class QTabBar;

// The lowest window number not yet in use, from 1. Explorer windows are
// numbered this way so no two ever share a caption, whatever order they are
// closed in.
int laveesteFrieNummer(const QList<int> &brugte);

// Where a new tab goes: copy-lists windows stand together at the front in
// the order they were opened (`antalKlipbord` counts the new one too); every
// other window is appended.
int fanePosition(Vinduesart art, int antalKlipbord, int antalFaner);

// The child windows of the frame: the client area, the tab bar `tc` that
// lists them, the numbering of explorer windows and the single-instance
// registry of tool windows. Windows say what they are through their
// Vinduesart; the frame's commands act through this class.
class TVinduesstyring : public QObject
{
    Q_OBJECT

public:
    TVinduesstyring(QMdiArea *omraade, QTabBar *tc, Dialogs &dialogs, QObject *parent = nullptr);

    // Creates the widget of explorer window number `nummer` ("Stifinder " + nummer).
    std::function<QWidget *(int nummer)> opretStifinder;

    int NewCount = 0;
    bool sammeKlipbord = true;

    QList<QWidget *> boern() const;                 // inside the frame, in opening order
    QWidget *aktivtBarn() const;
    Vinduesart aktivArt() const { return vinduesart(aktivtBarn()); }
    bool harBarn(Vinduesart art) const;
    QList<QWidget *> stifindere() const;
    int nummer(const QWidget *stifinder) const;

    // Puts a window inside the frame, maximised, and activates it. A
    // copy-lists window that the user closes is only hidden, tab and all:
    // its explorer window goes on using the lists, and showing it again
    // brings its tab back.
    void visIRammen(QWidget *vindue);
    void visBarn(QWidget *vindue);

    void InsertTab(QWidget *vindue);
    void SetTCindex();
    void fokusTab(const QString &aName);
    void CloseTab(const QString &aCapNavn);

    QWidget *makeNewStifinder();
    void openStifinder();                            // aVisStifinder
    void visKlipbordet();                            // aVisKlipbordet
    QWidget *getWinform(const QString &aCaption);
    // The same without a word to the user when there is none.
    QWidget *findStifinder(const QString &aCaption) const;
    void CloseElement();
    void CloseAlleElementer();

    // Shows the tool window of a kind, creating it with `opret(inde)` when
    // none exists. Returns the window.
    QWidget *aabnVaerktoej(Vinduesart art, bool inde, const std::function<QWidget *(bool inde)> &opret);
    QWidget *vaerktoej(Vinduesart art) const;

signals:
    // A tool window of a kind came or went; its Internt/Externt choice is
    // locked while it exists.
    void vaerktoejSkiftet(Vinduesart art, bool findes);
    // The set of children or the active child changed.
    void boernSkiftet();

private:
    QMdiSubWindow *rammeFor(const QWidget *vindue) const;
    void aktiveret(QMdiSubWindow *ramme);
    void fanebladKlikket(int index);
    void lukket(Vinduesart art, const QString &caption);
    void skjult(QMdiSubWindow *ramme);
    bool harFaneblad(const QWidget *vindue) const;

    QMdiArea *m_omraade;
    QTabBar *m_tc;
    Dialogs &m_dialogs;
    QHash<int, QPointer<QWidget>> m_vaerktoejer;
};
