#pragma once

#include "engines/navnesoegning.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>

class Dialogs;
class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class TReopenFilerX;

// The find page of the explorer window: finds folders and files by name
// below the current folder and lists them, newest on top, in two result
// lists; builds structures from the results; and holds the file-type
// filter. While a search runs the program stays alive, a second search
// cannot start, and "Stop" or Esc ends it.
class TSoegside : public QWidget, private TNavnesoegning::Lytter
{
    Q_OBJECT

public:
    TSoegside(TReopenFilerX *findDir, TReopenFilerX *findFiler, Dialogs &dialogs, QWidget *parent = nullptr);

    // What the window supplies: the current path (the frame's path field),
    // the maximum number of results, and the file-type filter's work (the
    // number of files of the type marked, or isolated when `isoler`).
    std::function<QString()> startSti;
    std::function<int()> maksimum;
    std::function<int(const QString &efternavn, bool isoler)> filtype;

    QAction *kommando(const QString &navn) const;
    QLabel *mappeLabel() const { return m_mappeLabel; }
    QLabel *statusLabel() const { return m_status; }
    QLineEdit *soegefelt() const { return m_felt; }
    QLineEdit *efternavnFelt() const { return m_efternavn; }
    QLineEdit *antalFelt() const { return m_antal; }
    QLabel *mappeOverskrift() const { return m_mappeOverskrift; }
    QLabel *filOverskrift() const { return m_filOverskrift; }
    QListView *mappeliste() const { return m_mappeliste; }
    QListView *filliste() const { return m_filliste; }
    QProgressBar *fremdrift() const { return m_fremdrift; }

    bool soeger() const { return m_soeger; }
    // Ends a running search at its next round of events.
    void stop() { m_stop = true; }
    // The longest time between two rounds of events in the last search (ms).
    qint64 laengsteHul() const { return m_laengsteHul; }

    void aSearch();
    void rensLister();
    void opdaterKommandoer();

signals:
    void soegningBegynder();
    void soegningSlut();
    void visMappe(const QString &sti);
    void visFil(const QString &sti);
    void struktur(const QStringList &mapper, bool punkt);
    void hjaelp(const QString &side);
    void statuslinje(const QString &tekst);
    // The file-type filter ran: the window gives the file tree the focus.
    void filtypeVist();

private:
    QWidget *lavResultater();
    QWidget *lavFilter();
    void forbind();
    void findElement(const QString &mappe, const QString &tekst);
    void lavStrukturAf(bool filer, bool punkt);
    void visFiltype(bool isoler);

    // TNavnesoegning::Lytter
    void status(const QString &tekst) override;
    void setMaksimum(qint64 antal) override;
    void setPosition(qint64 antal) override;
    void mappeFundet(const QString &sti, const QString &caption) override;
    void filFundet(const QString &sti, const QString &caption) override;
    bool holdILive() override;

    TReopenFilerX *m_findDir;
    TReopenFilerX *m_findFiler;
    Dialogs &m_dialogs;
    QLabel *m_mappeLabel = nullptr;
    QLabel *m_status = nullptr;
    QLineEdit *m_felt = nullptr;
    QProgressBar *m_fremdrift = nullptr;
    QLabel *m_mappeOverskrift = nullptr;
    QLabel *m_filOverskrift = nullptr;
    QListView *m_mappeliste = nullptr;
    QListView *m_filliste = nullptr;
    QLineEdit *m_efternavn = nullptr;
    QLineEdit *m_antal = nullptr;
    bool m_soeger = false;
    bool m_stop = false;
    QElapsedTimer m_ur;
    qint64 m_laengsteHul = 0;
};
